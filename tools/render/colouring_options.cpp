// tools/render/colouring_options.cpp: list texts and columns by name, countries by code.
#include "tools/render/colouring_options.h"
#include <cstring>
#include "stats/catalogue.h"
#include "tools/render/country_codes.h"
#include "tools/render/text_encoding.h"

namespace {

struct OptionName {
    const char* name;
    int bit;
};
const OptionName OPTION_NAMES[] = {{"--colours", OPTION_COLOURS}, {"--statistic", OPTION_STATISTIC},
                                   {"--divisor", OPTION_DIVISOR}, {"--mode", OPTION_MODE},
                                   {"--select", OPTION_SELECT}};

// The item of a packed list (texts back to back, ended by an empty one) equal to text, or -1.
int item_of(const char* list, const std::string& text)
{
    int item = 0;
    for (const char* entry = list; *entry; entry += std::strlen(entry) + 1, ++item)
        if (text == entry) return item;
    return -1;
}

// "A", "B" or "C": the texts of a packed list for a message.
std::string choices_of(const char* list)
{
    std::string text;
    for (const char* entry = list; *entry; entry += std::strlen(entry) + 1) {
        if (!text.empty()) text += entry[std::strlen(entry) + 1] ? ", " : " or ";
        text += std::string("\"") + entry + "\"";
    }
    return text;
}

}  // namespace

std::string statistic_title(int item)
{
    std::string title;
    append_utf8_from_cp1252(title, stat_columns[FIRST_VALUE_COLUMN + item - 1].title);
    return title;
}

int statistic_item_of(const std::string& text)
{
    int column = 0;
    if (parse_whole_number(text, FIRST_VALUE_COLUMN, STAT_COLUMN_COUNT - 1, column))
        return column - FIRST_VALUE_COLUMN + 1;
    for (int item = 1; item <= VALUE_COLUMN_COUNT; ++item)
        if (text == statistic_title(item) || text == stat_columns[FIRST_VALUE_COLUMN + item - 1].title) return item;
    return 0;
}

namespace {

// Marks every country of a comma-separated list of codes; false at the first that is none.
bool read_selection(const std::string& text, bool* selected, std::string& bad)
{
    size_t start = 0;
    for (;;) {
        const size_t end = std::min(text.find(',', start), text.size());
        bad = text.substr(start, end - start);
        const int code = parse_country_code(bad.c_str());
        if (code < 1) return false;
        selected[code] = true;
        if (end == text.size()) return true;
        start = end + 1;
    }
}

}  // namespace

OptionReading read_colouring_option(const Arguments& arguments, size_t& i, int accepted, ColouringOptions& options,
                                    std::string& error)
{
    const std::string& name = arguments[i];
    int bit = 0;
    for (const OptionName& option : OPTION_NAMES)
        if (name == option.name) bit = option.bit & accepted;
    if (bit == 0) return NOT_A_COLOURING_OPTION;
    if (i + 1 >= arguments.size()) {
        error = name + " needs a value";
        return OPTION_BAD;
    }
    const std::string& value = arguments[++i];
    const std::string quoted = "\"" + value + "\"";
    switch (bit) {
    case OPTION_COLOURS:
        options.choice.scheme = item_of(COLOUR_SCHEME_NAMES, value);
        if (options.choice.scheme >= 0) return OPTION_READ;
        error = name + " must be " + choices_of(COLOUR_SCHEME_NAMES) + ", not " + quoted;
        return OPTION_BAD;
    case OPTION_MODE:
        options.choice.mode = item_of(SHADE_MODE_NAMES, value);
        if (options.choice.mode >= 0) return OPTION_READ;
        error = name + " must be " + choices_of(SHADE_MODE_NAMES) + ", not " + quoted;
        return OPTION_BAD;
    case OPTION_STATISTIC:
    case OPTION_DIVISOR: {
        int& item = bit == OPTION_STATISTIC ? options.choice.statistic : options.choice.divisor;
        item = statistic_item_of(value);
        if (item > 0) return OPTION_READ;
        error = name + " must be a column 14..107 or its exact title, not " + quoted;
        return OPTION_BAD;
    }
    default: {
        std::string bad;
        if (read_selection(value, options.selected, bad)) return OPTION_READ;
        error = name + " takes codes 1..214 or ISO codes, not \"" + bad + "\"";
        return OPTION_BAD;
    }
    }
}

void select_countries(const ColouringOptions& options, MapColouring& colouring)
{
    for (int code = 0; code <= COUNTRY_COUNT; ++code) colouring.selected_countries[code] = options.selected[code];
}

void apply_colouring_options(const ColouringOptions& options, MapColouring& colouring)
{
    select_countries(options, colouring);
    colour_countries(options.choice, country_stats, colouring);
}
