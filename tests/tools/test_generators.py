"""Tests of the Python data generators: tone numbers for the speech engine, the PinYin table's
reading order and the readings it adds, the romaji table's refusals, and the glyph font layout."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATORS = os.path.join(HERE, "..", "..", "tools", "generators")
sys.path.insert(0, GENERATORS)

import build_voice  # noqa: E402
import make_glyph_font  # noqa: E402
import make_pinyin_pool  # noqa: E402


class ToneNumbers(unittest.TestCase):
    def test_marks_become_numbers_and_neutral_tone_is_five(self):
        cases = [
            ("nǐ hǎo ma", "ni3 hao3 ma5"),
            ("Nǐ hǎo!", "ni3 hao3"),
            ("nǚ lǜ lüè", "nü3 lü4 lüe4"),
            ("xiè xie", "xie4 xie5"),
            ("ér", "er2"),
        ]
        for text, expected in cases:
            self.assertEqual(build_voice.pinyin_to_numbers(text), expected, text)


class PinyinPool(unittest.TestCase):
    UNIHAN = (
        "U+597D\tkMandarin\thǎo\n"
        "U+597D\tkHanyuPinyin\t10001.010:hǎo,hào\n"
        "U+8C22\tkMandarin\txiè\n"
        "U+884C\tkMandarin\txíng\n"
        "U+884C\tkXHC1983\t0442.080:háng 1290.030:xíng\n"
    )

    def build(self, needed):
        with tempfile.TemporaryDirectory() as folder:
            unihan = os.path.join(folder, "readings.txt")
            with open(unihan, "w", encoding="utf-8") as out:
                out.write(self.UNIHAN)
            need = os.path.join(folder, "needed.tsv")
            with open(need, "w", encoding="utf-8") as out:
                out.write("".join(f"{c}\t{s}\n" for c, s in needed))
            target = os.path.join(folder, "py_pool.dat")
            subprocess.run([sys.executable, os.path.join(GENERATORS, "make_pinyin_pool.py"), target, unihan, need],
                           check=True)
            with open(target, "rb") as data:
                raw = data.read()
        syllables, entries = struct.unpack_from("<HH", raw)
        names = [raw[4 + 14 * i:18 + 14 * i].decode("utf-16-le").rstrip("\0") for i in range(syllables)]
        readings = {}
        for i in range(entries):
            code, number = struct.unpack_from("<HH", raw, 4 + 14 * syllables + 4 * i)
            readings.setdefault(chr(code), []).append(names[number - 1])
        return readings

    def test_usual_reading_first_and_only_neutral_forms_added(self):
        readings = self.build([("谢", "xie"), ("行", "hang"), ("好", "hāo")])
        self.assertEqual(readings["好"], ["hǎo", "hào"])          # hāo is no reading of 好: left out
        self.assertEqual(readings["谢"], ["xiè", "xie"])          # neutral tone of xiè: added
        self.assertEqual(readings["行"], ["xíng", "háng", "hang"])


class RomajiTable(unittest.TestCase):
    def run_tool(self, text):
        with tempfile.TemporaryDirectory() as folder:
            source = os.path.join(folder, "Romaji.tab")
            with open(source, "w", encoding="utf-8") as out:
                out.write(text)
            target = os.path.join(folder, "out.tab")
            done = subprocess.run([sys.executable, os.path.join(GENERATORS, "make_romaji_tab.py"), source, target],
                                  capture_output=True, text=True)
            data = open(target, "rb").read() if done.returncode == 0 else b""
        return done.returncode, done.stderr, data

    def test_joins_entries_without_line_breaks(self):
        code, _, data = self.run_tool("# comment\nか=ka\nきょ=kyo\n")
        self.assertEqual(code, 0)
        self.assertEqual(data.decode("utf-16-le"), "か=ka;きょ=kyo;")

    def test_refuses_what_the_programs_cannot_hold(self):
        cases = [
            ("かき=x\n", "not one kana"),
            ("か=kaaa\n", "1 to 3 units"),
            ("か=\n", "1 to 3 units"),
            ("か=ka\nか=ga\n", "already given"),
            ("A=a\n", "outside the units"),
            ("か\n", "expected KEY=VALUE"),
        ]
        for text, message in cases:
            code, err, _ = self.run_tool(text)
            self.assertEqual(code, 1, text)
            self.assertIn(message, err, text)


class GlyphFont(unittest.TestCase):
    def test_half_width_glyphs_are_centred_and_missing_codes_share_the_blank(self):
        glyphs = {0x41: make_glyph_font.glyph_from_hex("FF" * 16)}
        index, data = make_glyph_font.build(glyphs)
        first1, last1, first2, last2 = struct.unpack_from("<4H", index)
        self.assertEqual((first1, last1, first2, last2), (0x20, 0x9FFF, 0xFF00, 0xFFEF))
        offset_a = struct.unpack_from("<I", index, 8 + 4 * (0x41 - 0x20))[0]
        offset_b = struct.unpack_from("<I", index, 8 + 4 * (0x42 - 0x20))[0]
        offset_ff01 = struct.unpack_from("<I", index, 8 + 4 * (0x9FFF - 0x20 + 1) + 4)[0]
        self.assertEqual(offset_b, 0)
        self.assertEqual(offset_ff01, 0)
        self.assertEqual(data[offset_a:offset_a + 2], bytes((0x0F, 0xF0)))   # 8 pixels in the middle
        self.assertEqual(data[0:32], bytes(32))


if __name__ == "__main__":
    unittest.main()
