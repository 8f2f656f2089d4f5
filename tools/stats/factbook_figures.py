"""The 94 statistics of one country from its Factbook profile: which field feeds which column,
in which unit. data/SOURCES.md explains every choice.

A figure is given per column label as the packer expects it: a plain number for a stored
column, a share (0.273 for 27.3 %) for a column that holds a share of a total column.
"""
import glob
import json
import os

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


def read_profile(factbook_dir, gec):
    """The profile named by a GEC code, or None when the Factbook has none."""
    paths = glob.glob(os.path.join(factbook_dir, "*", gec + ".json"))
    if not paths:
        return None
    with open(paths[0], encoding="utf-8") as f:
        return Profile(json.load(f))


def times(a, b):
    return None if a is None or b is None else a * b


# Columns read straight from one field, whose Factbook unit is already the column's unit:
# label, reader, field path.
DIRECT = [
    ("Population: Total", t.newest, (PEOPLE, "Population")),
    ("Life Expectancy at Birth", t.newest, (PEOPLE, "Life expectancy at birth", "total population")),
    ("Median Age", t.newest, (PEOPLE, "Median age", "total")),
    ("Sex Ratio: At Birth", t.newest, (PEOPLE, "Sex ratio", "at birth")),
    ("Sex Ratio: 0-14 yrs", t.newest, (PEOPLE, "Sex ratio", "0-14 years")),
    ("Sex Ratio: 65+ yrs", t.newest, (PEOPLE, "Sex ratio", "65 years and over")),
    ("Sex Ratio: Total Population", t.newest, (PEOPLE, "Sex ratio", "total population")),
    ("Infant Mortality", t.newest, (PEOPLE, "Infant mortality rate", "total")),
    ("Total Fertility Rate", t.newest, (PEOPLE, "Total fertility rate")),
    ("HIV/AIDS Adults Infected", t.share, (PEOPLE, "HIV/AIDS - adult prevalence rate")),
    ("Highest Point", t.height, (GEOGRAPHY, "Elevation extremes", "highest point")),
    ("Lowest Point", t.height, (GEOGRAPHY, "Elevation extremes", "lowest point")),
    ("Total Freshwater Withdrawal", t.newest,
     (GEOGRAPHY, "Freshwater withdrawal (domestic/industrial/agricultural)", "total")),
    ("Irrigated Land", t.newest, (GEOGRAPHY, "Irrigated land")),
    ("Land Area", t.newest, (GEOGRAPHY, "Area", "land")),
    ("Total Renewable Water Resources", t.newest, (GEOGRAPHY, "Total renewable water resources")),
    ("Water Area", t.newest, (GEOGRAPHY, "Area", "water")),
    ("Airports: Paved", t.newest, (TRANSPORT, "Airports - with paved runways", "total")),
    ("Heliports", t.newest, (TRANSPORT, "Heliports")),
    ("Merchant Marine Ships", t.newest, (TRANSPORT, "Merchant marine", "total")),
    ("Pipelines", t.total_length, (TRANSPORT, "Pipelines")),
    ("Railways", t.newest, (TRANSPORT, "Railways", "total")),
    ("Roadways", t.newest, (TRANSPORT, "Roadways", "total")),
    ("Waterways", t.newest, (TRANSPORT, "Waterways")),
    ("Literacy", t.newest, (PEOPLE, "Literacy", "total population")),
    ("Budget Expenditures", t.newest, (ECONOMY, "Budget", "expenditures")),
    ("Budget Revenues", t.newest, (ECONOMY, "Budget", "revenues")),
    ("External Debt", t.newest, (ECONOMY, "Debt - external")),
    ("Imports", t.newest, (ECONOMY, "Imports")),
    ("Exports", t.newest, (ECONOMY, "Exports")),
    ("GDP: Official Exchange Rate", t.newest, (ECONOMY, "GDP (official exchange rate)")),
    ("GDP: Purchasing Power Parity", t.newest, (ECONOMY, "GDP (purchasing power parity)")),
    ("Reserves of Foreign Exchange and Gold", t.newest, (ECONOMY, "Reserves of foreign exchange and gold")),
    ("GDP by Sector: Agriculture", t.share, (ECONOMY, "GDP - composition, by sector of origin", "agriculture")),
    ("GDP by Sector: Industry", t.share, (ECONOMY, "GDP - composition, by sector of origin", "industry")),
    ("GDP Real Growth Rate", t.newest, (ECONOMY, "GDP - real growth rate")),
    ("Industrial Production Growth Rate", t.newest, (ECONOMY, "Industrial production growth rate")),
    ("Consumer Price Inflation Rate", t.newest, (ECONOMY, "Inflation rate (consumer prices)")),
    ("Labour Force: Total", t.newest, (ECONOMY, "Labor force")),
    ("Labour Force: Agriculture", t.share, (ECONOMY, "Labor force - by occupation", "agriculture")),
    ("Labour Force: Industry", t.share, (ECONOMY, "Labor force - by occupation", "industry")),
    ("Unemployment Rate", t.newest, (ECONOMY, "Unemployment rate")),
    ("Manpower Available for Military Service", t.newest,
     (MILITARY, "Manpower available for military service", "males age 16-49")),
    ("Manpower Fit for Military Service", t.newest,
     (MILITARY, "Manpower fit for military service", "males age 16-49")),
    ("Manpower Reaching Military Age", t.newest,
     (MILITARY, "Manpower reaching militarily significant age annually", "male")),
    ("Electricity: Consumption", t.newest, (ENERGY, "Electricity - consumption")),
    ("Electricity: Exports", t.newest, (ENERGY, "Electricity - exports")),
    ("Electricity: Imports", t.newest, (ENERGY, "Electricity - imports")),
    ("Electricity: Production", t.newest, (ENERGY, "Electricity - production")),
    ("Natural Gas: Consumption", t.newest, (ENERGY, "Natural gas - consumption")),
    ("Natural Gas: Exports", t.newest, (ENERGY, "Natural gas - exports")),
    ("Natural Gas: Imports", t.newest, (ENERGY, "Natural gas - imports")),
    ("Natural Gas: Production", t.newest, (ENERGY, "Natural gas - production")),
    ("Natural Gas: Proved Reserves", t.newest, (ENERGY, "Natural gas - proved reserves")),
    ("Oil: Consumption", t.newest, (ENERGY, "Refined petroleum products - consumption")),
    ("Oil: Exports", t.newest, (ENERGY, "Crude oil - exports")),
    ("Oil: Imports", t.newest, (ENERGY, "Crude oil - imports")),
    ("Oil: Production", t.newest, (ENERGY, "Crude oil - production")),
    ("Oil: Proved Reserves", t.newest, (ENERGY, "Crude oil - proved reserves")),
    ("Internet: Users", t.newest, (COMMUNICATIONS, "Internet users", "total")),
    ("Telephones: Main Lines", t.newest, (COMMUNICATIONS, "Telephones - fixed lines", "total subscriptions")),
    ("Telephones: Cellular", t.newest, (COMMUNICATIONS, "Telephones - mobile cellular", "total")),
    ("Television Broadcast Stations", t.newest, (COMMUNICATIONS, "Television broadcast stations")),
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


def land_boundaries(profile):
    text = profile.text(GEOGRAPHY, "Land boundaries", "total") or profile.text(GEOGRAPHY, "Land boundaries")
    return t.newest(text)


def unpaved_airports(profile):
    """The Factbook lists unpaved runways only where there are some: without that entry the
    count is all airports less the paved ones."""
    unpaved = t.newest(profile.text(TRANSPORT, "Airports - with unpaved runways", "total"))
    if unpaved is not None:
        return unpaved
    everything = t.newest(profile.text(TRANSPORT, "Airports"))
    paved = t.newest(profile.text(TRANSPORT, "Airports - with paved runways", "total"))
    return None if everything is None or paved is None else everything - paved


def figures_of(profile):
    """{column label: figure} of every column the profile covers."""
    f = {}
    for label, reader, path in DIRECT:
        f[label] = reader(profile.text(*path))
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
    f["Coastline"] = t.total_length(profile.text(GEOGRAPHY, "Coastline"))
    f["Land Boundaries"] = land_boundaries(profile)
    land = f["Land Area"]
    use = profile.text(GEOGRAPHY, "Land use", "agricultural land")
    f["Land Use: Arable"] = times(t.labelled_share(use, "arable land"), land)
    f["Land Use: Permanent Crops"] = times(t.labelled_share(use, "permanent crops"), land)
    f["Airports: Unpaved"] = unpaved_airports(profile)
    return {label: value for label, value in f.items() if value is not None}
