"""Tests of the flag scoring stages on pictures whose score is known (python3 -m unittest)."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from score_flags import Picture, agreement, parse_codes, parse_ppm, svg_aspect  # noqa: E402

NAVY, WHITE, RED = (0, 35, 149), (255, 255, 255), (237, 41, 57)   # the reference's French colours


def vertical_stripes(colours, width=30, height=20):
    """Equal stripes of the given colours from the left, as a Picture."""
    stripe = width // len(colours)
    row = b''.join(bytes(colours[min(x // stripe, len(colours) - 1)]) for x in range(width))
    return Picture(width, height, row * height)


class Agreement(unittest.TestCase):
    def test_scores_of_a_french_reference(self):
        # 30 x 20, stripes of 10 columns; columns 9, 10, 19 and 20 touch an edge, 26 count:
        # 9 in the first stripe, 8 in the second, 9 in the third.
        reference = vertical_stripes([NAVY, WHITE, RED])
        cases = {
            'itself': ([NAVY, WHITE, RED], 1.0),
            'the palette colours nearest': ([(0, 0, 153), (255, 255, 255), (255, 0, 0)], 1.0),
            'the other red, within the allowance': ([(0, 0, 153), WHITE, (204, 0, 0)], 1.0),
            'grey for white': ([NAVY, (204, 204, 204), RED], 18 / 26),
            'blue for navy, beyond the allowance': ([(0, 0, 255), WHITE, RED], 17 / 26),
            'mirrored': ([RED, WHITE, NAVY], 8 / 26),
        }
        for what, (ours, share) in cases.items():
            with self.subTest(what):
                self.assertAlmostEqual(agreement(vertical_stripes(ours), reference), share)


class Reading(unittest.TestCase):
    def test_ppm_with_a_comment(self):
        picture = parse_ppm(b'P6\n# made by hand\n2 1\n255\n' + bytes([1, 2, 3, 4, 5, 6]))
        self.assertEqual((picture.width, picture.height, picture.at(1, 0)), (2, 1, (4, 5, 6)))

    def test_svg_aspect_from_size_or_view_box(self):
        cases = {'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 3 2"/>': 1.5,
                 '<svg xmlns="http://www.w3.org/2000/svg" width="1000" height="500" viewBox="0 0 4 1"/>': 2.0}
        for text, aspect in cases.items():
            with self.subTest(text), tempfile.NamedTemporaryFile('w', suffix='.svg') as svg:
                svg.write(text)
                svg.flush()
                self.assertAlmostEqual(svg_aspect(svg.name), aspect)

    def test_codes_in_order_each_once(self):
        self.assertEqual(parse_codes('3,1-4,214'), [3, 1, 2, 4, 214])
        for bad in ('0-3', '5-215', 'x'):
            with self.subTest(bad), self.assertRaises(ValueError):
                parse_codes(bad)


if __name__ == '__main__':
    unittest.main()
