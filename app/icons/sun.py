#!/usr/bin/env python3
"""Draws the application's icon, a yellow eight-pointed sun, as sun.svg and as PNGs: 16 to 64
pixels for the windows and 16 to 256 pixels, with the SVG, for the desktop's hicolor theme.
Only the standard library is needed; run it again after changing the shape."""

import math
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent

# Geometry on a 32 x 32 canvas.
CENTRE = 16.0
LONG_RAY, SHORT_RAY, VALLEY, DISC = 15.5, 12.0, 7.0, 6.0
YELLOW = (255, 255, 0)
OLIVE = (128, 128, 0)


def star_points():
    points = []
    for i in range(16):
        angle = math.radians(i * 22.5 - 90.0)
        if i % 2:
            radius = VALLEY
        else:
            radius = LONG_RAY if i % 4 == 0 else SHORT_RAY
        points.append((CENTRE + radius * math.cos(angle), CENTRE + radius * math.sin(angle)))
    return points


STAR = star_points()


def write_svg(path):
    points = " ".join(f"{x:.3f},{y:.3f}" for x, y in star_points())
    path.write_text(
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
        f'  <polygon points="{points}" fill="#ffff00" stroke="#808000" stroke-width="1"'
        ' stroke-linejoin="miter"/>\n'
        f'  <circle cx="{CENTRE}" cy="{CENTRE}" r="{DISC}" fill="#ffff00" stroke="#808000"'
        ' stroke-width="1"/>\n'
        "</svg>\n"
    )


def inside_polygon(x, y, points):
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def edge_distance(x, y, points):
    best = float("inf")
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def sample(x, y, half_stroke):
    """Colour at a point of the 32 x 32 canvas, or None where it is transparent."""
    r = math.hypot(x - CENTRE, y - CENTRE)
    if r <= DISC + half_stroke:
        return OLIVE if abs(r - DISC) <= half_stroke else YELLOW
    points = STAR
    if edge_distance(x, y, points) <= half_stroke:
        return OLIVE
    return YELLOW if inside_polygon(x, y, points) else None


def render(size, grid=6):
    scale = 32.0 / size
    # The SVG's one-unit stroke, but never thinner than one device pixel.
    half_stroke = 0.5 * max(scale, 1.0)
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(grid):
                for sx in range(grid):
                    colour = sample((px + (sx + 0.5) / grid) * scale,
                                    (py + (sy + 0.5) / grid) * scale, half_stroke)
                    if colour:
                        covered += 1
                        total = [t + c for t, c in zip(total, colour)]
            if covered:
                row += bytes(round(t / covered) for t in total)
                row.append(round(255 * covered / grid ** 2))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def write_png(path, rows):
    size = len(rows)
    raw = b"".join(b"\x00" + row for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    write_svg(HERE / "sun.svg")
    for size in (16, 32, 48, 64, 128, 256):
        write_png(HERE / f"sun-{size}.png", render(size, grid=6 if size <= 64 else 4))
