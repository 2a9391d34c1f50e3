#!/bin/sh
# panelwright-cli check and save of a large layout (3000 text windows x 100 two-line texts,
# about 20.8 MB): the time of the whole process and its peak memory (GNU time), each the median
# of several runs. Given more than one build folder, the runs alternate between them.
#
#   bench/large_layout.sh [-n RUNS] [BUILD_DIR ...]     (default: 5 runs of ./build)
set -eu

runs=5
if [ "${1:-}" = "-n" ]; then runs=$2; shift 2; fi
[ $# -gt 0 ] || set -- build

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PANELWRIGHT_DRIVE_C="$scratch/drive_c" XDG_STATE_HOME="$scratch/state"
mkdir -p "$PANELWRIGHT_DRIVE_C"

# Windows wide and high enough for their texts, so that the check has nothing to report.
awk 'BEGIN { ORS = "\r\n"
    print "[ WINDOW"; print "  Type = 0, 1"; print "  Colours = 0, 42, 42"
    print "  Position = 0, 0, 799, 599"; print "WINDOW END ]"; print ""
    for (i = 0; i < 3000; i++) {
        print "[ WINDOW"; print "  Type = 3, " i + 2; print "  Tag = " i + 2 ", 0"
        print "  Format = 37, 0"; print "  FontSize = 20"; print "  FontName = Arial"
        print "  FontStyle = 0"; print "  Colours = 255, 256, 256"
        x = (i * 7) % 480; y = (i * 13) % 540
        print "  Position = " x ", " y ", " x + 319 ", " y + 49; print "  CurIndex = 0"
        for (k = 0; k < 100; k++) {
            print "  Text = " k
            print "|Floor " k " of the north tower, car " i % 7 "\r\nwindow " i " t" k "|"
        }
        print "WINDOW END ]"; print ""
    } }' > "$scratch/big.dcf"
size=$(wc -c < "$scratch/big.dcf")

# "seconds kilobytes" of one run.
measure() {
    /usr/bin/time -f "%e %M" -o "$scratch/time" "$@" >/dev/null 2>&1 || { echo "$* failed" >&2; exit 1; }
    cat "$scratch/time"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

i=0
while [ $i -lt "$runs" ]; do
    for build in "$@"; do
        key=$(echo "$build" | md5sum | cut -c1-8)
        measure "$build/src/cli/panelwright-cli" check "$scratch/big.dcf" >> "$scratch/check.$key"
        measure "$build/src/cli/panelwright-cli" save "$scratch/big.dcf" "$scratch/out.dcf" \
            >> "$scratch/save.$key"
    done
    i=$((i + 1))
done

echo "layout of $size bytes, median of $runs runs"
for build in "$@"; do
    key=$(echo "$build" | md5sum | cut -c1-8)
    for command in check save; do
        t=$(cut -d' ' -f1 < "$scratch/$command.$key" | median)
        m=$(cut -d' ' -f2 < "$scratch/$command.$key" | median)
        awk -v b="$build" -v c="$command" -v t="$t" -v m="$m" -v s="$size" \
            'BEGIN { printf "%s %s: %.2f s, peak %.1f MB (%.1f x the file)\n", b, c, t, m / 1024, m * 1024 / s }'
    done
done
