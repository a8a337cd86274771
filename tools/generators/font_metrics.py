#!/usr/bin/env python3
"""Writes the horizontal metrics of a TrueType font at a pixel size, for the linter's check
that Korean translations fit their box.

Output (text): "pixel_size<TAB>N", "line_height<TAB>H" (ascender + descender + line gap in
pixels), then one "XXXX<TAB>ADVANCE" line per basic-plane code the font maps (hexadecimal code,
advance in pixels). The pixel size is the em size, as the platform layer sets a font height.

Usage: font_metrics.py FONT.ttf PIXELS OUT.tsv
"""
import sys

from fontTools.ttLib import TTFont

from datafile import fail, write_if_changed


def main(argv):
    if len(argv) != 4:
        fail("font_metrics", "usage: font_metrics.py FONT.ttf PIXELS OUT.tsv")
    font = TTFont(argv[1])
    pixels = float(argv[2])
    scale = pixels / font["head"].unitsPerEm
    hhea = font["hhea"]
    lines = [f"pixel_size\t{pixels:g}",
             f"line_height\t{(hhea.ascent - hhea.descent + hhea.lineGap) * scale:.4f}"]
    metrics = font["hmtx"]
    for code, glyph in sorted(font.getBestCmap().items()):
        if code <= 0xFFFF:
            lines.append(f"{code:04X}\t{metrics[glyph][0] * scale:.4f}")
    write_if_changed(argv[3], ("\n".join(lines) + "\n").encode("ascii"))


if __name__ == "__main__":
    main(sys.argv)
