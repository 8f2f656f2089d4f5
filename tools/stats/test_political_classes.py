"""The political colouring: neighbours by border, by sea gap and by enclosure; four classes."""
import unittest

import political_classes as pc


def square(polygon, code, x, y, size=1.0):
    """Lines of a square polygon with its lower-left corner at (x, y), counter-clockwise."""
    corners = [(x, y), (x + size, y), (x + size, y + size), (x, y + size)]
    return ["%d %d %r %r" % (polygon, code, cx, cy) for cx, cy in corners]


class Neighbours(unittest.TestCase):
    def test_shared_points_make_a_border_and_coasts_a_sea_gap(self):
        lines = square(1, 1, 10, 40) + square(2, 2, 11, 40) + square(3, 3, 12.5, 40)
        outlines = pc.Outlines(lines)
        self.assertEqual(pc.border_pairs(outlines), {(1, 2)})
        coast = outlines.coast_points()
        self.assertEqual(len(coast[1]), 2)                      # two corners on the border
        # 0.5 degrees of longitude at colatitude 40 is about 36 km
        self.assertEqual(pc.near_pairs(coast, 100.0), {(2, 3)})
        self.assertEqual(pc.near_pairs(coast, 30.0), set())
        self.assertEqual(pc.near_pairs(coast, 0.0), set())

    def test_an_island_inside_another_country_is_its_neighbour(self):
        lines = square(1, 5, 0, 50, 10) + square(2, 6, 4, 54, 1) + square(3, 7, 30, 50)
        self.assertEqual(pc.enclave_pairs(pc.Outlines(lines)), {(5, 6)})


class Colour(unittest.TestCase):
    def test_four_classes_suffice_for_a_wheel_and_neighbours_differ(self):
        rim = [(i, i % 5 + 2) for i in range(2, 7)]            # a five-country ring
        pairs = {(1, c) for c in range(2, 7)} | {tuple(sorted(p)) for p in rim}
        classes = pc.colour(list(range(1, 7)), pairs)
        for a, b in pairs:
            self.assertNotEqual(classes[a], classes[b])
        self.assertEqual(classes, pc.colour(list(range(1, 7)), pairs))   # deterministic

    def test_five_mutual_neighbours_have_no_colouring(self):
        pairs = {(a, b) for a in range(1, 6) for b in range(a + 1, 6)}
        self.assertIsNone(pc.colour(list(range(1, 6)), pairs))

    def test_sea_gaps_shrink_until_a_colouring_exists(self):
        # five small islands within half a degree: each within 100 km of every other
        lines = []
        for i, (x, y) in enumerate([(0, 0), (0.3, 0), (0, 0.3), (0.3, 0.3), (0.15, 0.15)]):
            lines += square(i + 1, i + 1, 10 + x, 40 + y, 0.05)
        classes, gap, _ = pc.political_classes(lines, 6)
        self.assertLess(gap, 100.0)
        self.assertEqual(classes[6], 0)                        # no outline: class 0


if __name__ == "__main__":
    unittest.main()
