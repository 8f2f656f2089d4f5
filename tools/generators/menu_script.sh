#!/usr/bin/env bash
# data/menu_script.cpp from tools/menu/menu_script.txt.
set -euo pipefail
cd "$(dirname "$0")/../.."
python3 tools/menu/make_menu_script.py
