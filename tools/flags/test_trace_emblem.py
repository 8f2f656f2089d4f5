"""Tests of the emblem tracer's stages on small masks (python3 -m unittest)."""
import argparse
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from emblem_path import path_text  # noqa: E402
from flag_assembler import assemble_source  # noqa: E402
import flag_format as fmt  # noqa: E402
from reference_fills import only_fills  # noqa: E402
from trace_emblem import (close_and_open, open_on_axis, outline, reduce_to, regions,  # noqa: E402
                          simplify, traced_paths)


def mask_of(rows):
    return [[c == '#' for c in row] for row in rows]


def assembled(body):
    """The bytes of a description holding body, through the assembler's checks."""
    text = '\n'.join('flag %s aspect 174\n%send\n' % (fmt.key_of(i), body if i == 1 else '')
                     for i in range(fmt.DESCRIPTION_COUNT))
    return assemble_source(text)[1]


def drawn_outline(lines):
    """The points of a traced lines-mode Path block as drawn: with mirror, the elements again
    backwards, reflected about the start's x."""
    words = [line.split() for line in lines]
    start = (int(words[0][1]), int(words[0][2]))
    points = [start] + [(int(w[1]), int(w[2])) for w in words[1:-1]]
    if 'mirror' in words[0]:
        points += [(2 * start[0] - x, y) for x, y in reversed(points[:-1])]
    return points


def area_and_centre_x(points):
    twice, moment = 0, 0
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        cross = ax * by - bx * ay
        twice += cross
        moment += (ax + bx) * cross
    return abs(twice) / 2, moment / (3 * twice)


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

    def test_a_half_outline_opens_on_its_longest_stretch_along_the_axis(self):
        cases = [([(-5, 10), (-5, -10), (0, -10), (0, 10)], [(0, 10), (-5, 10), (-5, -10), (0, -10)]),
                 ([(0, 5), (0, 10), (-5, 10), (-5, -10), (0, -10), (0, 0)],    # the stretch wraps round
                  [(0, 10), (-5, 10), (-5, -10), (0, -10)]),
                 ([(0, 9), (0, 10), (-5, 10), (-5, -10), (0, -10), (0, -4), (-2, 0)],
                  [(0, -4), (-2, 0), (0, 9), (0, 10), (-5, 10), (-5, -10), (0, -10)]),
                 ([(-5, 10), (-5, -10), (-1, 0)], None)]
        for ring, opened in cases:
            with self.subTest(ring=ring):
                self.assertEqual(open_on_axis(ring, 0), opened)

    def test_mirrored_traces_reflect_about_the_axis(self):
        # One pixel is one flag unit; the axis is x = -100 (pixel column 20): a wedge touching it
        # along one pixel only, a piece off it, and a C touching it twice (a ring when mirrored).
        cases = {'narrow touch': ['..........'] + ['..' + '#' * (2 * i + 2) for i in range(9)] + ['..' + '#' * 14] * 3,
                 'off the axis': ['..........'] + ['..########..'] * 6 + ['....######..'] * 2,
                 'ring': ['..................'] + ['..##################'] * 2 + ['..###...'] * 4
                         + ['..##################'] * 2}
        for name, rows in cases.items():
            with self.subTest(name):
                mask = mask_of([row.ljust(20, '.') + '.' * 220 for row in rows] + ['.' * 240] * 235)
                area = sum(map(sum, mask))
                args = argparse.Namespace(mirror=-100, points=40, parts=1, curves=False)
                lines = traced_paths(mask, args, 240, 240)
                points = drawn_outline(lines)
                self.assertEqual((points[0][0], points[len(lines) - 2][0]), (-100, -100))
                self.assertLessEqual(len(lines) - 2, 40)
                drawn_area, centre_x = area_and_centre_x(points)
                self.assertAlmostEqual(drawn_area, 2 * area, delta=0.1 * area)
                self.assertAlmostEqual(centre_x, -100)
                assembled('\n'.join(lines) + '\n')

    def test_narrow_protrusions_outlast_shallow_bumps(self):
        # A block with a shallow bump on top and a thin tail on the right: seven points keep the
        # whole tail and let the bump go.
        rows = ['.' * 10 + '#' * 30 + '.' * 45] + ['#' * 50 + '.' * 35] * 20
        rows[10] = '#' * 85
        kept = reduce_to(outline(regions(mask_of(rows))[0]), 7)
        self.assertEqual((max(x for x, _ in kept), min(y for _, y in kept), len(kept)), (85, 1, 7))


