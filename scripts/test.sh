#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows build, and runs every test of both
# in one CTest run: native tests directly, Windows tests under Wine on a private Xvfb display.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

bash scripts/install-deps.sh
bash scripts/build.sh native windows

# One CTest tree over both build folders.
printf 'subdirs("native" "windows")\n' >build/CTestTestfile.cmake
exec ctest --test-dir build -j2 --timeout 300 --output-on-failure "$@"
