#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""dictconv mdict on files made by mdict_writer.py, one table row each: version, compression,
encryption, encoding, links and damaged checksums, with the exit status and the lines or
message each must give.

  mdict_test.py <dictconv>
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mdict_writer import write_mdx  # noqa: E402

WORDS = [("apple", "<b>apple</b><br>a fruit &amp; a tree"), ("Banana", "a long fruit\r\n"),
         ("pear", "@@@LINK=apple"), ("quince", "@@@LINK=pear\r\n"), ("nothing", "@@@LINK=none")]
WORDS += [(f"filler{i}", f"<p>filler text {i}</p>") for i in range(12)]
APPLE = ["APPLE", "apple; a fruit & a tree"]

# name, writer options, entries, exit status, lines the output must hold or message text
ROWS = [
    ("2.0 zlib", {}, WORDS, 0, APPLE + ["BANANA", "a long fruit"]),
    ("2.0 stored", {"stored": True}, WORDS, 0, APPLE),
    ("1.2 zlib", {"version": "1.2"}, WORDS, 0, APPLE + ["FILLER9", "filler text 9"]),
    ("1.2 stored", {"version": "1.2", "stored": True}, WORDS, 0, APPLE),
    ("2.0 encrypted index", {"encrypted": 2}, WORDS, 0, APPLE + ["FILLER11", "filler text 11"]),
    ("link", {}, WORDS, 0, ["PEAR", APPLE[1]]),
    ("link to a link", {"version": "1.2"}, WORDS, 0, ["QUINCE", APPLE[1]]),
    ("UTF-16", {"encoding": "UTF-16"}, WORDS, 0, APPLE),
    ("GBK", {"encoding": "GBK"}, [("苹果", "水果"), ("梨", "@@@LINK=苹果")], 0, ["梨", "水果"]),
    ("Big5", {"encoding": "Big5"}, [("蘋果", "水果")], 0, ["蘋果", "水果"]),
    ("registration key", {"encrypted": 1}, WORDS, 1, "registration key"),
    ("damaged record block", {"damage": "record"}, WORDS, 1,
     "record block 5 fails its Adler-32 checksum"),
    ("damaged key block", {"damage": "key", "version": "1.2"}, WORDS, 1,
     "key block 6 fails its Adler-32 checksum"),
]


def run_row(dictconv, work, name, options, entries, status, want):
    mdx = os.path.join(work, "t.mdx")
    out = os.path.join(work, "t.txt")
    write_mdx(mdx, entries, key_block_entries=3, record_block_entries=4, **options)
    done = subprocess.run([dictconv, "mdict", mdx, out], capture_output=True, text=True)
    if done.returncode != status:
        return f"{name}: exit {done.returncode}, expected {status}: {done.stderr}"
    if isinstance(want, str):
        return None if want in done.stderr else f"{name}: no \"{want}\" in: {done.stderr}"
    with open(out, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for i in range(0, len(want), 2):
        at = [j for j in range(0, len(lines) - 1, 2) if lines[j] == want[i]]
        if not at or lines[at[0] + 1] != want[i + 1]:
            return f"{name}: {want[i]} not followed by \"{want[i + 1]}\" in {lines}"
    if "NOTHING" in lines:
        return f"{name}: a link to a missing key was written"
    return None


def can_encrypt():
    try:
        write_mdx(os.devnull, WORDS[:1], encrypted=2)
        return True
    except ImportError:
        return False


def main():
    dictconv = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        os.environ["XDG_CACHE_HOME"] = work
        for row in ROWS:
            if row[1].get("encrypted") == 2 and not can_encrypt():
                print(f"skipped {row[0]}: the writer takes RIPEMD-128 from pyglossary")
                continue
            problem = run_row(dictconv, work, *row)
            if problem:
                print("FAIL:", problem)
                failures += 1
        mdd = os.path.join(work, "t.mdd")
        write_mdx(mdd, WORDS)
        done = subprocess.run([dictconv, "mdict", mdd, os.path.join(work, "o.txt")],
                              capture_output=True, text=True)
        if done.returncode != 1 or "only media" not in done.stderr:
            print("FAIL: an .mdd file was not refused:", done.returncode, done.stderr)
            failures += 1
    print(f"{len(ROWS) + 1 - failures} of {len(ROWS) + 1} MDict cases pass")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
