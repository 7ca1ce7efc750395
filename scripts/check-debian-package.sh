#!/bin/sh
# Builds the Debian package from the build in build/ (cpack -G DEB), installs
# it the way a user would (apt-get install ./plumora_....deb, which brings
# what it depends on), runs the installed plumora-cli on the example project,
# checks the desktop entry, icon and manual page, and removes the package
# again (unless it was installed before this script ran).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

rm -f "$build"/plumora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/plumora_*.deb)
echo "check-debian-package: built $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Depends\|Recommends\):/  \1:/p'

was_installed=0
if dpkg-query -W -f='${Status}' plumora 2>/dev/null | grep -q "install ok installed"; then was_installed=1; fi
$SUDO apt-get install -y -qq --no-install-recommends "$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")" >/dev/null

status=0
check() {  # check DESCRIPTION COMMAND...
    what=$1
    shift
    if "$@" >/dev/null 2>&1; then echo "  ok: $what"; else echo "  FAILED: $what"; status=1; fi
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
check "plumora-cli --version" /usr/bin/plumora-cli --version
/usr/bin/plumora-cli --version
PLUMORA_CONFIG_DIR="$tmp/config" /usr/bin/plumora-cli list examples/Inventory/Inventory.vbp
check "plumora-cli list on the example" env PLUMORA_CONFIG_DIR="$tmp/config" /usr/bin/plumora-cli list examples/Inventory/Inventory.vbp
check "plumora-cli style on the example" env PLUMORA_CONFIG_DIR="$tmp/config" /usr/bin/plumora-cli style examples/Inventory/Inventory.vbp --yes --out "$tmp/out"
check "the desktop program" test -x /usr/bin/plumora
check "desktop entry for .vbp and .MAK" grep -q '^MimeType=application/x-vbp;application/x-vb-mak;' /usr/share/applications/plumora.desktop
check "MIME types declared" test -f /usr/share/mime/packages/plumora.xml
check "icon" test -f /usr/share/icons/hicolor/scalable/apps/plumora.svg
check "icon in pixel sizes" test -f /usr/share/icons/hicolor/48x48/apps/plumora.png
check "manual page" test -f /usr/share/man/man1/plumora-cli.1
if command -v desktop-file-validate >/dev/null 2>&1; then
    check "desktop entry is valid" desktop-file-validate /usr/share/applications/plumora.desktop
fi

if [ "$was_installed" -eq 0 ]; then $SUDO apt-get remove -y -qq plumora >/dev/null; fi
if [ "$status" -eq 0 ]; then echo "check-debian-package: passed"; else echo "check-debian-package: FAILED"; fi
exit "$status"
