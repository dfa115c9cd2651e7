#!/usr/bin/env python3
"""Draws the program's own cursors and icons and writes them as .cur/.ico resources.

Run it again after changing a drawing; the files it writes are committed, so the build does not
need it. Shapes are drawn with 4x4 supersampling for smooth edges.
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "icons")
SS = 4  # supersampling factor


class Canvas:
    def __init__(self, size):
        self.size = size
        self.n = size * SS
        self.px = [[None] * self.n for _ in range(self.n)]  # (r, g, b) or None

    def _put(self, x, y, c):
        if 0 <= x < self.n and 0 <= y < self.n:
            self.px[y][x] = c

    def disc(self, cx, cy, r, c):
        cx, cy, r = cx * SS, cy * SS, r * SS
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self._put(x, y, c)

    def ring(self, cx, cy, r, w, c):
        cx, cy, r, w = cx * SS, cy * SS, r * SS, w * SS
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r - w <= d <= r:
                    self._put(x, y, c)

    def line(self, x0, y0, x1, y1, w, c):
        x0, y0, x1, y1, w = x0 * SS, y0 * SS, x1 * SS, y1 * SS, w * SS
        minx, maxx = int(min(x0, x1) - w) - 1, int(max(x0, x1) + w) + 2
        miny, maxy = int(min(y0, y1) - w) - 1, int(max(y0, y1) + w) + 2
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy or 1
        for y in range(miny, maxy):
            for x in range(minx, maxx):
                px, py = x + 0.5, y + 0.5
                t = max(0, min(1, ((px - x0) * dx + (py - y0) * dy) / ll))
                if math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= w / 2:
                    self._put(x, y, c)

    def rounded_rect(self, x0, y0, x1, y1, r, c):
        self.polygon([(x0 + r, y0), (x1 - r, y0), (x1 - r, y1), (x0 + r, y1)], c)
        self.polygon([(x0, y0 + r), (x1, y0 + r), (x1, y1 - r), (x0, y1 - r)], c)
        for cx, cy in ((x0 + r, y0 + r), (x1 - r, y0 + r), (x0 + r, y1 - r), (x1 - r, y1 - r)):
            self.disc(cx, cy, r, c)

    def polygon(self, pts, c):
        pts = [(x * SS, y * SS) for x, y in pts]
        miny, maxy = int(min(p[1] for p in pts)), int(max(p[1] for p in pts)) + 1
        for y in range(miny, maxy + 1):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(a), int(b) + 1):
                    if a <= x + 0.5 <= b:
                        self._put(x, y, c)

    def pixels(self):
        """RGBA rows, top to bottom, averaged over the supersamples."""
        rows = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                r = g = b = a = 0
                for sy in range(SS):
                    for sx in range(SS):
                        c = self.px[y * SS + sy][x * SS + sx]
                        if c is not None:
                            r += c[0]; g += c[1]; b += c[2]; a += 1
                if a:
                    row.append((r // a, g // a, b // a, a * 255 // (SS * SS)))
                else:
                    row.append((0, 0, 0, 0))
            rows.append(row)
        return rows


def dib(rows):
    """A 32-bit DIB with its AND mask, as icon and cursor files hold it."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def write_group(path, kind, images):
    """kind 1: icon (images: (rows,)); kind 2: cursor (images: (rows, hotspot))."""
    data = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for img in images:
        rows = img[0]
        blob = dib(rows)
        size = len(rows)
        if kind == 1:
            a, b = 1, 32
        else:
            a, b = img[1]
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    with open(path, "wb") as f:
        f.write(data + b"".join(blobs))


WHITE, BLACK = (255, 255, 255), (0, 0, 0)
FACE, RIM = (250, 246, 232), (40, 60, 110)
HOUR, MINUTE, SECOND = (40, 40, 40), (40, 40, 40), (210, 40, 40)


def clock_face(c, cx, cy, r, second=True):
    c.disc(cx, cy, r, RIM)
    c.disc(cx, cy, r * 0.82, FACE)
    for i in range(12):
        a = math.radians(i * 30)
        c.line(cx + math.sin(a) * r * 0.62, cy - math.cos(a) * r * 0.62,
               cx + math.sin(a) * r * 0.74, cy - math.cos(a) * r * 0.74,
               max(0.6, r * 0.07), RIM)
    c.line(cx, cy, cx + r * 0.38, cy - r * 0.22, max(1.0, r * 0.13), HOUR)   # 10 past 2
    c.line(cx, cy, cx - r * 0.10, cy - r * 0.62, max(0.8, r * 0.09), MINUTE)
    if second:
        c.line(cx, cy, cx - r * 0.45, cy + r * 0.45, max(0.5, r * 0.04), SECOND)
    c.disc(cx, cy, max(0.8, r * 0.08), HOUR)


def arrow(c, x, y, scale=1.0):
    pts = [(0, 0), (0, 17), (4, 13), (7, 20), (10, 19), (7, 12), (12, 12)]
    c.polygon([(x + px * scale - 1, y + py * scale - 1) for px, py in
               [(p[0] - 0.8, p[1] - 1.6) for p in pts]], BLACK)
    c.polygon([(x + px * scale, y + py * scale) for px, py in pts], WHITE)
    c.polygon([(x + px * scale + 0.9, y + py * scale + 1.7) for px, py in
               [(0, 0), (0, 12.5), (3.6, 9.3), (6.7, 16.6), (7.7, 16.1), (4.8, 9.0), (8.8, 9.0)]],
              BLACK)


