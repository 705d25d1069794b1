#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the programs need.
# Quiet and quick when everything is already present; installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n
  libsqlite3-dev libgtest-dev libgmock-dev
  fonts-noto-cjk
  xvfb xauth imagemagick poppler-utils
  unicode-data sqlite3
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
