"""The record layout: every bit of the 37 words belongs to one field or is listed as unused."""
import unittest

import record_layout as layout


class RecordLayout(unittest.TestCase):
    def test_every_bit_has_exactly_one_owner(self):
        owners = {}
        for field in layout.all_fields():
            self.assertLessEqual(field.bit + field.bits, 32, field)
            for b in range(field.bit, field.bit + field.bits):
                owners.setdefault((field.word, b), []).append(field)
        for word, first, last in layout.UNUSED_BITS:
            for b in range(first, last + 1):
                owners.setdefault((word, b), []).append("unused")
        for word in range(layout.WORD_COUNT):
            for b in range(32):
                self.assertEqual(len(owners.get((word, b), [])), 1, (word, b, owners.get((word, b))))

    def test_derived_columns_read_only_earlier_columns(self):
        for column, source in layout.VALUE_SOURCES.items():
            operands = getattr(source, "operands", ()) + ((source.total,) if hasattr(source, "total") else ())
            for operand in operands:
                self.assertTrue(14 <= operand < column, (column, operand))

    def test_covers_the_numeric_columns(self):
        self.assertEqual(sorted(layout.VALUE_SOURCES), list(range(14, 108)))
        self.assertEqual(sorted(layout.LETTER_CODES), list(range(3, 10)))


if __name__ == "__main__":
    unittest.main()
