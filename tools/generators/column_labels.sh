#!/usr/bin/env bash
# The packed statistics column list, from the readable column and unit tables.
set -euo pipefail
python3 tools/stats/make_column_labels.py tools/stats/unit_kinds.tsv tools/stats/columns.tsv \
    data/column_labels.cpp
