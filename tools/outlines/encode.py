"""Turns the chosen shapes into the outline stream: paths between junctions, nodes,
chains that follow the outline in equal steps, lines, rings and triangles, run copies of
shared borders; every decoded point is checked against the cell rules as it is made."""
import collections
import math

import grid
import shapes
import stream_model as sm
from grid import f32


class EncodeError(Exception):
    pass


class Settings:
    def __init__(self, relative_step, largest_step, smallest_step=2):
        self.relative_step = relative_step   # step as a share of the polygon's size
        self.largest_step = largest_step     # in 0.01 degrees
        self.smallest_step = smallest_step
        self.size_power = 0.6                # step = relative_step * size ** size_power
        self.simplify_share = 0.0            # Douglas-Peucker tolerance in steps (0: none)
        self.offsets = {}                    # shape index -> outward shift of its coast, degrees
        self.refined = {}                    # shape index -> factor on its step
        self.path_steps = {}                 # path key -> step that repairs a crossing
        self.line_steps = 12                 # a straight stretch this many steps long is a line
        self.triangle_steps = 6              # an island whose outline is shorter is a triangle


class Path:
    """A stretch of outline between two nodes (or a whole island), used by one or two shapes."""

    def __init__(self, points, shared, owner=None):
        self.points = points
        self.shared = shared
        self.owner = owner      # the shape index of an unshared path
        self.key = (points[0], points[-1], len(points))
        self.step = None        # in 0.01 degrees
        self.runs = None        # run numbers once stored, in the stored direction
        self.stored_forward = None
        self.pieces = 0


class Nodes:
    """Junction points: quantized to anchors, moved off cell edges, numbered when defined."""

    def __init__(self):
        self.units = {}
        self.numbers = {}

    def point(self, key):
        return sm.anchor_point(*self.anchor(key))

    def anchor(self, key):
        if key not in self.units:
            self.units[key] = nudged_anchor(*key)
        return self.units[key]

    def number(self, key):
        return self.numbers.get(key)

    def define(self, key):
        self.numbers[key] = len(self.numbers) + 1
        return self.numbers[key]


def nudged_anchor(x, y):
    X, Y = sm.anchor_units(x, y)
    for _ in range(200):
        p = sm.anchor_point(X, Y)
        edge = grid.near_edge(*p)
        if edge is None:
            return X, Y
        axis, line = edge
        if axis == "x":
            X += 20 if p[0] >= line else -20
        else:
            Y += 20 if p[1] >= line else -20
    raise EncodeError("no anchor off the cell edges near (%.4f, %.4f)" % (x, y))


def build_paths(atlas, kept):
    """Per shape, its paths as (path, forward) in ring order; shared arcs are one path."""
    uses = collections.Counter(arc for s in kept for arc, _ in s.ring)
    shared_paths = {}
    out = []
    for index, shape in enumerate(kept):
        ring = shape.ring
        if all(uses[arc] == 1 for arc, _ in ring):
            out.append([(Path(atlas.ring_points(ring), False, index), True)])
            continue
        # start the ring with a shared arc so that every unshared stretch is one path
        first = next(k for k, (arc, _) in enumerate(ring) if uses[arc] > 1)
        ring = ring[first:] + ring[:first]
        paths, loose = [], []
        for arc, forward in ring + [(None, True)]:
            if arc is not None and uses[arc] == 1:
                p = atlas.ref_points((arc, forward))
                loose.extend(p if not loose else p[1:])
                continue
            if loose:
                paths.append((Path(loose, False, index), True))
                loose = []
            if arc is not None:
                if arc not in shared_paths:
                    shared_paths[arc] = Path(atlas.arcs[arc], True)
                paths.append((shared_paths[arc], forward))
        out.append(paths)
    return out


def assign_steps(kept, paths_of, settings):
    """A path's step follows the size of the smaller polygon along it."""
    for index, (shape, paths) in enumerate(zip(kept, paths_of)):
        size = math.sqrt(max(shapes.shoelace(shape_points(paths)), 1e-9) / 2.0)
        step = settings.relative_step * size ** settings.size_power * 100.0
        step *= settings.refined.get(index, 1.0)
        step = int(min(max(step, settings.smallest_step), settings.largest_step))
        for path, _ in paths:
            path.step = step if path.step is None else min(path.step, step)
    for paths in paths_of:
        for path, _ in paths:
            path.step = min(path.step, settings.path_steps.get(path.key, path.step))


def shape_points(paths):
    points = []
    for path, forward in paths:
        p = path.points if forward else path.points[::-1]
        points.extend(p if not points else p[1:])
    return points


