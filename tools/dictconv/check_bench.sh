#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `dictconv check` beside `wc -l` on the same dictionary, file in the page cache, rounds
# alternating; prints each median, the CPU time of each (less noisy on a busy machine), and
# their ratios. The German-English dictionary is made with dictconv when it is missing.
#   check_bench.sh <dictconv> [dictionary] [rounds]
set -euo pipefail
dictconv=$1
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dictionary=${2:-$top/bench/data/deu_eng.txt}
rounds=${3:-9}

if [ ! -e "$dictionary" ]; then
    dictd=/usr/share/dictd/freedict-deu-eng
    mkdir -p "$(dirname "$dictionary")"
    "$dictconv" dictd "$dictd.index" "$dictd.dict.dz" "$dictionary"
fi
cat "$dictionary" >/dev/null

# The CPU time (user + sys) of this shell's finished children in milliseconds, from the output
# of `times` in a file. `times` runs in this shell itself: a subshell would not see them.
times_dir=$(mktemp -d)
trap 'rm -rf "$times_dir"' EXIT
children_ms() {
    awk 'NR == 2 { t = 0; for (i = 1; i <= 2; ++i) { split($i, p, /[ms]/); t += p[1] * 60 + p[2] }
                   printf "%d\n", t * 1000 }' "$1"
}

# Runs the command, its output thrown away; sets wall_ms and adds its CPU time to cpu_total.
run() {
    local start end
    start=$(date +%s%N)
    times >"$times_dir/before"
    "$@" >/dev/null || [ $? -eq 1 ] # check exits 1 when it finds problems
    times >"$times_dir/after"
    end=$(date +%s%N)
    wall_ms=$(((end - start) / 1000000))
    cpu_total=$((cpu_total + $(children_ms "$times_dir/after") - $(children_ms "$times_dir/before")))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

wc_times=() check_times=() wc_cpu=0 check_cpu=0
for _ in $(seq "$rounds"); do
    cpu_total=$wc_cpu
    run wc -l "$dictionary"
    wc_times+=("$wall_ms") wc_cpu=$cpu_total
    cpu_total=$check_cpu
    run "$dictconv" check "$dictionary"
    check_times+=("$wall_ms") check_cpu=$cpu_total
done
wc_ms=$(printf '%s\n' "${wc_times[@]}" | median)
check_ms=$(printf '%s\n' "${check_times[@]}" | median)
echo "$(basename "$dictionary"): $(stat -c %s "$dictionary") bytes, $rounds rounds"
echo "wc -l           median ${wc_ms} ms, CPU (user+sys) $((wc_cpu / rounds)) ms a run"
echo "dictconv check  median ${check_ms} ms, CPU (user+sys) $((check_cpu / rounds)) ms a run"
awk -v c="$check_ms" -v w="$wc_ms" -v cc="$check_cpu" -v wc="$wc_cpu" 'BEGIN {
    printf "ratio check / wc -l: %.1f (CPU %.1f)\n", (w > 0 ? c / w : 0), (wc > 0 ? cc / wc : 0) }'
