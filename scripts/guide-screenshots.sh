#!/usr/bin/env bash
# Takes the user guide's pictures (docs/images/*.png) from the built window on the virtual mouse under
# Xvfb at scale 1.0: each tab, a button being given a function, a macro being recorded, the
# "APPLICATIONS" dialog, the tray menu and the box for a mouse the user may not open. Run it again
# whenever the window changes. Usage: scripts/guide-screenshots.sh [OUTPUT_DIR]  (BUILD_DIR as for
# scripts/build.sh; OUTPUT_DIR defaults to docs/images)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${BUILD_DIR:-build}")
out=$(realpath -m "${1:-docs/images}")
cmake --build "$build" --target guide_shots mousecfg mousecfg_translations mousecfg_skin -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
screen="-noreset -screen 0 1280x800x24 -dpi 96"
export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"

xvfb-run -a -s "$screen" "$build/tools/guide_shots" "$work/shots"

# The box for a mouse the user may not open, from the program itself on a fresh program folder; the
# screen around the window is black and trimmed off.
cp -r "$build/app" "$work/app"
rm -rf "$work/app/Configs" && cp -r data/Configs "$work/app/Configs"
printf '[Mouse]\nAccess=denied\n' >"$work/denied.ini"
MOUSECFG_VIRTUAL_MOUSE="$work/denied.ini" SCREENSHOT_DELAY=${SCREENSHOT_DELAY:-5} \
    xvfb-run -a -s "$screen" bash scripts/screenshot.sh "$work/app/mousecfg" "$work/shots/permission-screen.png"
convert "$work/shots/permission-screen.png" -trim +repage "$work/shots/permission.png"
rm "$work/shots/permission-screen.png"

# Small files: no metadata, a palette of 256 colours without dithering (the skin needs no more, and
# dithered gradients compress badly).
for picture in "$work"/shots/*.png; do
    convert "$picture" -strip +dither -colors 256 -define png:compression-level=9 "PNG8:$out/$(basename "$picture")"
done
ls -l "$out"
