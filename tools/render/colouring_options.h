// tools/render/colouring_options.h: the options that choose the map's colouring as the statistics
// window's four lists and the datasheet's selection do:
//   --colours NAME, --mode NAME        a text of the "Colours:" or "Mode:" list, exactly
//   --statistic COLUMN, --divisor COLUMN   a column number 14..107 or its exact title
//   --select CODE[,CODE...]            countries by code 1..214 or ISO two-letter code
#pragma once
#include "stats/colouring.h"
#include "tools/render/command.h"

// The options a subcommand takes, as bits.
enum ColouringOption {
    OPTION_COLOURS = 1, OPTION_STATISTIC = 2, OPTION_DIVISOR = 4, OPTION_MODE = 8, OPTION_SELECT = 16,
    ALL_COLOURING_OPTIONS = 31
};

struct ColouringOptions {
    ColouringChoice choice = START_COLOURING;
    bool selected[COUNTRY_COUNT + 1] = {};   // by country code
};

enum OptionReading { NOT_A_COLOURING_OPTION, OPTION_READ, OPTION_BAD };

// When arguments[i] is one of the accepted options, reads its value into options, moving i onto
// it; OPTION_BAD, with a one-line message naming the option, for a missing or unknown value.
// Titles are looked up in the catalogue, so the statistics are loaded first.
OptionReading read_colouring_option(const Arguments& arguments, size_t& i, int accepted, ColouringOptions& options,
                                    std::string& error);

// The list item (1..94) of a statistic named by column number or exact title, the title in
// UTF-8 as a terminal types it or in the program's code page; 0 if none.
int statistic_item_of(const std::string& text);

// The title of list item 1..94 in UTF-8.
std::string statistic_title(int item);

// The datasheet's selection of --select: the countries drawn in their selected colours.
void select_countries(const ColouringOptions& options, MapColouring& colouring);

// The colouring of the options over the loaded statistics, as the window computes it.
void apply_colouring_options(const ColouringOptions& options, MapColouring& colouring);
