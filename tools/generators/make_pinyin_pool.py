#!/usr/bin/env python3
"""Builds the PinYin table from the Unihan readings and the readings the phrase book needs.

Output layout (little-endian):
  u16 S (syllables), u16 M (map entries),
  S syllables of 7 UTF-16 units each (zero-padded; a 7-unit syllable has no terminator),
  M entries of (u16 character code, u16 syllable number counted from 1).
The entries of one character are consecutive and in reading order; the first is the
character's usual reading (kMandarin), then the other readings Unihan lists (kHanyuPinlu by
frequency, then kXHC1983, kTGHZ2013 and kHanyuPinyin), then readings the phrases need that are
the neutral-tone form of one of the listed readings (谢谢 xiè xie, 朋友 péng you).

A reading the phrases need that is neither listed nor such a neutral form is left out on
purpose: the phrase compiler then reports it as an error, since it is most likely a typing
mistake in the PinYin of a phrase.

The programs hold at most 1,120 syllables. Unihan yields more, so the rarest are dropped
(never one that a phrase needs): ranked by their use in running text (kHanyuPinlu), then by
the number of characters whose usual reading they are.

Usage: make_pinyin_pool.py OUT.dat UNIHAN_READINGS(.txt|.txt.bz2) [NEEDED.tsv]
NEEDED.tsv: one "character<TAB>syllable" line per reading used by a phrase.
"""
import bz2
import struct
import sys
import unicodedata

from datafile import fail, write_if_changed

MAX_SYLLABLES = 1120
MAX_UNITS = 7
CHAR_RANGES = ((0x3007, 0x3007), (0x4E00, 0x9FFF))
FIELD_ORDER = ("kMandarin", "kHanyuPinlu", "kXHC1983", "kTGHZ2013", "kHanyuPinyin")

TONE_MARKS = {
    "ā": "a", "á": "a", "ǎ": "a", "à": "a", "ē": "e", "é": "e", "ě": "e", "è": "e",
    "ī": "i", "í": "i", "ǐ": "i", "ì": "i", "ō": "o", "ó": "o", "ǒ": "o", "ò": "o",
    "ū": "u", "ú": "u", "ǔ": "u", "ù": "u", "ǖ": "ü", "ǘ": "ü", "ǚ": "ü", "ǜ": "ü",
    "ń": "n", "ň": "n", "ǹ": "n", "ḿ": "m", "ế": "ê", "ề": "ê",
}


def toneless(syllable):
    return "".join(TONE_MARKS.get(ch, ch) for ch in syllable)


def in_ranges(code):
    return any(first <= code <= last for first, last in CHAR_RANGES)


def readings_of_field(field, value):
    """The syllables of one Unihan field value, in the field's own order."""
    out = []
    for item in value.split():
        if field == "kHanyuPinlu":
            item = item.split("(")[0]
            out.append(item)
        elif field in ("kXHC1983", "kTGHZ2013", "kHanyuPinyin"):
            out.extend(item.split(":", 1)[1].split(","))
        else:
            out.append(item)
    return out


def read_unihan(path):
    """Returns ({code: [syllable, ...]}, {syllable: corpus count}) for the table's characters.

    The corpus counts are kHanyuPinlu's: how often a reading occurs in running text."""
    opener = bz2.open if path.endswith(".bz2") else open
    fields = {}
    with opener(path, "rt", encoding="utf-8") as source:
        for line in source:
            if not line.startswith("U+"):
                continue
            code_text, field, value = line.rstrip("\n").split("\t", 2)
            if field not in FIELD_ORDER:
                continue
            code = int(code_text[2:], 16)
            if not in_ranges(code):
                continue
            fields.setdefault(code, {})[field] = value
    readings = {}
    corpus = {}
    for code, by_field in fields.items():
        ordered = []
        for field in FIELD_ORDER:
            if field in by_field:
                for syllable in readings_of_field(field, by_field[field]):
                    syllable = unicodedata.normalize("NFC", syllable)
                    if syllable and syllable not in ordered and len(syllable) <= MAX_UNITS:
                        ordered.append(syllable)
        if ordered:
            readings[code] = ordered
        for item in by_field.get("kHanyuPinlu", "").split():
            syllable, _, count = item.partition("(")
            syllable = unicodedata.normalize("NFC", syllable)
            corpus[syllable] = corpus.get(syllable, 0) + int(count.rstrip(")") or 0)
    return readings, corpus


def read_needed(path):
    needed = []
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            char, _, syllable = line.partition("\t")
            if len(char) != 1 or not syllable:
                fail("make_pinyin_pool", f"{path}:{number}: expected character<TAB>syllable")
            needed.append((ord(char), unicodedata.normalize("NFC", syllable)))
    return needed


def add_needed(readings, needed):
    for code, syllable in needed:
        listed = readings.get(code)
        if not listed or syllable in listed:
            continue
        if syllable == toneless(syllable) and any(toneless(r) == syllable for r in listed):
            listed.append(syllable)


def limit_syllables(readings, corpus, needed):
    """The syllables to keep: every one a phrase needs, then by use in running text, then by
    the number of characters whose usual reading it is, then by the number of characters."""
    first = {}
    anywhere = {}
    for listed in readings.values():
        first[listed[0]] = first.get(listed[0], 0) + 1
        for syllable in listed:
            anywhere[syllable] = anywhere.get(syllable, 0) + 1
    keep = {syllable for _, syllable in needed if syllable in anywhere}
    if len(keep) > MAX_SYLLABLES:
        fail("make_pinyin_pool", f"the phrases alone need {len(keep)} syllables, more than {MAX_SYLLABLES}")
    rank = sorted(anywhere, key=lambda s: (-corpus.get(s, 0), -first.get(s, 0), -anywhere[s], s))
    for syllable in rank:
        if len(keep) >= MAX_SYLLABLES:
            break
        keep.add(syllable)
    return keep


def build(readings, keep):
    syllables = []
    number_of = {}
    entries = []
    for code in sorted(readings):
        for syllable in readings[code]:
            if syllable not in keep:
                continue
            if syllable not in number_of:
                syllables.append(syllable)
                number_of[syllable] = len(syllables)
            entries.append((code, number_of[syllable]))
    if len(entries) > 0xFFFF:
        fail("make_pinyin_pool", f"{len(entries)} map entries do not fit a 16-bit count")
    out = bytearray(struct.pack("<HH", len(syllables), len(entries)))
    for syllable in syllables:
        units = syllable.encode("utf-16-le")
        out += units + bytes(2 * MAX_UNITS - len(units))
    for code, number in entries:
        out += struct.pack("<HH", code, number)
    return bytes(out)


def main(argv):
    if len(argv) < 3:
        fail("make_pinyin_pool", "usage: make_pinyin_pool.py OUT.dat UNIHAN_READINGS [NEEDED.tsv]")
    readings, corpus = read_unihan(argv[2])
    needed = read_needed(argv[3]) if len(argv) > 3 else []
    add_needed(readings, needed)
    keep = limit_syllables(readings, corpus, needed)
    write_if_changed(argv[1], build(readings, keep))


if __name__ == "__main__":
    main(sys.argv)
