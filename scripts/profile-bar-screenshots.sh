#!/usr/bin/env bash
# Grabs the profile bar and the upload progress box under Xvfb at scale 1.0 and 2.0 into OUT_DIR
# (default: /tmp/profilebar-shots), from the bar's widget test in BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${OUT_DIR:-/tmp/profilebar-shots}
mkdir -p "$out"
for setting in "1.0 96" "2.0 192"; do
    read -r scale dpi <<<"$setting"
    MOUSECFG_SCREENSHOTS="$out" MOUSECFG_SCREENSHOT_SCALE="$scale" QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-noreset -screen 0 2200x1400x24 -dpi $dpi" \
        "${BUILD_DIR:-build}/tests/test_profilebar" uploadRunsBehindTheDialog
done
ls "$out"
