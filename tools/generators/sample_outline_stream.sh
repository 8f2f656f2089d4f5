#!/usr/bin/env bash
# data/outline_stream.cpp from the small sample in tools/sample_outlines/.
set -euo pipefail
cd "$(dirname "$0")/../.."
python3 tools/sample_outlines/make_sample_outline_stream.py