class Writer:
    """Emits the stream and keeps the points, nodes and runs exactly as the decoder will."""

    def __init__(self, settings):
        self.settings = settings
        self.out = bytearray()
        self.points = []
        self.runs = []
        self.nodes = Nodes()
        self.polygons = []   # (code, first point index)
        self.kinds = collections.Counter()
        self.path_of_point = []   # the path that made each point, for repairs

    def polygon(self, shape, paths):
        self.out.append(shape.code)
        self.polygons.append((shape.code, len(self.points)))
        if len(paths) == 1 and not paths[0][0].shared:
            self.island(shape, paths[0][0])
            self.mark(paths[0][0])
            return
        self.started = False
        for path, forward in paths:
            if path.runs is None:
                self.store(path, forward, shape)
            else:
                self.copy(path, forward)
            self.mark(path)
        self.out.append(0xFA)

    def mark(self, path):
        self.path_of_point += [path] * (len(self.points) - len(self.path_of_point))

    # -- islands -------------------------------------------------------------------------
    def island(self, shape, path):
        s = self.settings
        points = shifted(path.points, s.offsets.get(path.owner, 0.0), True, path.step)
        perimeter = shapes.length(points)
        if perimeter < s.triangle_steps * path.step * 0.01 and self.triangle(shape, points):
            return
        step = path.step
        for attempt in range(12):
            try:
                X, Y = nudged_anchor(*points[0])
                anchor = sm.anchor_point(X, Y)
                step_now = max(1, min(step, int(perimeter / 4 / 0.01)))
                line = shapes.simplify(points, s.simplify_share * step_now * 0.01)
                directions, made = follow(anchor, line, anchor, step_now)
                break
            except EncodeError:
                step = max(1, step * 3 // 4) if attempt % 2 else step + 1
        else:
            raise EncodeError("code %d: island at (%.3f, %.3f) has no chain that keeps the cell rules"
                              % (shape.code, points[0][0], points[0][1]))
        self.out += bytes([0xF6]) + sm.anchor_bytes(X, Y) + chain_bytes(step_now, directions)
        self.points += [anchor] + made + [anchor]
        self.kinds["ring"] += 1

    def triangle(self, shape, points):
        area = abs(shapes.shoelace(points)) / 2.0
        cx = sum(p[0] for p in points[:-1]) / (len(points) - 1)
        cy = sum(p[1] for p in points[:-1]) / (len(points) - 1)
        radius = max(1, round(math.sqrt(area / 1.299) / 0.01))
        if radius > 255:
            return False
        X, Y = sm.anchor_units(cx, cy)
        for angle in range(256):
            corners = sm.triangle_points(X, Y, radius, angle)
            cells = {grid.cell_of(*p) for p in corners}
            if len(cells) == 1 and all(grid.vertex_ok(p) for p in corners):
                self.out += bytes([0xFB]) + sm.anchor_bytes(X, Y) + bytes([radius, angle])
                self.points += corners
                self.kinds["triangle"] += 1
                return True
        return False

    # -- pieces ------------------------------------------------------------------------------
    def store(self, path, forward, shape):
        points = path.points if forward else path.points[::-1]
        if not path.shared:
            points = shifted(points, self.settings.offsets.get(path.owner, 0.0), False, path.step)
        runs = []
        for kind, keys, line, step in self.plan(points, path.step):
            if kind == "line":
                self.node_piece(0xF8 if path.shared else 0xF7, keys, None, None)
                self.kinds["shared line" if path.shared else "line"] += 1
            else:
                start = self.points[-1] if self.started else self.nodes.point(keys[0])
                end = self.nodes.point(keys[1])
                directions, _ = follow_with_retries(start, line, end, step, shape.code)
                self.node_piece(None if path.shared else 0xF9, keys, step, directions)
                self.kinds["shared chain" if path.shared else "chain"] += 1
            if path.shared:
                self.runs.append((self.run_start, len(self.points) - 1))
                runs.append(len(self.runs))
        path.runs, path.stored_forward = runs, forward

    def plan(self, points, step):
        """Pieces of a path: long straight stretches become lines between nodes, the rest chains."""
        s = self.settings
        line = shapes.simplify(points, s.simplify_share * step * 0.01)
        cuts = [0]
        for k in range(1, len(line)):
            if math.dist(line[k - 1], line[k]) >= s.line_steps * step * 0.01:
                for c in (k - 1, k):
                    if c != cuts[-1]:
                        cuts.append(c)
        if cuts[-1] != len(line) - 1:
            cuts.append(len(line) - 1)
        pieces = []
        for a, b in zip(cuts, cuts[1:]):
            part = line[a:b + 1]
            if len(part) == 2 or shapes.length(part) < 2 * step * 0.01:
                pieces += self.line_pieces(part[0], part[-1])
            else:
                pieces.append(("chain", (part[0], part[-1]), part, step))
        return pieces

    def line_pieces(self, a, b):
        """A straight line, cut at nodes inside every cell it would cross without one."""
        pa, pb = self.nodes.point(a), self.nodes.point(b)
        if grid.segment_ok(pa, pb):
            return [("line", (a, b), None, None)]
        stops, previous = [], grid.cell_of(*pa)
        samples = 2000
        for i in range(1, samples):
            t = i / samples
            q = (a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]))
            c = grid.cell_of(*q)
            if c != previous:
                stops.append([t, t])
                previous = c
            elif stops:
                stops[-1][1] = t
        keys = [a]
        for t0, t1 in stops[:-1] if grid.cell_of(*pb) == previous else stops:
            t = (t0 + t1) / 2
            keys.append((a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])))
        keys.append(b)
        out = []
        for k0, k1 in zip(keys, keys[1:]):
            if not grid.segment_ok(self.nodes.point(k0), self.nodes.point(k1)):
                raise EncodeError("line (%.3f, %.3f) - (%.3f, %.3f) cuts a cell corner" % (*a, *b))
            out.append(("line", (k0, k1), None, None))
        return out

    def node_piece(self, command, keys, step, directions):
        start_key, end_key = keys
        data = bytearray()
        if not self.started:
            number = self.nodes.number(start_key)
            high = 0xE if number is None else number >> 8
        else:
            high = 0xE
        end_number = self.nodes.number(end_key)
        low = 0xE if end_number is None else end_number >> 8
        if high != 0xE:
            data.append(number & 0xFF)
        if low != 0xE:
            data.append(end_number & 0xFF)
        if not self.started:
            if high == 0xE:
                self.nodes.define(start_key)
                data += sm.anchor_bytes(*self.nodes.anchor(start_key))
            self.points.append(self.nodes.point(start_key))
        if low == 0xE:
            self.nodes.define(end_key)
            data += sm.anchor_bytes(*self.nodes.anchor(end_key))
        node_byte = high << 4 | low
        self.out += (bytes([node_byte]) if command is None else bytes([command, node_byte])) + data
        self.run_start = len(self.points) - 1
        if directions is not None:
            self.out += chain_bytes(step, directions)
            self.points += sm.chain_points(self.points[-1], step, directions)
        end = self.nodes.point(end_key)
        if not grid.segment_ok(self.points[-1], end):
            raise EncodeError("segment to node (%.4f, %.4f) breaks the cell rule" % end)
        self.points.append(end)
        self.started = True

    def copy(self, path, forward):
        if forward == path.stored_forward:
            order, w_of = path.runs, lambda r: 0xF000 | (4096 - r)
            self.kinds["forward copy"] += len(order)
        else:
            order, w_of = path.runs[::-1], lambda r: 0xF000 | r
            self.kinds["backward copy"] += len(order)
        for r in order:
            w = w_of(r)
            self.out += bytes([w >> 8, w & 0xFF])
            a, b = self.runs[r - 1]
            self.points += self.points[a:b + 1] if w & 0x0800 else self.points[a:b + 1][::-1]
        self.started = True


