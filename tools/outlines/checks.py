"""The rules every decoded polygon keeps, checked on the generator's own model of the
decoder; each failure names the code and the cell."""
import collections
import math

import codes
import grid
import shapes

CROSSING_LIMIT = 16   # crossing records the clipper holds per polygon and cell


def where(code, p):
    sector, band = grid.cell_of(*p)
    return "code %d (%s), cell band %d sector %d, point (%.4f, %.4f)" % (
        code, codes.label(code), band, sector, p[0], p[1])


def check_polygon(code, points):
    """The list of rule breaks of one decoded polygon."""
    faults = []
    if points[0] != points[-1]:
        faults.append(where(code, points[0]) + ": polygon does not close")
    for p in points:
        if not grid.vertex_ok(p):
            faults.append(where(code, p) + ": vertex on a cell edge")
    for p, q in zip(points, points[1:]):
        if not grid.segment_ok(p, q):
            faults.append(where(code, p) + ": segment passes a cell without an end inside it")
    cells = {grid.cell_number(*p) for p in points}
    if (len(cells) > 1 or None in cells) and shapes.shoelace(points) <= 0:
        faults.append(where(code, points[0]) + ": polygon crosses a cell edge but is not clockwise")
    entries = collections.Counter()
    for p, q in zip(points, points[1:]):
        cq = grid.cell_number(*q)
        if cq is not None and grid.cell_number(*p) != cq:
            entries[cq] += 1
    for cell, n in entries.items():
        if n > CROSSING_LIMIT:
            faults.append("code %d (%s), cell %d: %d crossings" % (code, codes.label(code), cell, n))
    faults += covered_cells(code, points, cells)
    faults += self_crossings(code, points)
    return faults


def covered_cells(code, points, cells):
    """A cell whose centre lies inside the polygon must hold one of its vertices."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    faults = []
    for band in range(6):
        for sector in range(24):
            cx, cy = -172.5 + 15 * sector, 15.0 + 30 * band
            if min(xs) < cx < max(xs) and min(ys) < cy < max(ys):
                if band * 24 + sector not in cells and shapes.point_in_polygon(cx, cy, points):
                    faults.append(where(code, (cx, cy)) + ": polygon covers a cell with no vertex in it")
    return faults


def self_crossings(code, points):
    return sorted({where(code, points[i]) + ": outline crosses itself" for i in crossing_segments(points)})


def crossing_segments(points):
    """Indices k of the segments points[k] -> points[k + 1] that cross another one."""
    index = [k for k in range(len(points) - 1) if points[k] != points[k + 1]]
    segments = [(points[k], points[k + 1]) for k in index]
    buckets = collections.defaultdict(list)
    for i, (p, q) in enumerate(segments):
        for bx in range(math.floor(min(p[0], q[0])), math.floor(max(p[0], q[0])) + 1):
            for by in range(math.floor(min(p[1], q[1])), math.floor(max(p[1], q[1])) + 1):
                buckets[bx, by].append(i)
    n = len(segments)
    faults = set()
    for members in buckets.values():
        for a in range(len(members)):
            for b in range(a + 1, len(members)):
                i, j = members[a], members[b]
                if abs(i - j) <= 1 or abs(i - j) == n - 1:
                    continue
                if _cross(*segments[i], *segments[j]):
                    faults.update((index[i], index[j]))
    return faults


def _cross(a, b, c, d):
    def side(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    d1, d2, d3, d4 = side(c, d, a), side(c, d, b), side(a, b, c), side(a, b, d)
    return ((d1 > 0) != (d2 > 0)) and ((d3 > 0) != (d4 > 0)) and 0 not in (d1, d2, d3, d4)
