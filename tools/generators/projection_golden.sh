#!/usr/bin/env bash
# The catalogue expectations of the projection tests, from the readable catalogue table.
set -euo pipefail
python3 tools/projections/make_golden.py tools/projections/table.tsv tests/golden/projection_catalogue.inc
