#!/usr/bin/env python3
"""Draws the program icon: a framed landscape photo in front of a second slide.

Writes QuilloSlides.ico beside this script with 16, 24, 32, 48 and 256 pixel
images (the largest PNG-compressed, the others as 32-bit bitmaps with alpha).
Only the standard library is used, so the icon can be redrawn on any machine:
    python3 assets/make_app_icon.py [--preview out.png]
"""
import math
import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 24, 32, 48, 256)


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def photo(x, y):
    """The landscape inside the frame, in the frame's unit square."""
    sky = lerp((0.20, 0.50, 0.95), (0.75, 0.90, 1.00), min(y / 0.7, 1.0))
    color = sky
    if (x - 0.70) ** 2 + (y - 0.30) ** 2 <= 0.13 ** 2:
        color = (1.00, 0.82, 0.20)
    mountain = 0.42 + abs(x - 0.32) * 1.1
    if y >= mountain:
        color = (0.30, 0.45, 0.62)
    hill = 0.70 - 0.10 * math.sin(x * math.pi * 1.3 + 0.4)
    if y >= hill:
        color = lerp((0.30, 0.68, 0.25), (0.16, 0.45, 0.15), min((y - hill) / 0.4, 1.0))
    return color


def sample(x, y):
    """RGBA of one point of the icon, both coordinates in [0, 1)."""
    rgba = (0.0, 0.0, 0.0, 0.0)

    def over(color, alpha=1.0):
        nonlocal rgba
        r, g, b, a = rgba
        out_a = alpha + a * (1 - alpha)
        if out_a == 0:
            return
        mix = [(c * alpha + p * a * (1 - alpha)) / out_a for c, p in zip(color, (r, g, b))]
        rgba = (*mix, out_a)

    # The next slide, waiting behind: a white card with a grey edge.
    back = (0.30, 0.06, 0.95, 0.68)
    if inside_rounded(x, y, *back, 0.04):
        edge = not inside_rounded(x, y, back[0] + 0.025, back[1] + 0.025, back[2] - 0.025, back[3] - 0.025, 0.02)
        over((0.55, 0.58, 0.62) if edge else (0.97, 0.97, 0.95))
        if not edge and back[1] + 0.09 <= y <= back[1] + 0.13 and back[0] + 0.10 <= x <= back[2] - 0.10:
            over((0.80, 0.82, 0.86))
    # Soft shadow of the front frame.
    front = (0.04, 0.26, 0.78, 0.94)
    if inside_rounded(x - 0.03, y - 0.03, *front, 0.05):
        over((0.0, 0.0, 0.0), 0.35)
    # The front frame: walnut border, thin white mat, the photo.
    if inside_rounded(x, y, *front, 0.05):
        border = 0.075
        mat = 0.02
        left, top, right, bottom = front
        if not (left + border <= x <= right - border and top + border <= y <= bottom - border):
            shade = 0.85 + 0.15 * (1 - (y - top) / (bottom - top))
            over((0.42 * shade, 0.26 * shade, 0.13 * shade))
        elif not (left + border + mat <= x <= right - border - mat and top + border + mat <= y <= bottom - border - mat):
            over((0.98, 0.97, 0.93))
        else:
            il, it = left + border + mat, top + border + mat
            iw, ih = right - border - mat - il, bottom - border - mat - it
            over(photo((x - il) / iw, (y - it) / ih))
    return rgba


def render(size):
    """Rows of (r, g, b, a) bytes, top row first, supersampled for smooth edges."""
    ss = 4 if size <= 64 else 3
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    r, g, b, a = sample((px + (sx + 0.5) / ss) / size, (py + (sy + 0.5) / ss) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = ss * ss
            alpha = acc[3] / n
            if alpha > 0:
                color = [acc[i] / acc[3] for i in range(3)]
            else:
                color = [0.0, 0.0, 0.0]
            row.append(tuple(int(round(min(max(c, 0.0), 1.0) * 255)) for c in (*color, alpha)))
        rows.append(row)
    return rows


def png(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def dib(rows):
    """A 32-bit icon bitmap: header, BGRA rows bottom-up, then an empty AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_stride * size)


def ico(images):
    count = len(images)
    offset = 6 + 16 * count
    directory = b""
    blobs = b""
    for size, data in images:
        edge = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(data), offset + len(blobs))
        blobs += data
    return struct.pack("<HHH", 0, 1, count) + directory + blobs


def main(argv):
    images = []
    rendered = {}
    for size in SIZES:
        rows = render(size)
        rendered[size] = rows
        images.append((size, png(rows) if size >= 256 else dib(rows)))
    out = Path(__file__).with_name("QuilloSlides.ico")
    out.write_bytes(ico(images))
    if len(argv) == 3 and argv[1] == "--preview":
        Path(argv[2]).write_bytes(png(rendered[256]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
