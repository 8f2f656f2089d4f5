// stats/row_compare.h: the datasheet's row order. A sort key is a column number 1..107, negative
// for the descending order; missing and empty entries come last and equal ones by country code,
// whichever the direction.
#pragma once
#include "stats/country_stats.h"

// A case-insensitive order of two texts: negative, 0 or positive.
typedef int (*TextOrder)(const char* s1, const char* s2);

// What a row comparison reads: the records and names of country codes 1..214 and the catalogue.
struct RowTable {
    const CountryStats* stats;      // stats[code - 1]
    const char* const* names;       // names[code - 1], as country_names
    const StatColumn* columns;      // the catalogue, for the kind of the code columns
    TextOrder text_order;           // the user's order in the window; null: compare_text_ignoring_case
};

// Negative when the row of code1 comes first under key, positive when it comes second; never 0
// for two different codes. Column 1 compares names as text, 2 the current values, 3..13 the code
// texts (as text, "TZ" as a time offset), 14..107 the values.
int compare_rows(const RowTable& rows, int code1, int code2, int key);

// Case-insensitive order of two code page 1252 texts: letters compare without case and accents
// first, accents then decide; 0 only for texts equal but for case.
int compare_text_ignoring_case(const char* s1, const char* s2);
