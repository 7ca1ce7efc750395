#!/bin/sh
# Cross-builds plumora-cli.exe for 64-bit Windows with Debian's mingw-w64
# toolchain: the core and the command line only (the desktop stays on Linux).
# The result is build-windows/plumora-cli.exe, one file without DLLs.
set -eu
cd "$(dirname "$0")/.."
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
    echo "build-windows-cli: installing g++-mingw-w64-x86-64"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64 >/dev/null
fi
launcher=""
if command -v ccache >/dev/null 2>&1; then launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DPLUMORA_BUILD_GUI=OFF -DPLUMORA_BUILD_TESTS=OFF \
      -DPLUMORA_BUILD_BENCH=OFF $launcher >/dev/null
cmake --build build-windows -j"$(nproc)" --target plumora-cli
echo "build-windows/plumora-cli.exe"
