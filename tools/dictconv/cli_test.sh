#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# dictconv's command lines and exit statuses: usage on a wrong call (2), conversion errors (1),
# and the check's 0 (clean), 1 (problems) and 2 (unreadable).
#   cli_test.sh <dictconv>
set -u
dictconv=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CACHE_HOME=$dir
failures=0

printf 'CASA\nhouse\nZUCCA\npumpkin\n' >"$dir/clean.txt"
printf 'zucca\npumpkin\nCASA\n' >"$dir/bad.txt"
printf 'casa\thouse\n' >"$dir/in.tsv"
mkfifo "$dir/fifo"

# expect <status> <what the output must hold> <arguments...>
expect() {
    local status=$1 pattern=$2 got
    shift 2
    output=$("$dictconv" "$@" 2>&1)
    got=$?
    if [ "$got" -ne "$status" ] || ! grep -q -- "$pattern" <<<"$output"; then
        echo "FAIL: dictconv $* gave $got (expected $status, \"$pattern\"): $output"
        failures=$((failures + 1))
    fi
}

expect 2 'usage:'
expect 2 'usage:' stardict only-one-argument
expect 2 'usage:' check "$dir/clean.txt" --repair
expect 2 'usage:' unknown a b c d
expect 0 'dictconv tsv' --help
expect 1 'cannot read index file' "$dir/missing.index" "$dir/missing.dict.dz" "$dir/out.txt"
expect 1 'cannot read .ifo file' stardict "$dir/missing.ifo" "$dir/out.txt"
expect 1 'not a regular file' dictd "$dir/fifo" "$dir/fifo" "$dir/out.txt" # must not wait on it
expect 0 'Wrote' tsv "$dir/in.tsv" "$dir/out.txt"
expect 0 'Wrote' tsv --encoding cp1252 "$dir/in.tsv" "$dir/out.txt"
expect 2 'usage:' tsv "$dir/in.tsv" "$dir/out.txt" --encoding latin9
expect 2 'usage:' check "$dir/clean.txt" --encoding utf-8
expect 2 'it is a FIFO' tsv "$dir/in.tsv" "$dir/fifo"
expect 0 'no problems' check "$dir/clean.txt"
# The reader chosen by the file's name or first bytes; a file that tells neither is a wrong call.
printf '\xEF\xBB\xBF#NAME "x"\n\nw\n\tword\n' >"$dir/lingvo"
printf 'just text\n' >"$dir/unknown.bin"
expect 0 'Wrote' "$dir/in.tsv" "$dir/out.txt"
printf 'casa\tA\tF\n' >"$dir/d.index"
printf 'house' >"$dir/d.dict"
expect 0 'Wrote .*: 1 headwords' "$dir/d.index" "$dir/out.txt" # its data file found beside it
expect 0 'Wrote .* (x): 1 headwords' "$dir/lingvo" "$dir/out.txt"
expect 2 'command word: dictd, stardict, tsv, dsl or mdict' "$dir/unknown.bin" "$dir/out.txt"
expect 1 'cannot read MDict file' mdict "$dir/missing.mdx" "$dir/out.txt"
expect 1 'cannot read DSL file' "$dir/missing.dsl" "$dir/out.txt"
# --encoding overrides the DSL reader's guess; MDict names its own encoding.
printf 'caf\xC3\xA9\n\tx\n' >"$dir/utf8.dsl"
expect 0 'Wrote' dsl "$dir/utf8.dsl" "$dir/out.txt" --encoding cp1252
if [ "$(head -n 1 "$dir/out.txt")" != "$(printf 'CAF\xC3\x83\xC2\xA9')" ]; then
    echo "FAIL: dsl --encoding cp1252 did not read the bytes as Windows-1252"
    failures=$((failures + 1))
fi
expect 2 'usage:' mdict "$dir/missing.mdx" "$dir/out.txt" --encoding utf-8
expect 1 'odd number of lines' check "$dir/bad.txt"
expect 2 'No such file' check "$dir/missing.txt"
expect 2 'not a regular file' check "$dir/fifo"
expect 1 '0 problems left' check "$dir/bad.txt" --repair "$dir/repaired.txt"
expect 0 'no problems' check "$dir/repaired.txt"

# The progress line: on a terminal only, and not with --quiet.
on_terminal() { script -qec "$(printf '%q ' "$dictconv" "$@")" /dev/null 2>&1; }
progress() {
    local where=$1 want=$2 output
    shift 2
    output=$("$@")
    if [ "$(grep -c 'dictconv: reading' <<<"$output")" -ne "$want" ]; then
        echo "FAIL: progress line $where (expected $want): $output"
        failures=$((failures + 1))
    fi
}
progress "on a terminal" 1 on_terminal tsv "$dir/in.tsv" "$dir/out.txt"
progress "with --quiet" 0 on_terminal tsv "$dir/in.tsv" "$dir/out.txt" --quiet
progress "in a pipe" 0 "$dictconv" tsv "$dir/in.tsv" "$dir/out.txt" 2>&1

# A warning on a terminal starts on a line of its own; the progress line is drawn again below.
printf '*a\tx\ncasa\thouse\n' >"$dir/skip.tsv"
output=$(on_terminal tsv "$dir/skip.tsv" "$dir/out.txt")
after=${output#*"$dir/skip.tsv:1: skipped"}
if [[ "$output" != *$'\r\e[K'"$dir/skip.tsv:1: skipped"* || "$after" != *"dictconv: reading"* ]]; then
    echo "FAIL: warning over the progress line: $(printf '%q' "$output")"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "all command lines behave"
exit "$failures"
