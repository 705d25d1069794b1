#!/usr/bin/env bash
# Installs what is missing, builds, prepares var/ and starts Mazurel there
# (or Tamsor in its own folder: ./run.sh tamsor).
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-mazurel}
bash scripts/setup.sh
bash scripts/build.sh
bash scripts/prepare-var.sh
case "$program" in
  mazurel) cd var && exec ../build/bin/mazurel ;;
  tamsor)  cd build/bin && exec ./tamsor ;;
  *) echo "用法：./run.sh [mazurel|tamsor]" >&2; exit 2 ;;
esac
