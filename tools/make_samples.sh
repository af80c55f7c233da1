#!/usr/bin/env bash
# Makes the sample dictionaries from Debian's FreeDict packages with dictconv. A sample is made
# again only when it is missing or older than the converter or its source files.
#
#   make_samples.sh <path-to-dictconv> <samples-folder>
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: make_samples.sh <path-to-dictconv> <samples-folder>" >&2
    exit 2
fi
converter=$1
samples=$2
dictd=/usr/share/dictd

if [ ! -x "$converter" ]; then
    echo "make_samples.sh: no converter at $converter (build Vocabrix first)" >&2
    exit 1
fi
mkdir -p "$samples"

# make_sample <output file name> <FreeDict dictionary name>
make_sample() {
    local out="$samples/$1" index="$dictd/$2.index" data="$dictd/$2.dict.dz"
    if [ -e "$out" ] && [ "$out" -nt "$converter" ] && [ "$out" -nt "$index" ] &&
        [ "$out" -nt "$data" ]; then
        return 0
    fi
    # dictconv prints one line naming the file and its size.
    "$converter" "$index" "$data" "$out"
}

make_sample italiano_inglese.txt freedict-ita-eng
make_sample inglese_italiano.txt freedict-eng-ita
