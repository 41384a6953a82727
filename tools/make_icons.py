#!/usr/bin/env python3
"""Draws the program icon (resources/kestrel.ico) and the margin cursor (resources/margin.cur).

Both are 32x32, 32 bits per pixel with an AND mask, which every Windows since XP and Wine read.
Run it again after changing a drawing; the outputs are committed.
"""
import struct
import sys
from pathlib import Path

SIZE = 32


def image_bytes(pixels):
    """pixels: 32 rows (top first) of 32 (b, g, r, a) tuples -> DIB data for an icon entry."""
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes(p) for row in reversed(pixels) for p in row)
    mask = b''
    for row in reversed(pixels):
        bits = 0
        for x, p in enumerate(row):
            if p[3] == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)
    return header + xor + mask


def container(kind, data, hotspot=(0, 0)):
    """kind 1: icon, 2: cursor."""
    planes, bits = (1, 32) if kind == 1 else hotspot
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, planes, bits, len(data), 6 + 16)
    return struct.pack('<HHH', 0, kind, 1) + entry + data


def draw_icon():
    clear = (0, 0, 0, 0)
    sky = (160, 96, 32, 255)     # deep blue, as BGRA
    wing = (40, 90, 190, 255)    # rust brown
    white = (255, 255, 255, 255)
    pixels = [[clear] * SIZE for _ in range(SIZE)]
    for y in range(2, 30):
        for x in range(2, 30):
            corner = min(x - 2, 29 - x) + min(y - 2, 29 - y)
            if corner >= 2:
                pixels[y][x] = sky
    # A stylised bird: two swept wings over a body line.
    for i in range(12):
        pixels[12 + i // 3][4 + i] = wing
        pixels[12 + i // 3][27 - i] = wing
        pixels[13 + i // 3][4 + i] = wing
        pixels[13 + i // 3][27 - i] = wing
    for y in range(15, 26):
        pixels[y][15] = white
        pixels[y][16] = white
    for x in range(13, 19):
        pixels[25][x] = white
    return pixels


def draw_cursor():
    clear = (0, 0, 0, 0)
    black = (0, 0, 0, 255)
    white = (255, 255, 255, 255)
    pixels = [[clear] * SIZE for _ in range(SIZE)]
    # An arrow pointing up and to the right, used over the left margin to pick whole lines.
    for i in range(16):
        for j in range(i + 1):
            x, y = 15 - j + i, 15 - i
            if 0 <= x < SIZE and 0 <= y < SIZE:
                pixels[y + 8][x] = black if j in (0, i) or i == 15 else white
    return pixels


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'resources')
    (out / 'kestrel.ico').write_bytes(container(1, image_bytes(draw_icon())))
    (out / 'margin.cur').write_bytes(container(2, image_bytes(draw_cursor()), hotspot=(30, 8)))


if __name__ == '__main__':
    main()
