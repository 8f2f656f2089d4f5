// geo/countries.h: the country table: names of codes 1..237 and the parents of the regions.
#pragma once

const int COUNTRY_COUNT = 214;         // codes 1..214
const int COUNTRY_CODE_COUNT = 237;    // codes 1..237, regions from 215
const int FIRST_REGION = 215;
const int REGION_COUNT = COUNTRY_CODE_COUNT - FIRST_REGION + 1;

// country_names[c - 1] is the name of code c; filled by build_country_names.
extern const char* country_names[COUNTRY_CODE_COUNT];

// Walks the packed name list once and records where each name starts.
void build_country_names();

// A region's parent country; a code 0..214 is its own country; a code outside 0..237 is no
// country (0), so that a stray code never indexes past the tables of codes.
int country_of(int code);
