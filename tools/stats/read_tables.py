"""Reads the readable statistics sources: the unit kinds, the column catalogue, the code order."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shared"))
import country_table  # noqa: E402


def data_lines(path):
    """The lines of a table file without comments, split at tabs."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield line.split("\t")


def read_unit_kinds(path):
    """{kind letter: unit text}."""
    return {fields[0]: fields[1] for fields in data_lines(path)}


def read_columns(path):
    """[(kind letter, width, label)] in column order; the numbers must run 0, 1, 2, ..."""
    columns = []
    for number, letter, width, label in data_lines(path):
        if int(number) != len(columns):
            raise ValueError("column %s out of order" % number)
        columns.append((letter, int(width), label))
    return columns


def read_country_codes(path):
    """The two-letter codes in country-code order from the country table: element k - 1 is code k."""
    return country_table.iso_codes(country_table.read(path))
