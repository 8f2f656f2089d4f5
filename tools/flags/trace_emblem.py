"""Traces an emblem of a reference flag picture into a Path block for the flag source.

Stages: render the reference, mark the pixels of the emblem (those near a colour, or those far
from the field's colour) inside a box, trace the outline of each of the largest marked regions,
simplify it to at most the given number of points, and print it in flag units; with layers, the
regions of the emblem's next commonest palette colours follow on top of its silhouette.
Usage: trace_emblem.py ISO (--colour R,G,B | --field R,G,B[;R,G,B]) [--tolerance D] [--box X1 Y1 X2 Y2]
                       [--points N] [--parts K] [--layers L] [--close N] [--open N] [--curves]
                       [--mirror X] [--colour-name NAME]
"""
import argparse
import math
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flag_format import COLOUR_NAMES  # noqa: E402
from score_flags import PALETTE, REFERENCE_DIR, distance_squared, read_picture, svg_aspect  # noqa: E402

TRACE_WIDTH = 720   # pixels across the reference; three per flag unit
CORNER_TURN = 1.0   # radians; a sharper turn keeps its corner in a curved outline
MIN_REGION = 30     # pixels; smaller regions are left out


def emblem_mask(picture, box, colour, fields, tolerance):
    """Rows of booleans: inside box (pixels) and near colour, or far from every field colour."""
    x1, y1, x2, y2 = box
    limit = tolerance ** 2
    mask = []
    for y in range(picture.height):
        row = []
        for x in range(picture.width):
            inside = x1 <= x < x2 and y1 <= y < y2
            if inside:
                p = picture.at(x, y)
                if colour:
                    inside = sum((a - b) ** 2 for a, b in zip(p, colour)) <= limit
                else:
                    inside = all(sum((a - b) ** 2 for a, b in zip(p, f)) > limit for f in fields)
            row.append(inside)
        mask.append(row)
    return mask


def spread(mask, radius, value):
    """Dilates the cells equal to value by a square of the given radius (separable: rows, then
    columns)."""
    def line(cells):
        n, marks = len(cells), [0]
        for cell in cells:
            marks.append(marks[-1] + (cell == value))
        return [value if marks[min(n, i + radius + 1)] - marks[max(0, i - radius)] else cells[i]
                for i in range(n)]
    rows = [line(row) for row in mask]
    columns = [line(list(column)) for column in zip(*rows)]
    return [list(row) for row in zip(*columns)]


def close_and_open(mask, close, open_):
    """Closing joins the pieces of an emblem that outlines split; opening drops thin lines."""
    if close:
        mask = spread(spread(mask, close, True), close, False)
    if open_:
        mask = spread(spread(mask, open_, False), open_, True)
    return mask


def regions(mask):
    """The 4-connected regions of marked pixels, largest first, each a set of (x, y)."""
    h, w = len(mask), len(mask[0])
    seen, found = set(), []
    for y in range(h):
        for x in range(w):
            if mask[y][x] and (x, y) not in seen:
                stack, region = [(x, y)], set()
                seen.add((x, y))
                while stack:
                    px, py = stack.pop()
                    region.add((px, py))
                    for nx, ny in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                        if 0 <= nx < w and 0 <= ny < h and mask[ny][nx] and (nx, ny) not in seen:
                            seen.add((nx, ny))
                            stack.append((nx, ny))
                found.append(region)
    return sorted(found, key=len, reverse=True)


def outline(region):
    """The outer boundary of a region as pixel-corner points, walked with the region on the left."""
    edges = {}
    for x, y in region:
        for (ax, ay), (bx, by), (nx, ny) in ((((x, y), (x + 1, y), (x, y - 1))),
                                             (((x + 1, y), (x + 1, y + 1), (x + 1, y))),
                                             (((x + 1, y + 1), (x, y + 1), (x, y + 1))),
                                             (((x, y + 1), (x, y), (x - 1, y)))):
            if (nx, ny) not in region:
                edges.setdefault((ax, ay), []).append((bx, by))
    start = min(edges)   # the top-left corner lies on the outer boundary
    points, here = [start], start
    while True:
        here = edges[here].pop()
        if here == start:
            return points
        points.append(here)


