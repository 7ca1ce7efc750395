#!/bin/sh
# Cross-builds plumora-cli.exe for 64-bit Windows with Debian's mingw-w64
# toolchain: the core and the command line only (the desktop stays on Linux).
# The result is build-windows/plumora-cli.exe, one file without DLLs.
set -eu
cd "$(dirname "$0")/.."
sh scripts/bootstrap.sh windows
launcher=""
if command -v ccache >/dev/null 2>&1; then launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DPLUMORA_BUILD_GUI=OFF -DPLUMORA_BUILD_TESTS=OFF \
      -DPLUMORA_BUILD_BENCH=OFF $launcher >/dev/null
cmake --build build-windows -j"$(nproc)" --target plumora-cli
echo "build-windows/plumora-cli.exe"
