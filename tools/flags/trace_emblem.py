"""Traces an emblem of a reference flag picture into a Path block for the flag source.

Stages: render the reference (with fills, only its shapes of those colours), mark the pixels of
the emblem (those near a colour, or those far from the field's colour) inside a box, trace the
outline of each of the largest marked regions, simplify it to at most the given number of points,
and print it in flag units; with layers, the regions of the emblem's next commonest palette
colours follow on top of its silhouette.
Usage: trace_emblem.py ISO (--colour R,G,B | --field R,G,B[;R,G,B] | --fills R,G,B[;R,G,B]) [--tolerance D]
                       [--box X1 Y1 X2 Y2] [--points N] [--parts K] [--layers L] [--close N] [--open N]
                       [--curves] [--mirror X] [--colour-name NAME] [--skip-shapes N]
"""
import argparse
import heapq
import math
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import flag_format as fmt  # noqa: E402
from emblem_path import path_text  # noqa: E402
from reference_fills import only_fills  # noqa: E402
from score_flags import distance_squared, read_picture, reference_svg, render_svg, svg_aspect  # noqa: E402

TRACE_WIDTH = 720   # pixels across the reference; three per flag unit
MIN_REGION = 30     # pixels; smaller regions are left out
BACKDROPS = [(255, 0, 255), (0, 255, 255), (0, 0, 0), (255, 255, 255)]   # behind the chosen fills


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
                    inside = distance_squared(p, colour) <= limit
                else:
                    inside = all(distance_squared(p, f) > limit for f in fields)
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


def simplify(points, epsilon, closed=True):
    """Douglas-Peucker on a closed ring, or on an open run that keeps both its ends."""
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
    if not closed:
        return reduce(points)
    half = len(points) // 2
    return reduce(points[:half + 1])[:-1] + reduce(points[half:] + [points[0]])[:-1]


def removal_cost(a, b, c):
    """What leaving out b between a and c costs: the area it cuts off or adds, weighed by the root
    of its distance from the chord, so that a narrow spike (a tail, a sword's tip) outlasts a
    shallow bump of the same area, while coverage still counts most."""
    (ax, ay), (bx, by), (cx, cy) = a, b, c
    twice_area = abs((bx - ax) * (cy - ay) - (by - ay) * (cx - ax))
    chord = math.hypot(cx - ax, cy - ay)
    height = twice_area / chord if chord else math.hypot(bx - ax, by - ay)
    return twice_area / 2 * math.sqrt(height)


def reduce_to(points, limit, closed=True):
    """At most limit of the points: the pixel steps smoothed away, then the cheapest point to
    leave out (removal_cost) left out, one at a time; an open run keeps both its ends."""
    points = simplify(points, 1.0, closed)
    n = len(points)
    before = [(i - 1) % n for i in range(n)]
    after = [(i + 1) % n for i in range(n)]
    fixed = set() if closed else {0, n - 1}
    version = [0] * n
    def entry(i):
        return (removal_cost(points[before[i]], points[i], points[after[i]]), i, version[i])
    heap = [entry(i) for i in range(n) if i not in fixed]
    heapq.heapify(heap)
    alive = n
    while alive > max(limit, 3) and heap:
        _, i, seen = heapq.heappop(heap)
        if seen != version[i]:
            continue
        version[i] = -1   # gone
        a, c = before[i], after[i]
        after[a], before[c] = c, a
        alive -= 1
        for j in (a, c):
            if j not in fixed:
                version[j] += 1
                heapq.heappush(heap, entry(j))
    return [p for i, p in enumerate(points) if version[i] >= 0]


def open_on_axis(ring, axis):
    """The ring turned to start and end on the axis x = axis, its longest stretch along the axis
    left out (the mirrored half closes it); None when no point of the ring lies on the axis."""
    n = len(ring)
    on = [x == axis for x, _ in ring]
    if not any(on) or all(on):
        return None
    stretches = []   # (length, first, last) of every stretch of points on the axis
    for first in (i for i in range(n) if on[i] and not on[i - 1]):
        last = first
        while on[(last + 1) % n]:
            last = (last + 1) % n
        stretches.append((abs(ring[last][1] - ring[first][1]), first, last))
    _, first, last = max(stretches)
    return ring[last:] + ring[:first + 1] if last >= first else ring[last:first + 1]


