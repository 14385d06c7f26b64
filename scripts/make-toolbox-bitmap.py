#!/usr/bin/env python3
"""Writes resources/toolbox.bmp: the 23 x 22, 16-colour picture a form
designer shows for the control in its toolbox (a small push button)."""
import struct, sys

W, H = 23, 22
# The standard 16-colour palette, as (R, G, B).
PALETTE = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(192,192,192),
           (128,128,128),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
BLACK, NAVY, SILVER, GREY, WHITE = 0, 4, 7, 8, 15

def pixel(x, y):
    if not (1 <= x <= 21 and 4 <= y <= 17):
        return SILVER                       # the toolbox background
    if y == 4 or x == 1:
        return WHITE                        # raised edge, top and left
    if y == 17 or x == 21:
        return BLACK                        # shadow, bottom and right
    if y == 16 or x == 20:
        return GREY
    if 9 <= y <= 12 and 5 <= x <= 16:       # a caption line
        return NAVY if y in (10, 11) else SILVER
    return SILVER

rows = []
for y in range(H - 1, -1, -1):               # bottom-up
    row = bytearray()
    for x in range(0, W, 2):
        hi = pixel(x, y)
        lo = pixel(x + 1, y) if x + 1 < W else 0
        row.append((hi << 4) | lo)
    while len(row) % 4:
        row.append(0)
    rows.append(bytes(row))
bits = b"".join(rows)
palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
header = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(bits), 2835, 2835, 16, 0)
offset = 14 + len(header) + len(palette)
out = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + header + palette + bits
path = sys.argv[1] if len(sys.argv) > 1 else "resources/toolbox.bmp"
open(path, "wb").write(out)
