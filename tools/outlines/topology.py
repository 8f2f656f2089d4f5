"""Reads world-atlas TopoJSON files: decodes the quantized arcs into (longitude, colatitude)
points and lists each feature's polygons as rings of arc references."""
import json


class Atlas:
    """Arcs of one or more TopoJSON files in one table, and the features that use them.

    An arc reference is (arc index, forward). Points are (longitude, colatitude) in degrees,
    colatitude = 90 - latitude, so that y grows southward as in the outline stream."""

    def __init__(self):
        self.arcs = []
        self.features = []

    def add_file(self, path, keep):
        """Adds the arcs of a file and the features whose id passes keep."""
        with open(path, encoding="utf-8") as f:
            topo = json.load(f)
        offset = len(self.arcs)
        (sx, sy), (tx, ty) = topo["transform"]["scale"], topo["transform"]["translate"]
        for arc in topo["arcs"]:
            qx = qy = 0
            points = []
            for dx, dy in arc:
                qx += dx
                qy += dy
                points.append((qx * sx + tx, 90.0 - (qy * sy + ty)))
            self.arcs.append(points)
        for geometry in topo["objects"]["countries"]["geometries"]:
            fid = geometry.get("id")
            if not keep(fid):
                continue
            polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
            rings = [[[self._ref(i, offset) for i in ring] for ring in polygon] for polygon in polygons]
            self.features.append(Feature(fid, geometry["properties"]["name"], rings))

    @staticmethod
    def _ref(index, offset):
        return (index + offset, True) if index >= 0 else (~index + offset, False)

    def add_arc(self, points):
        """Appends a new arc and returns its forward reference."""
        self.arcs.append(list(points))
        return (len(self.arcs) - 1, True)

    def ref_points(self, ref):
        arc, forward = ref
        return self.arcs[arc] if forward else self.arcs[arc][::-1]

    def ring_points(self, ring):
        """The ring's points, each junction once, closed (last point equals the first)."""
        points = []
        for ref in ring:
            p = self.ref_points(ref)
            points.extend(p if not points else p[1:])
        return points


class Feature:
    def __init__(self, fid, name, polygons):
        self.id = fid
        self.name = name
        self.polygons = polygons   # each: outer ring, then holes; a ring is a list of arc refs


def reverse_ring(ring):
    return [(arc, not forward) for arc, forward in reversed(ring)]
