// stats/catalogue.h: the 108 statistics columns and the 20 unit kinds, built once from COLUMN_LABELS.
// Everything that names, sizes or formats a column reads these two tables.
#pragma once
#include <stdint.h>

const int STAT_COLUMN_COUNT = 108;
const int UNIT_KIND_COUNT = 20;
const int STAT_TITLE_SIZE = 64;    // 63 characters and the terminator
const int UNIT_TEXT_SIZE = 8;      // "bbl/day", the longest unit, and the terminator

// UnitKind::flags
const int FORMAT_POINT_ZERO = 1;   // a number without fraction digits ends in ".0"
const int FORMAT_PERCENT = 2;      // "%" follows the number

// Kinds with a meaning beyond their unit: letters 'B', 'S' and 'T' minus 'A'.
const int KIND_TEXT = 1;           // left-aligned text columns
const int KIND_STATISTIC = 18;     // the column of the chosen statistic
const int KIND_TIME_ZONE = 19;     // sorted as a time offset

// Columns with a fixed role.
const int COLUMN_FLAG = 0;
const int COLUMN_NAME = 1;
const int COLUMN_STATISTIC = 2;
const int FIRST_CODE_COLUMN = 3;   // "ISO/2" .. "TZ"
const int CODE_COLUMN_COUNT = 11;
const int COLUMN_ISO_ALPHA2 = 3;
const int COLUMN_ISO_ALPHA3 = 4;
const int COLUMN_VISITED = 10;
const int COLUMN_ISO_NUMBER = 11;
const int COLUMN_CALLING_CODE = 12;
const int COLUMN_TIME_ZONE = 13;
const int FIRST_VALUE_COLUMN = 14; // "Population: Total" .. "Television Broadcast Stations"
const int VALUE_COLUMN_COUNT = 94;

struct UnitKind {
    char unit[UNIT_TEXT_SIZE];     // possibly empty, code page 1252
    int32_t flags;                 // FORMAT_POINT_ZERO | FORMAT_PERCENT
    int32_t recorded;              // 1 once the label list has given the unit
};

struct StatColumn {
    int32_t kind;                  // 0..19, the kind letter minus 'A'
    char title[STAT_TITLE_SIZE];   // the label, then " (unit)" when the kind has a unit
    int32_t width;                 // the list column is width + 4 average digits wide
};

extern UnitKind unit_kinds[UNIT_KIND_COUNT];
extern StatColumn stat_columns[STAT_COLUMN_COUNT];

// Clears both tables and rebuilds them from the packed label list COLUMN_LABELS.
void build_catalogue();
