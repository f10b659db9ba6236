#!/usr/bin/env bash
# Whole-process start-up and peak memory of TOLVIN's main window against a bare Qt
# window, both on the offscreen platform (or on $QT_QPA_PLATFORM when it is set).
# Runs the two probes in pairs, the order alternating from pair to pair so that neither
# always runs on a warmer machine, and prints the medians and their ratios.
# Run by hand: bench/startup_vs_bare.sh build/test/bench [pairs]
set -euo pipefail
dir=$(realpath "$1")
pairs=${2:-31}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config

# One run: wall-clock milliseconds and peak resident KiB.
run() {
    local start end rss
    start=$EPOCHREALTIME
    rss=$(/usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1)
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" -v r="$rss" 'BEGIN { printf "%.2f %s\n", (e - s) * 1000, r }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

ours=$dir/startup_probe
bare=$dir/bare_startup_probe
run "$ours" >/dev/null # warm the caches
run "$bare" >/dev/null
: >"$home/ours" >"$home/bare"
for ((i = 0; i < pairs; i++)); do
    if ((i % 2)); then
        run "$ours" >>"$home/ours"
        run "$bare" >>"$home/bare"
    else
        run "$bare" >>"$home/bare"
        run "$ours" >>"$home/ours"
    fi
done

ours_ms=$(cut -d' ' -f1 "$home/ours" | median)
bare_ms=$(cut -d' ' -f1 "$home/bare" | median)
ours_kib=$(cut -d' ' -f2 "$home/ours" | median)
bare_kib=$(cut -d' ' -f2 "$home/bare" | median)
# The ratio of each pair, then their median: steadier than the ratio of the medians
# when the machine's load changes during the run.
pair_ratio=$(paste -d' ' "$home/ours" "$home/bare" | awk '{ print $1 / $3 }' | median)
printf 'pairs %d, %s\n' "$pairs" "$QT_QPA_PLATFORM"
printf 'start-up  TOLVIN %7.2f ms  bare %7.2f ms  ratio %.2f (median of pair ratios %.2f)\n' \
    "$ours_ms" "$bare_ms" "$(awk -v a="$ours_ms" -v b="$bare_ms" 'BEGIN { print a / b }')" "$pair_ratio"
printf 'peak RSS  TOLVIN %7.1f MiB bare %7.1f MiB ratio %.2f\n' \
    "$(awk -v k="$ours_kib" 'BEGIN { print k / 1024 }')" "$(awk -v k="$bare_kib" 'BEGIN { print k / 1024 }')" \
    "$(awk -v a="$ours_kib" -v b="$bare_kib" 'BEGIN { print a / b }')"
