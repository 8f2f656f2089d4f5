"""The flag description format shared by the assembler and the disassembler.

A description is an aspect byte, commands and a zero byte (End). A command byte holds the opcode
in its high nibble and a parameter n in its low nibble; operands follow as signed bytes unless
a command says otherwise. Text names: commands by name, colours by palette name or index.
"""
import os
import sys

DESCRIPTION_COUNT = 215   # description 0 (no flag), then the countries 1..214
CANTON_DESCRIPTION = 67   # embedded by every Canton command

# Palette index -> name, in index order (0 black .. 14 white).
COLOUR_NAMES = ['black', 'red', 'crimson', 'maroon', 'green', 'darkgreen', 'skyblue', 'blue',
                'navy', 'yellow', 'orange', 'darkorange', 'brown', 'grey', 'white']
# The same palette as RGB, as the interpreter draws it.
PALETTE = [(0, 0, 0), (255, 0, 0), (204, 0, 0), (153, 0, 0), (0, 153, 0), (0, 102, 0),
           (51, 153, 255), (0, 0, 255), (0, 0, 153), (255, 255, 0), (255, 153, 0),
           (255, 102, 0), (102, 51, 0), (204, 204, 204), (255, 255, 255)]

# The country table: ISO_CODES[k - 1] is the two-letter code of code k, COUNTRY_NAMES[k] its name.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'shared'))
import country_table  # noqa: E402
COUNTRY_ENTRIES = country_table.read()
ISO_CODES = country_table.iso_codes(COUNTRY_ENTRIES)
COUNTRY_NAMES = {entry.code: entry.name for entry in COUNTRY_ENTRIES}
assert len(ISO_CODES) == DESCRIPTION_COUNT - 1

# Opcode 0 sub-commands (by n) with four signed operands, or none for Canton.
END, CANTON, RIGHT_TRIANGLE, RECTANGLE, SUB_FRAME = range(5)
SPECIAL_NAMES = {CANTON: 'Canton', RIGHT_TRIANGLE: 'RightTriangle', RECTANGLE: 'Rectangle',
                 SUB_FRAME: 'SubFrame'}

# Opcodes 1..15 by name.
OPCODES = {'HorizontalBand': 0x1, 'VerticalBand': 0x2, 'Disc': 0x3, 'SetColour': 0x4,
           'Cross': 0x5, 'Path': 0x6, 'Diagonals': 0x7, 'FillAll': 0x8, 'Rotate': 0x9,
           'Scale': 0xA, 'Repeat': 0xB, 'Star': 0xC, 'FivePointStar': 0xD,
           'HorizontalStripes': 0xE, 'VerticalStripes': 0xF}
OPCODE_NAMES = {opcode: name for name, opcode in OPCODES.items()}
PREFIX_OPCODES = {0x9, 0xA, 0xB}   # Rotate, Scale, Repeat: each applies to the next command

DIAGONAL_NAMES = {1: 'falling', 2: 'rising', 3: 'both'}   # bit 0: top-left to bottom-right

# Path bytes: the end of a path and the mode switches.
PATH_END = 0x80
PATH_MODES = {0x81: 'lines', 0x82: 'smooth', 0x83: 'curves'}
MODE_BYTES = {name: byte for byte, name in PATH_MODES.items()}
ELEMENT_OF_MODE = {'lines': 'line', 'smooth': 'smooth', 'curves': 'curve'}
PATH_ELEMENT_CAPACITY = 63   # with the start point, 64 points

STRIPE_COLOUR_CAPACITY = 7


def signed(byte):
    return byte - 256 if byte >= 128 else byte


def unsigned(value):
    return value & 0xFF


def key_of(index):
    """The text key of description index: 0 or the country's ISO code."""
    return '0' if index == 0 else ISO_CODES[index - 1]


def block_header(index, aspect):
    """The line that opens description index, with the country's name as a comment."""
    return 'flag %s aspect %d   # %s' % (key_of(index), aspect, COUNTRY_NAMES.get(index, 'no flag'))


def colour_name(index):
    return COLOUR_NAMES[index] if index < len(COLOUR_NAMES) else str(index)


# Curve control offsets, packed into 16 bits: c1y in the top 6 bits, c2x and c2y in 5 each,
# all biased by 15.
def pack_controls(c1y, c2x, c2y):
    return (c1y + 15) << 10 | (c2x + 15) << 5 | (c2y + 15)


def unpack_controls(v):
    return (v >> 10) - 15, ((v >> 5) & 31) - 15, (v & 31) - 15
