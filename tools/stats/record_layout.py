"""Where every figure and code lives in a packed country record (37 little-endian 32-bit words).

The program's decoder (stats/record_layout.cpp) reads the same layout; test_record_layout.py
checks that the fields cover every bit exactly once apart from the unused ones.
"""
from collections import namedtuple

WORD_COUNT = 37
RECORD_SIZE = 4 * WORD_COUNT
COUNTRY_COUNT = 214
MISSING_MANTISSA = 1023

# `bits` bits of word `word` from bit `bit` up, two's complement when signed.
Field = namedtuple("Field", "word bit bits signed")


def U(word, bit, bits):
    return Field(word, bit, bits, False)


def S(word, bit, bits):
    return Field(word, bit, bits, True)


# A stored number m × 10^(exponent field + bias); exponent None means the bias alone.
Stored = namedtuple("Stored", "mantissa exponent bias")
# A share of an earlier total column, stored like a number and rounded to a quantum on decoding.
Share = namedtuple("Share", "mantissa exponent bias total quantum")
# Columns computed from earlier ones: a - b [- c], a + b, births - deaths + migration.
Difference = namedtuple("Difference", "operands")
Sum = namedtuple("Sum", "operands")
Growth = namedtuple("Growth", "operands")

VALUE_SOURCES = {
    14: Stored(U(7, 2, 10), U(8, 3, 3), 0),
    15: Share(U(7, 12, 10), None, -3, 14, 1),
    16: Share(U(7, 22, 10), None, -3, 14, 1),
    17: Difference((14, 15, 16)),
    18: Stored(U(8, 6, 10), None, -1),
    19: Stored(U(9, 1, 10), None, -1),
    20: Stored(U(12, 20, 10), None, -1),
    21: Stored(U(13, 3, 10), None, -1),
    22: Stored(U(9, 11, 10), U(8, 26, 3), 0),
    23: Stored(U(9, 21, 10), U(8, 29, 3), 0),
    24: Stored(S(34, 11, 11), S(34, 22, 4), 0),
    25: Growth((22, 23, 24)),
    26: Stored(U(10, 10, 10), None, -2),
    27: Stored(U(10, 20, 10), None, -2),
    28: Stored(U(11, 0, 10), None, -2),
    29: Stored(U(10, 0, 10), None, -2),
    30: Stored(U(11, 10, 10), None, -2),
    31: Stored(U(11, 20, 10), U(10, 30, 2), -2),
    32: Stored(U(12, 0, 10), None, -2),
    33: Stored(S(35, 0, 11), S(34, 26, 4), 0),
    34: Stored(U(12, 10, 10), U(13, 0, 3), 0),
    35: Share(U(8, 16, 10), U(9, 0, 1), -4, 14, 1),
    36: Stored(U(3, 10, 10), U(3, 20, 2), 0),
    37: Stored(U(3, 22, 10), U(4, 0, 1), 0),
    38: Stored(S(34, 0, 11), U(4, 1, 1), 0),
    39: Stored(U(4, 2, 10), U(5, 0, 2), -3),
    40: Stored(U(4, 12, 10), U(5, 2, 2), 0),
    41: Stored(U(4, 22, 10), U(5, 4, 3), -2),
    42: Stored(U(5, 7, 10), U(5, 17, 2), 0),
    43: Stored(U(5, 19, 10), U(5, 29, 3), -2),
    44: Stored(U(6, 0, 10), U(8, 0, 3), -2),
    45: Difference((41, 43, 44)),
    46: Stored(U(6, 10, 10), U(7, 0, 2), -2),
    47: Stored(U(6, 20, 10), U(6, 30, 2), 0),
    48: Stored(U(13, 13, 10), U(9, 31, 1), 0),
    49: Stored(U(14, 0, 10), U(12, 30, 1), 0),
    50: Sum((49, 48)),
    51: Stored(U(14, 10, 10), None, 0),
    52: Stored(U(14, 20, 10), U(12, 31, 1), 0),
    53: Stored(U(15, 0, 10), U(11, 30, 2), 0),
    54: Stored(U(15, 10, 10), U(14, 30, 2), 0),
    55: Stored(U(15, 20, 10), U(15, 30, 2), 1),
    56: Stored(U(16, 0, 10), U(16, 10, 2), 0),
    57: Stored(U(16, 12, 10), None, -1),
    58: Stored(U(16, 22, 10), None, -1),
    59: Stored(U(17, 0, 10), U(13, 23, 3), 5),
    60: Stored(U(17, 10, 10), U(13, 26, 3), 5),
    61: Difference((60, 59)),
    62: Stored(U(18, 0, 10), U(13, 29, 3), 4),
    63: Stored(U(18, 10, 10), U(17, 20, 3), 3),
    64: Stored(U(19, 0, 10), U(17, 23, 3), 3),
    65: Difference((64, 63)),
    66: Stored(U(19, 10, 10), U(17, 26, 3), 5),
    67: Stored(U(20, 0, 10), U(17, 29, 3), 5),
    68: Stored(U(20, 10, 10), U(18, 20, 3), 5),
    69: Stored(U(20, 20, 10), U(18, 23, 3), 5),
    70: Stored(U(21, 0, 10), U(18, 26, 3), 3),
    71: Stored(U(21, 10, 10), U(18, 29, 3), 3),
    72: Share(U(21, 20, 10), None, -3, 67, 10000),
    73: Share(U(22, 0, 10), None, -3, 67, 10000),
    74: Difference((67, 72, 73)),
    75: Stored(S(35, 11, 11), None, -1),
    76: Stored(S(36, 0, 11), None, -1),
    77: Stored(S(36, 11, 11), None, -1),
    78: Stored(U(22, 10, 10), U(19, 20, 3), 0),
    79: Share(U(22, 20, 10), None, -3, 78, 1),
    80: Share(U(23, 0, 10), None, -3, 78, 1),
    81: Difference((78, 79, 80)),
    82: Stored(U(23, 10, 10), U(19, 23, 3), 0),
    83: Stored(U(23, 20, 10), None, -1),
    84: Stored(U(24, 0, 10), U(19, 26, 3), 0),
    85: Stored(U(24, 10, 10), U(19, 29, 3), 0),
    86: Stored(U(24, 20, 10), U(25, 0, 3), 0),
    87: Stored(U(31, 10, 10), U(31, 20, 1), 3),
    88: Stored(U(25, 3, 10), None, -3),
    89: Stored(U(25, 13, 10), U(25, 23, 3), 3),
    90: Stored(U(26, 0, 10), U(25, 26, 3), 1),
    91: Stored(U(26, 10, 10), U(25, 29, 3), 1),
    92: Stored(U(27, 0, 10), U(26, 20, 3), 3),
    93: Stored(U(27, 10, 10), U(26, 23, 3), 2),
    94: Stored(U(27, 20, 10), U(26, 26, 3), 2),
    95: Stored(U(28, 0, 10), U(26, 29, 3), 2),
    96: Stored(U(28, 10, 10), U(28, 20, 3), 2),
    97: Stored(U(29, 0, 10), U(28, 23, 3), 4),
    98: Stored(U(29, 10, 10), U(28, 26, 3), 0),
    99: Stored(U(29, 20, 10), U(28, 29, 3), 0),
    100: Stored(U(30, 0, 10), U(30, 10, 3), 0),
    101: Stored(U(30, 13, 10), U(30, 23, 3), 0),
    102: Stored(U(31, 0, 10), U(30, 26, 3), 2),
    103: Stored(U(31, 21, 10), U(30, 29, 3), 0),
    104: Stored(U(32, 0, 10), S(35, 22, 4), 0),
    105: Stored(U(32, 10, 10), S(35, 26, 4), 0),
    106: Stored(U(32, 20, 10), S(36, 22, 4), 0),
    107: Stored(U(33, 15, 10), U(31, 31, 1), 0),
}

