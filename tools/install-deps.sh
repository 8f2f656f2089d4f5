#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the data generators need.
# Safe to run again and quick when nothing is missing: one dpkg query, no apt call.
set -euo pipefail

packages=(cmake g++ make pkg-config googletest libgtest-dev libbenchmark-dev libcairo2-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
          wine wine64 wine32:i386 xvfb xauth xdotool imagemagick python3
          libproj-dev)   # PROJ: the yardstick of the projection benchmark, never linked into Orbily.exe

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

# 32-bit Wine is a 32-bit x86 Linux program. A kernel built without 32-bit support runs it only
# through qemu's i386 emulator, registered with binfmt_misc (Debian registers none for i386 on
# amd64 machines, and the registration lasts until the machine restarts). A fresh machine may
# not even have binfmt_misc mounted; it is mounted here first. Where 32-bit Wine still does not
# run, `make test` fails and says why.
BINFMT=/proc/sys/fs/binfmt_misc
I386_BINFMT=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F'
runs_32bit_wine() { timeout 30 /usr/lib/wine/wine --version >/dev/null 2>&1; }
enable_i386_emulation()
{
    [ -x /usr/lib/wine/wine ] && ! runs_32bit_wine || return 0
    if [ ! -e "$BINFMT/register" ]; then
        echo "install-deps: mounting binfmt_misc at $BINFMT"
        mount -t binfmt_misc binfmt_misc "$BINFMT" ||
            { echo "install-deps: cannot mount binfmt_misc; 32-bit Wine cannot run here" >&2; return 0; }
    fi
    [ -e "$BINFMT/qemu-i386" ] && return 0
    echo "install-deps: this kernel runs no 32-bit programs; registering qemu's i386 emulator"
    command -v qemu-i386-static >/dev/null || { apt-get update -qq &&
        apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null; }
    printf '%s' "$I386_BINFMT" > "$BINFMT/register" || return 0
    runs_32bit_wine || echo "install-deps: 32-bit Wine still does not run; its tests will fail" >&2
}

if [ ${#missing[@]} -eq 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then enable_i386_emulation; fi
    exit 0
fi

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
enable_i386_emulation