class PathText(unittest.TestCase):
    def test_every_form_assembles(self):
        points = [(0, 40), (-30, 30), (-40, 0), (-30, -30), (0, -40)]
        for axis in (None, 0):
            for curves in (False, True):
                with self.subTest(axis=axis, curves=curves):
                    description = assembled('\n'.join(path_text(points, axis, curves, 1.5)) + '\n')
                    self.assertEqual(description[1] >> 4, fmt.OPCODES['Path'])
                    self.assertEqual(description[1] & 15, 0 if axis is None else 1)

    def test_curves_take_the_cheapest_elements(self):
        octagon = [(0, 50), (-35, 35), (-50, 0), (-35, -35), (0, -50), (35, -35), (50, 0), (35, 35)]
        cases = [  # points, axis, corners, the elements and mode switches
            ([(0, 0), (0, 50), (50, 50), (50, 0)], None, (), 'line line line line'),
            (octagon, None, (), 'mode-curves curve mode-smooth ' + 'smooth ' * 7),
            (octagon[:5], None, (), 'mode-curves curve mode-smooth smooth smooth smooth mode-lines line'),
            (octagon[:5] + [(0, -30), (30, -30), (30, 30), (0, 30)], None, (0, 4),
             'mode-curves curve mode-smooth smooth smooth smooth mode-lines ' + 'line ' * 5),
            ([(0, -50), (-35, -35), (-50, 0), (-35, 35), (0, 50)], 0, (), 'mode-curves curve mode-smooth smooth smooth smooth'),
            ([(0, 0), (-20, 0), (-20, 40), (0, 40)], 0, (), 'line line line'),   # straight through the axis
        ]
        for points, axis, corners, kinds in cases:
            with self.subTest(points=points, axis=axis):
                lines = path_text(points, axis, True, 1.0, corners)
                self.assertEqual(' '.join(line.split()[0] + ('-' + line.split()[1] if 'mode' in line else '')
                                          for line in lines[1:-1]), kinds.strip())
                self.assertEqual([tuple(int(v) for v in line.split()[-2:]) for line in lines[1:-1] if 'mode' not in line],
                                 points[1:] + ([] if axis is not None else points[:1]))
                assembled('\n'.join(lines) + '\n')


class ReferenceFills(unittest.TestCase):
    def test_only_the_chosen_fills_stay_and_no_stroke(self):
        svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink">'
               '<rect id="field" width="9" height="9" fill="#fff"/>'
               '<path id="white" d="M0 0h1" fill="#FFF" stroke="#000"/>'
               '<path id="red" d="M0 0h2" style="fill:rgb(255,0,0);stroke:#000;stroke-width:2"/>'
               '<g fill="red"><path id="inherits-red" d="M0 0h3"/><path id="black" d="M0 0h4" fill="black"/></g>'
               '<defs><path id="undecided" d="M0 0h5"/></defs>'
               '<use id="use-red" xlink:href="#undecided" fill="#f00"/>'
               '<use id="use-blue" xlink:href="#undecided" fill="blue"/>'
               '<path id="unfilled" d="M0 0h6" fill="none" stroke="#fff"/></svg>')
        cases = [([(255, 255, 255)], 0, ['field', 'white', 'undecided']),
                 ([(255, 255, 255)], 1, ['white', 'undecided']),
                 ([(250, 5, 0), (0, 0, 0)], 0, ['red', 'inherits-red', 'black', 'undecided', 'use-red'])]
        for colours, skip, kept in cases:
            with self.subTest(colours=colours, skip=skip):
                reduced = only_fills(svg, colours, skip)
                self.assertNotIn('stroke:', reduced)
                self.assertNotIn('stroke="#', reduced)
                self.assertEqual([name for name in ('field', 'white', 'red', 'inherits-red', 'black', 'undecided',
                                                    'use-red', 'use-blue', 'unfilled')
                                  if 'id="%s"' % name in reduced], kept)


if __name__ == '__main__':
    unittest.main()
