#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `dictconv tsv` beside `LC_ALL=C sort -s -t TAB -k1,1 -S 256M` on the same tab-separated
# file, and `dictconv check` beside `wc -l` on the German-English dictionary and on a 1 GB one;
# prints each time, the peak memory and the ratios; then the time and peak memory of the dictd
# and StarDict conversions of the same entries. The 1 GB tab-separated file (13 copies of the
# German-English data, headwords numbered), the dictionary made from it, and the dictd
# (gzip-compressed data) and StarDict (with a synonym for every eighth entry) dictionaries
# made from it by bench_inputs.py are generated on first use under bench/data, which git
# ignores. A row merges a million translations under one headword.
#   convert_bench.sh <dictconv> [rounds]
set -euo pipefail
dictconv=$1
rounds=${2:-3}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
data=$top/bench/data
small=$data/deu_eng.txt
big_tsv=$data/deu_eng_1g.tsv
big=$data/deu_eng_1g.txt

if [ ! -e "$small" ]; then
    dictd=/usr/share/dictd/freedict-deu-eng
    mkdir -p "$data"
    "$dictconv" dictd "$dictd.index" "$dictd.dict.dz" "$small" >/dev/null
fi
if [ ! -e "$big_tsv" ]; then
    awk 'NR % 2 == 1 { h = $0; next } { w[n] = h; t[n++] = $0 }
         END { for (k = 1; k <= 13; ++k) for (i = 0; i < n; ++i)
                   printf "%s%s\t%s\n", w[i], (k > 1 ? " " k : ""), t[i] }' \
        "$small" >"$big_tsv.part"
    mv "$big_tsv.part" "$big_tsv"
fi
[ -e "$big" ] || "$dictconv" --quiet tsv "$big_tsv" "$big" >/dev/null
big_dictd=$data/deu_eng_1g_dictd
big_stardict=$data/deu_eng_1g_sd
if [ ! -e "$big_dictd.dict.dz" ] || [ ! -e "$big_stardict.ifo" ]; then
    python3 "$top/tools/dictconv/bench_inputs.py" "$big_tsv" "$big_dictd" "$big_stardict"
    gzip -1 -c "$big_dictd.dict" >"$big_dictd.dict.dz.part"
    mv "$big_dictd.dict.dz.part" "$big_dictd.dict.dz"
    rm "$big_dictd.dict"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Runs a command `rounds` times, output thrown away; prints the median wall time in ms and the
# largest peak resident memory in kB.
measure() {
    local times=() peak=0 start end kb
    for _ in $(seq "$rounds"); do
        start=$(date +%s%N)
        /usr/bin/time -f %M -o "$out/mem" "$@" >/dev/null 2>&1 || [ $? -eq 1 ]
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
        kb=$(tail -n 1 "$out/mem")
        [ "$kb" -gt "$peak" ] && peak=$kb
    done
    echo "$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') $peak"
}

# compare <label> <reference label> <reference command...> -- <command...>
compare() {
    local label=$1 ref_label=$2 ref=() cmd=()
    shift 2
    while [ "$1" != "--" ]; do ref+=("$1"); shift; done
    shift
    cmd=("$@")
    read -r ref_ms ref_kb <<<"$(measure "${ref[@]}")"
    read -r ms kb <<<"$(measure "${cmd[@]}")"
    printf '%-34s %7d ms %8d kB\n' "$ref_label" "$ref_ms" "$ref_kb" "$label" "$ms" "$kb"
    awk -v a="$ms" -v b="$ref_ms" -v l="$label" -v r="$ref_label" \
        'BEGIN { printf "ratio %s / %s: %.2f\n", l, r, (b > 0 ? a / b : 0) }'
}

cat "$big_tsv" "$big" "$small" >/dev/null
echo "$(basename "$big_tsv"): $(stat -c %s "$big_tsv") bytes, $rounds rounds"
compare "dictconv tsv" "sort -s -k1,1 -S 256M" \
    env LC_ALL=C sort -s -t "$(printf '\t')" -k1,1 -S 256M -o "$out/sorted" "$big_tsv" -- \
    "$dictconv" --quiet tsv "$big_tsv" "$out/out.txt"
compare "dictconv check --repair" "wc -l" wc -l "$big" -- \
    "$dictconv" --quiet check "$big" --repair "$out/repaired.txt"
for dictionary in "$small" "$big"; do
    echo "$(basename "$dictionary"): $(stat -c %s "$dictionary") bytes"
    compare "dictconv check" "wc -l" wc -l "$dictionary" -- "$dictconv" check "$dictionary"
done

# single <label> <command...>: the median time and the peak memory of one command.
single() {
    local label=$1
    shift
    read -r ms kb <<<"$(measure "$@")"
    printf '%-34s %7d ms %8d kB\n' "$label" "$ms" "$kb"
}
# A million translations under one headword merge in linear time: beside the same number of
# distinct headwords.
awk 'BEGIN { for (i = 0; i < 1000000; ++i) printf "same\tmeaning %d\n", i }' >"$out/same.tsv"
awk 'BEGIN { for (i = 0; i < 1000000; ++i) printf "w%d\tmeaning %d\n", i, i }' >"$out/distinct.tsv"
compare "tsv, one headword" "tsv, distinct headwords" \
    "$dictconv" --quiet tsv "$out/distinct.tsv" "$out/distinct.txt" -- \
    "$dictconv" --quiet tsv "$out/same.tsv" "$out/same.txt"

echo "dictd and StarDict of the same $(wc -l <"$big_dictd.index") entries"
single "dictconv dictd" "$dictconv" --quiet dictd "$big_dictd.index" "$big_dictd.dict.dz" \
    "$out/dictd.txt"
single "dictconv stardict" "$dictconv" --quiet stardict "$big_stardict.ifo" "$out/stardict.txt"
