#!/bin/sh
# Builds plumora-cli and runs the main job on the bundled example project.
set -eu
cd "$(dirname "$0")/.."
sh scripts/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target plumora-cli
./build/plumora-cli style examples/Inventory/Inventory.vbp --yes
