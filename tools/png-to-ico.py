#!/usr/bin/env python3
"""Makes a Windows .ico from one square RGBA PNG: entries of 64, 48, 32 and 16 pixels, each an
8-bit RGBA PNG (what the Windows icon loader reads since Vista), scaled by area averaging.

Usage: tools/png-to-ico.py out.ico in.png
The Windows program's icon, packaging/quadrel.ico, is made this way from packaging/quadrel-64.png.
"""
import struct
import sys
import zlib


def read_png(path):
    """Pixels of a non-interlaced RGBA PNG (8 or 16 bits), as rows of (r, g, b, a) 0..255."""
    raw = open(path, "rb").read()
    pos, idat, width = 8, b"", 0
    while pos < len(raw):
        length, tag = struct.unpack(">I4s", raw[pos:pos + 8])
        body = raw[pos + 8:pos + 8 + length]
        if tag == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert colour == 6 and interlace == 0, "RGBA, not interlaced"
        elif tag == b"IDAT":
            idat += body
        pos += 12 + length
    data, step = zlib.decompress(idat), 4 * depth // 8
    stride, rows, prev = width * step, [], bytearray(width * step)
    for y in range(height):
        kind, line = data[y * (stride + 1)], bytearray(data[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b, c = prev[i], prev[i - step] if i >= step else 0
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
        prev = line
        # The high byte of a 16-bit sample is its 8-bit value.
        rows.append([tuple(line[x * step + k * (step // 4)] for k in range(4)) for x in range(width)])
    return rows


def scale(rows, size):
    n = len(rows)
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            ys = range(y * n // size, max(y * n // size + 1, (y + 1) * n // size))
            xs = range(x * n // size, max(x * n // size + 1, (x + 1) * n // size))
            px = [rows[j][i] for j in ys for i in xs]
            alpha = sum(p[3] for p in px)
            # Colours weighted by coverage, so transparent corners do not darken the edge.
            rgb = [sum(p[k] * p[3] for p in px) // alpha if alpha else 0 for k in range(3)]
            row.append((*rgb, alpha // len(px)))
        out.append(row)
    return out


def write_png(rows):
    size = len(rows)
    body = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(body, 9)) + chunk(b"IEND", b""))


def main(out, source):
    rows = read_png(source)
    images = [write_png(scale(rows, size)) for size in (64, 48, 32, 16)]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset, entries, data = 6 + 16 * len(images), b"", b""
    for size, png in zip((64, 48, 32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    with open(out, "wb") as f:
        f.write(header + entries + data)


if __name__ == "__main__":
    main(*sys.argv[1:])
