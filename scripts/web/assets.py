#!/usr/bin/env python3
"""The files the page carries for its languages, cut to what the game shows.

  assets.py faces [--ts GAME.ts]... [--qt-qm QM]... [--lconvert LCONVERT]
                  [--language LANG] [--beside-latin] FACE OUT [FACE OUT]...
  assets.py catalogue --lconvert LCONVERT QM OUT

faces: cuts each FACE to the characters a player can meet (every source
text and translation of each GAME.ts, plural forms too; Qt's own texts in
the message boxes and dialogs the game shows and the "Ctrl" of its menus,
from each Qt catalogue QM;
and printable ASCII, which holds every digit, sign and point the game's
numbers are written with) and writes it to the OUT after it. A collection
(.ttc) needs LANG: its face for that language is taken (Japanese, Korean,
Simplified or Traditional Han forms) with that language's layout rules.
The shaping tables and vertical metrics stay; so does the hinting of a
TrueType face. Fails when a
character has no glyph in the result. With --beside-latin the faces draw
one script beside the program's Latin faces, which hold printable ASCII:
each keeps the characters it has, and fails only for another one it lacks.

catalogue: Qt's catalogue QM cut to the parts the game's windows show, as
a catalogue again (a few kB of Qt's fifty).

  assets.py loader GAME.ts... OUT

loader: what the page says before the program runs or after it ended
(the game's "PageLoader" texts, and that the game has ended), in every language of the GAME.ts files, written to
OUT as a script that sets tarnelLoaderTexts: for each language, its
direction and each English text's translation."""
import argparse
import io
import json
import os
import subprocess
import sys
import tempfile
import unicodedata
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

# A collection's face for each language, by the family it names, and the
# language's tag in the faces' layout tables.
COLLECTION_FACES = {
    "ja": ("Noto Sans CJK JP", "JAN"),
    "ko": ("Noto Sans CJK KR", "KOR"),
    "zh_CN": ("Noto Sans CJK SC", "ZHS"),
    "zh_TW": ("Noto Sans CJK TC", "ZHT"),
}
# The parts of Qt's catalogue that the game's windows show: the buttons of
# message boxes and dialogs, the message boxes' own texts, the names of
# keys in the menus' shortcuts, and the direction a language is written in.
QT_CONTEXTS = {"QPlatformTheme", "QMessageBox", "QDialogButtonBox", "QDialog", "QShortcut",
               "QGuiApplication"}
# Of those, the texts drawn: all but the keys' names, of which the menus
# show one ("Ctrl+N").
QT_DRAWN = {"QPlatformTheme": None, "QMessageBox": None, "QDialogButtonBox": None,
            "QDialog": None, "QShortcut": {"Ctrl"}}


def qt_ts(qm, lconvert):
    """Qt's catalogue as the root of a .ts document."""
    ts = subprocess.run([lconvert, "-i", qm, "-of", "ts"], check=True,
                        stdout=subprocess.PIPE).stdout
    return ElementTree.parse(io.BytesIO(ts)).getroot()


def texts(ts_root, drawn=None):
    """The source texts and translations of a .ts file; if `drawn` is given,
    only of its contexts, and of a context's listed sources where it lists
    any."""
    for context in ts_root.iter("context"):
        name = context.findtext("name")
        if drawn is not None and name not in drawn:
            continue
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            if drawn is not None and drawn[name] is not None and source not in drawn[name]:
                continue
            yield source
            translation = message.find("translation")
            if translation is not None:
                forms = translation.findall("numerusform")
                for element in forms or [translation]:
                    yield element.text or ""


def characters(game_ts, qt_qms, lconvert):
    found = []
    for ts in game_ts:
        found += texts(ElementTree.parse(ts).getroot())
    for qm in qt_qms:
        found += texts(qt_ts(qm, lconvert), QT_DRAWN)
    wanted = {chr(c) for c in range(0x20, 0x7F)}
    for text in found:
        # Line breaks and other control characters are not drawn.
        wanted.update(c for c in text if unicodedata.category(c) != "Cc")
    return wanted


def open_face(path, language):
    """The face to cut, and the language tags whose layout rules stay."""
    if not path.endswith(".ttc"):
        return TTFont(path, lazy=True), None
    if language not in COLLECTION_FACES:
        sys.exit(f"{path} is a collection: which face is named by --language "
                 f"({', '.join(sorted(COLLECTION_FACES))})")
    family, tag = COLLECTION_FACES[language]
    collection = TTCollection(path, lazy=True)
    for index, face in enumerate(collection.fonts):
        if face["name"].getDebugName(1) == family:
            return TTFont(path, fontNumber=index, lazy=True), tag
    sys.exit(f"{path} has no face named {family}")


