#!/usr/bin/env bash
# Pictures of the button menus (a submenu open), the profile bar with a long stored name, the DPI page
# with X and Y unlinked, the performance page and the colour dialog, in each of the ten languages at
# scale 1.0 (-dpi 96) and 2.0 (-dpi 192), under Xvfb, into OUTPUT_DIR/<language>-<scale>/.
# Usage: scripts/fit-screenshots.sh [OUTPUT_DIR]   (BUILD_DIR as for scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
out=${1:-/tmp/mousecfg-fit-shots}
cmake --build "$build_dir" --target fit_shots mousecfg_translations mousecfg_skin -j2 >/dev/null
languages=(en fr de es it pt_BR pl ru zh_CN ja)
for setting in "1.0 96 1400x900" "2.0 192 2600x1700"; do
    read -r scale dpi screen <<<"$setting"
    for index in "${!languages[@]}"; do
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-noreset -screen 0 ${screen}x24 -dpi $dpi" \
            "$build_dir/tools/fit_shots" "$out/${languages[$index]}-$scale" "$index" "$scale"
    done
done
find "$out" -name '*.png' | sort
