#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the data generators need.
# Safe to run again: it asks apt only for what is missing.
set -euo pipefail

packages=(cmake g++ make pkg-config googletest libgtest-dev libbenchmark-dev libcairo2-dev
          g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32 xvfb xauth xdotool
          imagemagick nodejs npm python3)

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: run as root (it installs Debian packages)" >&2
    exit 1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [ -n "${need_update:-}" ]; then
    apt-get update -qq
fi
