#!/usr/bin/env python3
"""Draws TezunDesk's icon, a small calendar page, and writes it as an .ico file.

usage: make_icon.py OUT.ico

Each size is drawn from the same proportions: a white page with a red band on top (the month's
header), rows of grey days and one day marked by a blue disc (today), on a transparent ground.
"""
import struct
import sys

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def pixel(size, x, y):
    """BGRA of the pixel at (x, y) of the icon `size` pixels square, y from the top."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    left, right, top, bottom = 0.08, 0.92, 0.12, 0.92
    if not (left <= u <= right and top <= v <= bottom):
        return (0, 0, 0, 0)
    edge = 1.0 / size
    if u < left + edge or u > right - edge or v > bottom - edge:
        return (96, 96, 96, 255)  # the page's outline
    if v < 0.34:
        return (48, 48, 208, 255)  # the header band, red
    # Five columns and three rows of days; the middle of the second row is today.
    column = (u - left) / (right - left) * 5
    row = (v - 0.38) / (bottom - 0.40) * 3
    cu, cv = column - int(column) - 0.5, row - int(row) - 0.5
    if 0 <= row < 3:
        if int(column) == 2 and int(row) == 1:
            if cu * cu + cv * cv < 0.2:
                return (208, 112, 32, 255)  # today's disc, blue
        elif abs(cu) < 0.22 and abs(cv) < 0.22:
            return (150, 150, 150, 255)
    return (255, 255, 255, 255)


def image(size):
    """One icon image: a BITMAPINFOHEADER, the 32-bit pixels bottom-up, then the 1-bit mask."""
    rows = []
    mask_rows = []
    mask_stride = (size + 31) // 32 * 4
    for y in reversed(range(size)):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(size):
            b, g, r, a = pixel(size, x, y)
            row += bytes((b, g, r, a))
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def main():
    images = [image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        side = size % 256  # 0 means 256
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as icon:
        icon.write(out)


if __name__ == "__main__":
    main()
