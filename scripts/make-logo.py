#!/usr/bin/env python3
"""Draws host/assets/logo.png: a 256x256 purple tile with a white "P" (no dependencies)."""
import math
import struct
import sys
import zlib

SIZE = 256
SS = 4  # supersampling per axis for smooth edges
TOP = (140, 102, 250)     # accent hover-ish, top of the tile
BOTTOM = (95, 70, 200)    # deeper purple at the bottom


def inside_rounded_square(x, y, margin=8, radius=56):
    lo, hi = margin, SIZE - margin
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return lo <= x <= hi and lo <= y <= hi and (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_letter(x, y):
    # Stem of the P.
    if 78 <= x <= 110 and 58 <= y <= 200:
        return True
    # Bowl: a ring centred on the stem's upper half.
    cx, cy, outer, inner = 128, 108, 50, 20
    if x >= 94:
        d = math.hypot(x - cx, y - cy)
        if inner <= d <= outer and (x >= cx or 58 <= y <= 158):
            return True
        if 94 <= x <= cx and (58 <= y <= 88 or 128 <= y <= 158):
            return True
    return False


def pixel(px, py):
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SS):
        for sx in range(SS):
            x = px + (sx + 0.5) / SS
            y = py + (sy + 0.5) / SS
            if not inside_rounded_square(x, y):
                continue
            if inside_letter(x, y):
                rgb = (250, 248, 255)
            else:
                t = y / SIZE
                rgb = tuple(TOP[i] + (BOTTOM[i] - TOP[i]) * t for i in range(3))
            for i in range(3):
                acc[i] += rgb[i]
            acc[3] += 1.0
    if acc[3] == 0:
        return (0, 0, 0, 0)
    n = acc[3]
    return (round(acc[0] / n), round(acc[1] / n), round(acc[2] / n), round(255 * n / (SS * SS)))


def png(rows):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "host/assets/logo.png"
    with open(out, "wb") as f:
        f.write(png([[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]))
