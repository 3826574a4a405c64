"""tarnel.exe, its installer or its uninstaller as Windows reads it: a GUI
program for Windows 10 and later (its operating system and subsystem
versions), drawn at the screen's scale where it has a manifest, whose
version record says 1.00.0010, Tarnel and its own names in United States
English, and whose first icon is the 32 x 32 image in 16 colours, with
larger sizes after it.
  check_exe.py EXE INTERNAL_NAME ORIGINAL_FILENAME"""
import re
import struct
import sys

import pefile

pe = pefile.PE(sys.argv[1])
failures = []
if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
    failures.append("not a GUI program: it would open a console window")
header = pe.OPTIONAL_HEADER
for name in "Subsystem", "OperatingSystem":
    version = (getattr(header, f"Major{name}Version"), getattr(header, f"Minor{name}Version"))
    if version != (10, 0):
        failures.append(f"{name} version {version}: older Windows than 10 would start it")

expected = {b"FileVersion": b"1.00.0010", b"ProductVersion": b"1.00.0010",
            b"ProductName": b"Tarnel", b"InternalName": sys.argv[2].encode(),
            b"OriginalFilename": sys.argv[3].encode()}
strings, languages = {}, []
for info in getattr(pe, "FileInfo", [[]])[0]:
    for table in getattr(info, "StringTable", []):
        languages.append(table.LangID)
        strings.update(table.entries)
    for var in getattr(info, "Var", []):
        languages.append(var.entry)
for key, value in expected.items():
    if strings.get(key) != value:
        failures.append(f"{key.decode()} is {strings.get(key)!r}, not {value!r}")
if b"040904b0" not in languages:
    failures.append(f"no United States English record: {languages}")

# Without a declared DPI awareness Windows stretches the windows' pixels
# on a high-DPI screen.
resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
for entry in resources.entries if resources else []:
    if entry.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
        data = entry.directory.entries[0].directory.entries[0].data.struct
        manifest = pe.get_data(data.OffsetToData, data.Size)
        if not re.search(rb"<dpiAware(ness)?\b[^>]*>\s*(true|system|permonitor)", manifest, re.I):
            failures.append("a manifest that declares no DPI awareness")

# The first icon group: its first image 32 x 32 in 16 colours, and the
# larger sizes the desktop shows (256 x 256 is listed as 0 x 0).
for entry in resources.entries if resources else []:
    if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
        data = entry.directory.entries[0].directory.entries[0].data.struct
        group = pe.get_data(data.OffsetToData, data.Size)
        images = [struct.unpack_from("<BBB", group, 6 + 14 * i)
                  for i in range(struct.unpack_from("<H", group, 4)[0])]
        if images[0] != (32, 32, 16):
            failures.append(f"first icon {images[0]}: width, height, colours")
        sizes = {width or 256 for width, _, _ in images}
        if not {64, 256} <= sizes:
            failures.append(f"icon sizes {sorted(sizes)}: no 64 or 256")
        break
else:
    failures.append("no icon")

print("\n".join(failures) if failures else "header, manifest, version record and icon as they should be")
sys.exit(1 if failures else 0)
