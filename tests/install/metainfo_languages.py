#!/usr/bin/python3
"""The metainfo as AppStream's own reader (libappstream) gives it per
language: a translated summary, and a description with every paragraph
translated (AppStream drops a language's description otherwise).

    metainfo_languages.py METAINFO LANGUAGE...
"""
import sys

import gi

gi.require_version("AppStream", "1.0")
from gi.repository import AppStream, Gio  # noqa: E402


def main():
    metadata = AppStream.Metadata()
    metadata.set_locale("ALL")
    metadata.parse_file(Gio.File.new_for_path(sys.argv[1]), AppStream.FormatKind.XML)
    component = metadata.get_component()
    component.set_active_locale("C")
    english = (component.get_summary(), component.get_description())
    paragraphs = english[1].count("<p>")
    failures = 0
    for language in sys.argv[2:]:
        component.set_active_locale(language)
        summary = component.get_summary()
        description = component.get_description() or ""
        for what, text, source in (("summary", summary, english[0]),
                                   ("description", description, english[1])):
            if not text or text == source:
                print(f"{language}: the {what} is not translated")
                failures += 1
        if description.count("<p>") != paragraphs:
            print(f"{language}: {description.count('<p>')} of {paragraphs} paragraphs")
            failures += 1
    print(f"metainfo read in {len(sys.argv) - 2} languages, {failures} faults")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
