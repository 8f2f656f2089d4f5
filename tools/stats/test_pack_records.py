"""Packing stages: quantizing, code fields, and records that decode back to their figures."""
import unittest

import expected_values
import pack_records
import record_layout as layout


class Quantize(unittest.TestCase):
    def test_takes_the_finest_exponent_that_fits(self):
        population = layout.VALUE_SOURCES[14]          # exponent field 0..7
        self.assertEqual(pack_records.quantize(12300000, population), (123, 5))
        self.assertEqual(pack_records.quantize(1022, population), (1022, 0))
        self.assertEqual(pack_records.quantize(1023, population), (102, 1))

    def test_rounds_half_up(self):
        median_age = layout.VALUE_SOURCES[19]          # fixed exponent -1
        self.assertEqual(pack_records.quantize(46.85, median_age), (469, 0))
        self.assertEqual(pack_records.quantize(46.84, median_age), (468, 0))

    def test_refuses_what_no_field_holds(self):
        self.assertIsNone(pack_records.quantize(1e20, layout.VALUE_SOURCES[14]))
        self.assertIsNone(pack_records.quantize(-5, layout.VALUE_SOURCES[14]))     # unsigned
        self.assertIsNone(pack_records.quantize(102.3, layout.VALUE_SOURCES[19]))  # 1023 is missing

    def test_signed_fields_take_negative_mantissas(self):
        growth = layout.VALUE_SOURCES[75]              # 11 bits signed, exponent -1
        self.assertEqual(pack_records.quantize(-102.4, growth), (-1024, 0))
        self.assertEqual(pack_records.quantize(-2.5, growth), (-25, 0))
        migration = layout.VALUE_SOURCES[24]           # signed exponent field -8..7
        self.assertEqual(pack_records.quantize(-0.00000123, migration), (-123, -8))


class CodeFields(unittest.TestCase):
    def test_calling_codes(self):
        self.assertEqual(pack_records.calling_code_value(""), 0)
        self.assertEqual(pack_records.calling_code_value("+44"), 44)
        self.assertEqual(pack_records.calling_code_value("+1-876"), 1876)
        self.assertEqual(pack_records.calling_code_value("+1-"), 1000)
        with self.assertRaises(ValueError):
            pack_records.calling_code_value("+1000")

    def test_time_zones(self):
        self.assertEqual(pack_records.zone_fields("+05:45"), (5, 45))
        self.assertEqual(pack_records.zone_fields("-03:30"), (-3, 30))
        with self.assertRaises(ValueError):
            pack_records.zone_fields("-00:30")

    def test_letters_keep_their_case_and_length(self):
        iana = layout.LETTER_CODES[6]
        self.assertEqual(pack_records.letters_of(".de", iana), [4, 5])
        self.assertEqual(pack_records.letters_of(".", iana), [])
        for bad in (".DE", "de", ".dex"):
            with self.assertRaises(ValueError):
                pack_records.letters_of(bad, iana)


class PackRecord(unittest.TestCase):
    CODES = {4: "DEU", 5: "gm", 6: ".de", 7: "D", 8: "GER", 9: "EUR", 10: "Y", 11: 276,
             12: "+1-876", 13: "-03:30"}

    def test_codes_decode_back(self):
        record, problems = pack_records.pack_record("DE", self.CODES, political_class=3)
        self.assertEqual(problems, [])
        self.assertEqual(len(record), layout.RECORD_SIZE)
        codes = expected_values.decoded_codes(record)
        self.assertEqual(codes[3], "DE")
        for column, text in self.CODES.items():
            self.assertEqual(codes[column], str(text))
        self.assertEqual(expected_values.read_field(record, layout.POLITICAL_CLASS), 3)

    def test_every_stored_column_decodes_within_half_a_step(self):
        figures = {c: 987654.3 * (c % 7 + 1) for c, s in layout.VALUE_SOURCES.items()
                   if isinstance(s, layout.Stored) and s.exponent is not None}
        record, problems = pack_records.pack_record("DE", figures)
        decoded = expected_values.decoded_values(record)
        for column, value in figures.items():
            stored = [p for p in problems if "column %d:" % column in p]
            if stored:
                self.assertIsNone(decoded[column])
                continue
            m, field_value = pack_records.quantize(value, layout.VALUE_SOURCES[column])
            step = 10.0 ** (field_value + layout.VALUE_SOURCES[column].bias)
            self.assertLessEqual(abs(decoded[column] - value), step / 2 * (1 + 1e-9), column)

    def test_absent_figures_are_missing_and_derived_ones_follow(self):
        record, _ = pack_records.pack_record("AD", {14: 80000, 15: 0.25})
        decoded = expected_values.decoded_values(record)
        self.assertEqual(decoded[15], 20000.0)
        self.assertIsNone(decoded[16])
        self.assertIsNone(decoded[17])        # total - 0-14 - 15-64, one operand missing
        self.assertIsNone(decoded[25])

    def test_refuses_derived_columns_and_unknown_ones(self):
        with self.assertRaises(ValueError):
            pack_records.pack_record("DE", {17: 5})
        with self.assertRaises(ValueError):
            pack_records.pack_record("DE", {200: 5})

    def test_reports_values_it_cannot_store(self):
        record, problems = pack_records.pack_record("DE", {14: 5e20})
        self.assertEqual(len(problems), 1)
        self.assertIsNone(expected_values.decoded_values(record)[14])


if __name__ == "__main__":
    unittest.main()
