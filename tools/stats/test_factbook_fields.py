"""Split fields: the whole country's figure, and the sectors of the labour force."""
import unittest

import factbook_fields as fields
import factbook_text as t


class SplitFields(unittest.TestCase):
    def test_whole_country_is_the_total_own_text_renamed_total_or_sum_of_parts(self):
        cases = [   # entries, total entry the column reads, figure
            ({"total": "4,853 km", "metropolitan France": "3,427 km"}, None, 4853),
            ({"total": "7,200", "subscriptions per 100 inhabitants": "61 (2009)"}, "total subscriptions", 7200),
            ({"text": "1.1 million ++ 51.1% (2009)"}, "total", 1.1e6),
            ({"text": "NA", "total": "5"}, None, None),
            ({"metropolitan France - total": "2,751 km", "border countries": "Brazil 649 km",
              "French Guiana - total": "1,205 km"}, "total", 3956),
            ({"east": "3", "west": "NA"}, None, None),
            ({"registered in other countries": "3 (Cyprus 1, Malta 2) (2010)", "note": "4"}, "total", None),
        ]
        for entries, total, figure in cases:
            with self.subTest(entries=entries):
                self.assertEqual(fields.whole_country(entries, t.newest, total), figure)

    def test_a_sector_adds_its_own_groups_and_a_group_joining_two_sectors_leaves_it_unknown(self):
        cases = [   # groups, agriculture, industry
            ({"agriculture and forestry": "4.4%", "industry": "15.5%", "construction": "7.1%",
              "commerce": "21.3%"}, 0.044, 0.226),
            ({"farming, forestry, and fishing": "0.7%",
              "manufacturing, extraction, transportation, and crafts": "20.3%"}, 0.007, None),
            ({"manufacturing, mining, and quarrying": "12.8%", "construction and utilities": "20.4%",
              "note": "excludes the public sector"}, None, 0.332),
            ({"agriculture/fishing/forestry/mining": "4%", "industry and services": "15%"}, None, None),
        ]
        for groups, *shares in cases:
            for sector, share in zip(("agriculture", "industry"), shares):
                with self.subTest(groups=groups, sector=sector):
                    got = fields.sector_share(groups, sector)
                    self.assertTrue(got == share if share is None else abs(got - share) < 1e-12, got)


if __name__ == "__main__":
    unittest.main()
