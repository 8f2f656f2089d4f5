"""Reads tools/projections/table.tsv, the projection catalogue in menu order.

Each entry becomes a dict: index, name, credit (None when absent), same_credit (stored as
"same as the previous entry"), year (negative before 0), circa, year_code (year x 2 + circa),
group, variant, formula. Inconsistent lines stop the generator with a message naming the entry.
"""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'shared'))
import cpp_emit  # noqa: E402

ENTRY_COUNT = 128
YEAR = re.compile(r'^(c\.)?(\d+)(AD|BC)?$')


def fail(message):
    sys.exit('projection table: ' + message)


def parse_year(text, index):
    match = YEAR.match(text)
    if not match:
        fail('entry %d: year %r is not like 1855, c.100AD or c.150BC' % (index, text))
    circa, digits, era = match.groups()
    year = int(digits)
    if era == 'BC':
        year = -year
    if era == 'AD' and year >= 1000:
        fail('entry %d: AD is shown only below 1000' % index)
    return year, circa is not None


def parse_entry(line, expected_index):
    fields = line.split('\t')
    if len(fields) != 7:
        fail('entry %d: %d fields instead of 7' % (expected_index, len(fields)))
    index, name, credit, year_text, group, variant, formula = fields
    if int(index) != expected_index:
        fail('entry %s found where %d belongs' % (index, expected_index))
    same_credit = credit.endswith(' *')
    if same_credit:
        credit = credit[:-2]
    year, circa = parse_year(year_text, expected_index)
    entry = {
        'index': expected_index, 'name': name, 'credit': credit or None,
        'same_credit': same_credit, 'year': year, 'circa': circa,
        'year_code': year * 2 + (1 if circa else 0),
        'group': int(group, 16), 'variant': int(variant), 'formula': formula,
    }
    if not 0x10 <= entry['group'] <= 0x5F or not 0 <= entry['variant'] <= 255:
        fail('entry %d: group or variant out of range' % expected_index)
    if not -32768 <= entry['year_code'] <= 32767:
        fail('entry %d: the year does not fit 16 bits' % expected_index)
    return entry


def check_credits(entries):
    for previous, entry in zip([None] + entries, entries):
        if entry['same_credit'] and (previous is None or previous['credit'] != entry['credit']):
            fail('entry %d: "*" needs the same credit as the entry before' % entry['index'])
        if entry['credit'] and entry['credit'][0] in '\x00\x01':
            fail('entry %d: a credit may not start with byte 0 or 1' % entry['index'])


def read_table(path):
    with open(path, encoding='utf-8') as source:
        lines = [line.rstrip('\n') for line in source if line.strip() and not line.startswith('#')]
    entries = [parse_entry(line, i) for i, line in enumerate(lines)]
    if len(entries) != ENTRY_COUNT:
        fail('%d entries instead of %d' % (len(entries), ENTRY_COUNT))
    check_credits(entries)
    return entries


def c_string(text):
    """The text as a C string literal in code page 1252."""
    return cpp_emit.string_literal(text.encode('cp1252'))
