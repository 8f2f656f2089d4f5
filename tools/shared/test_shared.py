"""The shared generator modules: the C++ emitter and the country table reader."""
import unittest

import country_table
import cpp_emit


class Blob(unittest.TestCase):
    def test_reads_back_what_it_wrote_with_an_offset_every_256_bytes(self):
        blob = bytes(range(256)) * 2 + b"\x01\x02"
        text = cpp_emit.blob_source(["// test"], "SOME_BLOB", blob)
        self.assertEqual(cpp_emit.read_blob(text, "SOME_BLOB"), blob)
        self.assertEqual([line for line in text.splitlines() if "//" in line and "test" not in line
                          and "blobs.h" not in line], ["    // 0", "    // 256", "    // 512"])
        self.assertTrue(text.endswith("const int SOME_BLOB_SIZE = sizeof SOME_BLOB;\n"))


class StringLiteral(unittest.TestCase):
    def test_escapes_cannot_swallow_a_following_digit(self):
        self.assertEqual(cpp_emit.string_literal(b"km\xb2\x001"), '"km\\262\\0001"')
        self.assertEqual(cpp_emit.string_literal(b'a"b\\c'), '"a\\"b\\\\c"')


def good_table():
    """A whole valid table: countries AA, AB, ... with numeric codes, then regions of code 1."""
    lines = ["# heading"]
    for code in range(1, country_table.CODE_COUNT + 1):
        if code < country_table.FIRST_REGION:
            alpha2 = chr(65 + (code - 1) // 26) + chr(65 + (code - 1) % 26)
            lines.append("%d\t%s\t%03d\tName %d" % (code, alpha2, code, code))
        else:
            lines.append("%d\t-\t-\tName %d\t1" % (code, code))
    return lines


class CountryTable(unittest.TestCase):
    def test_reads_the_real_table(self):
        entries = country_table.read()
        self.assertEqual(country_table.iso_codes(entries)[:3], ["AD", "AE", "AF"])
        self.assertEqual(entries[64], (65, "FR", "250", "France", None))
        self.assertEqual(entries[-1].parent, 200)

    def test_accepts_a_whole_table_and_rejects_each_fault(self):
        lines = good_table()
        country_table.check(country_table.parse("\n".join(lines)))
        faults = {
            "codes out of order": (4, lambda l: l.replace("4\t", "5\t", 1)),
            "ISO codes out of order": (2, lambda l: l.replace("AB", "ZZ")),
            "a parent on a country": (1, lambda l: l + "\t2"),
            "a region without a parent": (237, lambda l: l.rsplit("\t", 1)[0]),
            "a region inside a region": (237, lambda l: l[:-1] + "220"),
            "an ISO code on a region": (230, lambda l: l.replace("\t-\t-", "\tZZ\t999")),
            "a malformed numeric code": (3, lambda l: l.replace("003", "3")),
        }
        for fault, (line, change) in faults.items():
            broken = list(lines)
            broken[line] = change(broken[line])
            with self.subTest(fault), self.assertRaises(ValueError):
                country_table.check(country_table.parse("\n".join(broken)))


if __name__ == "__main__":
    unittest.main()
