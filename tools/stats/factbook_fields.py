"""Reads Factbook fields that are split into entries: a figure of the whole country from a field
that may be split by area, and the share of a sector of the labour force from the groups that
the Factbook happens to use. Entries are given as {entry name: text}, the field's own text under
"text"; data/SOURCES.md explains both rules.
"""
import re

import factbook_text as t

# Entries beside the areas of a split field that are not a part of the country's figure.
NOT_PARTS = ("note", "border countries", "registered in other countries")


def is_part(name, text):
    return name != "text" and name not in NOT_PARTS and text is not None and \
        not re.search(r"\bper\b", name)   # "per capita", "per 100 inhabitants" are rates


def whole_country(entries, reader, total=None):
    """The figure of the whole country: the entry named total (when the column reads one), else
    the field's own text, else its entry "total", else the sum of its parts (the areas it is
    split into), provided every part gives a figure. The first of these that the field has
    decides; None when it gives no figure or the field is absent."""
    if entries is None:
        return None
    for name in (total, "text", "total"):
        if name in entries:
            return reader(entries[name])
    parts = [reader(text) for name, text in entries.items() if is_part(name, text)]
    return sum(parts) if parts and None not in parts else None


# The activities that make the agriculture and industry of the labour force; every other
# activity a group names ("services", "commerce", "transportation") is a service.
SECTOR_ACTIVITIES = {
    "agriculture": ("agriculture", "farming", "forestry", "fishing", "herding"),
    "industry": ("industry", "manufacturing", "mining", "quarrying", "extraction", "construction",
                 "public works", "utilities", "crafts"),
}


def activities(group):
    """The activities a group names: "manufacturing, mining, and quarrying" names three."""
    return [a for a in re.split(r"\s*(?:,\s*and\s+|,|/|\s+and\s+)\s*", group.strip()) if a]


def sector_of(activity):
    for sector, names in SECTOR_ACTIVITIES.items():
        if activity in names:
            return sector
    return "services"


def sector_share(groups, sector):
    """The share of the labour force in a sector: the sum of the groups that name only its
    activities. None when no group names it, when a group joins it with another sector
    ("industry and services") or when a group of it gives no figure."""
    percent, found = 0.0, False
    for name, text in (groups or {}).items():
        if name in ("text", "note"):
            continue
        sectors = {sector_of(a) for a in activities(name)}
        if sector not in sectors:
            continue
        value = t.newest(text)
        if len(sectors) > 1 or value is None:
            return None
        percent, found = percent + value, True
    return percent / 100.0 if found else None