def simplify(points, epsilon):
    """Douglas-Peucker on a closed ring."""
    def reduce(run):
        if len(run) < 3:
            return run
        (ax, ay), (bx, by) = run[0], run[-1]
        length = max(1e-9, ((bx - ax) ** 2 + (by - ay) ** 2) ** 0.5)
        distances = [abs((bx - ax) * (ay - py) - (ax - px) * (by - ay)) / length for px, py in run[1:-1]]
        far = max(range(len(distances)), key=distances.__getitem__)
        if distances[far] <= epsilon:
            return [run[0], run[-1]]
        return reduce(run[:far + 2])[:-1] + reduce(run[far + 1:])
    half = len(points) // 2
    return reduce(points[:half + 1])[:-1] + reduce(points[half:] + [points[0]])[:-1]


def open_on_axis(ring, axis):
    """The ring turned to start and end on the axis, the longest run along the axis left out
    (the mirrored half closes it)."""
    ring = [(min(x, axis), y) for x, y in ring]
    n = len(ring)
    on_axis = [i for i in range(n) if ring[i][0] == axis and ring[(i + 1) % n][0] == axis]
    if not on_axis:
        return ring
    k = max(on_axis, key=lambda i: abs(ring[i][1] - ring[(i + 1) % n][1]))
    return ring[k + 1:] + ring[:k + 1]


def clamp(value, low, high):
    return max(low, min(high, value))


def path_text(points, axis, curves, aspect):
    """The Path block through points: lines, or with curves a Catmull-Rom spline as one curve
    element and smooth elements (each smooth element's first control mirrors the one before)."""
    mirror = axis is not None
    lines = ['    Path %d %d%s' % (points[0] + (' mirror' if mirror else '',))]
    if not curves:
        return lines + ['        line %d %d' % p for p in points[1:]] + ['    endpath']
    n = len(points)
    if mirror:   # the outline continues into its mirror image beyond both ends
        ring = [(2 * axis - points[1][0], points[1][1])] + points + [(2 * axis - points[-2][0], points[-2][1])]
        at, segments = (lambda i: ring[i + 1]), n - 1
    else:        # closed: the last segment returns to the start
        at, segments = (lambda i: points[i % n]), n
    def tangent(i):   # zero at a corner, so that the curves on both sides of it start straight
        (ax, ay), (bx, by), (cx, cy) = at(i - 1), at(i), at(i + 1)
        u, v = ((bx - ax) * aspect, by - ay), ((cx - bx) * aspect, cy - by)
        turn = abs(math.atan2(u[0] * v[1] - u[1] * v[0], u[0] * v[0] + u[1] * v[1]))
        return (0, 0) if turn > CORNER_TURN else (round((cx - ax) / 6), round((cy - ay) / 6))
    lines.append('        mode curves')
    for i in range(segments):
        (c1x, c1y), (t2x, t2y), (x, y) = tangent(i), tangent(i + 1), at(i + 1)
        if i == 0:
            lines.append('        curve %d %d %d %d %d %d' % (clamp(c1x, -124, 127), clamp(c1y, -15, 48),
                                                             clamp(-t2x, -15, 16), clamp(-t2y, -15, 16), x, y))
            lines.append('        mode smooth')
        else:
            lines.append('        smooth %d %d %d %d' % (clamp(-t2x, -124, 127), clamp(-t2y, -128, 127), x, y))
    return lines + ['    endpath']


def traced_paths(mask, args, width, height):
    """The Path blocks of the largest args.parts regions of mask."""
    lines = []
    for region in regions(mask)[:args.parts]:
        ring, epsilon = outline(region), 1.5
        simple = simplify(ring, epsilon)
        while len(simple) > args.points:
            epsilon *= 1.15
            simple = simplify(ring, epsilon)
        flag_points = [(round(px * 240 / width - 120), round(120 - py * 240 / height)) for px, py in simple]
        unique = [p for i, p in enumerate(flag_points) if p != flag_points[i - 1]]
        if len(unique) < 3 or len(region) < MIN_REGION:
            continue
        if args.mirror is not None:
            unique = open_on_axis(unique, args.mirror)
        lines += path_text(unique, args.mirror, args.curves, width / height)
    return lines


