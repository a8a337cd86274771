#!/usr/bin/env python3
"""Builds an edition's voice archive: every line of the speech list spoken by espeak-ng,
encoded by lame as mono 22,050 Hz MP3, packed into one archive.

Archive layout (little-endian), as the programs' archive reader expects it:
   0   8   signature "PBVOICE\\0"
   8   4   format version (1)
  12   4   sample rate of every clip (22050)
  16   2   channels (1)
  18   2   bits per sample after decoding (16)
  20   8   voice name, ASCII, zero-padded (for people looking at the file)
  28   8   zero
  36   4   entry count N (signed)
  40   4   data base offset B = 44 + 12 N
  44  12N  index: clip number, offset from B, length in bytes (unsigned each)
   B  ...  the clips, in index order, back to back
Clip numbers are the phrase ids of the speech list, so they stay the same when phrases are
added or removed.

Speaking is slow next to everything else in the build, so each clip is kept in a cache outside
the source tree, keyed by everything that shapes it (voice, text, engine and encoder versions
and settings). Only clips whose key is new are spoken; the cache is never needed for a correct
archive, only for a fast one. Up to JOBS clips are made at once.

Usage: build_voice.py --voice VOICE --speech LIST --out voice.dat [--pinyin] [--jobs N] [--cache DIR]
  --pinyin   the texts are PinYin with tone marks; they are spoken as tone numbers
             (ni3 hao3), the form the cmn-latn-pinyin voice reads.
"""
import argparse
import concurrent.futures
import hashlib
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unicodedata

from datafile import fail, write_if_changed

SIGNATURE = b"PBVOICE\0"
FORMAT_VERSION = 1
SAMPLE_RATE = 22050
LAME_ARGS = ["--quiet", "-m", "m", "--resample", "22.05", "-b", "32"]
PIPELINE_VERSION = "1"

TONES = {
    "ā": ("a", 1), "á": ("a", 2), "ǎ": ("a", 3), "à": ("a", 4),
    "ē": ("e", 1), "é": ("e", 2), "ě": ("e", 3), "è": ("e", 4),
    "ī": ("i", 1), "í": ("i", 2), "ǐ": ("i", 3), "ì": ("i", 4),
    "ō": ("o", 1), "ó": ("o", 2), "ǒ": ("o", 3), "ò": ("o", 4),
    "ū": ("u", 1), "ú": ("u", 2), "ǔ": ("u", 3), "ù": ("u", 4),
    "ǖ": ("ü", 1), "ǘ": ("ü", 2), "ǚ": ("ü", 3), "ǜ": ("ü", 4),
    "ń": ("n", 2), "ň": ("n", 3), "ǹ": ("n", 4), "ḿ": ("m", 2),
}


def pinyin_to_numbers(text):
    """'nǐ hǎo ma' -> 'ni3 hao3 ma5'. Characters that are not letters end a syllable."""
    out = []
    for word in unicodedata.normalize("NFC", text).lower().split():
        letters = []
        tone = 5
        for ch in word:
            if ch in TONES:
                base, tone = TONES[ch]
                letters.append(base)
            elif ch.isalpha():
                letters.append(ch)
        if letters:
            out.append("".join(letters) + str(tone))
    return " ".join(out)


def tool_version(command):
    try:
        done = subprocess.run(command, capture_output=True, text=True, check=False)
    except OSError as error:
        fail("build_voice", f"cannot run {command[0]}: {error}")
    return (done.stdout or done.stderr).splitlines()[0] if (done.stdout or done.stderr) else command[0]


def read_speech_list(path):
    clips = []
    seen = set()
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            clip_text, _, text = line.partition("\t")
            try:
                clip = int(clip_text)
            except ValueError:
                fail("build_voice", f"{path}:{number}: the clip number is not an integer")
            if clip in seen:
                continue  # the first entry of a number is the one the programs would find
            seen.add(clip)
            clips.append((clip, text))
    return clips


