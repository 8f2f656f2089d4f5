"""Packs a country's intended figures and codes into one 148-byte statistics record.

A country is given as {column number: value}: texts for the code columns 4..13 (column 3,
the two-letter code, comes from the country's place in code order), numbers for the stored
columns, and for share columns the share of the total column (0.273 for 27.3 %). Derived
columns are never given. Values that a field cannot hold are stored as missing and reported.
"""
from decimal import Decimal, ROUND_HALF_UP

import record_layout as layout


def field_range(field):
    """The smallest and largest value a field holds."""
    if field.signed:
        return -(1 << (field.bits - 1)), (1 << (field.bits - 1)) - 1
    return 0, (1 << field.bits) - 1


def put_field(words, field, value):
    """Writes value into its field of the word list; it must fit."""
    low, high = field_range(field)
    if not low <= value <= high:
        raise ValueError("%d does not fit %r" % (value, field))
    mask = (1 << field.bits) - 1
    words[field.word] &= ~(mask << field.bit) & 0xFFFFFFFF
    words[field.word] |= (value & mask) << field.bit


def exponent_choices(source):
    """(exponent field value, decimal exponent) pairs, the finest exponent first."""
    if source.exponent is None:
        return [(0, source.bias)]
    low, high = field_range(source.exponent)
    return [(f, f + source.bias) for f in range(low, high + 1)]


def quantize(value, source):
    """The nearest (mantissa, exponent field value) for a number, or None when it cannot be held.

    The finest exponent whose mantissa fits is chosen; 1023, the missing mark, is never a mantissa.
    """
    low = field_range(source.mantissa)[0]
    high = layout.MISSING_MANTISSA - 1
    if value < 0 and low == 0:
        return None
    exact = Decimal(repr(float(value)))
    for field_value, exponent in exponent_choices(source):
        m = int((exact.scaleb(-exponent)).quantize(Decimal(1), rounding=ROUND_HALF_UP))
        if low <= m <= high:
            return m, field_value
    return None


def letters_of(text, code):
    """The letter field values of a letter code text (without its prefix)."""
    if not text.startswith(code.prefix):
        raise ValueError("%r must start with %r" % (text, code.prefix))
    letters = text[len(code.prefix):]
    if len(letters) > len(code.bits):
        raise ValueError("%r has more than %d letters" % (text, len(code.bits)))
    values = []
    for c in letters:
        v = ord(c) - ord(code.first_letter) + 1
        if not 1 <= v <= 26:
            raise ValueError("%r: %r is not a letter of its case" % (text, c))
        values.append(v)
    return values


def calling_code_value(text):
    """'' -> 0, '+44' -> 44, '+1-876' -> 1876 (1000 + the area code)."""
    if text == "":
        return 0
    if text.startswith("+1-"):
        return 1000 + int(text[3:] or "0")
    if not text.startswith("+"):
        raise ValueError("calling code %r must start with +" % text)
    v = int(text[1:])
    if not 1 <= v <= 999:
        raise ValueError("calling code %r out of range" % text)
    return v


def zone_fields(text):
    """'+05:30' -> (5, 30); '-03:30' -> (-3, 30). The minutes are unsigned, so -00:30 is not held."""
    if len(text) != 6 or text[0] not in "+-" or text[3] != ":":
        raise ValueError("time zone %r is not of the form +05:30" % text)
    hours, minutes = int(text[1:3]), int(text[4:6])
    if text[0] == "-":
        if hours == 0:
            raise ValueError("time zone %r has no representation" % text)
        hours = -hours
    return hours, minutes


def pack_codes(words, iso2, values):
    for column, code in layout.LETTER_CODES.items():
        text = iso2 if column == 3 else values.get(column, code.prefix)
        for bit, v in zip(code.bits, letters_of(text, code)):
            put_field(words, layout.Field(code.word, bit, 5, False), v)
    visited = values.get(10, "N")
    if visited not in ("Y", "N"):
        raise ValueError("Visited must be Y or N, not %r" % visited)
    put_field(words, layout.VISITED, 1 if visited == "Y" else 0)
    put_field(words, layout.ISO_NUMBER, int(values.get(11, 0)))
    put_field(words, layout.CALLING_CODE, calling_code_value(values.get(12, "")))
    hours, minutes = zone_fields(values.get(13, "+00:00"))
    put_field(words, layout.ZONE_HOURS, hours)
    put_field(words, layout.ZONE_MINUTES, minutes)


def pack_record(iso2, values, political_class=0):
    """The record bytes and a list of the values that could not be stored."""
    words = [0] * layout.WORD_COUNT
    problems = []
    pack_codes(words, iso2, values)
    put_field(words, layout.POLITICAL_CLASS, political_class)
    for column, source in layout.VALUE_SOURCES.items():
        if not isinstance(source, (layout.Stored, layout.Share)):
            if column in values:
                raise ValueError("column %d is derived and cannot be given" % column)
            continue
        stored = None
        if values.get(column) is not None:
            stored = quantize(values[column], source)
            if stored is None:
                problems.append("%s column %d: %r does not fit" % (iso2, column, values[column]))
            elif stored[0] == 0 and values[column] != 0:
                problems.append("%s column %d: %r rounds to 0" % (iso2, column, values[column]))
        mantissa, exponent = stored if stored else (layout.MISSING_MANTISSA, 0)
        put_field(words, source.mantissa, mantissa)
        if source.exponent is not None:
            put_field(words, source.exponent, exponent)
    unknown = set(values) - set(layout.VALUE_SOURCES) - set(range(4, 14))
    if unknown:
        raise ValueError("%s: no such columns %s" % (iso2, sorted(unknown)))
    return b"".join(w.to_bytes(4, "little") for w in words), problems
