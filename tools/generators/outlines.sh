#!/usr/bin/env bash
# data/outline_stream.cpp and tests/golden/outline_areas.txt from world-atlas (pinned in
# tools/package.json). The stream is installed only once the program's own decoder and
# clipper, run by tools/outline_check, find every rule kept.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=build/outlines
[ -d tools/node_modules/world-atlas ] || (cd tools && npm ci --no-audit --no-fund)
python3 tools/outlines/make_outline_stream.py
g++ -std=c++17 -O2 -ffp-contract=off -DORBILY_NATIVE=1 -I. -o "$out/outline_check" \
    tools/outline_check/main.cpp tools/outline_check/outline_rules.cpp geo/outline_decoder.cpp geo/cell_clipper.cpp
"$out/outline_check" "$out/outline_stream.bin" "$out/model_points.bin"
cp "$out/outline_stream.cpp" data/outline_stream.cpp
cp "$out/outline_areas.txt" tests/golden/outline_areas.txt
