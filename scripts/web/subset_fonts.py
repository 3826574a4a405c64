#!/usr/bin/env python3
"""Cuts Noto Sans CJK to the characters a player of one language can meet,
for the page, which cannot read the machine's fonts and should not fetch a
whole 20 MB face.

  subset_fonts.py [--qt-qm QM --lconvert LCONVERT] LANG GAME.ts FACE.ttc OUT.otf...

The characters: every translation of the game's GAME.ts (plural forms
too); Qt's own texts in the message boxes and dialogs the game shows, from
Qt's catalogue QM (read through lconvert); and printable ASCII, which also
holds every digit, sign and point the game's numbers are written with in
these languages (Qt writes them with Latin digits). Each FACE.ttc is cut
to them in the collection's face for LANG (Japanese, Korean, Simplified
or Traditional Han forms) and written to the OUT.otf after it; the
shaping tables and vertical metrics stay, hinting goes. Fails when a
character has no glyph in the result."""
import argparse
import io
import os
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

# The collection's face for each language, by the family it names, and the
# language's tag in the faces' layout tables.
FACES = {
    "ja": ("Noto Sans CJK JP", "JAN"),
    "ko": ("Noto Sans CJK KR", "KOR"),
    "zh_CN": ("Noto Sans CJK SC", "ZHS"),
    "zh_TW": ("Noto Sans CJK TC", "ZHT"),
}
# The parts of Qt's catalogue that the game's windows show: the buttons of
# message boxes and dialogs and the message boxes' own texts.
QT_CONTEXTS = {"QPlatformTheme", "QMessageBox", "QDialogButtonBox", "QDialog"}


def translations(ts_root, contexts=None):
    """The translated texts of a .ts file, only of `contexts` if given."""
    for context in ts_root.iter("context"):
        if contexts is not None and context.findtext("name") not in contexts:
            continue
        for translation in context.iter("translation"):
            forms = translation.findall("numerusform")
            for element in forms or [translation]:
                yield element.text or ""


def characters(game_ts, qt_qm, lconvert):
    texts = list(translations(ElementTree.parse(game_ts).getroot()))
    if qt_qm:
        ts = subprocess.run([lconvert, "-i", qt_qm, "-of", "ts"], check=True,
                            stdout=subprocess.PIPE).stdout
        texts += translations(ElementTree.parse(io.BytesIO(ts)).getroot(), QT_CONTEXTS)
    wanted = {chr(c) for c in range(0x20, 0x7F)}
    for text in texts:
        # Line breaks and other control characters are not drawn.
        wanted.update(c for c in text if unicodedata.category(c) != "Cc")
    return wanted


def face_index(path, family):
    collection = TTCollection(path, lazy=True)
    for index, face in enumerate(collection.fonts):
        if face["name"].getDebugName(1) == family:
            return index
    sys.exit(f"{path} has no face named {family}")


def cut(path, language, wanted, out):
    family, tag = FACES[language]
    face = TTFont(path, fontNumber=face_index(path, family), lazy=True)
    options = subset.Options()
    options.hinting = False
    options.desubroutinize = True  # smaller still once compressed
    # Each script's default rules and this language's: the other languages'
    # local forms are glyphs no player of this one meets.
    scripts = {record.ScriptTag for table in ("GSUB", "GPOS")
               for record in face[table].table.ScriptList.ScriptRecord}
    options.layout_scripts = [f"{s}.{lang}" for s in scripts for lang in ("dflt", tag)]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in wanted])
    subsetter.subset(face)
    face.save(out)

    mapped = TTFont(out)["cmap"].getBestCmap()
    missing = sorted(c for c in wanted if ord(c) not in mapped)
    if missing:
        os.remove(out)  # so that the build does not take it as made
        listed = " ".join(f"U+{ord(c):04X} {c}" for c in missing)
        sys.exit(f"{out}: no glyph in {family} for {listed}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--qt-qm", help="Qt's catalogue for the language")
    parser.add_argument("--lconvert", default="lconvert")
    parser.add_argument("language", choices=sorted(FACES))
    parser.add_argument("game_ts")
    parser.add_argument("faces", nargs="+", help="FACE.ttc OUT.otf pairs")
    args = parser.parse_args()
    if len(args.faces) % 2:
        parser.error("each face needs the file to write")
    wanted = characters(args.game_ts, args.qt_qm, args.lconvert)
    for path, out in zip(args.faces[::2], args.faces[1::2]):
        cut(path, args.language, wanted, out)


if __name__ == "__main__":
    main()
