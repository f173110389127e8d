#!/usr/bin/env python3
"""Draws the icons of the eight kinds of child window (shell/ui/icons/<name>-16.png and
-32.png): a small chart of what the window shows, under a band in the colour of its
group (the speaker windows, the QZX2202 designs, the QZX2410/QZX6060 designs).

Needs only Python's standard library; run it from anywhere and commit the PNG files."""

import math
import os
import struct
import zlib

SUB = 4  # samples per pixel along each axis

# Colours (r, g, b).
WHITE = (255, 255, 255)
FRAME = (70, 70, 70)
AXIS = (120, 120, 120)
GRID = (215, 215, 215)
BLUE = (0, 0, 255)
RED = (220, 0, 0)
GREEN = (0, 160, 0)
MAGENTA = (220, 0, 220)
BLACK = (0, 0, 0)
PURPLE = (130, 0, 170)
SPEAKER_BAND = (40, 110, 120)
QZX2202_BAND = (30, 80, 200)
QZX2410_BAND = (230, 120, 0)


class Canvas:
    """A square of size px in icon units 0..32 (y down), supersampled."""

    def __init__(self, px):
        self.px = px
        self.n = px * SUB
        self.rgb = [[(0, 0, 0)] * self.n for _ in range(self.n)]
        self.alpha = [[0.0] * self.n for _ in range(self.n)]

    def _samples(self):
        scale = 32.0 / self.n
        for j in range(self.n):
            y = (j + 0.5) * scale
            for i in range(self.n):
                yield i, j, (i + 0.5) * scale, y

    def fill(self, inside, colour):
        for i, j, x, y in self._samples():
            if inside(x, y):
                self.rgb[j][i] = colour
                self.alpha[j][i] = 1.0

    def rect(self, x0, y0, x1, y1, colour):
        self.fill(lambda x, y: x0 <= x < x1 and y0 <= y < y1, colour)

    def polyline(self, points, width, colour):
        """A stroke of the given width (icon units), at least one pixel wide."""
        half = max(width, 32.0 / self.px) / 2.0
        segments = list(zip(points, points[1:]))
        x_min = min(p[0] for p in points) - half
        x_max = max(p[0] for p in points) + half
        y_min = min(p[1] for p in points) - half
        y_max = max(p[1] for p in points) + half

        def near(x, y):
            if not (x_min <= x <= x_max and y_min <= y <= y_max):
                return False
            for (ax, ay), (bx, by) in segments:
                dx, dy = bx - ax, by - ay
                length = dx * dx + dy * dy
                t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
                if (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half * half:
                    return True
            return False

        self.fill(near, colour)

    def png(self):
        rows = []
        k = SUB * SUB
        for py in range(self.px):
            row = bytearray([0])
            for px in range(self.px):
                r = g = b = a = 0.0
                for j in range(py * SUB, py * SUB + SUB):
                    for i in range(px * SUB, px * SUB + SUB):
                        w = self.alpha[j][i]
                        cr, cg, cb = self.rgb[j][i]
                        r += cr * w
                        g += cg * w
                        b += cb * w
                        a += w
                if a > 0:
                    row += bytes([round(r / a), round(g / a), round(b / a), round(255 * a / k)])
                else:
                    row += bytes(4)
            rows.append(bytes(row))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.px, self.px, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def curve(f, x0=5.0, x1=29.0, steps=40):
    return [(x0 + (x1 - x0) * s / steps, f(x0 + (x1 - x0) * s / steps)) for s in range(steps + 1)]


def chart(c, band):
    """The panel: a frame, the group's band at the top, the plot with its axes."""
    c.rect(1, 1, 31, 31, FRAME)
    c.rect(2, 2, 30, 30, WHITE)
    c.rect(2, 2, 30, 7, band)
    c.rect(4, 9, 5, 29, AXIS)
    c.rect(4, 28, 29, 29, AXIS)
    for y in (14, 19, 24):
        c.rect(5, y, 29, y + 0.5, GRID)


def response(c):
    chart(c, SPEAKER_BAND)
    c.polyline(curve(lambda x: 16.0), 1.0, MAGENTA)
    c.polyline(curve(lambda x: 22.0), 1.0, MAGENTA)
    c.polyline(curve(lambda x: 19 + 3.5 * math.sin(x * 0.9) + 1.5 * math.sin(x * 2.3)), 2.0, BLUE)


def filters(c):
    chart(c, SPEAKER_BAND)
    c.polyline(curve(lambda x: 19 - 8 * math.exp(-((x - 12) / 3.0) ** 2)), 2.0, RED)
    c.polyline(curve(lambda x: 19 + 6 * math.exp(-((x - 22) / 2.5) ** 2)), 2.0, GREEN)


def phase(c):
    chart(c, SPEAKER_BAND)
    # A phase that falls and wraps twice.
    c.polyline([(5, 11), (13, 26)], 2.0, BLUE)
    c.polyline([(13, 11), (21, 26)], 2.0, BLUE)
    c.polyline([(21, 11), (28, 24)], 2.0, BLUE)


def phase_filters(c):
    chart(c, SPEAKER_BAND)
    c.polyline(curve(lambda x: 19 - 7 * math.tanh((x - 13) / 2.5)), 2.0, RED)
    c.polyline(curve(lambda x: 19 + 6 * math.tanh((x - 21) / 2.0)), 2.0, GREEN)


def loudness(band):
    def draw(c):
        chart(c, band)
        # Loudness contours: bass and treble lifted more at lower volumes.
        for level, lift, colour in ((13.0, 2.0, GREEN), (19.0, 4.5, BLUE), (26.0, 8.0, PURPLE)):
            c.polyline(curve(lambda x, y=level, h=lift: y - h * (math.exp(-(x - 5) / 4.0) +
                                                                   0.7 * math.exp((x - 29) / 3.0))),
                       1.6, colour)
    return draw


def compression(band):
    def draw(c):
        chart(c, band)
        c.polyline([(5, 28), (28, 9)], 0.8, GRID)  # no compression
        c.polyline([(5, 28), (17, 18), (28, 14)], 2.0, BLACK)  # the transfer curve
        c.polyline([(17, 9), (17, 28)], 0.8, RED)  # the threshold
    return draw


ICONS = {
    "response": response,
    "filter": filters,
    "phase": phase,
    "phasefilter": phase_filters,
    "loudness2202": loudness(QZX2202_BAND),
    "compression2202": compression(QZX2202_BAND),
    "loudness2410": loudness(QZX2410_BAND),
    "compression2410": compression(QZX2410_BAND),
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shell", "ui", "icons")
    os.makedirs(folder, exist_ok=True)
    for name, draw in ICONS.items():
        for px in (16, 32):
            c = Canvas(px)
            draw(c)
            with open(os.path.join(folder, "%s-%d.png" % (name, px)), "wb") as out:
                out.write(c.png())


if __name__ == "__main__":
    main()
