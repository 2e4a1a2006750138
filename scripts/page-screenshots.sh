#!/usr/bin/env bash
# Renders the settings pages and the colour dialog at scale 1 and 2 under Xvfb into OUTPUT (default
# /tmp/mousecfg-pages); BUILD_DIR selects the build (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
out=${1:-/tmp/mousecfg-pages}
cmake --build "$build_dir" --target page_gallery -j2 >/dev/null
xvfb-run -a -s "-noreset -screen 0 1280x900x24 -dpi 96" "$build_dir/tools/page_gallery" "$out/scale1" 1.0
xvfb-run -a -s "-noreset -screen 0 1280x900x24 -dpi 192" "$build_dir/tools/page_gallery" "$out/scale2" 2.0
ls "$out"/scale1 "$out"/scale2
