"""The code columns 4..13 of every country: from i18n-iso-countries (alpha-3, numeric), the
Factbook (internet domain, calling code, capital's standard time) and tools/stats/code_table.tsv
(GEC code, vehicle sign, IOC code, currency, and fallbacks where the Factbook is silent)."""
import json
import re

import factbook_text as t
import read_tables

MISSING = "-"


def read_code_table(path):
    """[{iso2, gec, vehicle, ioc, currency, calling, zone}] in country-code order; "-" is ''."""
    names = ("iso2", "gec", "vehicle", "ioc", "currency", "calling", "zone")
    return [{n: ("" if v == MISSING else v) for n, v in zip(names, fields)}
            for fields in read_tables.data_lines(path)]


def read_iso_codes(path):
    """{alpha-2: (alpha-3, numeric)} from i18n-iso-countries' codes.json."""
    with open(path, encoding="utf-8") as f:
        return {row[0]: (row[1], int(row[2])) for row in json.load(f)}


def internet_domain(text):
    """The first ".xx" of the Factbook's "Internet country code" entry."""
    m = re.search(r"\.([a-z]{2})\b", text or "")
    return "." + m.group(1) if m else None


def currency_named(text):
    """The ISO 4217 code the Factbook names in its exchange rate entry, "euros (EUR) per ..."."""
    m = re.search(r"\(([A-Z]{3})\)", text or "")
    return m.group(1) if m else None


def code_texts(row, iso, profile, notes):
    """{column label: text} of the columns 4..13; notes gets the disagreements and fallbacks."""
    iso2 = row["iso2"]
    alpha3, numeric = iso[iso2]
    domain = internet_domain(profile.text("Communications", "Internet country code")) if profile else None
    calling = t.calling_code(profile.text("Communications", "Telephone system", "international")) \
        if profile else None
    zone = t.utc_offset(profile.text("Government", "Capital", "time difference")) if profile else None
    named = currency_named(profile.text("Economy", "Exchange rates")) if profile else None
    if named and row["currency"] and named != row["currency"]:
        notes.append("%s currency: table %s, Factbook names %s" % (iso2, row["currency"], named))
    for label, value, fallback in (("IANA", domain, "." + iso2.lower()), ("ITU Calling", calling, row["calling"]),
                                   ("TZ", zone, row["zone"])):
        if value is None:
            notes.append("%s %s: not in the Factbook, %r used" % (iso2, label, fallback))
    return {
        "ISO/3": alpha3, "FIPS": row["gec"], "IANA": domain or "." + iso2.lower(),
        "UN Vehicle": row["vehicle"], "IOC": row["ioc"], "Currency": row["currency"],
        "Visited": "N", "ISO": numeric,
        "ITU Calling": calling or ("+" + row["calling"] if row["calling"] else ""),
        "TZ": zone or row["zone"] or "+00:00",
    }
