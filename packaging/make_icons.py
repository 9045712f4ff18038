#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the application icon: quorvane.ico, quorvane.svg and icons/quorvane-SIZE.png.

The picture: a window holding the four octet boxes of an address with dots
between them, a mask bar split into network and host bits, and the lines of the
subnet list. The .ico carries 32x32 in 2 colours, 32x32 in 16 colours and 16x16
in 16 colours, drawn pixel by pixel; those two 16-colour drawings are also the
16 and 32 px PNGs. Every other size is laid out for itself on whole pixels, so
its edges stay sharp, and the SVG is the 256 px layout.
The build uses the files this writes and needs no Python. Run from anywhere; the
files land beside this script.
"""
import math
import os
import struct
import zlib

# The standard 16-colour palette.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, LIME, YELLOW, AQUA, WHITE = 0, 4, 7, 10, 11, 14, 15
CLEAR = None


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def fill(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def body(img, x0, y0, x1, y1, fill_colour):
    """A window body with a black border and cut corners."""
    fill(img, x0, y0, x1, y1, BLACK)
    fill(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill_colour)
    for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
        img[y][x] = CLEAR


def draw32(colours):
    """colours: dict of role -> palette index, so one drawing serves both depths."""
    img = canvas(32)
    body(img, 1, 2, 30, 29, colours["body"])
    for i in range(4):
        x = 3 + 7 * i
        fill(img, x, 6, x + 4, 12, colours["box"])
        if i < 3:
            fill(img, x + 5, 11, x + 6, 12, colours["dot"])
    fill(img, 3, 17, 20, 20, colours["network"])
    for x in range(21, 29):
        for y in range(17, 21):
            img[y][x] = colours["host"] if (x + y) % 2 or not colours["checker"] else colours["body"]
    for y in (24, 27):
        for x in range(3, 29):
            if x % 4 != 2:
                img[y][x] = colours["list"]
    return img


def draw16():
    img = canvas(16)
    body(img, 0, 1, 14, 14, NAVY)
    for i in range(4):
        x = 2 + 3 * i
        fill(img, x, 4, x + 1, 6, WHITE)
    fill(img, 2, 9, 9, 10, LIME)
    fill(img, 10, 9, 12, 10, YELLOW)
    for x in range(2, 13):
        if x % 3 != 1:
            img[12][x] = SILVER
    return img


COLOUR16 = {"body": NAVY, "box": WHITE, "dot": AQUA, "network": LIME, "host": YELLOW,
            "list": SILVER, "checker": False}
# In two colours (0 black, 1 white) the dots would merge with the boxes, so they
# are left out, and the host bits are a checker pattern.
COLOUR2 = {"body": 0, "box": 1, "dot": 0, "network": 1, "host": 1, "list": 1, "checker": True}


def pack_rows(img, bits):
    """Bottom-up rows of palette indices at 1 or 4 bits, padded to 32 bits."""
    out = b""
    for row in reversed(img):
        acc, n, line = 0, 0, bytearray()
        for px in row:
            acc = (acc << bits) | (px or 0)
            n += bits
            if n == 8:
                line.append(acc)
                acc, n = 0, 0
        while len(line) % 4:
            line.append(0)
        out += bytes(line)
    return out


def mask_rows(img):
    return pack_rows([[1 if px is CLEAR else 0 for px in row] for row in img], 1)


def dib(img, bits, palette):
    size = len(img)
    pixels = pack_rows(img, bits)
    mask = mask_rows(img)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                         len(pixels) + len(mask), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + pixels + mask


def ico(images):
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for img, bits, palette in images:
        blob = dib(img, bits, palette)
        size = len(img)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, len(palette) % 256, 0,
                               1, bits, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return struct.pack("<HHH", 0, 1, len(images)) + entries + blobs


# Sizes of the desktop icon theme; 16 and 32 are the pixel drawings above.
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

RGB = {
    "outline": (0, 0, 0), "body": PALETTE16[NAVY], "box": PALETTE16[WHITE],
    "sunken": (128, 128, 128), "dot": PALETTE16[AQUA], "network": PALETTE16[LIME],
    "host": PALETTE16[YELLOW], "list": PALETTE16[SILVER],
}


def snap(units, size):
    """A position on the 32-unit drawing, to the nearest whole pixel at SIZE."""
    return math.floor(units * size / 32 + 0.5)


def layout(size):
    """The picture at SIZE as shapes on whole pixels: (role, x0, y0, x1, y1, radius),
    ends exclusive, painted in order. The four boxes share one width and one gap,
    and the mask bar and list columns stand under them."""
    line = max(1, round(size / 64))
    radius = size // 16 if size >= 48 else 0
    shapes = [("outline", snap(1, size), snap(2, size), size - snap(1, size),
               size - snap(2, size), radius)]
    x0, y0, x1, y1 = shapes[0][1:5]
    shapes.append(("body", x0 + line, y0 + line, x1 - line, y1 - line, max(0, radius - line)))

    left, right = snap(3, size), size - snap(3, size)
    gap = max(1, snap(2, size))
    width = (right - left - 3 * gap) // 4
    left += (right - left - 3 * gap - 4 * width) // 2
    columns = [left + i * (width + gap) for i in range(4)]

    top, bottom = snap(6, size), snap(13, size)
    for i, x in enumerate(columns):
        shapes.append(("box", x, top, x + width, bottom, 0))
        if size >= 48:  # the sunken edge of a text box, top and left
            shapes.append(("sunken", x, top, x + width, top + line, 0))
            shapes.append(("sunken", x, top, x + line, bottom, 0))
        if i < 3:
            shapes.append(("dot", x + width, bottom - gap, x + width + gap, bottom, 0))

    # The mask: three network octets and one host octet.
    bar_top, bar_bottom = snap(17, size), snap(21, size)
    for i, x in enumerate(columns):
        shapes.append(("network" if i < 3 else "host", x, bar_top, x + width, bar_bottom, 0))

    # Two lines of the list, each with its subnet, host range and broadcast column.
    thickness = max(1, snap(1, size))
    for row in (24, 27):
        y = snap(row, size)
        for start, end in ((0, 0), (1, 2), (3, 3)):
            shapes.append(("list", columns[start], y, columns[end] + width, y + thickness, 0))
    return shapes


def coverage(px, py, x0, y0, x1, y1, radius):
    """How much of pixel (px, py) a rounded rectangle covers, from 4x4 samples."""
    if not (x0 <= px < x1 and y0 <= py < y1):
        return 0.0
    near_x = px < x0 + radius or px >= x1 - radius
    near_y = py < y0 + radius or py >= y1 - radius
    if radius == 0 or not (near_x and near_y):
        return 1.0
    inside = 0
    for sy in range(4):
        for sx in range(4):
            x, y = px + (sx + 0.5) / 4, py + (sy + 0.5) / 4
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            inside += (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside / 16


def render(size):
    """RGBA rows of the laid-out picture, rounded corners smoothed."""
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    for role, x0, y0, x1, y1, radius in layout(size):
        colour = RGB[role]
        for py in range(max(0, y0), min(size, y1)):
            row = pixels[py]
            for px in range(max(0, x0), min(size, x1)):
                a = coverage(px, py, x0, y0, x1, y1, radius)
                if a == 0:
                    continue
                r, g, b, alpha = row[px]
                out = a + alpha * (1 - a)
                row[px] = tuple((c * a + old * alpha * (1 - a)) / out
                                for c, old in zip(colour, (r, g, b))) + (out,)
    return [[tuple(round(c) for c in px[:3]) + (round(px[3] * 255),) for px in row]
            for row in pixels]


def svg(size=256):
    rects = []
    for role, x0, y0, x1, y1, radius in layout(size):
        corner = f' rx="{radius}"' if radius else ""
        rects.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}"{corner}'
                     f' fill="#{"".join(f"{c:02x}" for c in RGB[role])}"/>')
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<!-- SPDX-License-Identifier: MIT -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}"'
            f' viewBox="0 0 {size} {size}">\n'
            '  <title>Quorvane</title>\n'
            '  <!-- A window holding the four octet boxes of an address, a mask bar of\n'
            '       three network octets and one host octet, and two lines of the\n'
            '       subnet list. Written by make_icons.py. -->\n'
            + "\n".join(rects) + "\n</svg>\n")


def png_rgba(rows):
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(px) for px in row) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def pixel_art(img):
    return [[(0, 0, 0, 0) if px is CLEAR else PALETTE16[px] + (255,) for px in row] for row in img]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    big16, small16 = draw32(COLOUR16), draw16()
    images = [(draw32(COLOUR2), 1, [(0, 0, 0), (255, 255, 255)]),
              (big16, 4, PALETTE16),
              (small16, 4, PALETTE16)]
    with open(os.path.join(here, "quorvane.ico"), "wb") as f:
        f.write(ico(images))
    with open(os.path.join(here, "quorvane.svg"), "w", encoding="ascii") as f:
        f.write(svg())
    os.makedirs(os.path.join(here, "icons"), exist_ok=True)
    for size in THEME_SIZES:
        rows = {16: pixel_art(small16), 32: pixel_art(big16)}.get(size) or render(size)
        with open(os.path.join(here, "icons", f"quorvane-{size}.png"), "wb") as f:
            f.write(png_rgba(rows))


if __name__ == "__main__":
    main()
