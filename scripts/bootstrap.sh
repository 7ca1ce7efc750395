#!/bin/sh
# Installs the Debian packages that building and testing Plumora/VB needs.
# Quick when everything is present: apt is only touched for missing packages.
#   sh scripts/bootstrap.sh            the build, the tests and the Debian package
#   sh scripts/bootstrap.sh windows    the Windows cross-build and Wine to run it
set -eu

PACKAGES="
g++
cmake
make
pkg-config
libgtest-dev
libgmock-dev
libbenchmark-dev
qt6-base-dev
qt6-charts-dev
libqt6opengl6-dev
libgl-dev
libhunspell-dev
hunspell-en-us
fonts-dejavu-core
poppler-utils
dpkg-dev
file
"
if [ "${1:-}" = "windows" ]; then
    PACKAGES="
g++-mingw-w64-x86-64
wine64
"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "bootstrap: installing$missing"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $missing
else
    echo "bootstrap: all packages present"
fi
