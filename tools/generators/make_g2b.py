#!/usr/bin/env python3
"""Builds the simplified-to-traditional table from OpenCC's character conversion.

Output: a flat array of u16 little-endian codes, entry k holding the traditional form of
U+4E00 + k, for every code up to U+9FFF. A character without a distinct traditional form,
with several candidates beyond the first, or whose traditional form lies outside the basic
plane maps to itself, so that the translation box can still draw it.

Each character is converted on its own line, so OpenCC applies its character table (its
first candidate) and no phrase context; the Taiwan-standard variant forms are used.

Usage: make_g2b.py OUT.tab [OPENCC_CONFIG]   (default config s2tw.json)
"""
import struct
import subprocess
import sys

from datafile import fail, write_if_changed

FIRST, LAST = 0x4E00, 0x9FFF


def main(argv):
    if len(argv) < 2:
        fail("make_g2b", "usage: make_g2b.py OUT.tab [OPENCC_CONFIG]")
    config = argv[2] if len(argv) > 2 else "s2tw.json"
    codes = list(range(FIRST, LAST + 1))
    text = "".join(chr(code) + "\n" for code in codes)
    try:
        done = subprocess.run(["opencc", "-c", config], input=text.encode("utf-8"),
                              capture_output=True, check=True)
    except (OSError, subprocess.CalledProcessError) as error:
        fail("make_g2b", f"opencc failed: {error}")
    lines = done.stdout.decode("utf-8").split("\n")
    if len(lines) < len(codes):
        fail("make_g2b", f"opencc returned {len(lines)} lines for {len(codes)} characters")
    table = []
    for code, converted in zip(codes, lines):
        if len(converted) == 1 and ord(converted) <= 0xFFFF:
            table.append(ord(converted))
        else:
            table.append(code)
    changed = sum(1 for code, value in zip(codes, table) if code != value)
    if changed < 2000:
        fail("make_g2b", f"only {changed} characters have a traditional form; is the OpenCC data complete?")
    write_if_changed(argv[1], struct.pack(f"<{len(table)}H", *table))


if __name__ == "__main__":
    main(sys.argv)
