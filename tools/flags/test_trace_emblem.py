"""Tests of the emblem tracer's stages on small masks (python3 -m unittest)."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flag_assembler import assemble_source  # noqa: E402
import flag_format as fmt  # noqa: E402
from trace_emblem import close_and_open, open_on_axis, outline, path_text, regions, simplify  # noqa: E402


def mask_of(rows):
    return [[c == '#' for c in row] for row in rows]


class Tracing(unittest.TestCase):
    def test_regions_and_their_simplified_outlines(self):
        mask = mask_of(['####....',
                        '####..#.',
                        '####....'])
        found = regions(mask)
        self.assertEqual([len(r) for r in found], [12, 1])
        self.assertEqual(sorted(simplify(outline(found[0]), 0.5)), [(0, 0), (0, 3), (4, 0), (4, 3)])

    def test_closing_joins_and_opening_drops_thin_lines(self):
        gap = mask_of(['###.###'] * 3)
        self.assertEqual(len(regions(close_and_open(gap, 1, 0))), 1)
        line = mask_of(['.......', '#######', '.......', '..###..', '..###..', '..###..'])
        self.assertEqual([len(r) for r in regions(close_and_open(line, 0, 1))], [9])

    def test_a_half_outline_opens_on_its_axis(self):
        ring = [(-5, 10), (-5, -10), (0, -10), (0, 10)]
        self.assertEqual(open_on_axis(ring, 0), [(0, 10), (-5, 10), (-5, -10), (0, -10)])


class PathText(unittest.TestCase):
    def test_every_form_assembles(self):
        points = [(0, 40), (-30, 30), (-40, 0), (-30, -30), (0, -40)]
        for axis in (None, 0):
            for curves in (False, True):
                with self.subTest(axis=axis, curves=curves):
                    body = '\n'.join(path_text(points, axis, curves, 1.5)) + '\n'
                    text = '\n'.join('flag %s aspect 174\n%send\n' % (fmt.key_of(i), body if i == 1 else '')
                                     for i in range(fmt.DESCRIPTION_COUNT))
                    description = assemble_source(text)[1]
                    self.assertEqual(description[1] >> 4, fmt.OPCODES['Path'])
                    self.assertEqual(description[1] & 15, 0 if axis is None else 1)

    def test_curves_keep_corners_and_pass_through_every_point(self):
        square = [(0, 0), (0, 50), (50, 50), (50, 0)]
        lines = path_text(square, None, True, 1.0)
        self.assertEqual(lines[2], '        curve 0 0 0 0 0 50')
        self.assertEqual([line.split()[-2:] for line in lines[4:-1]], [['50', '50'], ['50', '0'], ['0', '0']])


if __name__ == '__main__':
    unittest.main()
