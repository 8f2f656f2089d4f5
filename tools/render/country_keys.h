// tools/render/country_keys.h: a country named in a table of figures: by ISO 3166-1 alpha-2,
// alpha-3 or numeric code, or by its name as the program spells it. Case and blanks around the
// text do not matter. The country table and the statistics are loaded first.
#pragma once
#include <string>

enum KeyKind { KEY_COUNTRY, KEY_REGION, KEY_UNKNOWN };

struct CountryKey {
    KeyKind kind;
    int code;   // the country 1..214, or the region 215..237 (its parent is country_of(code))
};

// The country or region that text (UTF-8) names.
CountryKey match_country_key(const std::string& text);
