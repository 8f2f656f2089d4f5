// tools/render/user_figures.h: the user's own figures per country, read from a CSV file, to be
// ranked and coloured in place of a statistic. Every fault in the file is reported, never skipped.
#pragma once
#include <string>
#include "geo/countries.h"

// What --data, --value, --key and --divisor name.
struct FigureRequest {
    std::string path;      // the CSV file
    std::string value;     // the column of the figures
    std::string key;       // the column naming the countries; empty: the first column
    std::string divisor;   // a column of the file, else a statistic by number 14..107 or title;
                           // empty: none
};

struct UserFigures {
    double figures[COUNTRY_COUNT];    // of country code i + 1, MISSING_VALUE where none is given
    double divisors[COUNTRY_COUNT];   // the same, when divided
    bool divided;
    std::string title;                // "VALUE", or "VALUE / DIVISOR", as the columns are named
};

// Reads the file of the request. A country without a row, or with an empty cell, has no figure.
// False with a one-line message naming the file, the line and the column for: a file that cannot
// be read, a column that is not there, a cell that is no number, keys that match no country (the
// first five listed, all counted), a region instead of a country, and a country named twice.
// The country table and the statistics are loaded first.
bool read_user_figures(const FigureRequest& request, UserFigures& figures, std::string& error);
