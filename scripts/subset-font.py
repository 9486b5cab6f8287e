#!/usr/bin/python3
"""Writes a copy of a font cut down to the characters of the alphabets the program writes
in, for the web build, whose fonts are downloaded with the program:

    scripts/subset-font.py FONT OUTPUT

Kept: Latin with its Western and Central European letters, Greek, punctuation, super- and
subscripts, letter-like symbols, arrows and mathematical operators. Fails where a character
of the program's own texts (the question bank and the window layouts) would be lost.
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

RANGES = [(0x20, 0x7E), (0xA0, 0x17F), (0x370, 0x3FF), (0x2000, 0x206F), (0x2070, 0x209F),
          (0x20AC, 0x20AC), (0x2100, 0x214F), (0x2190, 0x21FF), (0x2200, 0x22FF),
          (0xFFFD, 0xFFFD)]
SOURCE = pathlib.Path(__file__).resolve().parent.parent
TEXTS = ["test/QuestionBank.cpp", "app/*.ui", "windows/*.ui"]


def program_characters():
    characters = set()
    for pattern in TEXTS:
        for path in SOURCE.glob(pattern):
            characters |= {c for c in path.read_text(encoding="utf-8") if c.isprintable()}
    return characters


def main():
    font_path, output = sys.argv[1], pathlib.Path(sys.argv[2])
    wanted = {code for first, last in RANGES for code in range(first, last + 1)}
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]  # FontForge's time stamps, which it cannot cut down
    font = TTFont(font_path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=wanted)
    subsetter.subset(font)
    kept = set(font.getBestCmap())
    had = set(TTFont(font_path).getBestCmap())
    lost = sorted(c for c in program_characters() if ord(c) in had and ord(c) not in kept)
    if lost:
        sys.exit(f"error: cutting down {font_path} would lose {''.join(lost)!r}")
    output.parent.mkdir(parents=True, exist_ok=True)
    font.save(output)


if __name__ == "__main__":
    main()
