#!/bin/sh
# Builds plumora-cli and runs the main job on the bundled example project.
# The styled copy goes into build/example-output, never into examples/, so
# the tracked examples stay as they are and the tests see them unchanged.
set -eu
cd "$(dirname "$0")/.."
sh scripts/bootstrap.sh
# The same build type as scripts/test.sh, so either command reuses what the
# other built.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target plumora-cli
out=build/example-output
./build/plumora-cli style examples/Inventory/Inventory.vbp --yes --out "$out"
echo "The styled example project is in $out/ (open $out/Inventory.vbp to compare it with examples/Inventory/)."
