#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the application icon and writes quorvane.ico and quorvane.png.

The picture: a window holding the four octet boxes of an address with dots
between them, a mask bar split into network and host bits, and a list line.
The .ico carries 32x32 in 2 colours, 32x32 in 16 colours and 16x16 in 16 colours.
Run from anywhere; the files land beside this script.
"""
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


def png(img, palette):
    size = len(img)
    raw = b""
    for row in img:
        raw += b"\0" + b"".join(
            bytes((0, 0, 0, 0)) if px is CLEAR else bytes(palette[px] + (255,)) for px in row)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    big16 = draw32(COLOUR16)
    images = [(draw32(COLOUR2), 1, [(0, 0, 0), (255, 255, 255)]),
              (big16, 4, PALETTE16),
              (draw16(), 4, PALETTE16)]
    with open(os.path.join(here, "quorvane.ico"), "wb") as f:
        f.write(ico(images))
    with open(os.path.join(here, "quorvane.png"), "wb") as f:
        f.write(png(big16, PALETTE16))


if __name__ == "__main__":
    main()