def bridged_to_axis(ring, axis):
    """A closed piece off the axis as an open run from the axis and back: out to the piece's
    point nearest the axis, round the piece, and back the same way, so that the bridge encloses
    nothing. Returns the run and the indices of the corners where the bridge meets the piece."""
    k = max(range(len(ring)), key=lambda i: ring[i][0])
    ring = ring[k:] + ring[:k]
    if ring[0][0] == axis:
        return ring + [ring[0]], (0, len(ring))
    foot = (axis, ring[0][1])
    return [foot] + ring + [ring[0], foot], (1, len(ring) + 1)


def traced_paths(mask, args, width, height):
    """The Path blocks of the largest args.parts regions of mask. With a mirror axis every path
    starts and ends on it: a region touching the axis is opened there, one off it is bridged."""
    axis = args.mirror
    axis_pixel = None if axis is None else round((axis + 120) * width / 240)
    to_flag = lambda p: (round(p[0] * 240 / width - 120), round(120 - p[1] * 240 / height))
    lines = []
    for region in regions(mask)[:args.parts]:
        if len(region) < MIN_REGION:
            continue
        ring = outline(region)
        opened = None if axis is None else open_on_axis(ring, axis_pixel)
        closed = opened is None
        bridge_points = 3 if closed and axis is not None else 0
        simple = [to_flag(p) for p in reduce_to(opened or ring, min(args.points, 64) - bridge_points, closed)]
        unique = [p for i, p in enumerate(simple) if p != simple[i - 1] or (i == 0 and not closed)]
        if len(unique) < 3:
            continue
        corners = ()
        if axis is not None:
            unique = [(min(x, axis), y) for x, y in unique]
            if closed:
                unique, corners = bridged_to_axis(unique, axis)
            else:
                unique[0], unique[-1] = (axis, unique[0][1]), (axis, unique[-1][1])
        lines += path_text(unique, axis, args.curves, width / height, corners)
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
                    nearest[p] = min(range(len(fmt.PALETTE)), key=lambda i: distance_squared(p, fmt.PALETTE[i]))
                shades[y][x] = nearest[p]
                counts[nearest[p]] = counts.get(nearest[p], 0) + 1
    order = sorted(counts, key=counts.get, reverse=True)
    lines = ['    SetColour ' + fmt.COLOUR_NAMES[order[0]]] + traced_paths(mask, args, width, height)
    for colour in order[1:1 + args.layers]:
        layer = close_and_open([[shade == colour for shade in row] for row in shades], args.close, 0)
        paths = traced_paths(layer, args, width, height)
        if paths:
            lines += ['    SetColour ' + fmt.COLOUR_NAMES[colour]] + paths
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
    parser.add_argument('--fills', help='R,G,B[;R,G,B...]: trace only the reference shapes of these fills, '
                        'without strokes (the rest of the picture is the field unless --colour or --field)')
    parser.add_argument('--skip-shapes', type=int, default=0, help='with --fills, leave out the first N shapes drawn')
    args = parser.parse_args(argv)
    svg = reference_svg(args.iso)
    width = TRACE_WIDTH
    height = round(width / svg_aspect(svg))
    rgb = lambda text: tuple(int(v) for v in text.split(',')) if text else None
    fills = [rgb(f) for f in args.fills.split(';')] if args.fills else []
    backdrop = max(BACKDROPS, key=lambda b: min(distance_squared(b, f) for f in fills)) if fills else None
    with tempfile.TemporaryDirectory() as work:
        png = os.path.join(work, 'reference.png')
        if fills:   # the chosen shapes alone, on a backdrop far from their colours
            with open(svg, encoding='utf-8') as source:
                reduced = only_fills(source.read(), fills, args.skip_shapes)
            svg = os.path.join(work, 'reduced.svg')
            with open(svg, 'w', encoding='utf-8') as output:
                output.write(reduced)
        render_svg(svg, width, height, png, backdrop)
        picture = read_picture(png)
    to_pixels = lambda fx, fy: (round((fx + 120) * width / 240), round((120 - fy) * height / 240))
    if args.mirror is not None:
        args.box[2] = args.mirror
    (bx1, by1), (bx2, by2) = to_pixels(args.box[0], args.box[3]), to_pixels(args.box[2], args.box[1])
    fields = [rgb(f) for f in args.field.split(';')] if args.field else []
    if backdrop and not args.colour and not fields:
        fields = [backdrop]
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
