#!/usr/bin/env bash
# Pictures of the button page, its menu and its dialogs at scale 1.0 and 2.0, under Xvfb.
# Usage: scripts/screenshot-buttons.sh [OUTPUT_DIR]   (BUILD_DIR as for scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
out=${1:-/tmp/mousecfg-button-shots}
cmake --build "$build_dir" --target buttonpage_shots -j2 >/dev/null
xvfb-run -a -s "-noreset -screen 0 1280x900x24 -dpi 96" "$build_dir/tools/buttonpage_shots" "$out/1.0" 1.0
xvfb-run -a -s "-noreset -screen 0 2560x1800x24 -dpi 192" "$build_dir/tools/buttonpage_shots" "$out/2.0" 2.0
echo "Pictures in $out"