def shifted(points, offset, closed, step):
    """The outline, smoothed to its step, moved offset degrees to the left of the direction
    of travel (outward for a clockwise outline); the ends of an open line stay (nodes)."""
    if offset == 0.0 or len(points) < 3:
        return points
    points = shapes.simplify(points, 0.5 * step * 0.01)
    if len(points) < 3:
        return points
    n = len(points)
    out = []
    for k in range(n):
        if not closed and k in (0, n - 1):
            out.append(points[k])
            continue
        # a closed list repeats its first point last: its neighbours are points 1 and n - 2
        a = points[k - 1] if k > 0 else points[n - 2]
        b = points[k + 1] if k < n - 1 else points[1]
        dx, dy = b[0] - a[0], b[1] - a[1]
        norm = math.hypot(dx, dy) or 1.0
        out.append((points[k][0] + offset * dy / norm, points[k][1] - offset * dx / norm))
    return out


def unshared_length(paths):
    return sum(shapes.length(p.points) for p, _ in paths if not p.shared)


def chain_bytes(step, directions):
    return bytes([step] + directions + [directions[-1] ^ 0x80])


def follow_with_retries(start, line, end, step, code):
    for attempt in range(16):
        s = step + (attempt + 1) // 2 * (1 if attempt % 2 else -1)
        if s < 1:
            continue
        try:
            return follow(start, line, end, s)
        except EncodeError:
            pass
    raise EncodeError("code %d: no chain from (%.3f, %.3f) keeps the cell rules" % (code, *start))


