#!/usr/bin/env bash
# Screenshots of the box for a mouse the user may not open and of the offer to resend a cut upload,
# at scale 1.0 and 2.0, into OUT_DIR (default: /tmp/trust-shots). Runs the built window (BUILD_DIR,
# default: build) on a copy of its program folder, with the virtual mouse, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${BUILD_DIR:-build}")
out=${OUT_DIR:-/tmp/trust-shots}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# shot NAME DPI SCENARIO [SED_EDIT_OF_CONFIG_INI]: one run of the window, the screen saved after it settled.
shot() {
    local name=$1 dpi=$2 scenario=$3 extra=${4:-}
    rm -rf "$work/app" && cp -r "$build/app" "$work/app"
    printf '%b' "$scenario" >"$work/scenario.ini"
    if [ -n "$extra" ]; then
        sed -i "$extra" "$work/app/Configs/Config.ini"
    fi
    MOUSECFG_VIRTUAL_MOUSE="$work/scenario.ini" XDG_DATA_HOME="$work/data" SCREENSHOT_DELAY=${SCREENSHOT_DELAY:-6} \
        xvfb-run -a -s "-noreset -screen 0 2200x1400x24 -dpi $dpi" \
        bash scripts/screenshot.sh "$work/app/mousecfg" "$out/$name-$dpi.png"
}

for dpi in 96 192; do
    shot access-denied "$dpi" '[Mouse]\nAccess=denied\n'
    shot resend-offer "$dpi" '[Mouse]\nConnection=receiver\n' 's/^Diff=.*/Diff=1\nUploadCut=1/'
done
ls "$out"
