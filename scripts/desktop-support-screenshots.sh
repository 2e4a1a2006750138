#!/usr/bin/env bash
# Renders the "APPLICATIONS" dialog as GNOME on Wayland makes it (the shell extension off, then on; a
# headless GNOME Shell on buses of the script's own) and as sway makes it, under Xvfb at scale 1.0 and 2.0, into OUT_DIR (default: /tmp/desktop-support-shots), from
# BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${OUT_DIR:-/tmp/desktop-support-shots}
shots="$(pwd)/${BUILD_DIR:-build}/tools/desktop_support_shots"
work=$(mktemp -d)
pids=()
# The shell ends before its buses.
stop_all() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -- "-${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    pids=()
}
cleanup() {
    stop_all
    rm -rf "$work"
}
trap cleanup EXIT

# A private bus; its address on stdout, its process id in the array.
start_bus() {
    local file="$work/bus-$1"
    # In a process group of its own with the services it starts, which end with it.
    setsid dbus-daemon --session --nofork --nopidfile --print-address=1 >"$file" &
    pids+=($!)
    while [ ! -s "$file" ]; do sleep 0.1; done
    head -n1 "$file"
}

shoot() { # dpi name env...
    local dpi=$1 name=$2
    shift 2
    mkdir -p "$out/$dpi"
    env QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none "$@" \
        xvfb-run -a -s "-noreset -screen 0 2200x1400x24 -dpi $dpi" "$shots" "$out/$dpi" "$name"
}

version=$(gnome-shell --version | awk '{print $NF}')
uuid=mousecfg-focus@mousecfg.org
[ "${version%%.*}" -lt 45 ] && uuid=mousecfg-focus-legacy@mousecfg.org
for dpi in 96 192; do
    home="$work/home-$dpi"
    mkdir -p "$home/data/gnome-shell/extensions" "$home/runtime"
    chmod 700 "$home/runtime"
    cp -r "data/gnome-shell/$uuid" "$home/data/gnome-shell/extensions/"
    session=$(start_bus "session-$dpi")
    system=$(start_bus "system-$dpi")
    shell_env=(DBUS_SESSION_BUS_ADDRESS="$session" DBUS_SYSTEM_BUS_ADDRESS="$system" XDG_RUNTIME_DIR="$home/runtime"
        HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache")
    env -u DISPLAY -u WAYLAND_DISPLAY "${shell_env[@]}" setsid gnome-shell --headless --wayland --no-x11 \
        --virtual-monitor 1280x800 --wayland-display mousecfg-shots >"$work/shell-$dpi.log" 2>&1 &
    pids+=($!)
    until env "${shell_env[@]}" gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Extensions.GetExtensionInfo "$uuid" 2>/dev/null | grep -q state; do
        sleep 0.2
    done
    gnome=("${shell_env[@]}" XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=mousecfg-shots)
    shoot "$dpi" gnome-wayland-off "${gnome[@]}"
    env "${shell_env[@]}" gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Extensions.EnableExtension "$uuid" >/dev/null
    until env "${shell_env[@]}" gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Extensions.GetExtensionInfo "$uuid" | grep -q "'state': <1.0>"; do
        sleep 0.2
    done
    shoot "$dpi" gnome-wayland-on "${gnome[@]}"
    # sway: its socket named, no compositor needed for the sentence.
    sway_bus=$(start_bus "sway-$dpi")
    shoot "$dpi" sway DBUS_SESSION_BUS_ADDRESS="$sway_bus" XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland \
        WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$work/sway-ipc.sock"
    stop_all
done
ls -R "$out"
