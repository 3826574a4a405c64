#!/usr/bin/env python3
"""Draws Tarnel's program icon and writes it as XPM (the source kept in the
repository) and as a Windows .ico of the same 32 x 32, 16-colour image.

    python3 tools/make_icon.py
"""
import math
import pathlib
import struct
import zlib

SIZE = 32
# The 16-colour palette the icon uses.
PALETTE = {
    'k': (0x00, 0x00, 0x00),  # black outline
    'r': (0xFF, 0x00, 0x00),  # bright red frame
    'w': (0xFF, 0xFF, 0xFF),  # white background
    's': (0xC0, 0xC0, 0xC0),  # silver background
    'g': (0x80, 0x80, 0x80),  # grey shadow
    'b': (0x00, 0x00, 0xFF),  # sea
    'n': (0x00, 0x00, 0x80),  # deep sea
    'o': (0x80, 0x80, 0x00),  # olive land
    'e': (0x00, 0x80, 0x00),  # green land
    'c': (0x00, 0xFF, 0xFF),  # highlight on the sea
    'm': (0x80, 0x00, 0x00),
    'p': (0x80, 0x00, 0x80),
    't': (0x00, 0x80, 0x80),
    'l': (0x00, 0xFF, 0x00),
    'y': (0xFF, 0xFF, 0x00),
    'f': (0xFF, 0x00, 0xFF),
}
ORDER = list(PALETTE)


def land(x, y):
    """Continents as a few ellipses on the globe's face."""
    blobs = [(11, 10, 4, 3), (9, 16, 2, 4), (20, 12, 3, 4), (19, 21, 4, 2), (13, 23, 1, 1)]
    return any(((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1 for cx, cy, rx, ry in blobs)


def draw():
    rows = []
    centre = 15.5
    radius = 12.5
    for y in range(SIZE):
        row = ''
        for x in range(SIZE):
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                row += 'r'
                continue
            d = math.hypot(x - centre, y - centre)
            if d <= radius - 1:
                if land(x, y):
                    row += 'e' if (x + y) % 5 == 0 else 'o'
                elif d > radius - 3 and x + y > 2 * centre:
                    row += 'n'
                elif (x - 10) ** 2 + (y - 8) ** 2 <= 4:
                    row += 'c'
                else:
                    row += 'b'
            elif d <= radius:
                row += 'k'
            elif d <= radius + 1.5 and x + y > 2 * centre:
                row += 'g'  # the globe's shadow
            else:
                # White in the upper left, silver below the diagonal.
                row += 'w' if x + y < SIZE - 2 else 's'
        rows.append(row)
    return rows


def write_xpm(rows, path):
    lines = ['/* XPM */', 'static const char* const tarnel_xpm[] = {',
             f'"{SIZE} {SIZE} {len(PALETTE)} 1",']
    for key in ORDER:
        r, g, b = PALETTE[key]
        lines.append(f'"{key} c #{r:02X}{g:02X}{b:02X}",')
    for i, row in enumerate(rows):
        lines.append(f'"{row}"' + (',' if i < len(rows) - 1 else ''))
    lines.append('};')
    path.write_text('\n'.join(lines) + '\n')


def write_ico(rows, path):
    # One 32 x 32 image, 4 bits per pixel, bottom-up, with an empty AND mask.
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE.values())
    pixels = b''
    for row in reversed(rows):
        indices = [ORDER.index(ch) for ch in row]
        pixels += bytes((indices[i] << 4) | indices[i + 1] for i in range(0, SIZE, 2))
    mask = bytes(SIZE * 4)  # 32 bits per row, all opaque
    image = header + palette + pixels + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    path.write_bytes(directory + entry + image)


def write_png(rows, factor, path):
    """The icon scaled up by a whole factor, each pixel a solid square."""
    size = SIZE * factor
    raw = b''
    for row in rows:
        line = b''.join(bytes(PALETTE[ch]) * factor for ch in row)
        raw += (b'\x00' + line) * factor

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    png = (b'\x89PNG\r\n\x1a\n' +
           chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 2, 0, 0, 0)) +
           chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
    path.write_bytes(png)


if __name__ == '__main__':
    here = pathlib.Path(__file__).resolve().parent.parent / 'src' / 'ui' / 'icons'
    icon = draw()
    write_xpm(icon, here / 'tarnel.xpm')
    write_ico(icon, here / 'tarnel.ico')
    # The desktop's icon theme: 32 x 32 and whole multiples of it.
    data = here.parent.parent.parent / 'data' / 'icons'
    for factor in (1, 2, 4, 8):
        write_png(icon, factor, data / f'{SIZE * factor}.png')
    # The web page's, for its manifest: 192 and 512 pixels.
    for factor in (6, 16):
        write_png(icon, factor, data.parent / 'web' / f'icon-{SIZE * factor}.png')
