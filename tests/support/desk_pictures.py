#!/usr/bin/env python3
"""Pictures for TezunDesk's tests, and their pixels compared, with nothing but Python's own zlib.

  desk_pictures.py bmp OUT WIDTH HEIGHT         a 24-bit BMP whose every corner looks different
  desk_pictures.py huge-png OUT WIDTH HEIGHT    a valid, black PNG of that size (small on disk)
  desk_pictures.py orient IN.jpg OUT.jpg TAG    IN with an Exif orientation tag in front
  desk_pictures.py same A B [TOLERANCE]         exit 0 when the pixels of the two pictures (PNG or
                                                24-bit BMP) match, each channel within TOLERANCE;
                                                else 1 and where they differ first
  desk_pictures.py size A                       its width and height
  desk_pictures.py pixel A X Y                  the pixel's colour, RRGGBB
  desk_pictures.py part A X Y W H OUT           the rectangle of A as a BMP
  desk_pictures.py lay PICTURE W H STYLE1 STYLE2 RRGGBB OUT
                                                PICTURE (- for none) on the colour at W x H, centred
                                                or tiled as the plug-in's Style1 and Style2 say
"""
import struct
import sys
import zlib


def write_bmp(out, width, height, rgb):
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(height)):  # BMP rows go bottom-up
        line = bytearray(rgb[y * width * 3:(y + 1) * width * 3])
        line[0::3], line[2::3] = line[2::3], line[0::3]  # RGB to BGR
        rows.append(bytes(line) + bytes(stride - len(line)))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(out, "wb") as f:
        f.write(header + info + data)


def bmp(out, width, height):
    rgb = bytearray()
    for y in range(height):
        for x in range(width):
            # Red grows rightwards, green downwards, blue in a band near the top left.
            blue = 255 if x < width // 4 and y < height // 5 else 40
            rgb += bytes((x * 255 // max(width - 1, 1), y * 255 // max(height - 1, 1), blue))
    write_bmp(out, width, height, bytes(rgb))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def huge_png(out, width, height):
    compressor = zlib.compressobj(1)
    row = bytes(1 + width * 3)  # filter 0, black pixels
    parts = [compressor.compress(row) for _ in range(height)]
    parts.append(compressor.flush())
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", b"".join(parts)) + chunk(b"IEND", b""))


def orient(source, out, tag):
    data = open(source, "rb").read()
    assert data[:2] == b"\xff\xd8", "not a JPEG"
    # A little-endian TIFF header and one directory entry: 0x0112, SHORT, 1 value.
    tiff = b"II*\x00" + struct.pack("<I", 8) + struct.pack("<H", 1) + struct.pack("<HHIHH", 0x0112, 3, 1, tag, 0)
    tiff += struct.pack("<I", 0)
    app1 = b"Exif\x00\x00" + tiff
    with open(out, "wb") as f:
        f.write(data[:2] + b"\xff\xe1" + struct.pack(">H", len(app1) + 2) + app1 + data[2:])


def png_pixels(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, f"{path}: a PNG form this does not read"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    previous = bytearray(stride)
    out = bytearray()
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride if kind else 0):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        previous = line
        if channels == 3:
            out += line
        else:
            for x in range(width):
                out += line[x * channels:x * channels + 3]
    return width, height, bytes(out)


def bmp_pixels(path):
    data = open(path, "rb").read()
    offset, = struct.unpack("<I", data[10:14])
    width, height, _, depth, compression = struct.unpack("<iiHHI", data[18:34])
    assert depth == 24 and compression == 0, f"{path}: a BMP form this does not read"
    stride = (width * 3 + 3) // 4 * 4
    rows = range(abs(height)) if height < 0 else reversed(range(height))  # bottom-up unless negative
    out = bytearray()
    for y in rows:
        line = data[offset + y * stride:offset + y * stride + width * 3]
        rgb = bytearray(width * 3)  # BGR to RGB, as PNG has them
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::3], line[1::3], line[0::3]
        out += rgb
    return width, abs(height), bytes(out)


def pixels(path):
    with open(path, "rb") as f:
        magic = f.read(2)
    return bmp_pixels(path) if magic == b"BM" else png_pixels(path)


def same(a, b, tolerance=0):
    wa, ha, pa = pixels(a)
    wb, hb, pb = pixels(b)
    if (wa, ha) != (wb, hb):
        print(f"sizes differ: {wa} x {ha} and {wb} x {hb}")
        return 1
    if tolerance == 0 and pa == pb:
        return 0
    for i, (x, y) in enumerate(zip(pa, pb)):
        if abs(x - y) > tolerance:
            pixel = i // 3
            print(f"pixel ({pixel % wa}, {pixel // wa}) differs: {pa[pixel * 3:pixel * 3 + 3].hex()} "
                  f"and {pb[pixel * 3:pixel * 3 + 3].hex()}")
            return 1
    return 0


def part(path, x, y, width, height, out):
    w, _, rgb = pixels(path)
    rows = [rgb[((y + row) * w + x) * 3:((y + row) * w + x + width) * 3] for row in range(height)]
    write_bmp(out, width, height, b"".join(rows))


def first_tile(screen, tile):
    centred = int((screen - tile) / 2)  # truncated toward zero, as the plug-in divides
    while centred > 0:
        centred -= tile
    return centred


def lay(picture, width, height, style1, style2, colour, out):
    rgb = bytearray(bytes.fromhex(colour) * (width * height))
    if picture != "-":
        pw, ph, source = pixels(picture)
        if style1 == 0:
            x0, y0 = int((width - pw) / 2), int((height - ph) / 2)
        else:
            x0, y0 = (first_tile(width, pw), first_tile(height, ph)) if style2 else (0, 0)
        for y in range(height):
            sy = y - y0 if style1 == 0 else (y - y0) % ph
            if not 0 <= sy < ph:
                continue
            line = source[sy * pw * 3:(sy + 1) * pw * 3]
            if style1 == 0:
                left, right = max(x0, 0), min(x0 + pw, width)
                if left < right:
                    rgb[(y * width + left) * 3:(y * width + right) * 3] = line[(left - x0) * 3:(right - x0) * 3]
            else:
                start = (-x0) % pw
                rgb[y * width * 3:(y + 1) * width * 3] = (line * (width // pw + 2))[start * 3:(start + width) * 3]
    write_bmp(out, width, height, bytes(rgb))


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    if command == "bmp":
        bmp(args[0], int(args[1]), int(args[2]))
    elif command == "huge-png":
        huge_png(args[0], int(args[1]), int(args[2]))
    elif command == "orient":
        orient(args[0], args[1], int(args[2]))
    elif command == "same":
        sys.exit(same(args[0], args[1], int(args[2]) if len(args) > 2 else 0))
    elif command == "size":
        print(*pixels(args[0])[:2])
    elif command == "pixel":
        w, _, rgb = pixels(args[0])
        at = (int(args[2]) * w + int(args[1])) * 3
        print(rgb[at:at + 3].hex())
    elif command == "part":
        part(args[0], *map(int, args[1:5]), args[5])
    elif command == "lay":
        lay(args[0], *map(int, args[1:5]), args[5], args[6])
    else:
        sys.exit(f"unknown command {command}")
