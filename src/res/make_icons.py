#!/usr/bin/env python3
"""Draws Brisvane's icons and the link labels' hand pointer.

Writes, next to this script:
  Brisvane.ico      the program icon: 16, 32 and 48 px in 32-bit colour, 256 px as PNG
  BrisvaneTray.ico  the 32 x 32, 16-colour picture the window and the tray icon use
  Hand.cur          the 32 x 32 monochrome hand pointer shown over link labels

The picture: a white shield with a green tick on a blue rounded square, and a yellow sparkle
at the top right. Only the Python standard library is needed; the generated files are
committed, so building needs no extra tools. Run it again after changing the drawing.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of the standard VGA palette, index order of a 4-bit Windows bitmap.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def rounded_square(x, y, inset=0.04, radius=0.2):
    """True inside the rounded square that forms the icon's background."""
    lo, hi = inset + radius, 1 - inset - radius
    dx = max(lo - x, 0, x - hi)
    dy = max(lo - y, 0, y - hi)
    return dx * dx + dy * dy <= radius * radius and inset <= x <= 1 - inset and \
        inset <= y <= 1 - inset


def shield(x, y, grow=0.0):
    """True inside the shield; `grow` widens it to draw its outline."""
    top, shoulder, tip, half = 0.2 - grow, 0.52, 0.87 + grow, 0.24 + grow
    if y < top or y > tip:
        return False
    if y <= shoulder:
        # The top edge dips slightly in the middle.
        return abs(x - 0.5) <= half and y >= top + 0.04 * (1 - abs(x - 0.5) / half)
    t = (y - shoulder) / (tip - shoulder)
    return abs(x - 0.5) <= half * (1 - t ** 1.7)


def near_segment(x, y, a, b, width):
    ax, ay = a
    bx, by = b
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    px, py = ax + t * vx, ay + t * vy
    return (x - px) ** 2 + (y - py) ** 2 <= width * width


def tick(x, y):
    return near_segment(x, y, (0.37, 0.52), (0.47, 0.63), 0.055) or \
        near_segment(x, y, (0.47, 0.63), (0.65, 0.39), 0.055)


def sparkle(x, y, cx=0.8, cy=0.2, r=0.15):
    dx, dy = abs(x - cx), abs(y - cy)
    return dx ** 0.5 + dy ** 0.5 <= r ** 0.5


def colour_at(x, y, flat):
    """RGBA at a point of the unit square; `flat` draws with the 16 VGA colours only."""
    if sparkle(x, y):
        return (255, 255, 0, 255) if flat else (255, 214, 64, 255)
    if tick(x, y) and shield(x, y):
        return (0, 128, 0, 255) if flat else (40, 170, 70, 255)
    if shield(x, y):
        return (255, 255, 255, 255)
    if shield(x, y, grow=0.035):
        return (0, 0, 0, 255) if flat else (10, 30, 70, 255)
    if rounded_square(x, y):
        if flat:
            return (0, 0, 128, 255)
        # A vertical gradient from bright to deep blue.
        return (int(40 - 25 * y), int(110 - 60 * y), int(210 - 80 * y), 255)
    return (0, 0, 0, 0)


def render(size, flat=False):
    """Rows of RGBA pixels, top row first. Colour images are anti-aliased by supersampling."""
    samples = 1 if flat else 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    r, g, b, a = colour_at(x, y, flat)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]),
                            round(acc[2] / acc[3]), round(alpha)))
        rows.append(row)
    return rows


def and_mask(rows, opaque):
    """The 1-bit transparency mask, bottom row first, rows padded to 32 bits."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            if not opaque(pixel):
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def bitmap_header(size, bits, colours=0):
    # Icon bitmaps record twice the height: the colour image and the mask.
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def bmp32(rows):
    size = len(rows)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    return bitmap_header(size, 32) + bytes(pixels) + and_mask(rows, lambda p: p[3] > 0)


def nearest_vga(pixel):
    r, g, b, _ = pixel
    return min(range(16), key=lambda i: (VGA[i][0] - r) ** 2 + (VGA[i][1] - g) ** 2 +
               (VGA[i][2] - b) ** 2)


def bmp4(rows):
    size = len(rows)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, size, 2):
            hi = nearest_vga(row[x]) if row[x][3] >= 128 else 0
            lo = nearest_vga(row[x + 1]) if row[x + 1][3] >= 128 else 0
            line.append(hi << 4 | lo)
        pixels += line
    return bitmap_header(size, 4, 16) + palette + bytes(pixels) + \
        and_mask(rows, lambda p: p[3] >= 128)


def png(rows):
    size = len(rows)
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + \
            struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) + \
        chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')


def icon_file(images, kind=1):
    """An .ico (kind 1) or .cur (kind 2) file. Each image: (size, field1, field2, colours, data),
    where the two fields are planes and bit count for icons, the hot spot for cursors."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, f1, f2, colours, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, f1, f2, len(data),
                           offset)
        offset += len(data)
    return out + b''.join(image[4] for image in images)


# The hand pointer: X black, . white, blank transparent. Hot spot at the fingertip.
HAND = """
      XX
     X..X
     X..X
     X..X
     X..X
     X..XXX
     X..X..XXX
     X..X..X..XX
     X..X..X..X.X
  XX X........X
 X..XX........X
 X...X........X
  X...........X
   X..........X
   X.........X
    X........X
    X.......X
     X......X
     X......X
     XXXXXXXX
"""


def hand_cursor():
    lines = HAND.strip('\n').split('\n')
    size = 32
    grid = [[' '] * size for _ in range(size)]
    for y, line in enumerate(lines):
        for x, ch in enumerate(line):
            grid[y + 1][x + 2] = ch
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    xor = bytearray()
    mask = bytearray()
    for row in reversed(grid):
        xline, mline = bytearray(4), bytearray(4)
        for x, ch in enumerate(row):
            if ch == '.':
                xline[x // 8] |= 0x80 >> (x % 8)
            if ch == ' ':
                mline[x // 8] |= 0x80 >> (x % 8)
        xor += xline
        mask += mline
    data = bitmap_header(size, 1, 2) + palette + bytes(xor) + bytes(mask)
    hot_x, hot_y = 2 + 6, 1 + 0
    return icon_file([(size, hot_x, hot_y, 2, data)], kind=2)


def main():
    program = [(s, 1, 32, 0, bmp32(render(s))) for s in (16, 32, 48)]
    program.append((256, 1, 32, 0, png(render(256))))
    with open(os.path.join(HERE, 'Brisvane.ico'), 'wb') as f:
        f.write(icon_file(program))
    with open(os.path.join(HERE, 'BrisvaneTray.ico'), 'wb') as f:
        f.write(icon_file([(32, 1, 4, 16, bmp4(render(32, flat=True)))]))
    with open(os.path.join(HERE, 'Hand.cur'), 'wb') as f:
        f.write(hand_cursor())


if __name__ == '__main__':
    main()
