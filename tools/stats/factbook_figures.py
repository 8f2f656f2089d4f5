"""The 94 statistics of one country from its Factbook profile: which field feeds which column,
in which unit. data/SOURCES.md explains every choice.

A figure is given per column label as the packer expects it: a plain number for a stored
column, a share (0.273 for 27.3 %) for a column that holds a share of a total column.
"""
import glob
import json
import os

import factbook_fields as fields
import factbook_text as t

PEOPLE = "People and Society"
ECONOMY = "Economy"
ENERGY = "Energy"
GEOGRAPHY = "Geography"
TRANSPORT = "Transportation"
COMMUNICATIONS = "Communications"
MILITARY = "Military"


class Profile:
    """One Factbook country profile; text(...) follows a path of section and field names."""

    def __init__(self, data):
        self.data = data

    def text(self, *path):
        node = self.data
        for key in path:
            if not isinstance(node, dict) or key not in node:
                return None
            node = node[key]
        return node.get("text") if isinstance(node, dict) else None

    def entries(self, section, field):
        """{entry name: text} of a field's entries (None for an entry without its own text), or
        None when the profile has no such field. The field's own text is entry "text"."""
        node = self.data.get(section, {}).get(field)
        if not isinstance(node, dict):
            return None
        return {k: (v if k == "text" else v.get("text") if isinstance(v, dict) else None)
                for k, v in node.items()}


def read_profile(factbook_dir, gec):
    """The profile named by a GEC code, or None when the Factbook has none."""
    paths = glob.glob(os.path.join(factbook_dir, "*", gec + ".json"))
    if not paths:
        return None
    with open(paths[0], encoding="utf-8") as f:
        return Profile(json.load(f))


def times(a, b):
    return None if a is None or b is None else a * b


# Columns read straight from one entry, whose Factbook unit is already the column's unit:
# label, reader, field path. Rates, ratios and shares, and the parts of a field that are not areas.
DIRECT = [
    ("Life Expectancy at Birth", t.newest, (PEOPLE, "Life expectancy at birth", "total population")),
    ("Median Age", t.newest, (PEOPLE, "Median age", "total")),
    ("Sex Ratio: At Birth", t.newest, (PEOPLE, "Sex ratio", "at birth")),
    ("Sex Ratio: 0-14 yrs", t.newest, (PEOPLE, "Sex ratio", "0-14 years")),
    ("Sex Ratio: 65+ yrs", t.newest, (PEOPLE, "Sex ratio", "65 years and over")),
    ("Sex Ratio: Total Population", t.newest, (PEOPLE, "Sex ratio", "total population")),
    ("Infant Mortality", t.newest, (PEOPLE, "Infant mortality rate", "total")),
    ("Total Fertility Rate", t.newest, (PEOPLE, "Total fertility rate")),
    ("Highest Point", t.height, (GEOGRAPHY, "Elevation extremes", "highest point")),
    ("Lowest Point", t.height, (GEOGRAPHY, "Elevation extremes", "lowest point")),
    ("Land Area", t.newest, (GEOGRAPHY, "Area", "land")),
    ("Literacy", t.newest, (PEOPLE, "Literacy", "total population")),
    ("Budget Expenditures", t.newest, (ECONOMY, "Budget", "expenditures")),
    ("Budget Revenues", t.newest, (ECONOMY, "Budget", "revenues")),
    ("GDP by Sector: Agriculture", t.share, (ECONOMY, "GDP - composition, by sector of origin", "agriculture")),
    ("GDP by Sector: Industry", t.share, (ECONOMY, "GDP - composition, by sector of origin", "industry")),
    ("GDP Real Growth Rate", t.newest, (ECONOMY, "GDP - real growth rate")),
    ("Industrial Production Growth Rate", t.newest, (ECONOMY, "Industrial production growth rate")),
    ("Consumer Price Inflation Rate", t.newest, (ECONOMY, "Inflation rate (consumer prices)")),
    ("Unemployment Rate", t.newest, (ECONOMY, "Unemployment rate")),
    ("Manpower Available for Military Service", t.newest,
     (MILITARY, "Manpower available for military service", "males age 16-49")),
    ("Manpower Fit for Military Service", t.newest,
     (MILITARY, "Manpower fit for military service", "males age 16-49")),
    ("Manpower Reaching Military Age", t.newest,
     (MILITARY, "Manpower reaching militarily significant age annually", "male")),
]

