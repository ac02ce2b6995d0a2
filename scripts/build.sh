#!/usr/bin/env bash
# Configures and builds the given presets (native, windows, ...) into build/<preset>.
# The full output is in build/logs/<preset>.log; compiler warnings and failures are shown.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
mkdir -p build/logs

for preset in "$@"; do
  log=build/logs/$preset.log
  echo "build: $preset (log: $log)"
  start=$SECONDS
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
    echo "build: $preset failed:" >&2
    if grep -qE '^FAILED:|CMake Error' "$log"; then
      grep -E -A12 '^FAILED:|CMake Error' "$log" | head -n 150 >&2 || true
    else
      tail -n 60 "$log" >&2
    fi
    exit 1
  fi
  warnings=$(grep -E '(warning|Warning):' "$log" | sort -u || true)
  if [[ -n $warnings ]]; then
    echo "build: $preset has $(wc -l <<<"$warnings") distinct warnings:"
    head -n 20 <<<"$warnings"
  fi
  echo "build: $preset done in $((SECONDS - start)) s"
done
