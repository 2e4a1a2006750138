#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB in BUILD_DIR, default build/) and checks it: lintian without
# errors, the desktop entry and AppStream validators, its contents, and that apt can install it on a
# clean Debian 12 (in a container when Docker runs here, else simulated against an empty system).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
scripts/install-deps.sh
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! command -v lintian >/dev/null; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends lintian
fi
scripts/build.sh
rm -f "$build_dir"/mousecfg_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/mousecfg_*.deb)
echo "Package: $deb"

lintian --fail-on error "$deb"

contents=$(dpkg --contents "$deb")
for path in ./usr/bin/mousecfg ./usr/bin/mousecfg-cli ./usr/lib/mousecfg/mousecfg ./usr/lib/mousecfg/INSTALLED \
    ./usr/lib/mousecfg/Configs/Config.ini ./usr/lib/udev/rules.d/70-mousecfg.rules \
    ./usr/share/applications/org.mousecfg.mousecfg.desktop ./usr/share/metainfo/org.mousecfg.mousecfg.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/mousecfg.png ./usr/share/man/man1/mousecfg-cli.1.gz \
    ./usr/share/bash-completion/completions/mousecfg-cli ./usr/share/mousecfg/screenshots/dpi.png \
    ./usr/share/gnome-shell/extensions/mousecfg-focus@mousecfg.org/extension.js \
    ./usr/share/gnome-shell/extensions/mousecfg-focus@mousecfg.org/metadata.json \
    ./usr/share/gnome-shell/extensions/mousecfg-focus-legacy@mousecfg.org/extension.js \
    ./usr/share/gnome-shell/extensions/mousecfg-focus-legacy@mousecfg.org/metadata.json; do
    grep -q " $path\( \|$\)" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
grep -q '^Exec=/usr/bin/mousecfg$' "$tree/usr/share/applications/org.mousecfg.mousecfg.desktop"
if grep -q MODE "$tree/usr/lib/udev/rules.d/70-mousecfg.rules"; then
    echo "the udev rule must hand the nodes to the seated user (uaccess), not set a mode"
    exit 1
fi
desktop-file-validate "$tree/usr/share/applications/org.mousecfg.mousecfg.desktop"
appstreamcli validate --no-net "$tree/usr/share/metainfo/org.mousecfg.mousecfg.metainfo.xml"
version=$(dpkg-deb -f "$deb" Version)
[ "$("$tree/usr/lib/mousecfg/mousecfg-cli" --version)" = "mousecfg-cli $version" ]

if command -v docker >/dev/null && docker info >/dev/null 2>&1; then
    docker run --rm -v "$(realpath "$deb"):/tmp/mousecfg.deb:ro" debian:12 sh -ec \
        'apt-get update -qq && apt-get install -y -qq /tmp/mousecfg.deb >/dev/null && mousecfg-cli --version'
else
    # Every dependency must come from the Debian 12 archive: apt resolves them as for an empty system.
    empty=$(mktemp)
    apt-get install --simulate -o Dir::State::status="$empty" "$(realpath "$deb")" >/dev/null
    rm -f "$empty"
fi
echo "Package checks passed: $deb"
