#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a dictd and a StarDict dictionary of the same entries from a tab-separated file, for
the conversion benchmarks: NAME.index and NAME.dict (dictd; compress it with gzip) and
NAME.ifo, NAME.idx, NAME.dict and NAME.syn (StarDict, every eighth entry with a synonym).

    bench_inputs.py IN.tsv DICTD_BASE STARDICT_BASE
"""
import sys

DIGITS = b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def dictd_number(value):
    out = bytearray()
    while True:
        out.insert(0, DIGITS[value % 64])
        value //= 64
        if not value:
            return bytes(out)


def main(tsv, dictd, stardict):
    words = synonyms = 0
    dictd_at = stardict_at = 0
    with open(tsv, "rb") as inp, open(dictd + ".index", "wb") as index, \
            open(dictd + ".dict", "wb") as data, open(stardict + ".idx", "wb") as idx, \
            open(stardict + ".dict", "wb") as sdict, open(stardict + ".syn", "wb") as syn:
        for line in inp:
            headword, tab, translation = line.rstrip(b"\n").partition(b"\t")
            if not tab or not headword.strip() or b"\0" in headword:
                continue
            body = headword + b"\n" + translation + b"\n"
            index.write(headword + b"\t" + dictd_number(dictd_at) + b"\t" +
                        dictd_number(len(body)) + b"\n")
            data.write(body)
            dictd_at += len(body)
            idx.write(headword + b"\0" + stardict_at.to_bytes(4, "big") +
                      len(translation).to_bytes(4, "big"))
            sdict.write(translation)
            stardict_at += len(translation)
            if words % 8 == 0:
                syn.write(headword + b" syn\0" + words.to_bytes(4, "big"))
                synonyms += 1
            words += 1
        idx_size = idx.tell()
    with open(stardict + ".ifo", "w") as ifo:
        ifo.write("StarDict's dict ifo file\nversion=2.4.2\nbookname=bench\n"
                  f"wordcount={words}\nsynwordcount={synonyms}\nidxfilesize={idx_size}\n"
                  "sametypesequence=m\n")


if __name__ == "__main__":
    main(*sys.argv[1:4])
