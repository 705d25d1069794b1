#!/usr/bin/env bash
# Prepares the working folder var/: the clinic database (created only when
# absent: an existing OK.db is the user's data) and the help text files.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
mkdir -p var
if [ ! -e var/OK.db ]; then
  "$build_dir/bin/mazurel-admin" init-db var/OK.db
fi
cp -u data/help/*.txt var/ 2>/dev/null || true
