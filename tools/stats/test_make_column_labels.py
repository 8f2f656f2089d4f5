"""The packed label list: its size, its first entries and its code page."""
import os
import unittest

import make_column_labels
import read_tables

HERE = os.path.dirname(os.path.abspath(__file__))


def packed_list():
    entries = make_column_labels.pack_label_entries(
        read_tables.read_unit_kinds(os.path.join(HERE, "unit_kinds.tsv")),
        read_tables.read_columns(os.path.join(HERE, "columns.tsv")))
    return b"".join(b"".join(parts) for parts in entries)


class PackLabelEntries(unittest.TestCase):
    def test_holds_108_entries_in_2286_bytes(self):
        data = packed_list()
        self.assertEqual(len(data), 2286)
        self.assertEqual(data.count(b"\0"), 108 + 20)   # one per label, one per unit

    def test_units_appear_once_at_their_first_letter(self):
        data = packed_list()
        self.assertTrue(data.startswith(b"B\x000Flag\x00B9Country Name\x00S\x007Statistic\x00"))
        self.assertIn(b"Hyrs\x001Life Expectancy at Birth\x00", data)
        self.assertIn(b"Rbbl/day\x006Oil: Consumption\x00", data)
        self.assertIn(b"Ekm\xb2\x005Irrigated Land\x00", data)
        self.assertIn(b"J:Budget Surplus\x00", data)       # width 10
        self.assertIn(b"J>External Debt\x00", data)        # width 14


if __name__ == "__main__":
    unittest.main()
