#!/usr/bin/env bash
# Runs a Windows test program in a Wine session of its own with several monitors side by side:
#   run_in_monitor_session.sh --prefix DIR [--win32] [--dpi N] --heads SPEC --xinerama-src FILE
#                             program.exe [args...]
# SPEC lists the heads as "WxH+X+Y;..." in X screen coordinates, the primary first; Wine places
# the primary at (0,0), so heads left of or above it get negative coordinates. Xvfb's own
# Xinerama stacks its screens at the origin, so the heads come from a tiny libXinerama.so.1 of
# ours (FILE, built here with the system C compiler, 64- and 32-bit) found first through
# LD_LIBRARY_PATH, on one wide Xvfb screen without RandR. The layout is fixed by the first process
# of a Wine session, so the session is this runner's alone: its own prefix (64-bit, or with
# --win32 a pure 32-bit one, made by scripts/lib/wine-prefix.sh), its own display and wineserver,
# ended afterwards. --dpi sets "LogPixels" in the prefix (every monitor and window then reports
# that DPI).
set -euo pipefail

prefix="" arch=win64 dpi="" heads="" source_file=""
while [[ $# -gt 0 ]]; do
  case $1 in
    --prefix) prefix=$2; shift 2 ;;
    --win32) arch=win32; shift ;;
    --dpi) dpi=$2; shift 2 ;;
    --heads) heads=$2; shift 2 ;;
    --xinerama-src) source_file=$2; shift 2 ;;
    *) break ;;
  esac
done
[[ -n $prefix && -n $heads && -n $source_file && $# -ge 1 ]] || {
  echo "usage: $0 --prefix DIR [--win32] [--dpi N] --heads SPEC --xinerama-src FILE program.exe" >&2
  exit 2
}
prefix=$(realpath -m "$prefix")
here=$(dirname "$0")

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}

lib=$here/../../scripts/lib
# shellcheck source=scripts/lib/display.sh
source "$lib/display.sh"
# shellcheck source=scripts/lib/progress.sh
source "$lib/progress.sh"
# shellcheck source=scripts/lib/wine-prefix.sh
source "$lib/wine-prefix.sh"

exec 8>"$prefix.session"
flock 8  # one session per prefix at a time
# The prefix is made from the per-user template like every test prefix; only the DPI is its own.
# A prefix made for another DPI is made anew.
if [[ -d $prefix && $(cat "$prefix/.zembrik-dpi" 2>/dev/null) != "$dpi" ]]; then
  rm -rf "$prefix"
fi
prepare_wine_prefix "$prefix" "$arch" || exit 1
if [[ ! -f $prefix/.zembrik-dpi ]]; then
  if [[ -n $dpi ]]; then
    # Written before the session starts, by a process whose own session then ends: the session of
    # the test must begin with the test's environment.
    DISPLAY="" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1
    wineserver -w
  fi
  echo "$dpi" >"$prefix/.zembrik-dpi"
fi

# The fake Xinerama, both widths; the loader skips the one that does not fit the process.
libs=$prefix.xinerama
mkdir -p "$libs/64" "$libs/32"
if [[ ! -f $libs/64/libXinerama.so.1 || $source_file -nt $libs/64/libXinerama.so.1 ]]; then
  gcc -shared -fPIC -O2 -o "$libs/64/libXinerama.so.1" "$source_file"
  gcc -m32 -shared -fPIC -nostdlib -O2 -o "$libs/32/libXinerama.so.1" "$source_file"
fi
export LD_LIBRARY_PATH=$libs/64:$libs/32${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export ZEMBRIK_XINERAMA_HEADS=$heads

# The screen holds every head.
width=0 height=0
IFS=';' read -ra list <<<"$heads"
for head in "${list[@]}"; do
  if [[ $head =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    ((x + w > width)) && width=$((x + w))
    ((y + h > height)) && height=$((y + h))
  else
    echo "$0: bad head '$head'" >&2
    exit 2
  fi
done

xvfb_pid=""
# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_virtual_display "$xvfb_pid"
}
trap cleanup EXIT
wineserver -k 2>/dev/null || true  # no session left from an earlier run
ZEMBRIK_DISPLAY_SCREEN=${width}x${height}x24 ZEMBRIK_DISPLAY_ARGS="-extension RANDR" \
  start_virtual_display || exit 1
xvfb_pid=$virtual_display_pid

set +e
wine "$@"
status=$?
set -e
exit $status