def speak(voice, text, target):
    """Speaks `text` into the MP3 file `target` (written whole or not at all)."""
    folder = os.path.dirname(target)
    os.makedirs(folder, exist_ok=True)
    fd, partial = tempfile.mkstemp(dir=folder, prefix=".partial-", suffix=".mp3")
    os.close(fd)
    try:
        espeak = subprocess.Popen(["espeak-ng", "-v", voice, "--stdin", "--stdout"],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        lame = subprocess.Popen(["lame", *LAME_ARGS, "-", partial], stdin=espeak.stdout,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        espeak.stdout.close()
        espeak.stdin.write(text.encode("utf-8"))
        espeak.stdin.close()
        lame_err = lame.communicate()[1]
        espeak_err = espeak.stderr.read()
        espeak.wait()
        if espeak.returncode != 0 or lame.returncode != 0 or os.path.getsize(partial) == 0:
            raise RuntimeError(f"speaking {text!r} failed: {espeak_err.decode(errors='replace')}"
                               f"{lame_err.decode(errors='replace')}")
        os.replace(partial, target)
    finally:
        if os.path.exists(partial):
            os.unlink(partial)


class Progress:
    """One progress line, rewritten in place on a terminal, every tenth on a log."""

    def __init__(self, label, total):
        self.label, self.total, self.done, self.spoken = label, total, 0, 0
        self.tty = sys.stderr.isatty()
        self.last_tenth = -1
        self.started = time.monotonic()

    def step(self, spoken):
        self.done += 1
        self.spoken += spoken
        tenth = self.done * 10 // max(self.total, 1)
        if self.tty or tenth != self.last_tenth or self.done == self.total:
            self.last_tenth = tenth
            line = (f"{self.label}: {self.done}/{self.total} clips, {self.spoken} spoken, "
                    f"{time.monotonic() - self.started:.0f} s")
            print(("\r" + line) if self.tty else line, end="" if self.tty else "\n",
                  file=sys.stderr, flush=True)

    def finish(self):
        if self.tty:
            print(file=sys.stderr)


def pack(clips):
    count = len(clips)
    base = 44 + 12 * count
    header = bytearray(36)
    header[0:8] = SIGNATURE
    struct.pack_into("<IIHH", header, 8, FORMAT_VERSION, SAMPLE_RATE, 1, 16)
    index = bytearray()
    data = bytearray()
    for clip, mp3 in clips:
        index += struct.pack("<iII", clip, len(data), len(mp3))
        data += mp3
    return bytes(header) + struct.pack("<iI", count, base) + bytes(index) + bytes(data), header


def main():
    parser = argparse.ArgumentParser(description="Builds a voice archive with espeak-ng and lame.")
    parser.add_argument("--voice", required=True)
    parser.add_argument("--speech", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--pinyin", action="store_true")
    parser.add_argument("--jobs", type=int, default=2)
    default_cache = os.path.join(os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache"),
                                 "phrasebook-voice")
    parser.add_argument("--cache", default=default_cache)
    args = parser.parse_args()
    for program in ("espeak-ng", "lame"):
        if shutil.which(program) is None:
            fail("build_voice", f"{program} is not installed (tools/setup.sh installs it)")

    versions = "\n".join([tool_version(["espeak-ng", "--version"]), tool_version(["lame", "--version"]),
                          " ".join(LAME_ARGS), PIPELINE_VERSION])
    clips = read_speech_list(args.speech)
    jobs = []
    for clip, text in clips:
        spoken = pinyin_to_numbers(text) if args.pinyin else text
        key = hashlib.sha256(f"{args.voice}\n{spoken}\n{versions}".encode("utf-8")).hexdigest()
        jobs.append((clip, spoken, os.path.join(args.cache, key[:2], key + ".mp3")))

    progress = Progress(f"voice {os.path.basename(os.path.dirname(os.path.abspath(args.out)))}", len(jobs))

    def make(job):
        clip, spoken, path = job
        if os.path.exists(path) and os.path.getsize(path) > 0:
            return 0
        speak(args.voice, spoken, path)
        return 1

    try:
        with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
            for spoken in pool.map(make, jobs):
                progress.step(spoken)
    except (OSError, RuntimeError) as error:
        progress.finish()
        fail("build_voice", str(error))
    progress.finish()

    packed = []
    for clip, _, path in jobs:
        with open(path, "rb") as mp3:
            packed.append((clip, mp3.read()))
    archive, header = pack(packed)
    voice_name = args.voice.encode("ascii", "replace")[:8]
    archive = archive[:20] + voice_name + bytes(8 - len(voice_name)) + archive[28:]
    write_if_changed(args.out, archive)


if __name__ == "__main__":
    main()
