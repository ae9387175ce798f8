#!/usr/bin/env bash
# Runs a Windows program in a Wine prefix of its own whose display reports another DPI:
# `run_at_dpi.sh DPI PREFIX program.exe [args...]`. Wine reads LogPixels when its session starts,
# so the value is written once, in a session that then ends, before the program's own.
set -euo pipefail
dpi=$1 prefix=$2
shift 2
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(realpath -m "$prefix")
if [[ ! -f $prefix/.zembrik-dpi-$dpi ]]; then
  "$root/scripts/wine-run" --prefix "$prefix" reg add 'HKCU\Control Panel\Desktop' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  touch "$prefix/.zembrik-dpi-$dpi"
fi
exec "$root/scripts/wine-run" --prefix "$prefix" "$@"
