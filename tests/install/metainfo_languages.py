#!/usr/bin/python3
"""Each LANGUAGE as AppStream's own reader gives the metainfo: a translated
summary and description, every paragraph of it translated (AppStream drops
a language's description otherwise).   metainfo_languages.py METAINFO LANGUAGE..."""
import sys

import gi

gi.require_version("AppStream", "1.0")
from gi.repository import AppStream, Gio  # noqa: E402

metadata = AppStream.Metadata()
metadata.set_locale("ALL")
metadata.parse_file(Gio.File.new_for_path(sys.argv[1]), AppStream.FormatKind.XML)
component = metadata.get_component()
component.set_active_locale("C")
english = (component.get_summary(), component.get_description())
faults = []
for language in sys.argv[2:]:
    component.set_active_locale(language)
    texts = (component.get_summary(), component.get_description() or "")
    if texts[0] == english[0] or texts[1] == english[1] or \
            texts[1].count("<p>") != english[1].count("<p>"):
        faults.append(language)
print(f"metainfo read in {len(sys.argv) - 2} languages; not wholly translated: {faults or 'none'}")
sys.exit(1 if faults else 0)