# Letter codes: 5-bit fields holding 1..26 for a letter, 0 to end the text early.
LetterCode = namedtuple("LetterCode", "word bits first_letter prefix")
LETTER_CODES = {
    3: LetterCode(0, (0, 5), "A", ""),          # ISO/2
    4: LetterCode(0, (10, 15, 20), "A", ""),    # ISO/3
    5: LetterCode(1, (0, 5), "a", ""),          # FIPS
    6: LetterCode(1, (10, 15), "a", "."),       # IANA
    7: LetterCode(2, (0, 5, 10), "A", ""),      # UN Vehicle
    8: LetterCode(2, (15, 20, 25), "A", ""),    # IOC
    9: LetterCode(33, (0, 5, 10), "A", ""),     # Currency
}

VISITED = U(1, 20, 1)             # column 10
ISO_NUMBER = U(3, 0, 10)          # column 11
CALLING_CODE = U(1, 21, 11)       # column 12
ZONE_HOURS = S(36, 26, 6)         # column 13
ZONE_MINUTES = U(0, 25, 6)        # column 13
POLITICAL_CLASS = U(2, 30, 2)

# Bits that belong to no field: (word, first bit, last bit).
UNUSED_BITS = [(0, 31, 31)] + [(w, 30, 31) for w in (20, 21, 22, 23, 24, 27, 29, 32, 34, 35)] \
    + [(33, 25, 31)]


def all_fields():
    """Every field of the layout, each once."""
    fields = []
    for source in VALUE_SOURCES.values():
        if isinstance(source, (Stored, Share)):
            fields.append(source.mantissa)
            if source.exponent is not None:
                fields.append(source.exponent)
    for code in LETTER_CODES.values():
        fields.extend(Field(code.word, bit, 5, False) for bit in code.bits)
    fields += [VISITED, ISO_NUMBER, CALLING_CODE, ZONE_HOURS, ZONE_MINUTES, POLITICAL_CLASS]
    return fields
