# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's two fonts cut down to what it can be asked to draw: the texts of its sources
(forms, C++ strings and escapes) and of Qt's Arabic translations, and whatever a pupil can type
on an Arabic or a Latin keyboard, as whole blocks, so that a box can show any of it before
saying it is not a number. Every glyph these need stays, with the layout features, hinting and
names as they were.

Usage: subset_fonts.py OUTPUT-DIR QM-FILE ARABIC-FONT LATIN-FONT SOURCE...
writes OUTPUT-DIR/arabic.ttf and OUTPUT-DIR/latin.ttf.
"""
import os
import re
import struct
import sys

from fontTools import subset


def block(first, last):
    return {chr(c) for c in range(first, last + 1)}


# What keyboards type. The code pages of the Latin and Arabic keyboards of Windows and the Mac
# (Windows-1252 and -1256, Mac OS Roman and Arabic, ISO 8859-6) hold what their keys and dead
# keys give; the whole blocks below hold theirs and those of the other Western European and
# Arabic-script keyboards. The bidi marks and isolates, ZWJ and ZWNJ are in General
# Punctuation.
CODE_PAGES = ("cp1252", "mac_roman", "cp1256", "mac_arabic", "iso8859_6")
BLOCKS = (
    block(0x0020, 0x007E)  # Basic Latin
    | block(0x00A0, 0x017F)  # Latin-1 Supplement, Latin Extended-A
    | block(0x0600, 0x06FF)  # Arabic: letters of every Arabic-script language, marks, digits
    | block(0x2000, 0x206F)  # General Punctuation
    | block(0x20A0, 0x20CF)  # Currency Symbols
    | block(0xFE70, 0xFEFF)  # Arabic Presentation Forms-B: the lam-alef keys of X11's layouts
    # The keys of X11's Arabic layouts outside those blocks; the ornate parentheses of Windows'
    # Arabic keyboard; the dotted circle HarfBuzz sets a mark on when it was typed alone.
    | set("\u02BC\u076A\u2248\u27E8\u27E9\uFD3E\uFD3F\u25CC")
)


def translations(path):
    """The translated texts of a Qt .qm file."""
    data = open(path, "rb").read()
    texts, at = [], 16  # after the magic number: blocks of tag, length, data
    while at < len(data):
        tag, length = data[at], struct.unpack(">I", data[at + 1:at + 5])[0]
        if tag == 0x69:  # the messages
            texts += messages(data[at + 5:at + 5 + length])
        at += 5 + length
    return texts


def messages(data):
    at = 0
    while at < len(data):
        tag = data[at]
        at += 1
        if tag == 1:  # end of a message
            continue
        if tag == 5:  # a four-byte field of old files
            at += 4
        elif tag in (3, 6, 7, 8):  # translation (UTF-16), source text, context, comment
            length = struct.unpack(">I", data[at:at + 4])[0]
            at += 4
            if length == 0xFFFFFFFF:  # a null translation
                continue
            if tag == 3:
                yield data[at:at + length].decode("utf-16-be")
            at += length
        else:
            raise SystemExit(f"{tag}: a tag of the .qm format this script does not know")


def characters(qm, sources):
    chars = set(BLOCKS)
    for page in CODE_PAGES:
        chars |= set(bytes(range(0x20, 0x100)).decode(page, errors="ignore"))
    for source in sources:
        text = open(source, encoding="utf-8").read()
        chars |= set(text)
        chars |= {chr(int(h, 16)) for h in re.findall(r"\\u([0-9A-Fa-f]{4})", text)}
    for text in translations(qm):
        chars |= set(text)
    return {ord(c) for c in chars if c >= " " and c != "\x7f"}


def cut(path, unicodes, output):
    options = subset.Options(layout_features=["*"], notdef_outline=True, name_IDs=["*"],
                             name_languages=["*"], name_legacy=True,
                             prune_unicode_ranges=False)
    font = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)
    # Again, asking for the glyphs kept, so that each keeps every character the whole font maps
    # to it: FreeType's autohinter hints a glyph by the scripts of those characters, and a
    # ligature or form that only a substitution reaches would otherwise be hinted as Latin.
    kept = font.getGlyphOrder()
    font = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(glyphs=kept, unicodes=unicodes)
    subsetter.subset(font)
    subset.save_font(font, output, options)


def main():
    output, qm, arabic, latin, sources = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], \
        sys.argv[5:]
    unicodes = characters(qm, sources)
    cut(arabic, unicodes, os.path.join(output, "arabic.ttf"))
    cut(latin, unicodes, os.path.join(output, "latin.ttf"))


if __name__ == "__main__":
    main()
