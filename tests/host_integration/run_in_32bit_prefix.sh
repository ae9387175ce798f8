#!/usr/bin/env bash
# Runs a Windows test program in a 32-bit-only Wine prefix: `run_in_32bit_prefix.sh --prefix DIR
# program.exe [args...]`. In the usual 64-bit prefix a 32-bit program runs under WoW64, where
# Zembrik32 refuses to start; a 32-bit prefix is 32-bit Windows, where it runs for real.
# The prefix is a copy of a per-user template (made once, about 15 s). The prefix belongs to
# this runner alone, so its Wine processes are ended afterwards; Xvfb is started when there is
# no DISPLAY and stopped at the end. The program's exit code is returned.
set -euo pipefail

prefix=""
while [[ $# -gt 0 ]]; do
  case $1 in
    --prefix) prefix=$2; shift 2 ;;
    *) break ;;
  esac
done
[[ -n $prefix && $# -ge 1 ]] || { echo "usage: $0 --prefix DIR program.exe [args...]" >&2; exit 2; }
prefix=$(realpath -m "$prefix")

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko; and no debugger on a crash: Wine's would attach and wait, keeping the
# session (and so the test run reading its output) alive for ever. A crash ends the program.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}
export WINEARCH=win32

cache=${ZEMBRIK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zembrik}
template=$cache/wine-template-win32
mkdir -p "$cache" "$(dirname "$prefix")"

(
  flock 9
  if [[ ! -f $template/.zembrik-ready ]]; then
    rm -rf "$template" "$template.new"
    WINEPREFIX="$template.new" DISPLAY="" wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$template.new" wineserver -w
    [[ -f $template.new/system.reg ]] || { echo "$0: wineboot failed" >&2; exit 1; }
    WINEPREFIX="$template.new" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
      >/dev/null 2>&1
    WINEPREFIX="$template.new" wineserver -w
    touch "$template.new/.zembrik-ready"
    mv "$template.new" "$template"
  fi
) 9>"$cache/template-win32.lock"

(
  flock 9
  if [[ ! -f $prefix/.zembrik-ready ]]; then
    rm -rf "$prefix" "$prefix.new"
    cp -a "$template" "$prefix.new"  # a real copy: Wine rewrites its .reg files in place
    mv "$prefix.new" "$prefix"
  fi
) 9>"$prefix.lock"
export WINEPREFIX=$prefix

# shellcheck source=scripts/lib/display.sh
source "$(dirname "$0")/../../scripts/lib/display.sh"
xvfb_pid=""
# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_virtual_display "$xvfb_pid"
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
  start_virtual_display || exit 1
  xvfb_pid=$virtual_display_pid
fi

set +e
wine "$@"
status=$?
set -e
exit $status
