#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `dictconv` on a made-up DSL dictionary and a made-up MDict dictionary of about 100 MB
# each, beside pyglossary's conversion of the same file to a tab-separated list; prints each
# wall time in ms, the peak memory in kB (/usr/bin/time) and pyglossary's time over dictconv's.
# The inputs (dsl_writer.py: 200,000 cards in UTF-16; mdict_writer.py: 1,000,000 entries,
# version 2.0, zlib, a link in every ten) are made on first use in DATA (default bench/data).
#   download_bench.sh <dictconv> [rounds]
set -euo pipefail
dictconv=$1
rounds=${2:-1}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
data=${DATA:-$here/../../bench/data}
dsl=$data/made_up_100m.dsl
mdx=$data/made_up_100m.mdx
mkdir -p "$data"
[ -e "$dsl" ] || { python3 "$here/dsl_writer.py" "$dsl.part" 200000 && mv "$dsl.part" "$dsl"; }
[ -e "$mdx" ] || {
    python3 "$here/mdict_writer.py" "$mdx.part" 1000000 --links && mv "$mdx.part" "$mdx"
}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_CACHE_HOME=$out HOME=$out XDG_CONFIG_HOME=$out

# Runs a command `rounds` times; prints the median wall time in ms and the largest peak
# resident memory in kB.
measure() {
    local times=() peak=0 start end kb
    for _ in $(seq "$rounds"); do
        start=$(date +%s%N)
        /usr/bin/time -f %M -o "$out/mem" "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
        kb=$(tail -n 1 "$out/mem")
        [ "$kb" -gt "$peak" ] && peak=$kb
    done
    echo "$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') $peak"
}

for entry in "DSL $dsl ABBYYLingvoDSL" "MDict $mdx OctopusMdict"; do
    read -r name file format <<<"$entry"
    size=$(($(stat -c %s "$file") / 1000000))
    read -r ours our_kb < <(measure "$dictconv" --quiet "$file" "$out/out.txt")
    read -r theirs their_kb < <(measure pyglossary "$file" "$out/out.tsv" --read-format="$format" \
        --write-format=Tabfile --write-options=enable_info=False --no-progress-bar)
    echo "$name ($size MB): dictconv $ours ms, $our_kb kB; pyglossary $theirs ms, $their_kb kB;" \
        "pyglossary/dictconv time $(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.1f", a / b }')"
done
