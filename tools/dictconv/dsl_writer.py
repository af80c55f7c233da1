#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a made-up ABBYY Lingvo DSL dictionary of COUNT cards (UTF-16 LE with its mark), for
the benchmarks and the cross-check: several headwords to some cards, cards of a few lines with
the usual markup, "~", escapes, comments and media.

  dsl_writer.py OUT.dsl COUNT
"""
import random
import sys

from mdict_writer import made_up_words


def made_up_cards(count, seed=2):
    rng = random.Random(seed)
    pool = made_up_words(rng)
    yield '#NAME "Made up"\n#INDEX_LANGUAGE "Italian"\n#CONTENTS_LANGUAGE "English"\n\n'
    for i in range(count):
        headword = rng.choice(pool) + str(i)
        card = headword + "\n"
        if i % 7 == 0:
            card += headword + "x\n"
        for sense in range(rng.randint(1, 4)):
            words = " ".join(rng.choices(pool, k=rng.randint(2, 12)))
            card += f"\t[m1]{sense + 1}) [p]n.[/p] [trn]{words}[/trn][/m]\n"
        if i % 3 == 0:
            card += f"\t[m2][ex][lang id=1040]~ {rng.choice(pool)}[/lang] \\[sic\\][/ex][/m]\n"
        if i % 5 == 0:
            card += f"\t[m2][com]{rng.choice(pool)}[/com] {{{{note}}}}[s]{i}.wav[/s][/m]\n"
        yield card


def main():
    out, count = sys.argv[1], int(sys.argv[2])
    with open(out, "w", encoding="utf-16") as f:  # Python's utf-16 writes the mark, LE here
        for card in made_up_cards(count):
            f.write(card)


if __name__ == "__main__":
    main()
