"""The one country table, tools/country_table/countries.tsv. Codes 1..214 are the countries in
the order of their ISO 3166-1 two-letter codes, codes 215..237 regions drawn apart from their
parent country. Every generator takes the code order from here and nowhere else."""
import collections
import pathlib

TABLE = pathlib.Path(__file__).resolve().parents[1] / "country_table" / "countries.tsv"
COUNTRY_COUNT = 214
CODE_COUNT = 237
FIRST_REGION = 215
NONE = "-"   # a region has no ISO code of its own

# alpha2 and numeric are None for a region, parent is None for a country.
Entry = collections.namedtuple("Entry", "code alpha2 numeric name parent")


def parse(text):
    """Entries from the tab-separated table (code, alpha-2, numeric, name, parent), in file order."""
    entries = []
    for line in text.splitlines():
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        alpha2, numeric = (None if f == NONE else f for f in fields[1:3])
        parent = int(fields[4]) if len(fields) > 4 else None
        entries.append(Entry(int(fields[0]), alpha2, numeric, fields[3], parent))
    return entries


def check(entries):
    """Codes 1..237 in order; countries carry ISO codes in alphabetical order and no parent,
    regions no ISO code and a country as parent. Raises ValueError naming the first fault."""
    if [e.code for e in entries] != list(range(1, CODE_COUNT + 1)):
        raise ValueError("codes must run 1..%d in order" % CODE_COUNT)
    countries = entries[:COUNTRY_COUNT]
    alpha2 = [e.alpha2 for e in countries]
    if alpha2 != sorted(alpha2) or len(set(alpha2)) != COUNTRY_COUNT:
        raise ValueError("the two-letter codes of codes 1..%d must ascend" % COUNTRY_COUNT)
    for e in entries:
        region = e.code >= FIRST_REGION
        if region != (e.parent is not None):
            raise ValueError("%d %s: a parent belongs to regions only" % (e.code, e.name))
        if region and not 1 <= e.parent < FIRST_REGION:
            raise ValueError("%d %s: the parent must be a country" % (e.code, e.name))
        if region != (e.alpha2 is None) or region != (e.numeric is None):
            raise ValueError("%d %s: ISO codes belong to countries only" % (e.code, e.name))
        if not region and not (len(e.alpha2) == 2 and e.alpha2.isupper()
                               and len(e.numeric) == 3 and e.numeric.isdigit()):
            raise ValueError("%d %s: malformed ISO codes" % (e.code, e.name))
    return entries


def read(path=TABLE):
    """The checked entries of the table, code k at index k - 1."""
    return check(parse(pathlib.Path(path).read_text(encoding="utf-8")))


def iso_codes(entries):
    """The two-letter codes of the countries: code k at index k - 1."""
    return [e.alpha2 for e in entries[:COUNTRY_COUNT]]
