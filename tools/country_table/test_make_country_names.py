#!/usr/bin/env python3
"""The stages of make_country_names, one by one."""
import unittest

import make_country_names as m


def table(rows):
    return "\n".join("\t".join(str(f) for f in row) for row in rows)


GOOD = [(c, "Name %d" % c) + ((1,) if c >= m.FIRST_REGION else ()) for c in range(1, m.CODE_COUNT + 1)]


class ReadTable(unittest.TestCase):
    def test_skips_comments_and_reads_parents(self):
        rows = m.read_table("# heading\n1\tAndorra\n\n215\tAntigua\t4\n")
        self.assertEqual(rows, [(1, "Andorra", None), (215, "Antigua", 4)])


class CheckTable(unittest.TestCase):
    def test_accepts_a_whole_table(self):
        m.check_table(m.read_table(table(GOOD)))

    def test_rejects_codes_out_of_order(self):
        rows = m.read_table(table(GOOD))
        rows[3], rows[4] = rows[4], rows[3]
        with self.assertRaises(ValueError):
            m.check_table(rows)

    def test_rejects_a_parent_on_a_country_or_a_region_without_one(self):
        rows = m.read_table(table(GOOD))
        with self.assertRaises(ValueError):
            m.check_table([(1, "A", 2)] + rows[1:])
        with self.assertRaises(ValueError):
            m.check_table(rows[:-1] + [(237, "Hawaii", None)])
        with self.assertRaises(ValueError):
            m.check_table(rows[:-1] + [(237, "Hawaii", 220)])


class CString(unittest.TestCase):
    def test_escapes_quotes_backslashes_and_high_bytes_in_octal(self):
        self.assertEqual(m.c_string(b'a"b\\c'), '"a\\"b\\\\c"')
        self.assertEqual(m.c_string("km\u00b2".encode("cp1252")), '"km\\262"')


class Emit(unittest.TestCase):
    def test_names_end_in_zero_bytes_and_parents_follow(self):
        text = m.emit(m.read_table(table(GOOD)))
        self.assertIn('"Name 1\\0"', text)
        self.assertIn('"Name 237";', text)
        self.assertEqual(text.count("1,    // "), m.CODE_COUNT - m.FIRST_REGION + 1)


if __name__ == "__main__":
    unittest.main()
