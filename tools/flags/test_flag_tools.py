"""Tests of the flag assembler, the disassembler and the blob writer (python3 -m unittest)."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import flag_format as fmt  # noqa: E402
from flag_assembler import AssemblyError, assemble_source  # noqa: E402
from flag_disassembler import disassemble  # noqa: E402

# Every command and every form the text can express, each one of them once at least.
EVERY_FORM = '''
    FillAll 3
    HorizontalBand navy -40 40   # a comment
    VerticalBand 4 -120 -60
    HorizontalStripes 5 red white pad 9
    VerticalStripes 0 grey
    HorizontalStripes 2 1 2 3 4 5 6 7
    Cross yellow -5 100
    SetColour 0
    Rectangle -1 -2 3 4
    RightTriangle 10 20 -30 -40
    SubFrame -120 -9 -20 120
    Diagonals falling 20
    Diagonals rising 10
    Diagonals 12 1
    Disc 1 2 5
    Disc 1 2 5 long
    Disc 1 2 0
    Disc 1 2 -7
    Disc 1 2 99
    FivePointStar 2 0 0
    FivePointStar 16 0 0 long
    FivePointStar 1 0 0
    Star 19 30 0 -80 5 6
    Rotate 0
    Rotate 15
        Rotate 200
            Rectangle 0 0 1 1
    Rotate 3 long
        Scale -1 60
            Repeat 0 4 5
                Repeat 15 -6 7
                    Disc 0 0 3
    Path -120 120
        line -9 9
    endpath
    Path 5 6 mirror 7
        mode curves
        curve 127 48 16 -15 1 2
        mode smooth
        smooth -3 4 5 6
        mode lines
        mode lines
        line 7 8
    endpath
    Path 0 0 mirror
        mode smooth
    endpath
    Canton
'''


def source_with(block_body, index=1, aspect=26):
    blocks = []
    for i in range(fmt.DESCRIPTION_COUNT):
        body = block_body if i == index else ''
        blocks.append('flag %s aspect %d\n%send\n' % (fmt.key_of(i), aspect if i == index else 174, body))
    return '\n'.join(blocks)


class AssembleSource(unittest.TestCase):
    def test_worked_examples_give_their_bytes(self):
        sweden = assemble_source(source_with('FillAll skyblue\nCross yellow 15 -30\n', aspect=115))[1]
        self.assertEqual(sweden, bytes.fromhex('73 86 59 0F E2 00'))
        moon = assemble_source(source_with('Path -60 7 mirror\nmode curves\ncurve 15 0 0 -15 -20 40\n'
                                           'curve -12 -15 15 0 -60 20\nendpath\n'))[1]
        self.assertEqual(moon[1:-1], bytes.fromhex('61 C4 07 83 0F 3D E0 EC 28 F4 03 CF C4 14 80'))

    def test_short_and_long_forms(self):
        d = assemble_source(source_with('Disc 1 2 5\nDisc 1 2 5 long\nRotate 0\nFivePointStar 16 0 0\n'
                                        'FivePointStar 1 3 4\nFillAll 1\n'))[1]
        self.assertEqual(d[1:-1], bytes([0x35, 1, 2, 0x30, 1, 2, 5, 0x90, 0, 0xDF, 0, 0,
                                         0xD0, 1, 3, 4, 0x81]))

    def test_stripes_pack_nibbles_low_first(self):
        d = assemble_source(source_with('HorizontalStripes 13 crimson white\n'
                                        'VerticalStripes 3 red white navy\n'
                                        'VerticalStripes 4 red white pad 5\n'))[1]
        self.assertEqual(d[1:-1], bytes([0xE2, 0x2D, 0x0E, 0xF3, 0x13, 0x8E, 0xF2, 0x14, 0x5E]))

    def test_empty_blocks_are_description_zero(self):
        descriptions = assemble_source(source_with(''))
        self.assertEqual(len(descriptions), fmt.DESCRIPTION_COUNT)
        self.assertEqual(descriptions[0], bytes([174, 0]))

    def test_rejects_what_the_interpreter_trusts(self):
        bad_bodies = {
            'colour 15': 'SetColour 15\n',
            'smooth after a line': 'Path 0 0\nline 1 1\nmode smooth\nsmooth 1 1 1 1\nendpath\n',
            'reserved first byte': 'Path 0 0\nline -127 1\nendpath\n',
            'empty path': 'Path 0 0\nendpath\n',
            'dangling prefix': 'Repeat 2 1 1\n',
            'wrong element for the mode': 'Path 0 0\ncurve 1 1 1 1 1 1\nendpath\n',
            'too many stripe colours': 'HorizontalStripes 3 1 2 3 4 5 6 7 8\n',
            'pad after an odd count': 'HorizontalStripes 3 1 pad 2\n',
            'operand out of range': 'Disc 0 200 5\n',
            'control out of range': 'Path 0 0\nmode curves\ncurve 0 49 0 0 1 1\nendpath\n',
            'unknown command': 'Circle 0 0 5\n',
            'extra operand': 'FillAll 1 2\n',
            'too many elements': 'Path 0 0\n' + 'line 1 1\n' * 64 + 'endpath\n',
        }
        for what, body in bad_bodies.items():
            with self.subTest(what), self.assertRaises(AssemblyError):
                assemble_source(source_with(body))

    def test_rejects_a_canton_inside_the_canton_flag(self):
        with self.assertRaises(AssemblyError):
            assemble_source(source_with('Canton\n', index=fmt.CANTON_DESCRIPTION))

    def test_rejects_blocks_out_of_order_or_missing(self):
        text = source_with('')
        with self.assertRaises(AssemblyError):
            assemble_source(text.replace('flag AE', 'flag AF', 1))
        with self.assertRaises(AssemblyError):
            assemble_source(text[:text.rindex('flag ZW')])


class Disassemble(unittest.TestCase):
    def test_assembling_the_disassembly_gives_the_same_bytes(self):
        blob = b''.join(assemble_source(source_with(EVERY_FORM)))
        self.assertEqual(b''.join(assemble_source(disassemble(blob))), blob)

    def test_prints_commands_by_name_with_the_applied_command_indented(self):
        blob = b''.join(assemble_source(source_with('Repeat 2 1 0\nDisc 0 0 3\n')))
        self.assertIn('flag AD aspect 26   # Andorra\n    Repeat 2 1 0\n        Disc 0 0 3\nend\n', disassemble(blob))

    def test_rejects_a_blob_that_ends_early_or_late(self):
        blob = b''.join(assemble_source(source_with('')))
        for broken in (blob[:-1], blob + b'\x00'):
            with self.subTest(size=len(broken)), self.assertRaises(ValueError):
                disassemble(broken)


if __name__ == '__main__':
    unittest.main()
