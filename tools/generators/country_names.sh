#!/usr/bin/env bash
# data/country_names.cpp from tools/country_table/countries.tsv.
set -euo pipefail
cd "$(dirname "$0")/../.."
python3 tools/country_table/make_country_names.py
