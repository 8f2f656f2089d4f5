#!/usr/bin/env python3
"""The stages of the projection table generators, one by one."""
import unittest

import make_golden
import make_names
from read_table import c_string, check_credits, parse_entry, parse_year


def entry(index, name='Name', credit='', year='1855', group='0x10', variant='0'):
    return parse_entry('\t'.join([str(index), name, credit, year, group, variant, 'project_x']), index)


class ParseYear(unittest.TestCase):
    def test_reads_circa_and_eras(self):
        self.assertEqual(parse_year('1855', 0), (1855, False))
        self.assertEqual(parse_year('c.100AD', 0), (100, True))
        self.assertEqual(parse_year('c.150BC', 0), (-150, True))

    def test_rejects_ad_from_1000_and_other_text(self):
        for text in ('1200AD', 'about 1200', '-5'):
            with self.assertRaises(SystemExit):
                parse_year(text, 3)


class ParseEntry(unittest.TestCase):
    def test_packs_the_year_code_and_reads_same_credit(self):
        e = entry(7, credit='O.M.Miller *', year='c.150BC', group='0x11', variant='2')
        self.assertEqual((e['credit'], e['same_credit'], e['year_code']), ('O.M.Miller', True, -299))
        self.assertEqual((e['group'], e['variant']), (0x11, 2))

    def test_rejects_an_index_out_of_place_and_a_wide_variant(self):
        with self.assertRaises(SystemExit):
            parse_entry('\t'.join(['5', 'N', '', '1855', '0x10', '0', 'f']), 4)
        with self.assertRaises(SystemExit):
            entry(0, variant='256')


class CheckCredits(unittest.TestCase):
    def test_same_credit_needs_the_previous_credit(self):
        check_credits([entry(0, credit='Goode'), entry(1, credit='Goode *')])
        with self.assertRaises(SystemExit):
            check_credits([entry(0, credit='Goode'), entry(1, credit='Boggs *')])
        with self.assertRaises(SystemExit):
            check_credits([entry(0, credit='Goode *')])


class CString(unittest.TestCase):
    def test_writes_code_page_1252_and_escapes_as_octal(self):
        self.assertEqual(c_string('Fin\u00e9\0'), '"Fin\\351\\000"')


class NameRecord(unittest.TestCase):
    def test_credit_field_is_zero_one_or_the_text(self):
        self.assertEqual(make_names.credit_field(entry(0)), '"\\000"')
        self.assertEqual(make_names.credit_field(entry(1, credit='X *')), '"\\001"')
        self.assertEqual(make_names.credit_field(entry(2, credit='Lambert')), '"Lambert\\000"')


class Label(unittest.TestCase):
    def test_circa_era_and_missing_credit(self):
        self.assertEqual(make_golden.label(entry(0, 'Equirectangular', 'Marinus', 'c.100AD')),
                         'Equirectangular (Marinus, c.100AD)')
        self.assertEqual(make_golden.label(entry(0, 'Gall Stereographic')), 'Gall Stereographic (1855)')
        self.assertEqual(make_golden.label(entry(0, 'Nicolosi', 'al-Biruni', 'c.1000')),
                         'Nicolosi (al-Biruni, c.1000)')
        self.assertEqual(make_golden.label(entry(0, 'Polar Gnomonic', 'Thales', 'c.580BC')),
                         'Polar Gnomonic (Thales, c.580BC)')


if __name__ == '__main__':
    unittest.main()
