#!/usr/bin/env python3
"""Builds a glyph font (index file and glyph data file) from GNU Unifont's .hex glyphs.

Output layout (read by the programs' glyph font reader):
  index file: u16 F1, u16 L1, u16 F2, u16 L2 (little-endian), then one u32 offset into the
              glyph data file per code F1..L1, then one per code F2..L2.
  glyph file: 32-byte records, 16 rows top to bottom, 2 bytes per row, most significant bit
              leftmost, a set bit is ink.

Range 1 runs from the space to the end of the CJK unified ideographs, which takes in Latin,
digits, CJK punctuation, kana and the ideographs; range 2 holds the full-width forms. Codes
without a glyph in the source share one blank record at offset 0, so a lookup of such a code
still reads a valid record. Unifont's 8-pixel-wide glyphs are centred in the 16-pixel cell,
because the programs advance 16 pixels per character.

Usage: make_glyph_font.py OUT.idx OUT.fon BASE.hex [OVERRIDE.hex ...]
Later .hex files replace the glyphs of earlier ones (the Japanese variant over the base font).
"""
import struct
import sys

from datafile import fail, write_if_changed

RANGE1 = (0x0020, 0x9FFF)
RANGE2 = (0xFF00, 0xFFEF)
BLANK = bytes(32)


def glyph_from_hex(digits):
    """32-byte 16 x 16 record from a Unifont hex bitmap (32 digits: 8 wide, 64: 16 wide)."""
    raw = bytes.fromhex(digits)
    if len(raw) == 32:
        return raw
    if len(raw) == 16:
        out = bytearray()
        for row in raw:
            wide = row << 4  # centre the 8 pixels in 16
            out += bytes(((wide >> 8) & 0xFF, wide & 0xFF))
        return bytes(out)
    raise ValueError(f"unexpected bitmap of {len(raw)} bytes")


def read_hex(path, glyphs):
    with open(path, encoding="ascii") as source:
        for number, line in enumerate(source, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            code_text, _, digits = line.partition(":")
            if len(code_text) != 4:
                continue  # beyond the basic plane: the programs look glyphs up by 16-bit unit
            try:
                glyphs[int(code_text, 16)] = glyph_from_hex(digits)
            except ValueError as error:
                fail("make_glyph_font", f"{path}:{number}: {error}")


def build(glyphs):
    records = [BLANK]
    offset_of = {BLANK: 0}
    offsets = []
    for first, last in (RANGE1, RANGE2):
        for code in range(first, last + 1):
            bitmap = glyphs.get(code, BLANK)
            if bitmap not in offset_of:
                offset_of[bitmap] = 32 * len(records)
                records.append(bitmap)
            offsets.append(offset_of[bitmap])
    index = struct.pack("<4H", *RANGE1, *RANGE2) + struct.pack(f"<{len(offsets)}I", *offsets)
    return index, b"".join(records)


def main(argv):
    if len(argv) < 4:
        fail("make_glyph_font", "usage: make_glyph_font.py OUT.idx OUT.fon BASE.hex [OVERRIDE.hex ...]")
    glyphs = {}
    for path in argv[3:]:
        read_hex(path, glyphs)
    required = [0x41, 0x30, 0x3002, 0x3042, 0x30A2, 0x4E00, 0x9FA5, 0xFF01]
    missing = [f"U+{code:04X}" for code in required if code not in glyphs]
    if missing:
        fail("make_glyph_font", "source font lacks " + ", ".join(missing))
    index, data = build(glyphs)
    write_if_changed(argv[1], index)
    write_if_changed(argv[2], data)


if __name__ == "__main__":
    main(sys.argv)
