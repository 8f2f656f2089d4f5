// tools/render/figure_numbers.h: numbers as spreadsheets and the program's own export write them:
// an optional sign, digits grouped in threes by ",", " ", "'" (or "." before a decimal comma),
// a decimal mark, an exponent, and a "%" that the number keeps as it stands ("12.0%" is 12).
#pragma once
#include <string>
#include <vector>

enum DecimalMark { DECIMAL_POINT, DECIMAL_COMMA };

// The number in text (UTF-8, blanks around it ignored; no-break spaces group digits too).
// False for anything else, the empty text included, and for a number too large for a double.
bool parse_figure(const std::string& text, DecimalMark mark, double& value);

// The decimal mark of a column of a semicolon-separated file: the comma when some cell reads
// as a number only that way ("2,5", "0,125", "1.234,5"); otherwise the point, so that the
// program's own "1,234,570" stays a million. Comma-separated files always use the point.
DecimalMark decimal_mark_of(const std::vector<std::string>& cells);
