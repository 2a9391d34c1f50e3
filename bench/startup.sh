#!/bin/bash
# Start-up, as a user and a deployment script meet it: the time from starting the editor with
# the example layout to its main window being mapped (under Xvfb, found with xdotool), and the
# whole-process time of panelwright-cli generate for the same example. Each figure is the
# median of several runs; given more than one build folder, the runs of the builds alternate
# and every build is also reported as a ratio to the first.
#
#   bench/startup.sh [-n RUNS] [BUILD_DIR ...]     (default: 9 runs of ./build)
#
# The clock is bash's own: reading it with date would start a process of its own after each
# run, and about 1.7 ms of that would be counted as the program's.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"
set -eu
export LC_ALL=C # EPOCHREALTIME with a decimal point

runs=9
if [ "${1:-}" = "-n" ]; then runs=$2; shift 2; fi
[ $# -gt 0 ] || set -- build
here=$(cd "$(dirname "$0")/.." && pwd)

# A display server of its own, so that no other window and no window manager is measured.
if [ -z "${PW_STARTUP_XVFB:-}" ]; then
    PW_STARTUP_XVFB=1 exec xvfb-run -a bash "$0" -n "$runs" "$@"
fi
command -v xdotool >/dev/null || { echo "startup.sh needs xdotool" >&2; exit 2; }
# The server is up once it answers.
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done

# Everything the programs read or write stays in a scratch folder: a drive C holding the
# example and a display program, and empty settings and state.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PANELWRIGHT_DRIVE_C="$scratch/drive_c" XDG_CONFIG_HOME="$scratch/config" \
       XDG_STATE_HOME="$scratch/state" XDG_CACHE_HOME="$scratch/cache"
mkdir -p "$PANELWRIGHT_DRIVE_C/KVP/Work" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME" "$XDG_CACHE_HOME"
cp "$here/examples/lobby.dcf" "$PANELWRIGHT_DRIVE_C/KVP/Work/lobby.dcf"
head -c 200000 /dev/zero | tr '\0' x > "$PANELWRIGHT_DRIVE_C/KVP/Display.axf"
layout="$PANELWRIGHT_DRIVE_C/KVP/Work/lobby.dcf"

# Milliseconds from the start of the editor to its window being mapped with the example loaded
# (its caption then names the layout). The polling can fill the display server's queue of
# connections for a moment, so a start that could not connect is tried again.
editor_once() {
    tries=0
    while :; do
        start=${EPOCHREALTIME/./}
        "$1/src/gui/panelwright" "$layout" >/dev/null 2>"$scratch/editor.err" &
        pid=$!
        until xdotool search --onlyvisible --name '^PW ' >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || break
        done
        end=${EPOCHREALTIME/./}
        kill -0 "$pid" 2>/dev/null && break
        wait "$pid" 2>/dev/null || true
        tries=$((tries + 1))
        if [ $tries -ge 5 ] || ! grep -q 'could not connect to display' "$scratch/editor.err"; then
            cat "$scratch/editor.err" >&2
            exit 1
        fi
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(( end - start ))
}

# Milliseconds for the whole panelwright-cli generate process.
cli_once() {
    start=${EPOCHREALTIME/./}
    QT_QPA_PLATFORM=offscreen "$1/src/cli/panelwright-cli" generate 'C:\KVP\Work\lobby.dcf' \
        --replace-backups >/dev/null 2>&1 || { echo "generate of $1 failed" >&2; exit 1; }
    end=${EPOCHREALTIME/./}
    echo $(( end - start ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'; }

# The editors' runs first, then the tool's: a killed editor is still being taken down, and the
# display server still dropping its windows, when the next program starts, and the tool would
# share the processors with that.
for kind in editor cli; do
    i=0
    while [ $i -lt "$runs" ]; do
        for build in "$@"; do
            "${kind}_once" "$build" >> "$scratch/$kind.$(echo "$build" | md5sum | cut -c1-8)"
        done
        i=$((i + 1))
    done
done

first_editor="" first_cli=""
for build in "$@"; do
    key=$(echo "$build" | md5sum | cut -c1-8)
    e=$(median < "$scratch/editor.$key")
    c=$(median < "$scratch/cli.$key")
    printf '%s\n  editor start to window mapped  %8s ms (median of %s)\n' "$build" "$e" "$runs"
    printf '  panelwright-cli generate        %8s ms (median of %s)\n' "$c" "$runs"
    if [ -z "$first_editor" ]; then
        first_editor=$e first_cli=$c
    else
        awk -v e="$e" -v fe="$first_editor" -v c="$c" -v fc="$first_cli" \
            'BEGIN { printf "  ratio to the first build: editor %.2f, generate %.2f\n", e / fe, c / fc }'
    fi
done
