"""Split fields: the whole country's figure, and the sectors of the labour force."""
import unittest

import factbook_fields as fields
import factbook_text as t


class WholeCountry(unittest.TestCase):
    def test_total_own_text_renamed_total_or_the_sum_of_the_parts(self):
        cases = [   # entries, reader, total entry the column reads, figure
            ({"total": "4,853 km", "metropolitan France": "3,427 km"}, t.total_length, None, 4853),
            ({"total": "7,200", "subscriptions per 100 inhabitants": "61 (2009)"}, t.newest,
             "total subscriptions", 7200),
            ({"text": "1.1 million ++ 51.1% (2009)"}, t.newest, "total", 1.1e6),
            ({"text": "0 km"}, t.newest, "total", 0),
            ({"metropolitan France - total": "2,751 km", "border countries": "Brazil 649 km",
              "French Guiana - total": "1,205 km"}, t.newest, "total", 3956),
            ({"area under government control": "8",
              "area administered by Turkish Cypriots": "2 (plus 4 relay) (2004)"}, t.newest, None, 10),
            ({"metropolitan France": "8,501 km (1,621 km navigable) (2010)"}, t.newest, None, 8501),
            ({"text": "NA", "total": "5"}, t.newest, None, None),              # the own text decides
            ({"east": "3", "west": "NA"}, t.newest, None, None),               # a part without figure
            ({"registered in other countries": "3 (Cyprus 1, Malta 2) (2010)"}, t.newest, "total", None),
            ({"note": "there are no roads between towns"}, t.newest, "total", None),
            (None, t.newest, None, None),
        ]
        for entries, reader, total, figure in cases:
            with self.subTest(entries=entries):
                self.assertEqual(fields.whole_country(entries, reader, total), figure)


class SectorShare(unittest.TestCase):
    def test_groups_of_one_sector_add_up_and_mixed_groups_leave_it_unknown(self):
        cases = [   # groups, agriculture, industry
            ({"agriculture": "2%", "industry": "20%", "services": "78% (2014 est.)"}, 0.02, 0.20),
            ({"agriculture and forestry": "4.4%", "industry": "15.5%", "construction": "7.1%",
              "commerce": "21.3%"}, 0.044, 0.226),
            ({"farming, forestry, and fishing": "0.7%",
              "manufacturing, extraction, transportation, and crafts": "20.3%"}, 0.007, None),
            ({"agriculture": "3.8%", "manufacturing, mining, and quarrying": "12.8%",
              "construction and utilities": "20.4%"}, 0.038, 0.332),
            ({"agriculture/fishing/forestry/mining": "4%", "manufacturing": "3%"}, None, None),
            ({"agriculture": "85%", "industry and services": "15% (2003 est.)"}, 0.85, None),
            ({"manufacturing": "3.8%", "construction": "2.8%", "note": "excludes the public sector"},
             None, 0.066),
            ({"agriculture": "NA%", "industry": "NEGL"}, None, None),
            ({"note": "most work on family plantations"}, None, None),
            (None, None, None),
        ]
        for groups, agriculture, industry in cases:
            with self.subTest(groups=groups):
                for sector, share in (("agriculture", agriculture), ("industry", industry)):
                    got = fields.sector_share(groups, sector)
                    if share is None:
                        self.assertIsNone(got, sector)
                    else:
                        self.assertAlmostEqual(got, share, msg=sector)


if __name__ == "__main__":
    unittest.main()
