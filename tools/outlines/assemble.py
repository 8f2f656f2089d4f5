"""From Natural Earth features to one list of outline polygons per country code: merges,
regions, dissolved inner borders, the split at the date line, the Walvis Bay cut,
clockwise orientation, enclaves, and the small islands left out."""
import collections
import math

import codes
import shapes
from topology import reverse_ring

SEAM_OVERLAP = 0.05   # degrees that a polygon cut at the date line runs past it
POLE_CLOSURE = 179.9   # colatitude along which Antarctica is closed near the South Pole
LARGE_COUNTRY_KM2 = 20000.0   # countries that keep their area within a few percent
KEPT_AREA_SHARE = 0.98   # of a code's area, kept in its largest islands before small ones


class Shape:
    """One outline polygon: a country code and a closed ring of arc references."""

    def __init__(self, code, ring):
        self.code = code
        self.ring = ring
        self.enclave = False   # drawn after the polygon that surrounds it
        self.area_km2 = 0.0


def unwrapped(points):
    """Longitudes made continuous (no step over 180 degrees); the first stays."""
    out, offset, prev = [], 0.0, None
    for x, y in points:
        if prev is not None:
            while x + offset - prev > 180.0:
                offset -= 360.0
            while x + offset - prev < -180.0:
                offset += 360.0
        out.append((x + offset, y))
        prev = x + offset
    return out


def collect(atlas):
    """Shapes per code from the features, plus the holes (container code, ring) and the
    names of the features left out."""
    shapes_of = collections.defaultdict(list)
    holes, left_out = [], []
    for feature in atlas.features:
        fcode = codes.feature_code(feature)
        if fcode is None:
            left_out.append(feature.name)
            continue
        for polygon in feature.polygons:
            outer, inner = polygon[0], polygon[1:]
            if feature.id == "010" and inner:
                # Antarctica comes as a cap round the pole with the coast as its hole.
                outer, inner = reverse_ring(inner[0]), inner[1:]
            lon, lat = shapes.centre(unwrapped(atlas.ring_points(outer)))
            code = codes.part_code(fcode, lon, lat)
            shapes_of[code].append(outer)
            holes.extend((code, ring) for ring in inner)
    return shapes_of, holes, left_out


def dissolve(atlas, rings):
    """Removes borders between rings of one code (arcs used twice) and relinks the rest."""
    uses = collections.Counter(arc for ring in rings for arc, _ in ring)
    inner = {arc for arc, n in uses.items() if n > 1}
    if not inner:
        return rings
    kept = [ring for ring in rings if not any(arc in inner for arc, _ in ring)]
    loose = [ref for ring in rings if any(arc in inner for arc, _ in ring)
             for ref in ring if ref[0] not in inner]
    return kept + link(atlas, loose)


def link(atlas, refs):
    """Joins references end to start into closed rings."""
    starts = collections.defaultdict(list)
    for ref in refs:
        starts[_ends(atlas, ref)[0]].append(ref)
    used, rings = set(), []
    for ref in refs:
        if ref in used:
            continue
        ring, current = [], ref
        while current not in used:
            used.add(current)
            ring.append(current)
            following = [r for r in starts[_ends(atlas, current)[1]] if r not in used]
            if not following:
                break
            current = following[0]
        rings.append(ring)
    return rings


def _ends(atlas, ref):
    points = atlas.ref_points(ref)
    return points[0], points[-1]


