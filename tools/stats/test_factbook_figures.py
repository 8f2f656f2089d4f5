"""The Factbook mapping: units, shares, rates and the fallbacks of single columns."""
import unittest

import code_columns
import factbook_figures as ff
import intended_values


def profile(**sections):
    """A profile from {section: {field: text or {subfield: text}}}."""
    def wrap(node):
        return {k: wrap(v) for k, v in node.items()} if isinstance(node, dict) else {"text": node}
    return ff.Profile({name.replace("_", " "): wrap(fields) for name, fields in sections.items()})


GERMANY_LIKE = profile(
    People_and_Society={
        "Population": "80,000,000 (July 2015 est.)",
        "Birth rate": "8.5 births/1,000 population (2015 est.)",
        "Net migration rate": "-1.25 migrant(s)/1,000 population (2015 est.)",
        "Age structure": {"0-14 years": "12.5% (male 5,000,000/female 5,000,000)",
                          "15-24 years": "10% (male 4,200,000/female 3,800,000)",
                          "25-54 years": "40% (male 16,000,000/female 16,000,000)",
                          "55-64 years": "15% (male 5,800,000/female 6,200,000)"},
        "Urbanization": {"urban population": "75% of total population (2015)",
                         "rate of urbanization": "0.2% annual rate of change (2010-15 est.)"},
        "Education expenditures": "5% of GDP (2011)"},
    Economy={"GDP (official exchange rate)": "$4 trillion (2014 est.)",
             "Population below poverty line": "NA%"},
    Geography={"Area": {"land": "300,000 sq km"},
               "Land use": {"agricultural land": "48% ++ arable land 30%; permanent crops 0.5%"},
               "Land boundaries": "0 km"},
    Transportation={"Airports": "500 (2013)", "Airports - with paved runways": {"total": "300"}},
)


class FiguresOf(unittest.TestCase):
    def test_rates_per_thousand_and_percentages_become_people_and_dollars(self):
        f = ff.figures_of(GERMANY_LIKE)
        self.assertAlmostEqual(f["Births"], 680000)
        self.assertAlmostEqual(f["Net Migration"], -100000)
        self.assertAlmostEqual(f["Urban Population"], 60e6)
        self.assertAlmostEqual(f["Urban Population Growth"], 120000)
        self.assertAlmostEqual(f["Education Expenditures"], 2e11)
        self.assertNotIn("Population Below Poverty Line", f)      # NA stays missing
        self.assertNotIn("Deaths", f)

    def test_shares_stay_shares_and_land_use_becomes_areas(self):
        f = ff.figures_of(GERMANY_LIKE)
        self.assertAlmostEqual(f["Population: 0-14 yrs"], 0.125)
        self.assertAlmostEqual(f["Population: 15-64 yrs"], 0.65)
        self.assertAlmostEqual(f["Sex Ratio: 15-64 yrs"], 26e6 / 26e6)
        self.assertAlmostEqual(f["Land Use: Arable"], 90000)
        self.assertAlmostEqual(f["Land Use: Permanent Crops"], 1500)
        self.assertEqual(f["Land Boundaries"], 0)

    def test_unpaved_airports_are_the_rest_when_not_listed(self):
        self.assertEqual(ff.figures_of(GERMANY_LIKE)["Airports: Unpaved"], 200)

    def test_people_with_hiv_as_counted_and_the_zeros_the_factbook_implies(self):
        antarctica_like = ff.figures_of(profile(
            Geography={"Area": {"total": "14 million sq km", "land": "14 million sq km (est.)"},
                       "Land use": {"agricultural land": "0%"}},
            Transportation={"Airports": "23 (2013)", "Airports - with unpaved runways": {"total": "23"}}))
        for label in ("Land Use: Arable", "Land Use: Permanent Crops", "Water Area", "Airports: Paved"):
            self.assertEqual(antarctica_like[label], 0, label)
        unknown_water = profile(Geography={"Area": {"total": "5 sq km", "land": "5 sq km", "water": "NA"}})
        self.assertNotIn("Water Area", ff.figures_of(unknown_water))
        for living, share in (("16,100 (2014 est.)", 16100 / 6527689), ("fewer than 100 (2013 est.)", 0.0068)):
            hiv = profile(People_and_Society={"Population": "6,527,689",
                                              "HIV/AIDS - adult prevalence rate": "0.68% (2014 est.)",
                                              "HIV/AIDS - people living with HIV/AIDS": living})
            self.assertAlmostEqual(ff.figures_of(hiv)["HIV/AIDS Adults Infected"], share)


class CodeTexts(unittest.TestCase):
    ROW = {"iso2": "GF", "gec": "fg", "vehicle": "F", "ioc": "", "currency": "EUR",
           "calling": "594", "zone": "-03:00"}

    def test_without_a_profile_the_table_fills_in_and_says_so(self):
        notes = []
        texts = code_columns.code_texts(self.ROW, {"GF": ("GUF", 254)}, None, notes)
        self.assertEqual(texts["IANA"], ".gf")
        self.assertEqual(texts["ITU Calling"], "+594")
        self.assertEqual(texts["TZ"], "-03:00")
        self.assertEqual(texts["ISO"], 254)
        self.assertEqual(texts["Visited"], "N")
        self.assertEqual(len(notes), 3)

    def test_the_profile_wins_and_other_currency_codes_are_reported(self):
        p = profile(Communications={"Internet country code": "metropolitan France - .fr; French Guiana - .gf",
                                    "Telephone system": {"international": "country code - 1-876; cable"}},
                    Government={"Capital": {"time difference": "UTC-4.5 (a half hour ahead)"}},
                    Economy={"Exchange rates": "Ghanaian cedis (GHC) per US dollar"})
        notes = []
        texts = code_columns.code_texts(self.ROW, {"GF": ("GUF", 254)}, p, notes)
        self.assertEqual((texts["IANA"], texts["ITU Calling"], texts["TZ"]), (".fr", "+1-876", "-04:30"))
        self.assertEqual(notes, ["GF currency: table EUR, Factbook names GHC"])


class IntendedValues(unittest.TestCase):
    def test_shares_and_differences_follow_the_meant_totals(self):
        v = intended_values.intended_values({14: 1000000, 15: 0.25, 16: 0.6})
        self.assertEqual(v[15], 250000)
        self.assertAlmostEqual(v[17], 150000)
        self.assertNotIn(25, v)                      # births, deaths, migration missing

    def test_figures_no_field_holds_are_meant_missing(self):
        v = intended_values.intended_values({51: 5287, 48: 10, 49: 2})
        self.assertNotIn(51, v)                      # heliports: at most 1,022
        self.assertEqual(v[50], 12)

    def test_code_texts_as_meant(self):
        codes = intended_values.intended_codes("AQ", {4: "ATA", 11: 10, 12: "", 13: "+00:00"})
        self.assertEqual(codes, {3: "AQ", 4: "ATA", 11: "10", 12: "", 13: "+00:00"})


if __name__ == "__main__":
    unittest.main()
