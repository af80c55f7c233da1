#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cross-checks dictconv's DSL and MDict readers against pyglossary, an independent reader.

For each format a made-up dictionary of COUNT entries (50,000 by default) is written
(dsl_writer.py, mdict_writer.py with links and an encrypted key index); dictconv converts it,
and pyglossary turns it into a tab-separated list. Both must hold the same headwords with the
same text once each side's formatting is set aside: pyglossary keeps HTML (DSL markup made
HTML), puts synonyms and links as "|" alternatives, leaves "~" as it is, and writes line breaks
as "\\n"; dictconv writes plain text, "~" as the headword, lines joined by "; ".

  pyglossary_download_check.py <dictconv> [COUNT]
Exits 77 (skipped) without pyglossary; prints the count of entries that differ and a few.
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dsl_writer  # noqa: E402
import mdict_writer  # noqa: E402

SKIP = 77


def simple_upper(text):
    return "".join(c.upper() if len(c.upper()) == 1 else c for c in text)


def pieces(text):
    text = re.sub(r"\s+", " ", text)
    return [p.strip() for p in re.split(r"; | \| ", text) if p.strip()]


def glossary_pieces(headword, text):
    text = text.replace("\\n", "; ")
    text = re.sub(r"<br\s*/?>|</div>|<hr\s*/?>", "; ", text)
    text = html.unescape(re.sub(r"<[^>]*>", "", text)).replace("~", headword)
    return pieces(text)


def read_dictconv(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")[:-1]
    return {lines[i]: pieces(lines[i + 1]) for i in range(0, len(lines), 2)}


def read_glossary(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("##"):
                continue
            words, _, text = line.rstrip("\n").partition("\t")
            words = words.split("|")
            for word in words:
                key = simple_upper(word.strip())
                entries.setdefault(key, [])
                for piece in glossary_pieces(words[0], text):
                    if piece not in entries[key]:
                        entries[key].append(piece)
    return entries


def compare(name, ours, theirs):
    missing = sorted(set(theirs) - set(ours))
    extra = sorted(set(ours) - set(theirs))
    differ = [h for h in ours if h in theirs and ours[h] != theirs[h]]
    print(f"{name}: {len(ours)} headwords from dictconv, {len(theirs)} from pyglossary; "
          f"{len(missing)} missing, {len(extra)} extra, {len(differ)} with other text")
    for h in missing[:3] + extra[:3]:
        print(f"  headword {h}")
    for h in differ[:3]:
        print(f"  {h}: {ours[h]} / {theirs[h]}")
    return bool(missing or extra or differ)


def run(*command, env):
    done = subprocess.run(command, env=env, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} failed:\n{done.stdout}{done.stderr}")


def main():
    dictconv = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 50000
    if shutil.which("pyglossary") is None:
        print("SKIP: pyglossary is not installed (Debian package python3-pyglossary)")
        return SKIP
    failed = False
    with tempfile.TemporaryDirectory() as work:
        env = dict(os.environ, HOME=work, XDG_CACHE_HOME=work, XDG_CONFIG_HOME=work)
        out = lambda name: os.path.join(work, name)
        with open(out("d.dsl"), "w", encoding="utf-16") as f:
            f.writelines(dsl_writer.made_up_cards(count))
        mdict_writer.write_mdx(out("m.mdx"), mdict_writer.made_up_entries(count, links=True),
                               encrypted=2, key_block_entries=512, record_block_entries=512)
        for name, source, format_name in (("DSL", "d.dsl", "ABBYYLingvoDSL"),
                                          ("MDict", "m.mdx", "OctopusMdict")):
            run(dictconv, out(source), out(source + ".txt"), env=env)
            run("pyglossary", out(source), out(source + ".tsv"), "--read-format=" + format_name,
                "--write-format=Tabfile", "--write-options=enable_info=False", env=env)
            failed |= compare(name, read_dictconv(out(source + ".txt")),
                              read_glossary(out(source + ".tsv")))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
