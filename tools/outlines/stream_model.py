"""The outline stream as the program's decoder reads it, in Python: the same arithmetic in
the same order, so that the generator sees the very floats the program will see."""
import math

from grid import f32

FULL_SCALE = (1 << 24) - 1
ANCHOR_SCALE = 1.0 / 16777215.0


def anchor_point(X, Y):
    return (f32(X * ANCHOR_SCALE * 362.0 - 181.0), f32(Y * ANCHOR_SCALE * 180.0))


def anchor_units(x, y):
    return round((x + 181.0) / 362.0 * FULL_SCALE), round(y / 180.0 * FULL_SCALE)


def anchor_bytes(X, Y):
    return X.to_bytes(3, "little") + Y.to_bytes(3, "little")


def chain_step(x, y, step, direction):
    """One chain step from the double position (x, y)."""
    angle = direction * math.pi / 128.0
    return x + step * math.sin(angle), y + step * math.cos(angle)


def chain_points(start, step_units, directions):
    step = step_units * 0.01
    x, y = start
    out = []
    for d in directions:
        x, y = chain_step(x, y, step, d)
        out.append((f32(x), f32(y)))
    return out


def triangle_points(X, Y, radius_units, angle_units):
    px, py = X * ANCHOR_SCALE * 362.0 - 181.0, Y * ANCHOR_SCALE * 180.0
    radius = radius_units * 0.01
    theta = angle_units * math.pi / 384.0
    out = []
    for k in range(4):
        angle = theta - (k % 3) * (2.0 * math.pi / 3.0)
        out.append((f32(px + radius * math.cos(angle)), f32(py + radius * math.sin(angle))))
    return out


def decode(stream):
    """[(code, points)] and the counts of nodes and stored runs."""
    pos = 0
    nodes, runs, points, polygons = [], [], [], []

    def byte():
        nonlocal pos
        pos += 1
        return stream[pos - 1]

    def anchor():
        X = byte() | byte() << 8 | byte() << 16
        Y = byte() | byte() << 8 | byte() << 16
        return X, Y

    def chain():
        step = byte()
        directions = []
        while True:
            directions.append(byte())
            if stream[pos] == directions[-1] ^ 0x80:
                byte()
                break
        points.extend(chain_points(points[-1], step, directions))

    while True:
        code = byte()
        if code == 0:
            break
        first = len(points)
        started = False
        while True:
            command = byte()
            if command == 0xFA:
                break
            if command == 0xF6:
                a = anchor_point(*anchor())
                points.append(a)
                chain()
                points.append(a)
                break
            if command == 0xFB:
                X, Y = anchor()
                r, a = byte(), byte()
                points.extend(triangle_points(X, Y, r, a))
                break
            if command <= 0xEF or command in (0xF7, 0xF8, 0xF9):
                node_byte = command if command <= 0xEF else byte()
                high, low = node_byte >> 4, node_byte & 15
                start = high * 256 + byte() if high != 0xE else None
                end = low * 256 + byte() if low != 0xE else None
                if high == 0xE and not started:
                    nodes.append(anchor_point(*anchor()))
                    start = len(nodes)
                if low == 0xE:
                    nodes.append(anchor_point(*anchor()))
                    end = len(nodes)
                if not started:
                    points.append(nodes[start - 1])
                run_start = len(points) - 1
                if command <= 0xEF or command == 0xF9:
                    chain()
                points.append(nodes[end - 1])
                if command <= 0xEF or command == 0xF8:
                    runs.append((run_start, len(points) - 1))
            else:
                w = command << 8 | byte()
                v = w & 0x0FFF
                if w & 0x0800:
                    a, b = runs[4096 - v - 1]
                    points.extend(points[a:b + 1])
                else:
                    a, b = runs[v - 1]
                    points.extend(points[b:a - 1 if a > 0 else None:-1])
            started = True
        polygons.append((code, points[first:]))
    return polygons, len(nodes), len(runs)
