#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine.
#   On $DISPLAY when there is one: the launcher stays running (end it with `run.sh --stop`).
#   Else on a private Xvfb display: after the screenshot the launcher and the display end
#   (MARLOWIN_KEEP=1 keeps both, and prints the display to point X clients at).
# Either way it waits for the launcher's window and writes a PNG screenshot, printing its path.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
state=$repo/build/windows/wine-app
program_dir=$repo/build/windows/Marlowin
screenshot=$repo/build/windows/screenshot.png

if [[ ${1:-} == --stop ]]; then
  bash scripts/wine-env.sh "$state" stop
  exit 0
fi

bash scripts/install-deps.sh
bash scripts/build.sh windows
[[ -f $program_dir/Marlowin.exe ]] || { echo "run: $program_dir/Marlowin.exe was not built" >&2; exit 1; }

on_screen=0
if [[ -n ${DISPLAY:-} ]]; then
  on_screen=1
  export MARLOWIN_WINE_DISPLAY=$DISPLAY
fi

# A launcher left from an earlier run ends with its wineserver; this one starts afresh.
bash scripts/wine-env.sh "$state" stop
eval "$(bash scripts/wine-env.sh "$state" env)"
log=$state/launcher.log
(cd "$program_dir" && exec setsid wine Marlowin.exe </dev/null >"$log" 2>&1) &
launcher=$!

# The launcher's largest visible window: the keyboard, not a tooltip or a menu.
main_window() {
  local id best= best_area=0 WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --classname '^marlowin\.exe$' 2>/dev/null || true); do
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
    if ((WIDTH * HEIGHT > best_area)); then
      best=$id
      best_area=$((WIDTH * HEIGHT))
    fi
  done
  echo "$best"
}

window=
for _ in $(seq 120); do
  window=$(main_window)
  [[ -n $window ]] && break
  if ! kill -0 "$launcher" 2>/dev/null; then
    echo "run: the launcher ended before showing a window:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.5
done
if [[ -z $window ]]; then
  echo "run: no launcher window after 60 s" >&2
  cat "$log" >&2
  exit 1
fi
sleep 1 # let it finish painting

if ((on_screen)); then
  import -window "$window" "$screenshot"
  echo "run: the launcher runs on $DISPLAY (stop it with: bash scripts/run.sh --stop)"
else
  import -window root "$screenshot"
  if [[ ${MARLOWIN_KEEP:-0} == 1 ]]; then
    echo "run: the launcher runs on the virtual display $DISPLAY (stop: bash scripts/run.sh --stop)"
  else
    bash scripts/wine-env.sh "$state" stop
    echo "run: the launcher showed its window on a virtual display and was ended"
  fi
fi
echo "run: screenshot: $screenshot"
