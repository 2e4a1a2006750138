#!/usr/bin/env bash
# Saves pictures of the macro page and its dialogs at scale 1.0 and 2.0 under Xvfb into OUTPUT_DIR
# (default /tmp/macro-shots). Build first (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-/tmp/macro-shots}
tool="${BUILD_DIR:-build}/tools/macro_screenshots"
xvfb-run -a -s "-noreset -screen 0 1280x900x24 -dpi 96" "$tool" "$out/scale-1.0" 1.0
xvfb-run -a -s "-noreset -screen 0 2400x1800x24 -dpi 192" "$tool" "$out/scale-2.0" 2.0
echo "Pictures in $out"
