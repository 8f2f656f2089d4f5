"""Which Natural Earth feature (or part of one) becomes which country code.

The codes and their ISO codes come from the country table; the world-atlas feature ids are the
ISO numeric codes. Every decision about land without a code of its own is listed in
data/SOURCES.md."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shared"))
import country_table  # noqa: E402

ENTRIES = country_table.read()
FIRST_REGION = country_table.FIRST_REGION
COUNTRY_COUNT = country_table.COUNTRY_COUNT
CODE_OF_ALPHA2 = {e.alpha2: e.code for e in ENTRIES[:COUNTRY_COUNT]}
CODE_OF_NUMERIC = {e.numeric: e.code for e in ENTRIES[:COUNTRY_COUNT]}
REGION = {e.name: e.code for e in ENTRIES[FIRST_REGION - 1:]}
CODES_WITHOUT_LAND = (CODE_OF_ALPHA2["AG"], CODE_OF_ALPHA2["TC"], CODE_OF_ALPHA2["TT"])


def label(code):
    """A short label for the generator's report: alpha-2 for a country, the name of a region."""
    entry = ENTRIES[code - 1]
    return entry.alpha2 or entry.name


# Features the 50m set lacks (or lacks a region of), taken from the 10m set.
FROM_10M = {"292", "798", "796"}   # Gibraltar, Tuvalu, Turks and Caicos (no Turks Islands in 50m)

# Land with no code of its own: drawn with the country that holds it (by ISO numeric id or,
# where Natural Earth gives no id, by name), or left out (None).
MERGED = {
    "016": "US",   # American Samoa
    "086": "GB",   # British Indian Ocean Territory
    "239": "GB",   # South Georgia and the South Sandwich Islands
    "654": "GB",   # Saint Helena
    "612": "GB",   # Pitcairn
    "500": "GB",   # Montserrat
    "832": "GB",   # Jersey
    "831": "GB",   # Guernsey
    "833": "GB",   # Isle of Man
    "666": "FR",   # Saint Pierre and Miquelon
    "876": "FR",   # Wallis and Futuna
    "663": "FR",   # Saint-Martin
    "652": "FR",   # Saint-Barthelemy
    "260": "FR",   # French Southern and Antarctic Lands
    "248": "FI",   # Aland
    "234": "DK",   # Faroe Islands
    "531": "NL",   # Curacao
    "534": "NL",   # Sint Maarten
    "446": "CN",   # Macao
    "334": "AU",   # Heard Island and McDonald Islands
    "574": "AU",   # Norfolk Island
    "626": None,   # Timor-Leste
    "275": None,   # Palestine
}
MERGED_BY_NAME = {
    "Somaliland": "SO",
    "N. Cyprus": "CY",
    "Indian Ocean Ter.": "AU",   # Christmas Island, Cocos (Keeling) Islands
    "Siachen Glacier": "IN",
    "Kosovo": None,
}


def feature_code(feature):
    """The code a feature's land goes to, or None when it is left out."""
    if feature.id in MERGED:
        alpha2 = MERGED[feature.id]
        return CODE_OF_ALPHA2[alpha2] if alpha2 else None
    if feature.id is None:
        alpha2 = MERGED_BY_NAME[feature.name]   # a KeyError names a feature nobody decided on
        return CODE_OF_ALPHA2[alpha2] if alpha2 else None
    if feature.id == "238":
        return REGION["Falklands"]
    return CODE_OF_NUMERIC[feature.id]


def inside(lon, lat, west, east, south, north):
    return west < lon < east and south < lat < north


# Regions and French Guiana chosen from their parent's polygons by the polygon's centre
# (longitude, latitude): parent alpha-2 -> [(code, test)], first match wins.
PART_RULES = {
    "AG": [(REGION["Barbuda"], lambda lon, lat: lat > 17.3),
           (REGION["Antigua"], lambda lon, lat: True)],
    "AO": [(REGION["Cabinda"], lambda lon, lat: lat > -6.0)],
    "AU": [(REGION["Tasmania"], lambda lon, lat: inside(lon, lat, 143.0, 149.5, -44.0, -39.0))],
    "CN": [(REGION["Hainan"], lambda lon, lat: inside(lon, lat, 108.0, 111.5, 17.5, 20.3))],
    "EC": [(REGION["Galapagos"], lambda lon, lat: lon < -85.0)],
    "ES": [(REGION["Canary Isles"], lambda lon, lat: lat < 30.0),
           (REGION["Majorca"], lambda lon, lat: inside(lon, lat, 1.0, 4.5, 38.5, 40.3))],
    "FR": [(REGION["Corsica"], lambda lon, lat: inside(lon, lat, 8.4, 9.7, 41.3, 43.1)),
           (CODE_OF_ALPHA2["GF"], lambda lon, lat: inside(lon, lat, -55.0, -51.0, 1.0, 6.0))],
    "GB": [(REGION["Northern Ireland"], lambda lon, lat: inside(lon, lat, -8.5, -5.4, 54.0, 55.4))],
    "IT": [(REGION["Sardinia"], lambda lon, lat: inside(lon, lat, 8.0, 10.0, 38.8, 41.3)),
           (REGION["Sicily"], lambda lon, lat: inside(lon, lat, 11.9, 15.7, 35.4, 38.9))],
    "NO": [(REGION["Svalbard"], lambda lon, lat: lat > 74.0)],
    "PT": [(REGION["Azores"], lambda lon, lat: lon < -24.0)],
    "RU": [(REGION["Kaliningrad"], lambda lon, lat: inside(lon, lat, 19.0, 23.0, 54.0, 55.5))],
    "TC": [(REGION["Turks"], lambda lon, lat: lon > -71.35),
           (REGION["Caicos"], lambda lon, lat: True)],
    "TT": [(REGION["Trinidad"], lambda lon, lat: True)],
    "TZ": [(REGION["Zanzibar"], lambda lon, lat: inside(lon, lat, 39.0, 40.0, -6.6, -4.8))],
    "US": [(REGION["Alaska"], lambda lon, lat: lat > 50.0),
           (REGION["Hawaii"], lambda lon, lat: lon < -150.0 and lat < 30.0)],
}


def part_code(code, lon, lat):
    """The code of one polygon of a feature whose land went to code."""
    if code <= COUNTRY_COUNT:
        for part, test in PART_RULES.get(ENTRIES[code - 1].alpha2, ()):
            if test(lon, lat):
                return part
    return code


# Walvis Bay: the enclave's boundary, approximated, from the northern coast point inland to
# the southern one, (longitude, latitude). The coast points are vertices of Namibia's coast.
WALVIS_NORTH_COAST = (14.521, -22.805)
WALVIS_SOUTH_COAST = (14.474, -23.281)
WALVIS_INLAND = [(14.66, -22.81), (14.69, -23.02), (14.61, -23.27)]
