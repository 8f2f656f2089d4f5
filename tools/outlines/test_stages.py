"""Tests of the outline generator's stages: the decoder model, chain following, the cell
rules, the date line split, dissolving, and a tiny world encoded end to end."""
import math
import unittest

import assemble
import encode
import grid
import shapes
import stream_model
from topology import Atlas

# Andorra as two shared chains: 2 anchors, 3 + 3 directions, closed on node 1.
ANDORRA = bytes.fromhex("01 EE 29 0C 81 E1 7D 43 BB 3C 81 DF A2 43 0C 43 43 0A 8A"
                        " E0 01 09 BE BF 9F 1F FA 00")


class StreamModelTest(unittest.TestCase):
    def test_decodes_two_shared_chains_into_a_closed_polygon(self):
        polygons, nodes, runs = stream_model.decode(ANDORRA)
        self.assertEqual((nodes, runs), (2, 2))
        (code, points), = polygons
        self.assertEqual(code, 1)
        self.assertEqual(len(points), 9)
        self.assertEqual(points[0], points[-1])
        self.assertAlmostEqual(points[0][0], 1.4812, places=4)
        self.assertAlmostEqual(points[0][1], 47.4551, places=4)

    def test_anchor_units_round_trip_within_one_unit(self):
        X, Y = stream_model.anchor_units(-17.25, 123.5)
        x, y = stream_model.anchor_point(X, Y)
        self.assertLess(abs(x + 17.25), 362.0 / stream_model.FULL_SCALE)
        self.assertLess(abs(y - 123.5), 180.0 / stream_model.FULL_SCALE)


class GridTest(unittest.TestCase):
    def test_segments_may_cross_one_edge_but_not_a_corner(self):
        self.assertTrue(grid.segment_ok((14.5, 10.0), (15.5, 10.0)))
        self.assertFalse(grid.segment_ok((14.5, 29.5), (15.5, 30.5)))
        self.assertTrue(grid.segment_ok((180.04, 50.0), (179.9, 50.0)))
        self.assertFalse(grid.segment_ok((180.04, 59.9), (179.9, 60.1)))

    def test_points_near_an_edge_are_refused(self):
        self.assertFalse(grid.vertex_ok((15.0002, 10.0)))
        self.assertFalse(grid.vertex_ok((3.0, 89.9995)))
        self.assertTrue(grid.vertex_ok((15.01, 10.0)))


class FollowTest(unittest.TestCase):
    def test_chain_follows_the_line_and_keeps_the_rules(self):
        line = [(13.0, 28.0), (14.0, 29.2), (16.5, 31.0), (17.0, 33.0)]
        start, end = line[0], line[-1]
        directions, made = encode.follow(start, line, end, 20)
        points = [start] + made + [end]
        for p, q in zip(points, points[1:]):
            self.assertTrue(grid.vertex_ok(q))
            self.assertTrue(grid.segment_ok(p, q))
            self.assertLessEqual(math.dist(p, q), 0.2 + 1e-5)
        self.assertEqual(stream_model.chain_points(start, 20, directions), made)
        for p in made:   # within a step of the line
            self.assertLess(min(_distance_to_segment(p, a, b) for a, b in zip(line, line[1:])), 0.2)

    def test_chain_along_a_cell_edge_steps_off_it(self):
        line = [(15.0005, 10.0), (15.0005, 12.0)]
        directions, made = encode.follow((15.01, 10.0), line, (15.01, 12.0), 10)
        self.assertTrue(all(grid.vertex_ok(p) for p in made))


class SeamTest(unittest.TestCase):
    def test_a_ring_over_the_date_line_becomes_one_ring_on_each_side(self):
        atlas = Atlas()
        ring = [atlas.add_arc([(179.0, 20.0), (-179.0, 20.0), (-179.0, 22.0), (179.0, 22.0), (179.0, 20.0)])]
        sides = assemble.split_at_seam(atlas, ring)
        self.assertEqual(len(sides), 2)
        spans = sorted((min(p[0] for p in atlas.ring_points(r)), max(p[0] for p in atlas.ring_points(r)))
                       for r in sides)
        self.assertEqual(spans, [(-180.05, -179.0), (179.0, 180.05)])
        for r in sides:
            points = atlas.ring_points(r)
            self.assertEqual(points[0], points[-1])
            self.assertAlmostEqual(abs(shapes.shoelace(points)) / 2.0, 2.1, places=6)


class DissolveTest(unittest.TestCase):
    def test_two_squares_of_one_code_lose_their_common_border(self):
        atlas = Atlas()
        border = atlas.add_arc([(1.0, 10.0), (1.0, 11.0)])
        west = atlas.add_arc([(1.0, 11.0), (0.0, 11.0), (0.0, 10.0), (1.0, 10.0)])
        east = atlas.add_arc([(1.0, 10.0), (2.0, 10.0), (2.0, 11.0), (1.0, 11.0)])
        rings = assemble.dissolve(atlas, [[border, west], [(border[0], False), east]])
        self.assertEqual(len(rings), 1)
        points = atlas.ring_points(rings[0])
        self.assertEqual(points[0], points[-1])
        self.assertAlmostEqual(abs(shapes.shoelace(points)) / 2.0, 2.0)


class EncodeTest(unittest.TestCase):
    def test_a_shared_border_is_stored_once_and_copied_backward(self):
        atlas = Atlas()
        border = atlas.add_arc([(41.0, 40.2), (41.3, 41.0), (41.0, 42.0)])
        west = atlas.add_arc([(41.0, 42.0), (39.5, 42.0), (39.5, 40.2), (41.0, 40.2)])
        east = atlas.add_arc([(41.0, 40.2), (42.5, 40.2), (42.5, 42.0), (41.0, 42.0)])
        kept = []
        for code, ring in ((1, [border, west]), (2, [(border[0], False), east])):
            shape = assemble.Shape(code, assemble.orient_clockwise(atlas, ring))
            shape.area_km2 = shapes.area_km2(atlas.ring_points(shape.ring))
            kept.append(shape)
        writer = encode.encode(atlas, kept, encode.Settings(0.2, 20), lambda points: set())
        polygons, nodes, runs = stream_model.decode(bytes(writer.out))
        self.assertEqual([p for _, pts in polygons for p in pts], writer.points)
        self.assertEqual(writer.kinds["backward copy"], runs)
        first, second = (set(pts) for _, pts in polygons)
        self.assertGreaterEqual(len(first & second), 3)   # the border, point for point
        for code, points in polygons:
            self.assertGreater(shapes.shoelace(points), 0.0)


def _distance_to_segment(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = max(0.0, min(1.0, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / (dx * dx + dy * dy)))
    return math.dist(p, (a[0] + t * dx, a[1] + t * dy))


if __name__ == "__main__":
    unittest.main()
