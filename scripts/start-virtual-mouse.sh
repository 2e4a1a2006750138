#!/usr/bin/env bash
# Builds mousecfg and starts it on the virtual mouse. Without a display it runs under Xvfb and saves
# a screenshot of the window to build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only the program and what it loads, with the Qt headers precompiled; scripts/run-tests.sh builds the
# tests as well.
BUILD_TARGET=program scripts/build.sh -DMOUSECFG_PCH=ON
export MOUSECFG_VIRTUAL_MOUSE=${MOUSECFG_VIRTUAL_MOUSE:-receiver}
if [ -n "${DISPLAY:-}" ]; then
    exec build/app/mousecfg
fi
xvfb-run -a -s "-noreset -screen 0 1280x800x24" scripts/screenshot.sh build/app/mousecfg build/screenshot.png
echo "No display found: mousecfg ran under Xvfb; its window is in build/screenshot.png"
