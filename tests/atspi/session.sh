#!/bin/sh
# Runs a command in a private accessibility session: its own X server (kept alive with -noreset, as
# Qt's bridge loses the accessibility bus when the server resets), its own session bus, the
# accessibility bus with "screen reader enabled" set, and Qt's bridge switched on.
set -eu
work=$(mktemp -d)
cleanup() {
    for pid in ${launcher:-} ${bus:-} ${xserver:-}; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x800x24 3>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY

dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" &
bus=$!
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
unset DBUS_SYSTEM_BUS_ADDRESS AT_SPI_BUS_ADDRESS || true

launcher_path=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher_path" ] || launcher_path=/usr/lib/at-spi2-core/at-spi-bus-launcher
"$launcher_path" --launch-immediately &
launcher=$!
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
for property in IsEnabled ScreenReaderEnabled; do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:$property variant:boolean:true \
        >/dev/null
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export MOUSECFG_ATSPI_SESSION=1
"$@"
