#!/usr/bin/env bash
# Renders the "APPLICATIONS" dialog as it shows under sway: a headless sway of its own, the pictures
# program on Qt's Wayland plugin with $SWAYSOCK set, at scale 1.0 and 2.0, in English and French, into
# OUT_DIR (default: /tmp/appprofiles-sway-shots), from BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${OUT_DIR:-/tmp/appprofiles-sway-shots}
runtime=$(mktemp -d)
sway_pid=
trap '[ -z "$sway_pid" ] || kill "$sway_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
printf 'xwayland disable\n' >"$runtime/config"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    # sway refuses to run as root.
    chown -R 65534:65534 "$runtime"
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$runtime"
env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK XDG_RUNTIME_DIR="$runtime" HOME="$runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${run_as[@]}" sway --config "$runtime/config" >/dev/null 2>&1 &
sway_pid=$!
socket= display=
for _ in $(seq 200); do
    socket=$(find "$runtime" -maxdepth 1 -name 'sway-ipc.*.sock' | head -n 1)
    display=$(find "$runtime" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' -printf '%f\n' | head -n 1)
    [ -n "$socket" ] && [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$socket" ] && [ -n "$display" ] || { echo "sway did not start" >&2; exit 1; }
for scale in 1 2; do
    for language in 0 1; do
        mkdir -p "$out/$scale"
        XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$display" SWAYSOCK="$socket" QT_QPA_PLATFORM=wayland \
            QT_SCALE_FACTOR=$scale "${BUILD_DIR:-build}/tools/appprofiles_shots" "$out/$scale" "$language"
        # Without $SWAYSOCK: the foreign toplevel list of the same sway, as on other wlroots compositors.
        mkdir -p "$out/wlroots-$scale"
        XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland \
            QT_SCALE_FACTOR=$scale "${BUILD_DIR:-build}/tools/appprofiles_shots" "$out/wlroots-$scale" "$language"
    done
done
ls -R "$out"
