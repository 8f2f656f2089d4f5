// tools/render/country_codes.cpp: country codes named on the command line. The two-letter codes
// are read back from the embedded statistics, whose "ISO/2" column the country table fills.
#include "tools/render/country_codes.h"
#include <cctype>
#include <cstdlib>
#include <cstring>
#include "data/blobs.h"
#include "stats/country_stats.h"
#include "stats/record_decoder.h"
#include "stats/record_layout.h"

// Whether the embedded record of country 1..214 names iso (two upper-case letters).
static bool has_iso_code(int code, const char* iso)
{
    static CountryStats stats;
    decode_country_record(STAT_RECORDS + (code - 1) * RECORD_SIZE, stats);
    return std::strcmp(code_text(stats, COLUMN_ISO_ALPHA2), iso) == 0;
}

int parse_country_code(const char* text)
{
    if (std::isdigit((unsigned char)text[0])) {
        char* end = nullptr;
        const long code = std::strtol(text, &end, 10);
        return (*end == 0 && code >= 0 && code <= COUNTRY_COUNT) ? int(code) : -1;
    }
    if (std::strlen(text) != 2) return -1;
    const char iso[] = { char(std::toupper((unsigned char)text[0])), char(std::toupper((unsigned char)text[1])), 0 };
    for (int code = 1; code <= COUNTRY_COUNT; ++code)
        if (has_iso_code(code, iso)) return code;
    return -1;
}
