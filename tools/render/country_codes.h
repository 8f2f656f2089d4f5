// tools/render/country_codes.h: country codes named on the command line, by number or by the
// country's ISO 3166-1 two-letter code.
#pragma once

// 0..214 for a decimal code in that range or 1..214 for an ISO code (either case); -1 otherwise.
int parse_country_code(const char* text);