# Counts, lengths, areas and amounts of the whole country, which add up over its areas:
# label, reader, section, field, the entry holding the total (None: the field's own text).
# factbook_fields.whole_country reads them, so a field split by area still gives its figure.
WHOLE_COUNTRY = [
    ("Population: Total", t.newest, PEOPLE, "Population", None),
    ("Coastline", t.total_length, GEOGRAPHY, "Coastline", None),
    ("Land Boundaries", t.newest, GEOGRAPHY, "Land boundaries", "total"),
    ("Total Freshwater Withdrawal", t.newest, GEOGRAPHY,
     "Freshwater withdrawal (domestic/industrial/agricultural)", "total"),
    ("Irrigated Land", t.newest, GEOGRAPHY, "Irrigated land", None),
    ("Total Renewable Water Resources", t.newest, GEOGRAPHY, "Total renewable water resources", None),
    ("Heliports", t.newest, TRANSPORT, "Heliports", None),
    ("Merchant Marine Ships", t.newest, TRANSPORT, "Merchant marine", "total"),
    ("Pipelines", t.total_length, TRANSPORT, "Pipelines", None),
    ("Railways", t.newest, TRANSPORT, "Railways", "total"),
    ("Roadways", t.newest, TRANSPORT, "Roadways", "total"),
    ("Waterways", t.newest, TRANSPORT, "Waterways", None),
    ("External Debt", t.newest, ECONOMY, "Debt - external", None),
    ("Imports", t.newest, ECONOMY, "Imports", None),
    ("Exports", t.newest, ECONOMY, "Exports", None),
    ("GDP: Official Exchange Rate", t.newest, ECONOMY, "GDP (official exchange rate)", None),
    ("GDP: Purchasing Power Parity", t.newest, ECONOMY, "GDP (purchasing power parity)", None),
    ("Reserves of Foreign Exchange and Gold", t.newest, ECONOMY, "Reserves of foreign exchange and gold", None),
    ("Labour Force: Total", t.newest, ECONOMY, "Labor force", None),
    ("Electricity: Consumption", t.newest, ENERGY, "Electricity - consumption", None),
    ("Electricity: Exports", t.newest, ENERGY, "Electricity - exports", None),
    ("Electricity: Imports", t.newest, ENERGY, "Electricity - imports", None),
    ("Electricity: Production", t.newest, ENERGY, "Electricity - production", None),
    ("Natural Gas: Consumption", t.newest, ENERGY, "Natural gas - consumption", None),
    ("Natural Gas: Exports", t.newest, ENERGY, "Natural gas - exports", None),
    ("Natural Gas: Imports", t.newest, ENERGY, "Natural gas - imports", None),
    ("Natural Gas: Production", t.newest, ENERGY, "Natural gas - production", None),
    ("Natural Gas: Proved Reserves", t.newest, ENERGY, "Natural gas - proved reserves", None),
    ("Oil: Consumption", t.newest, ENERGY, "Refined petroleum products - consumption", None),
    ("Oil: Exports", t.newest, ENERGY, "Crude oil - exports", None),
    ("Oil: Imports", t.newest, ENERGY, "Crude oil - imports", None),
    ("Oil: Production", t.newest, ENERGY, "Crude oil - production", None),
    ("Oil: Proved Reserves", t.newest, ENERGY, "Crude oil - proved reserves", None),
    ("Internet: Users", t.newest, COMMUNICATIONS, "Internet users", "total"),
    ("Telephones: Main Lines", t.newest, COMMUNICATIONS, "Telephones - fixed lines", "total subscriptions"),
    ("Telephones: Cellular", t.newest, COMMUNICATIONS, "Telephones - mobile cellular", "total"),
    ("Television Broadcast Stations", t.newest, COMMUNICATIONS, "Television broadcast stations", None),
]

# Percentages of the GDP at the official exchange rate, stored as US$.
SHARES_OF_GDP = [
    ("Public Dept", (ECONOMY, "Public debt")),
    ("Military Expenditures", (MILITARY, "Military expenditures")),
    ("Education Expenditures", (PEOPLE, "Education expenditures")),
]

# Rates per 1,000 people a year, stored as people a year.
RATES_PER_THOUSAND = [
    ("Births", (PEOPLE, "Birth rate")),
    ("Deaths", (PEOPLE, "Death rate")),
    ("Net Migration", (PEOPLE, "Net migration rate")),
]

