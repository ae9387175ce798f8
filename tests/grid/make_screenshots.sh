#!/usr/bin/env bash
# Regenerates docs/images/grid-96dpi.png and docs/images/grid-144dpi.png: the grid control's
# sample table (tests/grid/grid_screenshot.cpp) under Wine at 96 and at 144 dpi. Uses the win64
# tree, building what is missing, and a Wine prefix of its own (Wine reads the DPI once per
# session, so each picture gets a fresh session with LogPixels set before it starts).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
tree=${ZEMBRIK_SHOT_TREE:-build/win64}
prefix=$root/$tree/grid-shot-prefix
out=$root/docs/images

[[ -f $tree/build.ninja ]] || cmake --preset win64 >/dev/null
cmake --build "$tree" --target grid_screenshot >/dev/null
command -v convert >/dev/null || { echo "make_screenshots: ImageMagick's convert is missing" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for dpi in 96 144; do
  scripts/wine-run --prefix "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
    /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  scripts/wine-run --prefix "$prefix" "$tree/tests/grid/grid_screenshot.exe" \
    "Z:$scratch/grid.bmp"
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  convert "$scratch/grid.bmp" "$out/grid-${dpi}dpi.png"
  echo "make_screenshots: docs/images/grid-${dpi}dpi.png"
done
