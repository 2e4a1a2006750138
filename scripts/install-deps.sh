#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing mousecfg need, when they are missing.
# With --fuzz: also clang and libFuzzer, which only scripts/fuzz.sh needs.
set -euo pipefail
packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5x11extras5-dev
    libhidapi-dev libudev-dev libx11-dev libxtst-dev libxi-dev libxcb1-dev libglib2.0-dev
    xvfb xauth x11-utils xdotool openbox imagemagick fonts-dejavu-core fonts-noto-cjk dbus-daemon trayer
    gsettings-desktop-schemas libglib2.0-bin weston qtwayland5 libwayland-dev sway xwayland gnome-shell gjs
    at-spi2-core python3-pyatspi dbus-bin
    dpkg-dev file appstream desktop-file-utils
    umockdev libumockdev-dev libumockdev0
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