AGE_GROUPS_15_TO_64 = ("15-24 years", "25-54 years", "55-64 years")


def working_age(profile):
    """(share of the people aged 15-64, their sex ratio) from the three age groups."""
    groups = [profile.text(PEOPLE, "Age structure", g) for g in AGE_GROUPS_15_TO_64]
    shares = [t.share(g) for g in groups]
    counts = [t.sexes(g) for g in groups]
    share = None if None in shares else sum(shares)
    ratio = None if None in counts or sum(c[1] for c in counts) == 0 else \
        sum(c[0] for c in counts) / sum(c[1] for c in counts)
    return share, ratio


def airports(profile):
    """(paved, unpaved): the Factbook lists a kind of runway only where there are some, so a
    kind it does not list is all airports less the other kind."""
    paved, unpaved, everything = (
        fields.whole_country(profile.entries(TRANSPORT, field), t.newest, total)
        for field, total in (("Airports - with paved runways", "total"),
                             ("Airports - with unpaved runways", "total"), ("Airports", None)))
    if paved is None and unpaved is not None and everything is not None:
        paved = everything - unpaved
    elif unpaved is None and paved is not None and everything is not None:
        unpaved = everything - paved
    return paved, unpaved


def land_use(profile, land):
    """(arable land, permanent crops) in km²; both are parts of the agricultural land, so a
    profile with no agricultural land ("0%") has none of either."""
    use = profile.text(GEOGRAPHY, "Land use", "agricultural land")
    shares = [t.labelled_share(use, part) for part in ("arable land", "permanent crops")]
    if t.share(use) == 0:
        shares = [0.0 if s is None else s for s in shares]
    return tuple(times(s, land) for s in shares)


def water_area(profile):
    """The water area; none where the Factbook lists no water and the total area is all land
    (a water area "NA" stays missing: there the total may leave the water out)."""
    water = profile.text(GEOGRAPHY, "Area", "water")
    total = t.newest(profile.text(GEOGRAPHY, "Area", "total"))
    if water is None and total is not None and total == t.newest(profile.text(GEOGRAPHY, "Area", "land")):
        return 0.0
    return t.newest(water)


def hiv_share(profile, population):
    """The share of the population living with HIV/AIDS: their count over the population where
    the Factbook counts them, else its adult (15-49) prevalence rate."""
    living = t.newest(profile.text(PEOPLE, "HIV/AIDS - people living with HIV/AIDS"))
    if living is not None and population:
        return living / population
    return t.share(profile.text(PEOPLE, "HIV/AIDS - adult prevalence rate"))


def figures_of(profile):
    """{column label: figure} of every column the profile covers."""
    f = {}
    for label, reader, path in DIRECT:
        f[label] = reader(profile.text(*path))
    for label, reader, section, field, total in WHOLE_COUNTRY:
        f[label] = fields.whole_country(profile.entries(section, field), reader, total)
    population = f["Population: Total"]
    gdp = f["GDP: Official Exchange Rate"]
    for label, path in SHARES_OF_GDP:
        f[label] = times(t.share(profile.text(*path)), gdp)
    for label, path in RATES_PER_THOUSAND:
        f[label] = times(t.newest(profile.text(*path)), None if population is None else population / 1000.0)
    f["Population: 0-14 yrs"] = t.share(profile.text(PEOPLE, "Age structure", "0-14 years"))
    f["Population: 15-64 yrs"], f["Sex Ratio: 15-64 yrs"] = working_age(profile)
    urban = times(t.share(profile.text(PEOPLE, "Urbanization", "urban population")), population)
    f["Urban Population"] = urban
    f["Urban Population Growth"] = times(t.share(profile.text(PEOPLE, "Urbanization", "rate of urbanization")), urban)
    f["Population Below Poverty Line"] = times(t.share(profile.text(ECONOMY, "Population below poverty line")), population)
    f["HIV/AIDS Adults Infected"] = hiv_share(profile, population)
    f["Water Area"] = water_area(profile)
    f["Land Use: Arable"], f["Land Use: Permanent Crops"] = land_use(profile, f["Land Area"])
    f["Airports: Paved"], f["Airports: Unpaved"] = airports(profile)
    groups = profile.entries(ECONOMY, "Labor force - by occupation")
    f["Labour Force: Agriculture"] = fields.sector_share(groups, "agriculture")
    f["Labour Force: Industry"] = fields.sector_share(groups, "industry")
    return {label: value for label, value in f.items() if value is not None}
