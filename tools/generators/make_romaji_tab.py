#!/usr/bin/env python3
"""Turns the readable kana-to-romaji source (data/Romaji.tab, UTF-8, one KEY=VALUE per line,
"#" comments) into the programs' table: UTF-16LE without byte-order mark, entries joined by ";"
and nothing else, since the programs trim nothing (a line break would become part of a key).

Refuses what the programs' table cannot hold or would misread: a key of more than 2 units or
whose second unit is not a small kana that joins a key, a value of more than 3 units or an
empty one, a ";" or "=" inside a key or value, and a key given twice (only the first would count).

Usage: make_romaji_tab.py SOURCE.txt OUT.tab
"""
import sys

from datafile import fail, write_if_changed

JOINING_SMALL_KANA = set("ゃゅょャュョァィゥェォ")


def parse(path):
    entries = []
    seen = {}
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            where = f"{path}:{number}"
            key, sep, value = line.partition("=")
            if not sep:
                fail("make_romaji_tab", f"{where}: expected KEY=VALUE")
            if not 1 <= len(key) <= 2 or (len(key) == 2 and key[1] not in JOINING_SMALL_KANA):
                fail("make_romaji_tab", f"{where}: key {key!r} is not one kana or a kana and a joining small kana")
            if not all(0x3021 <= ord(unit) <= 0x3126 for unit in key):
                fail("make_romaji_tab", f"{where}: key {key!r} lies outside the units the conversion looks up")
            if not 1 <= len(value) <= 3 or ";" in value or "=" in value:
                fail("make_romaji_tab", f"{where}: value {value!r} must be 1 to 3 units without ';' or '='")
            if key in seen:
                fail("make_romaji_tab", f"{where}: key {key} already given on line {seen[key]}")
            seen[key] = number
            entries.append((key, value))
    return entries


def main(argv):
    if len(argv) != 3:
        fail("make_romaji_tab", "usage: make_romaji_tab.py SOURCE.txt OUT.tab")
    entries = parse(argv[1])
    text = "".join(f"{key}={value};" for key, value in entries)
    write_if_changed(argv[2], text.encode("utf-16-le"))


if __name__ == "__main__":
    main(sys.argv)