def split_at_seam(atlas, ring):
    """A ring that crosses the date line becomes one ring on each side, each running
    SEAM_OVERLAP degrees past it; the ring round the South Pole is closed near the pole."""
    pieces, crossings = [], 0
    offset_total = 0.0
    for ref in ring:
        points = atlas.ref_points(ref)
        u = unwrapped(points)
        offset_total += (u[-1][0] - points[-1][0]) - (u[0][0] - points[0][0])
        cuts = [k for k in range(1, len(points)) if abs(points[k][0] - points[k - 1][0]) > 180.0]
        crossings += len(cuts)
        if not cuts:
            pieces.append((ref, False, False))
            continue
        bounds = [0] + cuts + [len(points)]
        for i in range(len(bounds) - 1):
            part = list(points[bounds[i]:bounds[i + 1]])
            if i > 0:
                part.insert(0, _seam_point(points[bounds[i] - 1], points[bounds[i]], part[0][0]))
            if i < len(bounds) - 2:
                part.append(_seam_point(points[bounds[i + 1] - 1], points[bounds[i + 1]], part[-1][0]))
            pieces.append((atlas.add_arc(part), i > 0, i < len(bounds) - 2))
    if crossings == 0:
        return [ring]
    # rotate so that the list starts with a piece entering from the seam
    first = next(i for i, p in enumerate(pieces) if p[1])
    pieces = pieces[first:] + pieces[:first]
    if abs(offset_total) > 180.0:   # round the pole: one piece from seam to seam
        return [_close_at_pole(atlas, pieces)]
    runs = []
    for ref, enters, leaves in pieces:
        if enters:
            runs.append([])
        runs[-1].append(ref)
    rings = []
    for side in (1.0, -1.0):
        side_runs = [run for run in runs if atlas.ref_points(run[0])[0][0] * side > 0]
        out = []
        for i, run in enumerate(side_runs):
            out.extend(run)
            exit_point = atlas.ref_points(run[-1])[-1]
            entry_point = atlas.ref_points(side_runs[(i + 1) % len(side_runs)][0])[0]
            out.append(atlas.add_arc([exit_point, entry_point]))
        if out:
            rings.append(out)
    return rings


def _seam_point(before, after, x_side):
    """Where the segment before -> after (which steps over the date line) meets it, moved
    SEAM_OVERLAP past it on the side of x_side."""
    ub = before[0]
    ua = after[0] + (360.0 if after[0] < ub else -360.0)
    if ua == ub:   # both on the date line
        return (math.copysign(180.0 + SEAM_OVERLAP, x_side), before[1])
    t = (math.copysign(180.0, ub) - ub) / (ua - ub)
    y = before[1] + t * (after[1] - before[1])
    return (math.copysign(180.0 + SEAM_OVERLAP, x_side), y)


def _close_at_pole(atlas, pieces):
    refs = [ref for ref, _, _ in pieces]
    start, end = atlas.ref_points(refs[0])[0], atlas.ref_points(refs[-1])[-1]
    closure = [end, (end[0], POLE_CLOSURE), (start[0], POLE_CLOSURE), start]
    return refs + [atlas.add_arc(closure)]


def push_past_seam(atlas):
    """Points exactly on the date line move SEAM_OVERLAP past it, out of every cell."""
    for arc in atlas.arcs:
        for k, (x, y) in enumerate(arc):
            if abs(x) == 180.0:
                arc[k] = (math.copysign(180.0 + SEAM_OVERLAP, x), y)


def cut_walvis_bay(atlas, rings_of):
    """Cuts Walvis Bay out of Namibia along one new border arc shared by both."""
    namibia = codes.CODE_OF_ALPHA2["NA"]
    north = _to_stream(codes.WALVIS_NORTH_COAST)
    south = _to_stream(codes.WALVIS_SOUTH_COAST)
    for r, ring in enumerate(rings_of[namibia]):
        for k, ref in enumerate(ring):
            points = atlas.ref_points(ref)
            i_north, i_south = _nearest(points, north), _nearest(points, south)
            if math.dist(points[i_north], north) > 1e-3 or math.dist(points[i_south], south) > 1e-3:
                continue
            a, b = sorted((i_north, i_south))
            inland = _inland_from(points[a], north, south)
            border = atlas.add_arc([points[a]] + inland + [points[b]])
            before = atlas.add_arc(points[:a + 1])
            coast = atlas.add_arc(points[a:b + 1])
            after = atlas.add_arc(points[b:])
            rings_of[namibia][r] = ring[:k] + [before, border, after] + ring[k + 1:]
            reversed_border = (border[0], False)
            rings_of[codes.REGION["Walvis Bay"]].append([coast, reversed_border])
            return
    raise SystemExit("outlines: Namibia's coast does not pass the Walvis Bay border points")


