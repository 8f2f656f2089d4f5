// view/country_tooltip_text.h: the text of the map's tooltip for the country under the mouse.
// The first line names the country (a region with its parent), the second the chosen statistic.
#pragma once

const int TOOLTIP_TEXT_CAPACITY = 256;

// Writes the tip for country code 1..237 into out (TOOLTIP_TEXT_CAPACITY bytes, always
// zero-terminated, cut to fit) and returns out: the code's name; for a region, a space and its
// parent's name in parentheses; then, unless value is empty, CR LF and value, which is the owning
// country's figure. names[c - 1] is the name of code c.
const char* format_country_tooltip(char* out, int code, const char* const* names, const char* value);
