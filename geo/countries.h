// geo/countries.h: the country table: names of codes 1..237 and the parents of the regions.
#pragma once

const int COUNTRY_COUNT = 214;         // codes 1..214
const int COUNTRY_CODE_COUNT = 237;    // codes 1..237, regions from 215
const int FIRST_REGION = 215;

// country_names[c - 1] is the name of code c; filled by build_country_names.
extern const char* country_names[COUNTRY_CODE_COUNT];

// Walks the packed name list once and records where each name starts.
void build_country_names();

// A region's parent country; any code below 215 is its own country.
int country_of(int code);