def _inland_from(start, north, south):
    """The inland boundary points in order from the coast point start."""
    ordered = [_to_stream(p) for p in codes.WALVIS_INLAND]   # from the north coast point
    return ordered if math.dist(start, north) < math.dist(start, south) else ordered[::-1]


def _to_stream(lon_lat):
    return (lon_lat[0], 90.0 - lon_lat[1])


def _nearest(points, target):
    return min(range(len(points)), key=lambda k: math.dist(points[k], target))


def orient_clockwise(atlas, ring):
    return ring if shapes.shoelace(atlas.ring_points(ring)) > 0 else reverse_ring(ring)


def build(atlas, polygon_budget):
    """The shapes to encode, in stream order, the expected area of every code, and a report."""
    rings_of, holes, left_out = collect(atlas)
    for code in list(rings_of):
        rings_of[code] = dissolve(atlas, rings_of[code])
    for code in list(rings_of):
        rings_of[code] = [side for ring in rings_of[code] for side in split_at_seam(atlas, ring)]
    push_past_seam(atlas)
    cut_walvis_bay(atlas, rings_of)
    all_shapes = []
    for code in sorted(rings_of):
        for ring in rings_of[code]:
            shape = Shape(code, orient_clockwise(atlas, ring))
            shape.area_km2 = shapes.area_km2(atlas.ring_points(shape.ring))
            all_shapes.append(shape)
    expected = collections.Counter()
    for shape in all_shapes:
        expected[shape.code] += shape.area_km2
    unfilled = mark_enclaves(all_shapes, holes)
    kept = choose(all_shapes, expected, polygon_budget)
    kept = [s for s in kept if not s.enclave] + [s for s in kept if s.enclave]
    report = {"left_out": left_out, "unfilled_holes": unfilled,
              "dropped": len(all_shapes) - len(kept)}
    return kept, expected, report


def choose(all_shapes, expected, budget):
    """Every code's largest polygon, then the others by area weighed against the size of
    their code (so that small island states keep their islands), up to budget polygons."""
    largest = {}
    for shape in all_shapes:
        if shape.code not in largest or shape.area_km2 > largest[shape.code].area_km2:
            largest[shape.code] = shape
    chosen = set(map(id, largest.values()))
    by_size = sorted(all_shapes, key=lambda s: -s.area_km2)
    kept_area = collections.Counter({code: s.area_km2 for code, s in largest.items()})
    for shape in by_size:   # large countries keep all but a sliver of their area
        large = expected[shape.code] > LARGE_COUNTRY_KM2
        if large and kept_area[shape.code] < KEPT_AREA_SHARE * expected[shape.code] and id(shape) not in chosen:
            chosen.add(id(shape))
            kept_area[shape.code] += shape.area_km2
    others = [s for s in by_size if id(s) not in chosen]
    others.sort(key=lambda s: -s.area_km2 / expected[s.code] ** 0.25)
    chosen |= set(map(id, others[:max(0, budget - len(chosen))]))
    return [s for s in all_shapes if id(s) in chosen]


def mark_enclaves(all_shapes, holes):
    """Marks the shapes that fill a hole of another code; returns the holes nobody fills."""
    by_arcs = {frozenset(arc for arc, _ in s.ring): s for s in all_shapes}
    unfilled = []
    for container, ring in holes:
        shape = by_arcs.get(frozenset(arc for arc, _ in ring))
        if shape is None or shape.code == container:
            unfilled.append(container)
        else:
            shape.enclave = True
    return unfilled
