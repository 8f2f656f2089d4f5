"""Plane and sphere measures of point lists in (longitude, colatitude) degrees."""
import math

EARTH_RADIUS_KM = 6371.0088


def shoelace(points):
    """Sum of x_k * y_k+1 - x_k+1 * y_k over a closed list: positive runs clockwise on a
    north-up map (y grows southward)."""
    total = 0.0
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        total += x0 * y1 - x1 * y0
    return total


def area_km2(points):
    """Area enclosed by a closed list on the sphere, edges taken as straight in the
    cylindrical equal-area projection (exact enough for the short edges of outlines)."""
    total = 0.0
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        total += math.radians(x1 - x0) * (math.cos(math.radians(y0)) + math.cos(math.radians(y1))) / 2
    return abs(total) * EARTH_RADIUS_KM ** 2


def centre(points):
    """Mean of the points as (longitude, latitude)."""
    n = len(points)
    return sum(p[0] for p in points) / n, 90.0 - sum(p[1] for p in points) / n


def length(points):
    return sum(math.dist(a, b) for a, b in zip(points, points[1:]))


def simplify(points, tolerance):
    """Douglas-Peucker: the ends always stay."""
    if len(points) < 3:
        return list(points)
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        (ax, ay), (bx, by) = points[first], points[last]
        dx, dy = bx - ax, by - ay
        norm = math.hypot(dx, dy)
        worst, worst_at = -1.0, -1
        for k in range(first + 1, last):
            px, py = points[k]
            if norm == 0.0:
                d = math.hypot(px - ax, py - ay)
            else:
                d = abs(dx * (py - ay) - dy * (px - ax)) / norm
            if d > worst:
                worst, worst_at = d, k
        if worst > tolerance:
            keep[worst_at] = True
            stack.append((first, worst_at))
            stack.append((worst_at, last))
    return [p for p, k in zip(points, keep) if k]


def point_in_polygon(x, y, points):
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        if (y0 > y) != (y1 > y):
            if x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
    return inside
