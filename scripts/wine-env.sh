#!/usr/bin/env bash
# A private Wine environment kept in one folder of a build tree:
#   wine-env.sh STATE start          X display, Wine prefix (made once) and a persistent wineserver
#   wine-env.sh STATE run PROG ARGS  runs a Windows program there (brings the display and prefix up
#                                    first when needed); exits with the program's exit code
#   wine-env.sh STATE stop           ends the wineserver, its programs and the display it started
#   wine-env.sh STATE env            prints the variables, for eval in a shell
# The display is a private Xvfb (so tests never touch a desktop and always see the same screen),
# or the one named by MARLOWIN_WINE_DISPLAY.
set -euo pipefail

usage() {
  echo "usage: wine-env.sh STATE_DIR start|stop|env|run PROGRAM [ARGS...]" >&2
  exit 2
}
(($# >= 2)) || usage
mkdir -p "$1"
state=$(cd "$1" && pwd)
action=$2
shift 2

screen_size=${MARLOWIN_WINE_SCREEN:-1280x1024x24}

export WINEPREFIX=$state/prefix
export WINEARCH=win64
export WINEDEBUG=${MARLOWIN_WINEDEBUG:--all}
# No .NET or HTML engine installers to download, no menu entries written into the host's desktop.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
# Wine links the Windows profile folders (Desktop, Documents) to the home folder: keep them here.
export XAUTHORITY=${XAUTHORITY:-${HOME:-/root}/.Xauthority}
export HOME=$state/home
mkdir -p "$HOME"

log() { echo "wine-env: $*" >&2; }

process_alive() { [[ -f $1 ]] && kill -0 "$(cat "$1")" 2>/dev/null; }

ensure_display() {
  if [[ -n ${MARLOWIN_WINE_DISPLAY:-} ]]; then
    export DISPLAY=$MARLOWIN_WINE_DISPLAY
    return
  fi
  if process_alive "$state/xvfb.pid" && [[ -s $state/display ]]; then
    export DISPLAY=:$(cat "$state/display")
    return
  fi
  rm -f "$state/display"
  # -displayfd picks a free display and writes its number once the server accepts clients.
  setsid Xvfb -displayfd 3 -screen 0 "$screen_size" -nolisten tcp -noreset \
    3>"$state/display" 9>&- </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [[ -s $state/display ]] && break
    process_alive "$state/xvfb.pid" || break
    sleep 0.1
  done
  if [[ ! -s $state/display ]]; then
    log "Xvfb did not start:"
    cat "$state/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=:$(tr -d '[:space:]' <"$state/display")
}

ensure_prefix() {
  [[ -f $state/prefix.ready ]] && return
  log "creating the Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  # A crashing program prints its backtrace and ends, instead of waiting on a crash dialog; the
  # prefix reports the Windows version the program is made for.
  if ! {
    wineboot -i &&
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
      wine winecfg -v win10 &&
      wineserver -w
  } 9>&- >"$state/wineboot.log" 2>&1; then
    log "making the Wine prefix failed:"
    cat "$state/wineboot.log" >&2
    exit 1
  fi
  touch "$state/prefix.ready"
}

# Serialises start-up between programs started at the same time. Everything started under the
# lock closes its descriptor, or a daemon such as the wineserver would hold the lock for ever.
with_lock() {
  exec 9>"$state/lock"
  flock 9
  "$@"
  exec 9>&-
}

bring_up() {
  ensure_display
  ensure_prefix
}

case $action in
  start)
    with_lock bring_up
    # Programs left by an interrupted run would disturb the tests.
    wineserver -k 2>/dev/null || true
    wineserver -w
    # A server that stays when no program runs makes every later start fast.
    setsid wineserver -p </dev/null >"$state/wineserver.log" 2>&1
    # Start the background services (services.exe, rpcss, the desktop) now, away from any test:
    # started by a test program they would inherit its output, and CTest would wait for them.
    wine wineboot </dev/null >>"$state/wineserver.log" 2>&1
    wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >>"$state/wineserver.log" 2>&1
    ;;
  run)
    (($# >= 1)) || usage
    with_lock bring_up
    exec wine "$@"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if process_alive "$state/xvfb.pid"; then
      kill "$(cat "$state/xvfb.pid")"
    fi
    rm -f "$state/xvfb.pid" "$state/display"
    ;;
  env)
    with_lock bring_up
    for name in WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES XAUTHORITY HOME DISPLAY; do
      printf 'export %s=%q\n' "$name" "${!name}"
    done
    ;;
  *) usage ;;
esac