def cut(path, language, wanted, out, beside_latin=False):
    face, tag = open_face(path, language)
    if beside_latin:
        own = face.getBestCmap()
        printable_ascii = {chr(c) for c in range(0x20, 0x7F)}
        wanted = {c for c in wanted if ord(c) in own or c not in printable_ascii}
    options = subset.Options()
    # A TrueType face keeps its hinting, so that the page draws its letters
    # and measures its words as before the cut; the Han collections' CFF
    # faces go without.
    options.hinting = tag is None
    options.desubroutinize = True  # smaller still once compressed
    options.name_IDs = [1, 2, 4, 6]  # the family and style the game asks for
    if tag:
        # Each script's default rules and this language's: the other
        # languages' local forms are glyphs no player of this one meets.
        scripts = {record.ScriptTag for table in ("GSUB", "GPOS") if table in face
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
        sys.exit(f"{out}: no glyph in {os.path.basename(path)} for {listed}")


def cut_catalogue(qm, lconvert, out):
    root = qt_ts(qm, lconvert)
    for context in list(root.iter("context")):
        if context.findtext("name") not in QT_CONTEXTS:
            root.remove(context)
    with tempfile.NamedTemporaryFile("wb", suffix=".ts", delete=False) as ts:
        ts.write(ElementTree.tostring(root, encoding="utf-8", xml_declaration=True))
    try:
        subprocess.run([lconvert, "-i", ts.name, "-o", out], check=True)
    finally:
        os.remove(ts.name)


# Said by the game once it has ended, and by the page when the program ends
# before the game could say it.
ENDED = {("GameTexts", "The game has ended."), ("GameTexts", "Play again")}


def loader_texts(ts_files, out):
    languages = {}
    for path in ts_files:
        root = ElementTree.parse(path).getroot()
        language = os.path.basename(path)[len("tarnel_"):-len(".ts")]
        words = {}
        for context in root.iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                if name != "PageLoader" and (name, message.findtext("source")) not in ENDED:
                    continue
                translation = message.find("translation")
                if translation.get("type") not in ("unfinished", "vanished", "obsolete"):
                    words[message.findtext("source")] = translation.text or ""
        # The direction of the first strong letter of its texts.
        strong = [unicodedata.bidirectional(c) for text in words.values() for c in text]
        strong = [kind for kind in strong if kind in ("L", "R", "AL")]
        direction = "rtl" if strong and strong[0] in ("R", "AL") else "ltr"
        languages[language] = {"dir": direction, "texts": words}
    with open(out, "w", encoding="utf-8") as script:
        script.write("// Written by scripts/web/assets.py loader from the game's translations.\n")
        script.write("self.tarnelLoaderTexts = ")
        json.dump(languages, script, ensure_ascii=False, sort_keys=True, indent=0)
        script.write(";\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    faces = commands.add_parser("faces")
    faces.add_argument("--ts", action="append", default=[], help="the game's texts")
    faces.add_argument("--qt-qm", action="append", default=[], help="a Qt catalogue")
    faces.add_argument("--lconvert", default="lconvert")
    faces.add_argument("--language", help="the face of a collection")
    faces.add_argument("--beside-latin", action="store_true",
                       help="a script's faces, used beside the Latin ones")
    faces.add_argument("faces", nargs="+", help="FACE OUT pairs")
    catalogue = commands.add_parser("catalogue")
    catalogue.add_argument("--lconvert", default="lconvert")
    catalogue.add_argument("qm")
    catalogue.add_argument("out")
    loader = commands.add_parser("loader")
    loader.add_argument("ts", nargs="+")
    loader.add_argument("out")
    args = parser.parse_args()
    if args.command == "loader":
        loader_texts(args.ts, args.out)
        return
    if args.command == "catalogue":
        cut_catalogue(args.qm, args.lconvert, args.out)
        return
    if len(args.faces) % 2:
        parser.error("each face needs the file to write")
    wanted = characters(args.ts, args.qt_qm, args.lconvert)
    for path, out in zip(args.faces[::2], args.faces[1::2]):
        cut(path, args.language, wanted, out, args.beside_latin)


if __name__ == "__main__":
    main()
