#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the data generators need.
# Safe to run again and quick when nothing is missing: one dpkg query, no apt call.
set -euo pipefail

packages=(cmake g++ make pkg-config googletest libgtest-dev libbenchmark-dev libcairo2-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
          wine wine64 wine32:i386 xvfb xauth xdotool imagemagick python3)

installed=$(dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Status}\n' 2>/dev/null |
            awk '$2 == "installed" { print $1 }')
missing=()
for p in "${packages[@]}"; do
    case "$p" in *:*) wanted=$p ;; *) wanted="$p:$(dpkg --print-architecture)" ;; esac
    grep -qxF "$wanted" <<<"$installed" || grep -qxF "$p:all" <<<"$installed" || missing+=("$p")
done
# node and npm may come from outside Debian (npm then ships with node): only fill a real gap
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing ${missing[*]}; run as root to install them" >&2
    exit 1
fi
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
