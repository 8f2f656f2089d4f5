// stats/country_stats.h: the decoded statistics of the 214 countries, one record per country code.
// A missing figure is MISSING_VALUE, and every consumer tests for it by equality.
#pragma once
#include <stdint.h>
#include <stddef.h>
#include "stats/catalogue.h"
#include "geo/countries.h"

// the largest finite double, bits 0x7FEFFFFFFFFFFFFF
const double MISSING_VALUE = 1.7976931348623157e308;
const int CODE_TEXT_SIZE = 8;      // up to 7 characters and the terminator

// current, codes and values form one run of 8-byte slots: column c (3..107) is slot c - 2,
// slot 0 being current. The accessors below address columns that way.
struct CountryStats {
    double current;                // the chosen statistic over the divisor, or MISSING_VALUE
    char codes[CODE_COLUMN_COUNT][CODE_TEXT_SIZE];   // columns 3..13
    double values[VALUE_COLUMN_COUNT];               // columns 14..107
    int32_t political_class;       // 0..3
    int32_t zone_quarters;         // 4 * hours + minutes div 15, hours signed
    double shade;                  // position on the colour ramp, 0..1
    int32_t rank;                  // 1 = largest current value, 0 when current is missing
    int32_t tied;                  // 1 when another country has the same current value
};
static_assert(offsetof(CountryStats, codes) == 8, "codes are slots 1..11");
static_assert(offsetof(CountryStats, values) == 8 * (1 + CODE_COLUMN_COUNT), "values follow");

// country_stats[code - 1] belongs to country code 1..214.
extern CountryStats country_stats[COUNTRY_COUNT];

inline CountryStats& stats_of(int code) { return country_stats[code - 1]; }

// The code text of a column 3..13.
inline const char* code_text(const CountryStats& stats, int column)
{
    return stats.codes[column - FIRST_CODE_COLUMN];
}

inline char* code_text(CountryStats& stats, int column)
{
    return stats.codes[column - FIRST_CODE_COLUMN];
}

// The value of a column 14..107.
inline double column_value(const CountryStats& stats, int column)
{
    return stats.values[column - FIRST_VALUE_COLUMN];
}

// Builds the catalogue, then decodes every country record from STAT_RECORDS. Called once.
void load_statistics();
