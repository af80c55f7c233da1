#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes MDict .mdx files for tests and benchmarks: versions 1.2 and 2.0, stored or zlib
blocks, several key and record blocks, an encrypted key index (Encrypted="2"), any encoding
Python has, and on request a damaged block checksum.

  mdict_writer.py OUT.mdx COUNT [--version 1.2] [--stored] [--encrypt] [--links]
Writes COUNT made-up entries with HTML records, as the benchmarks and the cross-check use.
"""
import argparse
import random
import sys
import zlib
from struct import pack


def _adler(data):
    return zlib.adler32(data) & 0xFFFFFFFF


def _block(data, stored, damage=False):
    checksum = _adler(data) ^ (1 if damage else 0)
    if stored:
        return b"\0\0\0\0" + pack(">I", checksum) + data
    return b"\x02\0\0\0" + pack(">I", checksum) + zlib.compress(data)


def _encrypt_index(block):
    sys.path.append("/usr/lib/python3/dist-packages")  # Debian's pyglossary under another Python
    from pyglossary.plugin_lib.ripemd128 import ripemd128  # an implementation of its own

    key = ripemd128(block[4:8] + pack("<L", 0x3695))
    out = bytearray(block[:8])
    previous = 0x36
    for i, plain in enumerate(block[8:]):
        t = plain ^ previous ^ (i & 0xFF) ^ key[i % len(key)]
        cipher = ((t << 4) | (t >> 4)) & 0xFF
        out.append(cipher)
        previous = cipher
    return bytes(out)


def _chunks(items, size):
    return [items[i:i + size] for i in range(0, len(items), size)]


def _key_blocks(entries, offsets, v2, codec, stored, per_block, damage):
    """The key blocks and the key block index, not yet packed."""
    num = ">Q" if v2 else ">I"
    unit = 2 if codec == "utf-16-le" else 1
    term = b"\0" * unit
    key_blocks, key_info = [], b""
    groups = _chunks(list(zip(entries, offsets)), per_block)
    for n, group in enumerate(groups):
        raw = b"".join(pack(num, off) + key.encode(codec) + term for (key, _), off in group)
        block = _block(raw, stored, damage and n == len(groups) - 1)
        key_blocks.append(block)
        first, last = group[0][0][0].encode(codec), group[-1][0][0].encode(codec)
        size = ">H" if v2 else ">B"
        tail = term if v2 else b""
        key_info += pack(num, len(group))
        key_info += pack(size, len(first) // unit) + first + tail
        key_info += pack(size, len(last) // unit) + last + tail
        key_info += pack(num, len(block)) + pack(num, len(raw))
    return key_blocks, key_info


def write_mdx(path, entries, version="2.0", stored=False, encrypted=0, encoding="UTF-8",
              key_block_entries=64, record_block_entries=64, damage=None, title="Test"):
    """entries: (key, record) pairs of text. damage: None, "key" or "record" (the checksum of
    the last such block is wrong)."""
    v2 = version.startswith("2")
    num = ">Q" if v2 else ">I"
    codec = {"UTF-16": "utf-16-le"}.get(encoding, encoding)
    unit = 2 if codec == "utf-16-le" else 1
    term = b"\0" * unit
    entries = sorted(entries, key=lambda e: e[0].lower())
    records, offsets, at = [], [], 0
    for _, text in entries:
        data = text.encode(codec) + term
        offsets.append(at)
        records.append(data)
        at += len(data)

    key_blocks, key_info = _key_blocks(entries, offsets, v2, codec, stored, key_block_entries,
                                       damage == "key")
    key_info_raw_size = len(key_info)
    if v2:
        key_info = _block(key_info, False)
        if encrypted & 2:
            key_info = _encrypt_index(key_info)

    record_blocks = []
    groups = _chunks(records, record_block_entries)
    for n, group in enumerate(groups):
        raw = b"".join(group)
        record_blocks.append((_block(raw, stored, damage == "record" and n == len(groups) - 1),
                              len(raw)))

    xml = (f'<Dictionary GeneratedByEngineVersion="{version}" RequiredEngineVersion="{version}" '
           f'Format="Html" KeyCaseSensitive="No" Encrypted="{encrypted}" Encoding="{encoding}" '
           f'Title="{title}" Description="made for tests"/>\r\n\0')
    header = xml.encode("utf-16-le")
    with open(path, "wb") as f:
        f.write(pack(">I", len(header)) + header + pack("<I", _adler(header)))
        key_blocks_size = sum(len(b) for b in key_blocks)
        if v2:
            head = pack(">QQQQQ", len(key_blocks), len(entries), key_info_raw_size, len(key_info),
                        key_blocks_size)
            f.write(head + pack(">I", _adler(head)))
        else:
            f.write(pack(">IIII", len(key_blocks), len(entries), len(key_info), key_blocks_size))
        f.write(key_info)
        f.write(b"".join(key_blocks))
        info = b"".join(pack(num, len(b)) + pack(num, size) for b, size in record_blocks)
        f.write(pack(num, len(record_blocks)) + pack(num, len(entries)) + pack(num, len(info)) +
                pack(num, sum(len(b) for b, _ in record_blocks)))
        f.write(info)
        f.write(b"".join(b for b, _ in record_blocks))


def made_up_words(rng, count=5000):
    letters = "abcdefghijklmnopqrstuvwxyzàèéìòù"
    return ["".join(rng.choice(letters) for _ in range(rng.randint(2, 9))) for _ in range(count)]


def made_up_entries(count, links=False, seed=1):
    """COUNT entries with distinct keys and HTML records; with links, every tenth a link."""
    rng = random.Random(seed)
    pool = made_up_words(rng)
    entries = []
    for i in range(count):
        key = rng.choice(pool) + str(i)
        if links and i % 10 == 9:
            entries.append((key, "@@@LINK=" + entries[i - 1][0]))
            continue
        words = " ".join(rng.choices(pool, k=rng.randint(3, 40)))
        entries.append((key, f"<b>{key}</b><br><i>n.</i> {words} &amp; more<br/>{i}"))
    return entries


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("count", type=int)
    parser.add_argument("--version", default="2.0")
    parser.add_argument("--stored", action="store_true")
    parser.add_argument("--encrypt", action="store_true")
    parser.add_argument("--links", action="store_true")
    args = parser.parse_args()
    write_mdx(args.out, made_up_entries(args.count, args.links), version=args.version,
              stored=args.stored, encrypted=2 if args.encrypt else 0,
              key_block_entries=256, record_block_entries=256)


if __name__ == "__main__":
    main()
