"""What the program must decode from a packed record: the golden values of the decoder test.

Written from the layout alone, apart from the program's decoder, in the same double arithmetic:
D(m, e) = m × 10^e, P(f, T, q) = q × trunc(f / q × T + 0.5), sums and differences in order.
"""
import record_layout as layout


def read_field(record, field):
    word = int.from_bytes(record[4 * field.word:4 * field.word + 4], "little")
    value = (word >> field.bit) & ((1 << field.bits) - 1)
    if field.signed and value >> (field.bits - 1):
        value -= 1 << field.bits
    return value


def power_of_ten(e):
    return float(10 ** e) if e >= 0 else 1.0 / float(10 ** -e)


def stored_number(record, source):
    m = read_field(record, source.mantissa)
    if m == layout.MISSING_MANTISSA:
        return None
    e = source.bias + (read_field(record, source.exponent) if source.exponent else 0)
    return float(m) * power_of_ten(e)


def decoded_values(record):
    """{column: float or None} for the columns 14..107."""
    values = {}
    for column in sorted(layout.VALUE_SOURCES):
        source = layout.VALUE_SOURCES[column]
        if isinstance(source, layout.Stored):
            values[column] = stored_number(record, source)
            continue
        if isinstance(source, layout.Share):
            f, total = stored_number(record, source), values[source.total]
            values[column] = None if f is None or total is None else \
                source.quantum * float(int(f / source.quantum * total + 0.5))
            continue
        operands = [values[c] for c in source.operands]
        if None in operands:
            values[column] = None
        elif isinstance(source, layout.Difference):
            result = operands[0]
            for v in operands[1:]:
                result -= v
            values[column] = result
        elif isinstance(source, layout.Sum):
            values[column] = operands[0] + operands[1]
        else:   # Growth: births - deaths + net migration
            values[column] = operands[0] - operands[1] + operands[2]
    return values


def decoded_codes(record):
    """{column: text} for the columns 3..13."""
    codes = {}
    for column, code in layout.LETTER_CODES.items():
        text = code.prefix
        for bit in code.bits:
            v = read_field(record, layout.Field(code.word, bit, 5, False))
            if v == 0:
                break
            text += chr(ord(code.first_letter) + v - 1)
        codes[column] = text
    codes[10] = "Y" if read_field(record, layout.VISITED) else "N"
    iso = read_field(record, layout.ISO_NUMBER)
    codes[11] = str(iso) if iso else ""
    calling = read_field(record, layout.CALLING_CODE)
    codes[12] = "" if calling == 0 else "+%d" % calling if calling < 1000 else \
        "+1-" + (str(calling - 1000) if calling > 1000 else "")
    hours, minutes = read_field(record, layout.ZONE_HOURS), read_field(record, layout.ZONE_MINUTES)
    codes[13] = "%s%02d:%02d" % ("-" if hours < 0 else "+", abs(hours), minutes)
    return codes
