#!/usr/bin/env bash
# Runs a Windows test program in a 32-bit-only Wine prefix: `run_in_32bit_prefix.sh --prefix DIR
# program.exe [args...]`. In the usual 64-bit prefix a 32-bit program runs under WoW64, where
# Zembrik32 refuses to start; a 32-bit prefix is 32-bit Windows, where it runs for real.
# The prefix is made from a per-user template (made once, about 15 s) the way scripts/wine-run
# makes its prefixes (scripts/lib/wine-prefix.sh). The prefix belongs to this runner alone, so
# its Wine processes are ended afterwards; Xvfb is started when there is no DISPLAY and stopped
# at the end. The program's exit code is returned.
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
lib=$(dirname "$0")/../../scripts/lib
# shellcheck source=scripts/lib/display.sh
source "$lib/display.sh"
# shellcheck source=scripts/lib/progress.sh
source "$lib/progress.sh"
# shellcheck source=scripts/lib/wine-prefix.sh
source "$lib/wine-prefix.sh"
prepare_wine_prefix "$prefix" win32 || exit 1

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
