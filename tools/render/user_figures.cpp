// tools/render/user_figures.cpp: columns by name, keys to countries, cells to numbers, in file
// order; the first fault ends the reading, except unknown keys, which are gathered and counted.
#include "tools/render/user_figures.h"
#include <algorithm>
#include <cctype>
#include "stats/country_stats.h"
#include "tools/render/colouring_options.h"
#include "tools/render/country_keys.h"
#include "tools/render/csv_table.h"
#include "tools/render/figure_numbers.h"
#include "tools/render/text_encoding.h"

namespace {

const int NO_COLUMN = -1;
const int UNKNOWN_KEYS_LISTED = 5;

std::string lower_ascii(std::string text)
{
    for (char& c : text) c = char(std::tolower((unsigned char)c));
    return text;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The column whose name is text: the one equal to it, else the one equal but for ASCII case.
// NO_COLUMN with the message when none is, or when two are.
int find_column(const std::string& path, const CsvRow& header, const std::string& text, std::string& error)
{
    for (int exact = 1; exact >= 0; --exact) {
        int found = NO_COLUMN;
        for (int i = 0; i < int(header.cells.size()); ++i) {
            const bool same = exact ? header.cells[i] == text : lower_ascii(header.cells[i]) == lower_ascii(text);
            if (!same) continue;
            if (found != NO_COLUMN) {
                error = csv_place(path, header.line) + ": two columns are named " + quoted(text);
                return NO_COLUMN;
            }
            found = i;
        }
        if (found != NO_COLUMN) return found;
    }
    error = csv_place(path, header.line) + ": no column " + quoted(text) + "; the columns are ";
    const int listed = std::min(int(header.cells.size()), UNKNOWN_KEYS_LISTED);
    for (int i = 0; i < listed; ++i) error += (i ? ", " : "") + quoted(header.cells[i]);
    if (int(header.cells.size()) > listed) error += " and " + std::to_string(header.cells.size() - listed) + " more";
    return NO_COLUMN;
}

const std::string& cell_of(const CsvRow& row, int column)
{
    static const std::string EMPTY;
    return column < int(row.cells.size()) ? row.cells[column] : EMPTY;
}

// One numeric column of the file: its name, its decimal mark and where the figures go.
struct NumberColumn {
    int index;
    DecimalMark mark;
    double* figures;
};

NumberColumn number_column(const CsvTable& table, int index, double* figures)
{
    DecimalMark mark = DECIMAL_POINT;
    if (table.separator == ';') {
        std::vector<std::string> cells;
        for (const CsvRow& row : table.rows) cells.push_back(cell_of(row, index));
        mark = decimal_mark_of(cells);
    }
    for (int i = 0; i < COUNTRY_COUNT; ++i) figures[i] = MISSING_VALUE;
    return NumberColumn{index, mark, figures};
}

// "K keys match no country: "A" (line 4), ..." for the keys and their lines.
std::string unknown_keys_message(const std::vector<std::pair<int, std::string>>& unknown)
{
    if (unknown.size() == 1) return quoted(unknown[0].second) + " matches no country";
    std::string text = std::to_string(unknown.size()) + " keys match no country: ";
    for (size_t i = 0; i < unknown.size() && i < size_t(UNKNOWN_KEYS_LISTED); ++i)
        text += (i ? ", " : "") + quoted(unknown[i].second) + " (line " + std::to_string(unknown[i].first) + ")";
    if (unknown.size() > size_t(UNKNOWN_KEYS_LISTED))
        text += " and " + std::to_string(unknown.size() - UNKNOWN_KEYS_LISTED) + " more";
    return text;
}

std::string country_name(int code)
{
    std::string name;
    append_utf8_from_cp1252(name, country_names[code - 1]);
    return name;
}

// The divisor: the file's column of that name, else the statistic of that number or title.
bool add_divisor(const std::string& path, const CsvTable& table, const std::string& name,
                 std::vector<NumberColumn>& columns, UserFigures& figures, std::string& error)
{
    const std::vector<std::string>& names = table.header.cells;
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end()) {
        columns.push_back(number_column(table, int(found - names.begin()), figures.divisors));
        figures.title += " / " + name;
        return true;
    }
    const int item = statistic_item_of(name);
    if (item == 0) {
        error = csv_place(path, table.header.line) + ": --divisor " + quoted(name) +
                " is neither a column of the file nor a column 14..107 or its exact title";
        return false;
    }
    for (int i = 0; i < COUNTRY_COUNT; ++i) figures.divisors[i] = country_stats[i].values[item - 1];
    figures.title += " / " + statistic_title(item);
    return true;
}

// False, with the message, when a row has text beyond the named columns.
bool fits_header(const std::string& path, const CsvRow& header, const CsvRow& row, std::string& error)
{
    for (size_t i = header.cells.size(); i < row.cells.size(); ++i) {
        if (row.cells[i].empty()) continue;
        error = csv_place(path, row.line) + ": " + quoted(row.cells[i]) + " stands beyond the last of the " +
                std::to_string(header.cells.size()) + " named columns";
        return false;
    }
    return true;
}

}  // namespace

bool read_user_figures(const FigureRequest& request, UserFigures& figures, std::string& error)
{
    CsvTable table;
    if (!read_csv_table(request.path, table, error)) return false;
    const std::string& path = request.path;
    const CsvRow& header = table.header;
    const int key = request.key.empty() ? 0 : find_column(path, header, request.key, error);
    const int value = find_column(path, header, request.value, error);
    if (key == NO_COLUMN || value == NO_COLUMN) return false;
    std::vector<NumberColumn> columns = {number_column(table, value, figures.figures)};
    figures.title = header.cells[value];
    figures.divided = !request.divisor.empty();
    if (figures.divided && !add_divisor(path, table, request.divisor, columns, figures, error)) return false;
    const std::string& key_name = header.cells[key];
    std::vector<std::pair<int, std::string>> unknown;   // line, key
    int line_of_country[COUNTRY_COUNT + 1] = {};
    for (const CsvRow& row : table.rows) {
        if (!fits_header(path, header, row, error)) return false;
        const std::string& key_text = cell_of(row, key);
        const CountryKey country = match_country_key(key_text);
        const std::string place = csv_place(path, row.line, key_name);
        if (key_text.empty()) return error = place + ": no country named in a row with figures", false;
        if (country.kind == KEY_REGION) {
            error = place + ": " + quoted(key_text) + " is a region of " + country_name(country_of(country.code)) +
                    ", not a country";
            return false;
        }
        if (country.kind == KEY_UNKNOWN) {
            unknown.push_back({row.line, key_text});
        } else if (line_of_country[country.code]) {
            error = place + ": " + quoted(key_text) + " names " + country_name(country.code) + " again (line " +
                    std::to_string(line_of_country[country.code]) + ")";
            return false;
        } else {
            line_of_country[country.code] = row.line;
        }
        for (const NumberColumn& column : columns) {
            const std::string& cell = cell_of(row, column.index);
            double number = MISSING_VALUE;
            if (!cell.empty() && !parse_figure(cell, column.mark, number)) {
                const std::string& name = header.cells[column.index];
                error = csv_place(path, row.line, name) + ": " + quoted(cell) + " is not a number";
                return false;
            }
            if (country.kind == KEY_COUNTRY) column.figures[country.code - 1] = number;
        }
    }
    if (unknown.empty()) return true;
    const std::string place = unknown.size() == 1 ? csv_place(path, unknown[0].first, key_name)
                                                  : path + ", column " + quoted(key_name);
    error = place + ": " + unknown_keys_message(unknown);
    return false;
}
