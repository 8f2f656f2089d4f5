// geo/country_table.cpp: the names of the country codes and the parents of the regions.
// The packed list is trusted; the walk still never leaves it.
#include "geo/countries.h"
#include "data/blobs.h"

const char* country_names[COUNTRY_CODE_COUNT];

void build_country_names()
{
    int position = 0;
    for (int code = 1; code <= COUNTRY_CODE_COUNT; ++code) {
        country_names[code - 1] = COUNTRY_NAME_LIST + position;
        while (position < COUNTRY_NAME_LIST_SIZE - 1 && COUNTRY_NAME_LIST[position] != 0) ++position;
        if (position < COUNTRY_NAME_LIST_SIZE - 1) ++position;   // past the zero byte
    }
}

int country_of(int code)
{
    if (code < 0 || code > COUNTRY_CODE_COUNT) return 0;
    if (code < FIRST_REGION) return code;
    return REGION_PARENTS[code - FIRST_REGION];
}
