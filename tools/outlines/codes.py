"""Which Natural Earth feature (or part of one) becomes which country code.

Codes 1..214 follow the ISO 3166-1 alpha-2 order; the world-atlas feature ids are the ISO
numeric codes. Every decision about land without a code of its own is listed in
data/SOURCES.md."""

# code - 1 -> (alpha-2, ISO numeric) for the 214 countries
COUNTRIES = [
    ("AD", "020"), ("AE", "784"), ("AF", "004"), ("AG", "028"), ("AI", "660"), ("AL", "008"),
    ("AM", "051"), ("AO", "024"), ("AQ", "010"), ("AR", "032"), ("AT", "040"), ("AU", "036"),
    ("AW", "533"), ("AZ", "031"), ("BA", "070"), ("BB", "052"), ("BD", "050"), ("BE", "056"),
    ("BF", "854"), ("BG", "100"), ("BH", "048"), ("BI", "108"), ("BJ", "204"), ("BM", "060"),
    ("BN", "096"), ("BO", "068"), ("BR", "076"), ("BS", "044"), ("BT", "064"), ("BW", "072"),
    ("BY", "112"), ("BZ", "084"), ("CA", "124"), ("CD", "180"), ("CF", "140"), ("CG", "178"),
    ("CH", "756"), ("CI", "384"), ("CK", "184"), ("CL", "152"), ("CM", "120"), ("CN", "156"),
    ("CO", "170"), ("CR", "188"), ("CU", "192"), ("CV", "132"), ("CY", "196"), ("CZ", "203"),
    ("DE", "276"), ("DJ", "262"), ("DK", "208"), ("DM", "212"), ("DO", "214"), ("DZ", "012"),
    ("EC", "218"), ("EE", "233"), ("EG", "818"), ("EH", "732"), ("ER", "232"), ("ES", "724"),
    ("ET", "231"), ("FI", "246"), ("FJ", "242"), ("FM", "583"), ("FR", "250"), ("GA", "266"),
    ("GB", "826"), ("GD", "308"), ("GE", "268"), ("GF", "254"), ("GH", "288"), ("GI", "292"),
    ("GL", "304"), ("GM", "270"), ("GN", "324"), ("GQ", "226"), ("GR", "300"), ("GT", "320"),
    ("GU", "316"), ("GW", "624"), ("GY", "328"), ("HK", "344"), ("HN", "340"), ("HR", "191"),
    ("HT", "332"), ("HU", "348"), ("ID", "360"), ("IE", "372"), ("IL", "376"), ("IN", "356"),
    ("IQ", "368"), ("IR", "364"), ("IS", "352"), ("IT", "380"), ("JM", "388"), ("JO", "400"),
    ("JP", "392"), ("KE", "404"), ("KG", "417"), ("KH", "116"), ("KI", "296"), ("KM", "174"),
    ("KN", "659"), ("KP", "408"), ("KR", "410"), ("KW", "414"), ("KY", "136"), ("KZ", "398"),
    ("LA", "418"), ("LB", "422"), ("LC", "662"), ("LI", "438"), ("LK", "144"), ("LR", "430"),
    ("LS", "426"), ("LT", "440"), ("LU", "442"), ("LV", "428"), ("LY", "434"), ("MA", "504"),
    ("MC", "492"), ("MD", "498"), ("ME", "499"), ("MG", "450"), ("MH", "584"), ("MK", "807"),
    ("ML", "466"), ("MM", "104"), ("MN", "496"), ("MP", "580"), ("MR", "478"), ("MT", "470"),
    ("MU", "480"), ("MV", "462"), ("MW", "454"), ("MX", "484"), ("MY", "458"), ("MZ", "508"),
    ("NA", "516"), ("NC", "540"), ("NE", "562"), ("NG", "566"), ("NI", "558"), ("NL", "528"),
    ("NO", "578"), ("NP", "524"), ("NR", "520"), ("NU", "570"), ("NZ", "554"), ("OM", "512"),
    ("PA", "591"), ("PE", "604"), ("PF", "258"), ("PG", "598"), ("PH", "608"), ("PK", "586"),
    ("PL", "616"), ("PR", "630"), ("PT", "620"), ("PW", "585"), ("PY", "600"), ("QA", "634"),
    ("RO", "642"), ("RS", "688"), ("RU", "643"), ("RW", "646"), ("SA", "682"), ("SB", "090"),
    ("SC", "690"), ("SD", "729"), ("SE", "752"), ("SG", "702"), ("SI", "705"), ("SK", "703"),
    ("SL", "694"), ("SM", "674"), ("SN", "686"), ("SO", "706"), ("SR", "740"), ("SS", "728"),
    ("ST", "678"), ("SV", "222"), ("SY", "760"), ("SZ", "748"), ("TC", "796"), ("TD", "148"),
    ("TG", "768"), ("TH", "764"), ("TJ", "762"), ("TM", "795"), ("TN", "788"), ("TO", "776"),
    ("TR", "792"), ("TT", "780"), ("TV", "798"), ("TW", "158"), ("TZ", "834"), ("UA", "804"),
    ("UG", "800"), ("US", "840"), ("UY", "858"), ("UZ", "860"), ("VA", "336"), ("VC", "670"),
    ("VE", "862"), ("VG", "092"), ("VI", "850"), ("VN", "704"), ("VU", "548"), ("WS", "882"),
    ("YE", "887"), ("ZA", "710"), ("ZM", "894"), ("ZW", "716"),
]
assert len(COUNTRIES) == 214

CODE_OF_ALPHA2 = {alpha2: i + 1 for i, (alpha2, _) in enumerate(COUNTRIES)}
CODE_OF_NUMERIC = {numeric: i + 1 for i, (_, numeric) in enumerate(COUNTRIES)}

# Short labels for the generator's report: alpha-2 for countries, a name for regions.
REGION_NAMES = ["Antigua", "Barbuda", "Cabinda", "Tasmania", "Hainan", "Galapagos",
                "Canary Isles", "Majorca", "Corsica", "Falklands", "Northern Ireland", "Sardinia",
                "Sicily", "Walvis Bay", "Svalbard", "Azores", "Kaliningrad", "Caicos", "Turks",
                "Trinidad", "Zanzibar", "Alaska", "Hawaii"]
FIRST_REGION = 215
REGION = {name: FIRST_REGION + i for i, name in enumerate(REGION_NAMES)}
CODES_WITHOUT_LAND = (CODE_OF_ALPHA2["AG"], CODE_OF_ALPHA2["TC"], CODE_OF_ALPHA2["TT"])


def label(code):
    return COUNTRIES[code - 1][0] if code < FIRST_REGION else REGION_NAMES[code - FIRST_REGION]


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
    if code <= len(COUNTRIES):
        for part, test in PART_RULES.get(COUNTRIES[code - 1][0], ()):
            if test(lon, lat):
                return part
    return code


# Walvis Bay: the enclave's boundary, approximated, from the northern coast point inland to
# the southern one, (longitude, latitude). The coast points are vertices of Namibia's coast.
WALVIS_NORTH_COAST = (14.521, -22.805)
WALVIS_SOUTH_COAST = (14.474, -23.281)
WALVIS_INLAND = [(14.66, -22.81), (14.69, -23.02), (14.61, -23.27)]