def layered_paths(picture, mask, args, width, height):
    """The whole mask in its commonest palette colour, then the regions of the next args.layers
    colours on top of it, each in its palette colour."""
    nearest = {}
    shades = [[None] * len(row) for row in mask]
    counts = {}
    for y, row in enumerate(mask):
        for x, marked in enumerate(row):
            if marked:
                p = picture.at(x, y)
                if p not in nearest:
                    nearest[p] = min(range(len(PALETTE)), key=lambda i: distance_squared(p, PALETTE[i]))
                shades[y][x] = nearest[p]
                counts[nearest[p]] = counts.get(nearest[p], 0) + 1
    order = sorted(counts, key=counts.get, reverse=True)
    lines = ['    SetColour ' + COLOUR_NAMES[order[0]]] + traced_paths(mask, args, width, height)
    for colour in order[1:1 + args.layers]:
        layer = close_and_open([[shade == colour for shade in row] for row in shades], args.close, 0)
        paths = traced_paths(layer, args, width, height)
        if paths:
            lines += ['    SetColour ' + COLOUR_NAMES[colour]] + paths
    return lines


def main(argv):
    parser = argparse.ArgumentParser(description='Traces a reference emblem into a Path block.')
    parser.add_argument('iso')
    parser.add_argument('--colour', help='R,G,B of the emblem')
    parser.add_argument('--field', help='R,G,B[;R,G,B...] of what surrounds the emblem')
    parser.add_argument('--tolerance', type=float, default=60)
    parser.add_argument('--box', type=int, nargs=4, default=[-120, -120, 120, 120], help='flag units')
    parser.add_argument('--points', type=int, default=40)
    parser.add_argument('--parts', type=int, default=1)
    parser.add_argument('--colour-name', help='a SetColour line before the paths')
    parser.add_argument('--close', type=int, default=0, help='join pieces up to 2N pixels apart')
    parser.add_argument('--open', type=int, default=0, help='drop lines up to 2N pixels thick')
    parser.add_argument('--curves', action='store_true', help='a smooth spline through the points')
    parser.add_argument('--layers', type=int, default=0, help='draw this many more colours on the silhouette')
    parser.add_argument('--mirror', type=int, help='trace the left half up to this x, drawn mirrored')
    args = parser.parse_args(argv)
    svg = os.path.join(REFERENCE_DIR, args.iso.lower() + '.svg')
    width = TRACE_WIDTH
    height = round(width / svg_aspect(svg))
    with tempfile.TemporaryDirectory() as work:
        png = os.path.join(work, 'reference.png')
        subprocess.run(['rsvg-convert', '-w', str(width), '-h', str(height), '-o', png, svg], check=True)
        picture = read_picture(png)
    to_pixels = lambda fx, fy: (round((fx + 120) * width / 240), round((120 - fy) * height / 240))
    if args.mirror is not None:
        args.box[2] = args.mirror
    (bx1, by1), (bx2, by2) = to_pixels(args.box[0], args.box[3]), to_pixels(args.box[2], args.box[1])
    rgb = lambda text: tuple(int(v) for v in text.split(',')) if text else None
    fields = [rgb(f) for f in args.field.split(';')] if args.field else []
    mask = emblem_mask(picture, (bx1, by1, bx2, by2), rgb(args.colour), fields, args.tolerance)
    mask = close_and_open(mask, args.close, args.open)
    if args.colour_name:
        print('    SetColour ' + args.colour_name)
    if args.layers:
        print('\n'.join(layered_paths(picture, mask, args, width, height)))
    else:
        print('\n'.join(traced_paths(mask, args, width, height)))


if __name__ == '__main__':
    main(sys.argv[1:])
