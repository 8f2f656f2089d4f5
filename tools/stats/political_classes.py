"""The political colour classes: a four-colouring of the countries in which no two neighbours
share a class. Neighbours share a border, lie closer than about 100 km across the sea, or one
lies inside the other (enclaves drawn as islands of their own).

The points come from the program's own decoding of the embedded outlines (outline_points/),
one line per point: polygon number, country code, longitude, colatitude (degrees). A point that
two countries share is on a land border; every other point is on a coast.
"""
import math

EARTH_RADIUS_KM = 6371.0
SEA_GAPS_KM = (100.0, 75.0, 50.0, 25.0, 0.0)   # tried in order until a colouring exists
CLASS_COUNT = 4


class Outlines:
    def __init__(self, lines):
        self.polygons = {}      # polygon number -> (country, [(longitude, colatitude)])
        for line in lines:
            polygon, code, x, y = line.split()
            entry = self.polygons.setdefault(int(polygon), (int(code), []))
            entry[1].append((float(x), float(y)))
        self.countries = sorted({code for code, _ in self.polygons.values()})
        owners = {}
        for code, pts in self.polygons.values():
            for p in pts:
                owners.setdefault(p, set()).add(code)
        self.owners = owners

    def coast_points(self):
        """{country: [point]} of the points no other country shares."""
        coast = {}
        for code, pts in self.polygons.values():
            coast.setdefault(code, []).extend(p for p in pts if len(self.owners[p]) == 1)
        return coast


def border_pairs(outlines):
    """Pairs (a, b), a < b, of countries that have a point in common: a shared border."""
    pairs = set()
    for codes in outlines.owners.values():
        ordered = sorted(codes)
        pairs.update((a, b) for i, a in enumerate(ordered) for b in ordered[i + 1:])
    return pairs


def unit_vector(longitude, colatitude):
    lam, chi = math.radians(longitude), math.radians(colatitude)
    return (math.sin(chi) * math.cos(lam), math.sin(chi) * math.sin(lam), math.cos(chi))


def near_pairs(points, gap_km):
    """Pairs (a, b), a < b, of countries with points less than gap_km apart (great circle);
    points is {country: [point]}."""
    if gap_km <= 0:
        return set()
    chord = 2.0 * math.sin(gap_km / EARTH_RADIUS_KM / 2.0)   # on the unit sphere
    cells = {}
    for code, pts in points.items():
        for p in set(pts):
            v = unit_vector(*p)
            cells.setdefault(tuple(int(math.floor(c / chord)) for c in v), []).append((code, v))
    pairs = set()
    offsets = [(i, j, k) for i in (-1, 0, 1) for j in (-1, 0, 1) for k in (-1, 0, 1)]
    for cell, members in cells.items():
        nearby = [m for o in offsets for m in cells.get(tuple(c + d for c, d in zip(cell, o)), ())]
        for code, v in members:
            for other, w in nearby:
                if other > code and (code, other) not in pairs and math.dist(v, w) < chord:
                    pairs.add((code, other))
    return pairs


def inside(point, ring):
    """Even-odd rule in the longitude-colatitude plane."""
    x, y = point
    result = False
    for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def enclave_pairs(outlines):
    """Pairs (a, b), a < b, where a polygon of one country lies inside a polygon of another,
    tested with its first point that no other country shares."""
    boxes = [(code, ring, min(x for x, _ in ring), max(x for x, _ in ring),
              min(y for _, y in ring), max(y for _, y in ring))
             for code, ring in outlines.polygons.values()]
    pairs = set()
    for code, pts in outlines.polygons.values():
        probe = next((p for p in pts if len(outlines.owners[p]) == 1), None)
        if probe is None:
            continue
        for other, ring, x0, x1, y0, y1 in boxes:
            if other != code and x0 <= probe[0] <= x1 and y0 <= probe[1] <= y1 \
                    and inside(probe, ring):
                pairs.add((min(code, other), max(code, other)))
    return pairs


def colour(countries, pairs):
    """{country: class 0..3} with different classes across every pair, or None if there is none.

    Deterministic backtracking: always the uncoloured country with the most distinct classes
    among its neighbours next (then the most neighbours, then the smallest code), classes tried
    in order 0..3.
    """
    neighbours = {c: set() for c in countries}
    for a, b in pairs:
        neighbours[a].add(b)
        neighbours[b].add(a)
    classes = {}

    def urgency(c):
        return (-len({classes[n] for n in neighbours[c] if n in classes}), -len(neighbours[c]), c)

    def search():
        waiting = [c for c in countries if c not in classes]
        if not waiting:
            return True
        country = min(waiting, key=urgency)
        taken = {classes[n] for n in neighbours[country] if n in classes}
        for k in range(CLASS_COUNT):
            if k not in taken:
                classes[country] = k
                if search():
                    return True
                del classes[country]
        return False

    return dict(classes) if search() else None


def political_classes(lines, country_count):
    """({country 1..country_count: class}, sea gap used in km, pairs kept apart). Countries
    without outlines get class 0."""
    outlines = Outlines(lines)
    hard = border_pairs(outlines) | enclave_pairs(outlines)
    coast = {c: p for c, p in outlines.coast_points().items() if p}
    for gap in SEA_GAPS_KM:
        pairs = hard | near_pairs(coast, gap)
        classes = colour(outlines.countries, pairs)
        if classes is not None:
            return {c: classes.get(c, 0) for c in range(1, country_count + 1)}, gap, pairs
    raise ValueError("the shared borders alone admit no four-colouring")
