"""Reading the Factbook's text figures."""
import unittest

import factbook_text as t


class Figures(unittest.TestCase):
    def test_scale_words_signs_and_the_newest_given_year(self):
        self.assertEqual(t.newest("$3.722 trillion (2014 est.) ++ $3.663 trillion (2013 est.)"), 3.722e12)
        self.assertEqual(t.newest("-$1.2 million (2014 est.)"), -1.2e6)
        self.assertEqual(t.newest("80,854,408 (July 2015 est.)"), 80854408)
        self.assertEqual(t.newest("NA% (2012) ++ 2.28% of GDP (2011)"), 2.28)
        self.assertEqual(t.newest("NA 726,000 (2013 est.)"), 726000)
        self.assertEqual(t.newest("less than 3 sq km"), 3)
        self.assertIsNone(t.newest("$NA"))
        self.assertIsNone(t.newest("(mainly on Lake Tanganyika, 673 km)"))
        self.assertIsNone(t.newest(None))

    def test_shares_heights_and_lengths(self):
        self.assertAlmostEqual(t.share("12.88% (male 5,346,086/female 5,068,071)"), 0.1288)
        self.assertAlmostEqual(t.share("-0.17% (2015 est.)"), -0.0017)
        self.assertEqual(t.height("Neuendorf bei Wilster -3.54 m"), -3.54)
        self.assertEqual(t.height("Mount Everest 8,850 m (highest peak in Asia)"), 8850)
        self.assertEqual(t.total_length("condensate 37 km; gas 26,985 km; oil 2,826 km (2013)"), 29848)
        self.assertEqual(t.total_length("0 km (landlocked); note - borders the Aral Sea (1,070 km)"), 0)
        self.assertAlmostEqual(t.labelled_share("48% ++ arable land 34.1%; permanent crops 0.6%",
                                                "permanent crops"), 0.006)
        self.assertEqual(t.sexes("10.38% (male 4,279,962/female 4,113,746)"), (4279962, 4113746))


class Codes(unittest.TestCase):
    def test_time_offsets(self):
        self.assertEqual(t.utc_offset("UTC+1 (6 hours ahead of Washington, DC)"), "+01:00")
        self.assertEqual(t.utc_offset("UTC 0 (5 hours ahead of Washington, DC)"), "+00:00")
        self.assertEqual(t.utc_offset("UTC-4.5 (a half hour ahead)"), "-04:30")
        self.assertEqual(t.utc_offset("UTC+5.75 (10.75 hours ahead)"), "+05:45")
        self.assertIsNone(t.utc_offset("none"))

    def test_calling_codes(self):
        self.assertEqual(t.calling_code("country code - 49; excellent service"), "+49")
        self.assertEqual(t.calling_code("country code - 1-876; fiber-optic"), "+1-876")
        self.assertIsNone(t.calling_code("country code - none allocated"))


if __name__ == "__main__":
    unittest.main()
