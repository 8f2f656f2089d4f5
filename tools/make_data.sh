#!/usr/bin/env bash
# Regenerates every embedded table in data/ (and the golden files in tests/golden/) from the
# pinned sources. The same inputs give the same bytes every time.
set -euo pipefail
cd "$(dirname "$0")/.."
# In this order: the statistics read the country names and the outlines written before them.
GENERATORS=(
    country_names       # tools/country_table: names and region parents
    outlines            # tools/outlines: the outline stream, checked by tools/outline_check
    stat_records        # tools/stats: the Factbook figures, after the outlines
    column_labels       # tools/stats: the statistics columns
    flag_descriptions   # tools/flags: the flag byte code
    menu_script         # tools/menu: the menu bar
    projection_names    # tools/projections: the catalogue's names and credits
    projection_golden   # tools/projections: the catalogue the projection tests expect
)
for generator in tools/generators/*.sh; do
    name=$(basename "$generator" .sh)
    [[ " ${GENERATORS[*]} " == *" $name "* ]] || { echo "make data: $generator is not in the list" >&2; exit 1; }
done
for name in "${GENERATORS[@]}"; do
    echo "make data: $name"
    bash "tools/generators/$name.sh"
done
