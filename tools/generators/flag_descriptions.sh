#!/usr/bin/env bash
# The flag description blob, assembled from the readable flag source.
set -euo pipefail
python3 tools/flags/flag_assembler.py tools/flags/flags.txt data/flag_descriptions.cpp
