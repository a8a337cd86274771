#!/usr/bin/env bash
# Regenerates the small seed inputs of the voice fuzz targets from the ALSA test sounds:
#   tests/fuzz/corpus/decodeclip/    short MP3 clips (mono and stereo, 22050 Hz)
#   tests/fuzz/corpus/voicearchive/  small voice archives holding such clips
# Needs sox, lame and python3 (all in tools/debian-packages.txt).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
sounds=/usr/share/sounds/alsa
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
decode="$root/tests/fuzz/corpus/decodeclip"
archive="$root/tests/fuzz/corpus/voicearchive"
mkdir -p "$decode" "$archive"

sox "$sounds/Front_Center.wav" "$work/a.wav" trim 0.3 0.15
sox "$sounds/Rear_Left.wav" "$work/b.wav" trim 0.3 0.1
sox "$sounds/Front_Left.wav" -c 2 "$work/s.wav" trim 0.3 0.1 remix 1 0
lame --quiet -m m --resample 22.05 -b 8 "$work/a.wav" "$decode/mono.mp3"
lame --quiet -m m --resample 22.05 -b 8 "$work/b.wav" "$decode/mono_short.mp3"
lame --quiet -m s --resample 22.05 -b 16 "$work/s.wav" "$decode/stereo.mp3"

python3 - "$decode" "$archive" <<'PY'
import struct, sys
decode, archive = sys.argv[1], sys.argv[2]
def build(clips):
    header = b"PBVOICE fuzz seed".ljust(36, b"\0")
    base = 44 + 12 * len(clips)
    index, data = b"", b""
    for number, payload in clips:
        index += struct.pack("<iII", number, len(data), len(payload))
        data += payload
    return header + struct.pack("<iI", len(clips), base) + index + data
mono = open(f"{decode}/mono.mp3", "rb").read()
short = open(f"{decode}/mono_short.mp3", "rb").read()
open(f"{archive}/two_clips.dat", "wb").write(build([(1, mono), (2, short)]))
open(f"{archive}/empty_index.dat", "wb").write(build([]))
open(f"{archive}/duplicate_numbers.dat", "wb").write(build([(5, short), (5, mono)]))
PY
ls -l "$decode" "$archive"
