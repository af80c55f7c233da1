#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Converts the Italian-English FreeDict dictionary three ways and compares the results.

pyglossary, an independent producer, turns the dictd files into StarDict and into
tab-separated text; dictconv converts each, and the dictd files directly. All three must hold
the same headwords, and the same translations once each path's formatting is set aside: the
StarDict and tab-separated entries repeat the headword line (with its pronunciation), which
the dictd path drops, the tab-separated one keeps its HTML line breaks and entities, and
pyglossary joins repeated headwords with <hr> where dictconv uses " | ".

  pyglossary_crosscheck.py <dictconv>
Exits 77 (skipped) without pyglossary or the FreeDict files.
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
DICTD = "/usr/share/dictd/freedict-ita-eng"


def simple_upper(text):
    return "".join(c.upper() if len(c.upper()) == 1 else c for c in text)


def read_dictionary(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    assert len(lines) % 2 == 0, f"{path}: odd line count"
    return {lines[i]: lines[i + 1] for i in range(0, len(lines), 2)}, lines[0::2]


def meaning(headword, translation):
    """The translation's pieces, without the repeated headword line, in order, once each."""
    text = html.unescape(re.sub(r"<br\s*/?>|<hr\s*/?>", "; ", translation))
    pieces = []
    for piece in re.split(r"; | \| ", text):
        piece = piece.strip()
        upper = simple_upper(piece)
        # The headword line: the headword, maybe followed by its pronunciation in slashes.
        if not piece or upper == headword or (upper.startswith(headword) and " /" in piece):
            continue
        if piece not in pieces:
            pieces.append(piece)
    return pieces


def run(*command, env):
    done = subprocess.run(command, env=env, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} failed:\n{done.stdout}{done.stderr}")


def main():
    dictconv = sys.argv[1]
    if shutil.which("pyglossary") is None:
        print("SKIP: pyglossary is not installed (Debian package python3-pyglossary)")
        return SKIP
    if not os.path.exists(DICTD + ".index"):
        print("SKIP: no " + DICTD + ".index (Debian package dict-freedict-ita-eng)")
        return SKIP
    with tempfile.TemporaryDirectory() as work:
        env = dict(os.environ, HOME=work, XDG_CACHE_HOME=work, XDG_CONFIG_HOME=work)
        out = lambda name: os.path.join(work, name)
        run(dictconv, "dictd", DICTD + ".index", DICTD + ".dict.dz", out("direct.txt"), env=env)
        run("pyglossary", DICTD + ".index", out("ita.ifo"), "--read-format=DictOrg",
            "--write-format=Stardict", env=env)
        run(dictconv, "stardict", out("ita.ifo"), out("stardict.txt"), env=env)
        run("pyglossary", DICTD + ".index", out("ita.tsv"), "--read-format=DictOrg",
            "--write-format=Tabfile", "--write-options=enable_info=False", env=env)
        run(dictconv, "tsv", out("ita.tsv"), out("tsv.txt"), env=env)

        direct, headwords = read_dictionary(out("direct.txt"))
        failed = False
        for name in ("stardict.txt", "tsv.txt"):
            other, other_headwords = read_dictionary(out(name))
            if other_headwords != headwords:
                missing = sorted(set(headwords) - set(other_headwords))[:5]
                extra = sorted(set(other_headwords) - set(headwords))[:5]
                print(f"{name}: headwords differ; missing {missing}, extra {extra}")
                failed = True
                continue
            differ = [h for h in headwords if meaning(h, direct[h]) != meaning(h, other[h])]
            print(f"{name}: {len(headwords)} headwords, {len(headwords) - len(differ)} "
                  f"translations agree, {len(differ)} differ")
            for h in differ[:5]:
                print(f"  {h}: {meaning(h, direct[h])} / {meaning(h, other[h])}")
            failed = failed or bool(differ)
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
