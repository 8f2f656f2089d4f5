#!/usr/bin/env bash
# Regenerates every embedded table in data/ (and the golden files in tests/golden/) from the
# pinned sources. The same inputs give the same bytes every time.
set -euo pipefail
cd "$(dirname "$0")/.."
for generator in tools/generators/*.sh; do
    [ -e "$generator" ] || continue
    echo "make data: $generator"
    bash "$generator"
done
