#!/usr/bin/env bash
# The packed country statistics and the values the decoder test expects from them.
set -euo pipefail
python3 tools/stats/make_stat_records.py tools/stats/columns.tsv tools/stats/country_codes.txt \
    tools/stats/sample_figures.json data/stat_records.cpp tests/golden/stat_records_expected.tsv
