#!/usr/bin/env python3
"""Copies a TrueType font with its family name replaced, so that the programs find it under
the face name they ask for ("Courier New", "koreanhm").

Every name record that carries the family (name ids 1, 16, 21), the full name (4), the
PostScript name (6) and the unique id (3) is rewritten for all platforms and languages; the
style name is kept. The glyphs are untouched.

Usage: rename_font.py SOURCE.ttf OUT.ttf FAMILY
"""
import io
import sys

from fontTools.ttLib import TTFont

from datafile import fail, write_if_changed


def rename(font, family):
    names = font["name"]
    style = names.getDebugName(2) or "Regular"
    postscript = (family + "-" + style).replace(" ", "")
    full = family if style == "Regular" else f"{family} {style}"
    replacements = {1: family, 16: family, 21: family, 4: full, 6: postscript, 3: f"{postscript};renamed"}
    for record in names.names:
        if record.nameID in replacements:
            record.string = replacements[record.nameID]
    if names.getDebugName(1) != family:
        names.setName(family, 1, 3, 1, 0x409)


def main(argv):
    if len(argv) != 4:
        fail("rename_font", "usage: rename_font.py SOURCE.ttf OUT.ttf FAMILY")
    try:
        font = TTFont(argv[1])
    except Exception as error:  # fontTools raises several kinds for a bad file
        fail("rename_font", f"cannot read {argv[1]}: {error}")
    rename(font, argv[3])
    out = io.BytesIO()
    font.save(out)
    write_if_changed(argv[2], out.getvalue())


if __name__ == "__main__":
    main(sys.argv)
