# tools/wine/env.sh: sourced by every script that runs a Windows program. One 64-bit Wine prefix
# inside build/ serves both 64-bit and 32-bit programs; a private Xvfb stands in for a missing
# display. Callers set ORBILY_ROOT to the source tree before sourcing.

export WINEPREFIX=$ORBILY_ROOT/build/wine64
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"   # no Mono, Gecko or menu entries
export WINEDEBUG=-all
WINE=$WINELOADER
WINE_READY_MARK=$WINEPREFIX/.orbily-ready
ORBILY_CAPTION="Orbily - World Map Viewer"
SKIP=77   # the exit code that ctest reports as a skip
BINFMT=/proc/sys/fs/binfmt_misc

# 32-bit Windows programs need the 32-bit Wine loader, which needs a kernel (or an emulator
# registered with binfmt_misc) that runs 32-bit x86 ELF programs.
can_run_32bit_windows_programs()
{
    [ -x /usr/lib/wine/wine ] && timeout 30 /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why can_run_32bit_windows_programs fails, in one line.
no_32bit_reason()
{
    if [ ! -x /usr/lib/wine/wine ]; then
        echo "32-bit Wine (/usr/lib/wine/wine, package wine32:i386) is not installed"
    elif [ ! -e "$BINFMT/register" ]; then
        echo "this kernel runs no 32-bit x86 programs (32-bit Wine is one), and binfmt_misc is not" \
             "mounted at $BINFMT, so no i386 emulator can be registered"
    else
        echo "this kernel runs no 32-bit x86 programs (32-bit Wine is one), and no working i386" \
             "emulator is registered with binfmt_misc"
    fi
}

wine_installed() { command -v wine >/dev/null || [ -e /usr/lib/wine/wine64 ] || [ -e /usr/lib/wine/wine ]; }

# Ends a test whose Windows program cannot run here, saying why. Where Wine is installed that is
# a failure, so that a green `make test` means every Windows program really ran; only a machine
# without Wine skips. Usage: cannot_run "what cannot run" "why"
cannot_run()
{
    if wine_installed; then
        echo "FAILED: $1 cannot run: $2. Wine is installed, so this test must not be skipped;" \
             "run tools/install-deps.sh as root (it mounts binfmt_misc and registers qemu's i386" \
             "emulator where the kernel runs no 32-bit programs)."
        exit 1
    fi
    echo "SKIPPED: $1 cannot run: $2, and Wine is not installed"
    exit $SKIP
}

# True where 32-bit programs run only through qemu's i386 emulator (registered in binfmt_misc).
# The emulator now and then loses a Wine process, so callers there may try a program twice.
runs_32bit_through_emulator()
{
    cat /proc/sys/fs/binfmt_misc/qemu-i386* 2>/dev/null | grep -qx enabled
}

# How often to try a 32-bit program: twice under the emulator, once elsewhere.
attempts_for_32bit() { if runs_32bit_through_emulator; then echo 2; else echo 1; fi; }

# Runs a command up to ATTEMPTS times until it succeeds, stopping Wine between attempts;
# returns the last status. Usage: retry_wine ATTEMPTS command [arguments...]
retry_wine()
{
    local attempts=$1 status=1 attempt
    shift
    for attempt in $(seq "$attempts"); do
        "$@" && return 0
        status=$?
        echo "attempt $attempt of $attempts failed with status $status"
        timeout 30 "$WINESERVER" -k >/dev/null 2>&1
    done
    return $status
}

can_run_64bit_windows_programs()
{
    [ -x "$WINELOADER" ] && timeout 30 "$WINELOADER" --version >/dev/null 2>&1
}

wine_prefix_ready() { [ -e "$WINE_READY_MARK" ]; }

xvfb_pid=
# Starts a private Xvfb when there is no display; stop_wine_and_display ends it.
start_display()
{
    [ -n "${DISPLAY:-}" ] && return 0
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$display_file" ]; then
        echo "Xvfb did not start"
        rm -f "$display_file"
        return 1
    fi
    export DISPLAY=:$(head -1 "$display_file")
    rm -f "$display_file"
}

# Ends every process of the prefix (they belong to this run) and the private Xvfb, if any.
stop_wine_and_display()
{
    timeout 30 "$WINESERVER" -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

orbily_pid=
orbily_window=
# Starts Orbily.exe and waits up to $2 seconds for its main window; fails if none appears.
open_orbily_window()
{
    "$WINE" "$1" &
    orbily_pid=$!
    orbily_window=$(timeout "$2" xdotool search --sync --name "^$ORBILY_CAPTION\$" 2>/dev/null | head -1)
    if [ -z "$orbily_window" ]; then
        echo "no window named \"$ORBILY_CAPTION\" within $2 s"
        kill "$orbily_pid" 2>/dev/null
        return 1
    fi
}

# Closes the main window with Alt+F4 as a user would and returns Orbily.exe's exit code,
# or 1 if it still runs $1 seconds later.
close_orbily_window()
{
    xdotool windowfocus --sync "$orbily_window"
    xdotool key alt+F4
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$orbily_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$orbily_pid" 2>/dev/null; then
        echo "Orbily.exe still runs $1 s after Alt+F4"
        kill "$orbily_pid" 2>/dev/null
        return 1
    fi
    wait "$orbily_pid"
}
