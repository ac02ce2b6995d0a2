#!/usr/bin/env bash
# Installs, as root on Debian 12, whatever the two builds and their tests need and is not there yet.
# Quiet: apt's output goes to build/logs/install-deps.log and is shown only when something fails.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
log_dir=$repo/build/logs
log=$log_dir/install-deps.log
mkdir -p "$log_dir"
: >"$log"

packages=(
  cmake ninja-build g++ dpkg-dev xz-utils
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools nasm
  libgtest-dev libgmock-dev googletest libbenchmark-dev libjpeg62-turbo-dev
  wine wine64 xvfb x11-utils xdotool imagemagick
  fp-utils
  clang libclang-rt-14-dev
)

fail() {
  echo "install-deps: $1 (log: $log)" >&2
  tail -n 30 "$log" >&2 || true
  exit 1
}

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$package")
done

# libjpeg-turbo for Windows is built from Debian's own source package, which apt only finds with a
# deb-src entry for the archive the machine already uses.
debian_sources=/etc/apt/sources.list.d/debian.sources
source_list=/etc/apt/sources.list.d/marlowin-deb-src.sources
has_deb_src() {
  local lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
  grep -qsE '^(Types:.*\<deb-src\>|deb-src[[:space:]])' "${lists[@]}"
}
need_update=0
if ! has_deb_src; then
  if [[ -f $debian_sources ]]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$debian_sources" >"$source_list"
  elif [[ -f /etc/apt/sources.list ]]; then
    sed -nE 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"${source_list%.sources}.list"
  else
    fail "no apt source list to derive a deb-src entry from"
  fi
  need_update=1
fi
if ((need_update == 0)); then
  known_source=$(apt-cache showsrc libjpeg-turbo 2>/dev/null || true)
  [[ $known_source == *"Package: libjpeg-turbo"* ]] || need_update=1
fi
((${#missing[@]} > 0)) && need_update=1

if ((need_update)) && ((EUID != 0)); then
  fail "missing: ${missing[*]:-a deb-src entry}; run this script as root"
fi
if ((need_update)); then
  apt-get update >>"$log" 2>&1 || fail "apt-get update failed"
fi
if ((${#missing[@]} > 0)); then
  echo "install-deps: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" >>"$log" 2>&1 ||
    fail "apt-get install failed"
fi