def hand_pointer(c):
    c.polygon([(9, 2), (12, 2), (12, 12), (20, 13), (22, 16), (21, 26), (11, 26), (5, 17),
               (7, 15), (9, 17)], BLACK)
    c.polygon([(10, 3), (11, 3), (11, 13), (19.5, 14), (21, 16.5), (20, 25), (11.5, 25),
               (6.4, 17.2), (7.2, 16.4), (10, 19)], WHITE)


def cursors():
    size = 32
    out = {}
    c = Canvas(size)  # CLOCK1: arrow with a small clock
    clock_face(c, 22, 22, 8.5)
    arrow(c, 1, 1)
    out["clock1"] = (c.pixels(), (1, 1))
    c = Canvas(size)  # CLOCK2: pointing hand with a clock
    clock_face(c, 24, 24, 7.5, second=False)
    hand_pointer(c)
    out["clock2"] = (c.pixels(), (10, 2))
    c = Canvas(size)  # CLOCK3: cross-hair ring
    c.ring(16, 16, 11, 3.2, BLACK)
    c.ring(16, 16, 10, 1.4, WHITE)
    for a, b, d, e in [(16, 0, 16, 8), (16, 24, 16, 32), (0, 16, 8, 16), (24, 16, 32, 16)]:
        c.line(a, b, d, e, 3, BLACK)
        c.line(a, b, d, e, 1.2, WHITE)
    out["clock3"] = (c.pixels(), (16, 16))
    c = Canvas(size)  # CLOCK4: a clock alone, the hot spot at its centre
    clock_face(c, 16, 16, 13)
    out["clock4"] = (c.pixels(), (16, 16))
    c = Canvas(size)  # CLOCK5: the default, a slim arrow with a clock at its tail
    clock_face(c, 20, 21, 10)
    arrow(c, 1, 1, 0.85)
    out["clock5"] = (c.pixels(), (1, 1))
    c = Canvas(size)  # SIZE_V1: up-down
    for col, w in ((BLACK, 4.2), (WHITE, 1.8)):
        c.line(16, 5, 16, 27, w, col)
    for tip, base in ((2, 10), (30, 22)):
        c.polygon([(16, tip), (10, base), (22, base)], BLACK)
        c.polygon([(16, tip + (1.8 if tip < 16 else -1.8)), (12.2, base - (0.9 if tip < 16 else -0.9)),
                   (19.8, base - (0.9 if tip < 16 else -0.9))], WHITE)
    out["size_v1"] = (c.pixels(), (16, 16))
    c = Canvas(size)  # SIZE_H1: left-right
    for col, w in ((BLACK, 4.2), (WHITE, 1.8)):
        c.line(5, 16, 27, 16, w, col)
    for tip, base in ((2, 10), (30, 22)):
        c.polygon([(tip, 16), (base, 10), (base, 22)], BLACK)
        c.polygon([(tip + (1.8 if tip < 16 else -1.8), 16), (base - (0.9 if tip < 16 else -0.9), 12.2),
                   (base - (0.9 if tip < 16 else -0.9), 19.8)], WHITE)
    out["size_h1"] = (c.pixels(), (16, 16))
    return out


def icon(size, tray=False):
    c = Canvas(size)
    clock_face(c, size / 2, size / 2, size / 2 - (0.5 if tray else 1), second=not tray or size > 16)
    return c.pixels()


NIGHT = (22, 30, 62)


def nappo_icon(size):
    """The screen saver manager: a screen in the clock's rim colour, asleep under a crescent moon
    in the clock's face colour, with the second hand's red for a star."""
    c = Canvas(size)
    u = size / 32.0
    c.rounded_rect(1 * u, 3 * u, 31 * u, 24 * u, 2.5 * u, RIM)     # the bezel
    c.rounded_rect(3.5 * u, 5.5 * u, 28.5 * u, 21.5 * u, 1 * u, NIGHT)  # the sleeping screen
    c.polygon([(13 * u, 24 * u), (19 * u, 24 * u), (20.5 * u, 28 * u), (11.5 * u, 28 * u)], RIM)
    c.rounded_rect(8 * u, 27.5 * u, 24 * u, 30.5 * u, 1.2 * u, RIM)  # the stand
    c.disc(13 * u, 13.5 * u, 6 * u, FACE)                            # the moon ...
    c.disc(16 * u, 11.5 * u, 5.4 * u, NIGHT)                         # ... cut to a crescent
    c.disc(23 * u, 9.5 * u, max(0.9, 1.4 * u), SECOND)
    if size >= 24:
        c.disc(21 * u, 17 * u, max(0.7, 0.9 * u), FACE)
    return c.pixels()


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (rows, hot) in cursors().items():
        write_group(os.path.join(OUT, name + ".cur"), 2, [(rows, hot)])
    write_group(os.path.join(OUT, "vistrel.ico"), 1, [(icon(s),) for s in (16, 24, 32, 48, 64)])
    write_group(os.path.join(OUT, "tray.ico"), 1, [(icon(s, tray=True),) for s in (16, 20, 24, 32)])
    write_group(os.path.join(OUT, "nappo.ico"), 1, [(nappo_icon(s),) for s in (16, 24, 32, 48, 64)])


if __name__ == "__main__":
    main()
