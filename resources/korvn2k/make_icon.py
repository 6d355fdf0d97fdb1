#!/usr/bin/env python3
"""Draws the program icon korvn2k.ico (32 x 32 and 16 x 16, 32-bit with alpha): a dark blue tile with the
splash window's orange band and a white "K". Run once by hand; the .ico is kept in the repository."""
import struct
import sys

BLUE_TOP, BLUE_BOTTOM = (30, 60, 108), (12, 28, 56)
ORANGE, WHITE = (250, 190, 60), (255, 255, 255)


def inside_rounded(x, y, size, radius):
    cx = min(max(x + 0.5, radius), size - radius)
    cy = min(max(y + 0.5, radius), size - radius)
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius ** 2


def on_letter(x, y, size):
    # The "K": a stem and two arms, in units of the tile.
    u, v = (x + 0.5) / size, (y + 0.5) / size
    stroke = 0.14
    if 0.24 <= u <= 0.24 + stroke and 0.3 <= v <= 0.86:
        return True
    joint_v = 0.58
    for sign in (-1, 1):  # upper arm goes up-right, lower arm down-right
        # distance from the line through (0.38, joint_v) with slope sign * 1.1
        du = u - 0.38
        dv = v - joint_v
        end_v = 0.3 if sign < 0 else 0.86
        if not (min(joint_v, end_v) - 0.02 <= v <= max(joint_v, end_v) + 0.02) or u < 0.34:
            continue
        slope = -1.1 if sign < 0 else 1.1
        dist = abs(dv - slope * du) / (1 + slope * slope) ** 0.5
        if dist <= stroke * 0.55:
            return True
    return False


def pixel(x, y, size):
    radius = size * 0.18
    if not inside_rounded(x, y, size, radius):
        return (0, 0, 0, 0)
    if y < max(2, size // 8):
        r, g, b = ORANGE
    elif on_letter(x, y, size):
        r, g, b = WHITE
    else:
        t = y / (size - 1)
        r, g, b = (round(a + (c - a) * t) for a, c in zip(BLUE_TOP, BLUE_BOTTOM))
    return (r, g, b, 255)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for (r, g, b, a) in (pixel(x, y, size) for x in range(size))))
    colour = b"".join(rows)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = b""
    for y in range(size - 1, -1, -1):
        row = bytearray(mask_row_bytes)
        for x in range(size):
            if pixel(x, y, size)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main(path):
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "korvn2k.ico")
