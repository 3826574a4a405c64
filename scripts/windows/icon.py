#!/usr/bin/env python3
"""Makes the executable's icon: the images of BASE.ico first, as they are
(the 32 x 32 drawing in 16 colours), then each PNG as a PNG image, which
Windows reads for the larger sizes its desktop shows (a 256 x 256 image is
listed as 0 x 0, as the format has it).   icon.py OUT.ico BASE.ico PNG..."""
import struct
import sys

out, base, pngs = sys.argv[1], sys.argv[2], sys.argv[3:]
with open(base, "rb") as f:
    data = f.read()
reserved, kind, count = struct.unpack_from("<HHH", data)
if reserved != 0 or kind != 1:
    sys.exit(f"{base} is not an icon")
entries = []  # (directory entry without its offset, image)
for i in range(count):
    *fields, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
    entries.append((struct.pack("<BBBBHHI", *fields, size), data[offset:offset + size]))
for png in pngs:
    with open(png, "rb") as f:
        image = f.read()
    if image[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{png} is not a PNG")
    width, height, depth, colour = struct.unpack_from(">IIBB", image, 16)
    if width > 256 or height > 256:
        sys.exit(f"{png} is larger than 256 x 256")
    bits = depth * {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    entries.append((struct.pack("<BBBBHHI", width % 256, height % 256, 0, 0, 1, bits,
                                len(image)), image))
offset = 6 + 16 * len(entries)
with open(out, "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, len(entries)))
    for entry, image in entries:
        f.write(entry + struct.pack("<I", offset))
        offset += len(image)
    for _, image in entries:
        f.write(image)
