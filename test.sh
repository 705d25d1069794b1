#!/usr/bin/env bash
# Installs what is missing, builds, prepares var/ and runs the whole test
# suite through CTest; GUI tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
bash scripts/build.sh
bash scripts/prepare-var.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