def follow(start, line, end, step_units):
    """Directions of a chain of equal steps from start along line that can close on end:
    each step aims at the point of the line one step ahead and takes the nearest of the
    256 directions whose new point keeps the cell rules."""
    step = step_units * 0.01
    line = [start] + list(line[1:-1]) + [end]
    x, y = start
    previous = start
    directions, made = [], []
    at, seg = start, 0                # progress along line: a point on segment seg
    budget = int(shapes.length(line) / step) * 3 + 20
    while True:
        target = None
        while seg < len(line) - 1:
            b = line[seg + 1]
            if math.dist(b, (x, y)) >= step:
                target = _circle_cut(at, b, (x, y), step)
                at = target
                break
            at = b
            seg += 1
        if target is None:   # the rest of the line lies within one step: close if allowed
            if directions and grid.segment_ok(previous, end):
                return directions, made
            target = end
        ideal = math.atan2(target[0] - x, target[1] - y) * 128.0 / math.pi
        base = round(ideal) % 256
        for offset in (0, 1, -1, 2, -2, 3, -3, 4, -4, 5, -5, 6, -6, 8, -8, 10, -10):
            d = (base + offset) % 256
            if directions and d == directions[-1] ^ 0x80:
                continue
            nx, ny = sm.chain_step(x, y, step, d)
            p = (f32(nx), f32(ny))
            if grid.vertex_ok(p) and grid.segment_ok(previous, p):
                break
        else:
            raise EncodeError("no direction keeps the cell rules")
        directions.append(d)
        made.append(p)
        x, y, previous = nx, ny, p
        if len(directions) > budget:
            raise EncodeError("chain does not close")


def _circle_cut(a, b, c, r):
    """The point on segment a-b, beyond which b lies, at distance r from c (|b - c| >= r)."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    fx, fy = a[0] - c[0], a[1] - c[1]
    qa = dx * dx + dy * dy
    if qa == 0.0:
        return b
    qb = 2 * (fx * dx + fy * dy)
    qc = fx * fx + fy * fy - r * r
    disc = max(qb * qb - 4 * qa * qc, 0.0)
    t = (-qb + math.sqrt(disc)) / (2 * qa)
    t = min(max(t, 0.0), 1.0)
    return (a[0] + t * dx, a[1] + t * dy)


def encode_once(atlas, kept, settings):
    paths_of = build_paths(atlas, kept)
    assign_steps(kept, paths_of, settings)
    writer = Writer(settings)
    for shape, paths in zip(kept, paths_of):
        writer.polygon(shape, paths)
    writer.out.append(0)
    return writer, paths_of


def encode(atlas, kept, settings, check, rounds=6, repairs=12):
    """Encodes, then shifts each polygon's own coast outward or inward until its decoded
    area matches its source area (chains cut corners and narrow capes), and gives finer
    steps to the large countries whose area is still off by more than AREA_SLACK."""
    for round_ in range(rounds):
        writer, paths_of = encode_once(atlas, kept, settings)
        ends = [first for _, first in writer.polygons] + [len(writer.points)]
        for index, (shape, paths) in enumerate(zip(kept, paths_of)):
            made = writer.points[ends[index]:ends[index + 1]]
            source = shapes.shoelace(shape_points(paths)) / 2.0
            missing = source - shapes.shoelace(made) / 2.0
            coast = unshared_length(paths)
            if coast > 0.0 and abs(source) > 0.0:
                limit = OFFSET_LIMIT * max(p.step for p, _ in paths) * 0.01
                offset = settings.offsets.get(index, 0.0) + missing / coast
                settings.offsets[index] = min(max(offset, -limit), limit)
        if round_ >= 1:
            refine(kept, writer, ends, settings)
    for _ in range(repairs):
        faulty = set()
        for i in range(len(kept)):
            for k in check(writer.points[ends[i]:ends[i + 1]]):
                faulty.add(writer.path_of_point[ends[i] + k + 1])
        if not faulty:
            break
        for path in faulty:   # unshifted, finer steps follow narrow places without crossing
            if settings.offsets.get(path.owner, 0.0) != 0.0:
                settings.offsets[path.owner] = 0.0
            else:
                settings.path_steps[path.key] = max(1, int(path.step * 0.8))
        writer, paths_of = encode_once(atlas, kept, settings)
        ends = [first for _, first in writer.polygons] + [len(writer.points)]
    return writer


OFFSET_LIMIT = 0.25       # largest shift of a coast, in steps of its polygon
AREA_SLACK = 0.025        # share of a large country's source area its outline may miss
LARGE_COUNTRY_KM2 = 20000.0


def refine(kept, writer, ends, settings):
    source, made = collections.Counter(), collections.Counter()
    for index, shape in enumerate(kept):
        source[shape.code] += shape.area_km2
        made[shape.code] += shapes.area_km2(writer.points[ends[index]:ends[index + 1]])
    for index, shape in enumerate(kept):
        code = shape.code
        if source[code] > LARGE_COUNTRY_KM2 and abs(made[code] / source[code] - 1.0) > AREA_SLACK:
            settings.refined[index] = settings.refined.get(index, 1.0) * 0.75
