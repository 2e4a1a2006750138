#!/usr/bin/env bash
# Renders the "APPLICATIONS" dialog, its ADD menu and the window's profile bar under Xvfb at scale 1.0
# and 2.0, in English and French, into OUT_DIR (default: /tmp/appprofiles-shots), from BUILD_DIR
# (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${OUT_DIR:-/tmp/appprofiles-shots}
for dpi in 96 192; do
    for language in 0 1; do
        mkdir -p "$out/$dpi"
        QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none xvfb-run -a -s "-noreset -screen 0 2200x1400x24 -dpi $dpi" \
            "${BUILD_DIR:-build}/tools/appprofiles_shots" "$out/$dpi" "$language"
    done
done
ls -R "$out"
