#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `dictconv check` beside `wc -l` on the same dictionary, file in the page cache, rounds
# alternating; prints each median and their ratio. The German-English dictionary is made with
# dictconv when it is missing.
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

# Milliseconds of one run of the command, its output thrown away.
time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null || [ $? -eq 1 ] # check exits 1 when it finds problems
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

wc_times=() check_times=()
for _ in $(seq "$rounds"); do
    wc_times+=("$(time_ms wc -l "$dictionary")")
    check_times+=("$(time_ms "$dictconv" check "$dictionary")")
done
wc_ms=$(printf '%s\n' "${wc_times[@]}" | median)
check_ms=$(printf '%s\n' "${check_times[@]}" | median)
echo "$(basename "$dictionary"): $(stat -c %s "$dictionary") bytes, $rounds rounds"
echo "wc -l           median ${wc_ms} ms"
echo "dictconv check  median ${check_ms} ms"
awk -v c="$check_ms" -v w="$wc_ms" 'BEGIN { printf "ratio check / wc -l: %.1f\n", (w > 0 ? c / w : 0) }'
