"""Writes a traced outline as a Path block of the flag source: straight lines, or a Catmull-Rom
spline through the points in whichever of line, curve and smooth elements costs fewest bytes.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import flag_format as fmt  # noqa: E402

CORNER_TURN = 1.0   # radians; a sharper turn keeps its corner in a curved outline


def clamp(value, low, high):
    return max(low, min(high, value))


ELEMENT_BYTES = {'line': 2, 'smooth': 4, 'curve': 5}   # a mode byte before the first of a kind
MODE_OF_ELEMENT = {element: mode for mode, element in fmt.ELEMENT_OF_MODE.items()}


def stored_controls(kind, c1, c2):
    """The controls as the element stores them (a smooth element's c1 is implied)."""
    if kind == 'curve':
        return (clamp(c1[0], -124, 127), clamp(c1[1], -15, 48)), (clamp(c2[0], -15, 16), clamp(c2[1], -15, 16))
    if kind == 'smooth':
        return c1, (clamp(c2[0], -124, 127), clamp(c2[1], -128, 127))
    return (0, 0), (0, 0)


def straight(start, c1, c2, end):
    """Whether the curve from start to end with these control offsets is (within half a unit)
    the straight line between them."""
    (ax, ay), (bx, by) = start, end
    length = math.hypot(bx - ax, by - ay)
    if not length:
        return c1 == c2 == (0, 0)
    off_line = lambda px, py: abs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / length
    return off_line(ax + c1[0], ay + c1[1]) <= 0.5 and off_line(bx + c2[0], by + c2[1]) <= 0.5


def cheapest_elements(segments):
    """The element kind of every segment (start, c1, c2, end) for the fewest bytes: a line where
    the curve is straight, a smooth element where the one before is curved and its stored c2
    mirrors this c1, else a curve; every change of kind costs a mode byte. Paths start in lines
    mode."""
    best = {'lines': (0, [], None)}   # mode -> (bytes, kinds, the last element's stored c2)
    for start, c1, c2, end in segments:
        step = {}
        for mode, (cost, kinds, previous_c2) in best.items():
            for kind in ('line', 'smooth', 'curve'):
                if kind == 'line' and not straight(start, c1, c2, end):
                    continue
                if kind == 'smooth' and (mode == 'lines' or (-previous_c2[0], -previous_c2[1]) != c1):
                    continue
                new_mode = MODE_OF_ELEMENT[kind]
                total = cost + ELEMENT_BYTES[kind] + (new_mode != mode)
                if new_mode not in step or total < step[new_mode][0]:
                    step[new_mode] = (total, kinds + [kind], stored_controls(kind, c1, c2)[1])
        best = step
    return min(best.values(), key=lambda choice: choice[0])[1]


def path_text(points, axis, curves, aspect, corners=()):
    """The Path block through points: lines, or with curves a Catmull-Rom spline in the cheapest
    elements (cheapest_elements); corners are indices of points that keep a sharp corner."""
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
        sharp = turn > CORNER_TURN or i % n in corners
        return (0, 0) if sharp else (round((cx - ax) / 6), round((cy - ay) / 6))
    pieces = []
    for i in range(segments):
        t1, t2 = tangent(i), tangent(i + 1)
        pieces.append((at(i), t1, (-t2[0], -t2[1]), at(i + 1)))
    mode = 'lines'
    for (_, c1, c2, end), kind in zip(pieces, cheapest_elements(pieces)):
        if MODE_OF_ELEMENT[kind] != mode:
            mode = MODE_OF_ELEMENT[kind]
            lines.append('        mode ' + mode)
        (c1x, c1y), (c2x, c2y) = stored_controls(kind, c1, c2)
        operands = {'line': end, 'smooth': (c2x, c2y) + end, 'curve': (c1x, c1y, c2x, c2y) + end}[kind]
        lines.append('        %s %s' % (kind, ' '.join(str(v) for v in operands)))
    return lines + ['    endpath']
