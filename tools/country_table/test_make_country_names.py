#!/usr/bin/env python3
"""The emitter of make_country_names; the table itself is read and checked by the shared reader."""
import unittest

import make_country_names as m
from make_country_names import country_table


class Emit(unittest.TestCase):
    def test_names_end_in_zero_bytes_and_parents_follow(self):
        entries = [country_table.Entry(c, None, None, "Name %d" % c,
                                       1 if c >= country_table.FIRST_REGION else None)
                   for c in range(1, country_table.CODE_COUNT + 1)]
        text = m.emit(entries)
        self.assertIn('"Name 1\\0"', text)
        self.assertIn('"Name 237";', text)
        self.assertEqual(text.count("1,    // "), country_table.CODE_COUNT - country_table.FIRST_REGION + 1)


if __name__ == "__main__":
    unittest.main()
