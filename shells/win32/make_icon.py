#!/usr/bin/env python3
"""Draws the tool's icon, one 256 x 256 image: a large serif T over a set of
type-size bars on an ink-blue tile, with a red seal in the corner. Writes a
32-bit BMP-format .ico, which every Windows version and Wine can read."""

import struct
import sys

SIZE = 256


def inside_rounded(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    # Anti-aliasing by 4 x 4 supersampling.
    samples = []
    for sy in range(4):
        for sx in range(4):
            samples.append(sample(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4))
    alpha = sum(s[3] for s in samples) / len(samples)
    if alpha == 0:
        return (0, 0, 0, 0)
    r = sum(s[0] * s[3] for s in samples) / (alpha * len(samples))
    g = sum(s[1] * s[3] for s in samples) / (alpha * len(samples))
    b = sum(s[2] * s[3] for s in samples) / (alpha * len(samples))
    return (round(r), round(g), round(b), round(alpha))


def sample(x, y):
    if not inside_rounded(x, y, 8, 8, 248, 248, 44):
        return (0, 0, 0, 0)
    # The seal: a red rounded square at the lower right.
    if inside_rounded(x, y, 172, 172, 232, 232, 10):
        if inside_rounded(x, y, 182, 182, 222, 222, 4) and not inside_rounded(x, y, 188, 188, 216, 216, 2):
            return (255, 236, 230, 255)
        return (204, 40, 36, 255)
    # The T: bar, stem and serifs.
    if (48 <= x <= 208 and 44 <= y <= 70) or (112 <= x <= 144 and 44 <= y <= 196) or (92 <= x <= 164 and 184 <= y <= 200):
        return (250, 248, 240, 255)
    if (48 <= x <= 58 and 70 <= y <= 92) or (198 <= x <= 208 and 70 <= y <= 92):
        return (250, 248, 240, 255)
    # Size bars at the left, growing downward.
    for i, (top, width) in enumerate(((112, 20), (138, 30), (164, 40), (196, 50))):
        if 30 <= x <= 30 + width and top <= y <= top + 8 + i * 3 and x < 104:
            return (120, 170, 230, 255)
    shade = 1 - (y / SIZE) * 0.35
    return (round(24 * shade), round(52 * shade), round(110 * shade), 255)


def main(path):
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    xor = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up DIB rows
        for r, g, b, a in rows[y]:
            xor += bytes((b, g, r, a))
    and_mask = bytearray()
    for y in reversed(range(SIZE)):
        for byte in range(SIZE // 8):
            bits = 0
            for bit in range(8):
                if rows[y][byte * 8 + bit][3] == 0:
                    bits |= 0x80 >> bit
            and_mask.append(bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    main(sys.argv[1])
