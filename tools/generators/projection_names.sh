#!/usr/bin/env bash
# The packed projection name list, from the readable catalogue table.
set -euo pipefail
python3 tools/projections/make_names.py tools/projections/table.tsv data/projection_names.cpp
