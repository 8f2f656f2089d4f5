// tools/render/rows_command.cpp: `orbily-render rows --sort KEY [--statistic COLUMN]
// [--divisor COLUMN] [--mode NAME]`: the datasheet's country codes, one per line, in the order
// one click sorts them: KEY is the column 1..107, negative for the second click (descending).
#include <algorithm>
#include "geo/countries.h"
#include "stats/row_compare.h"
#include "tools/render/colouring_options.h"

bool run_rows(const Arguments& arguments, std::string& output, std::string& error)
{
    build_country_names();
    load_statistics();
    ColouringOptions options;
    int key = 0;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const OptionReading reading =
            read_colouring_option(arguments, i, OPTION_STATISTIC | OPTION_DIVISOR | OPTION_MODE, options, error);
        if (reading == OPTION_BAD) return false;
        if (reading == OPTION_READ) continue;
        if (arguments[i] != "--sort") return error = not_taken(arguments[i], "rows"), false;
        const std::string& text = i + 1 < arguments.size() ? arguments[++i] : std::string();
        if (!parse_whole_number(text, 1 - STAT_COLUMN_COUNT, STAT_COLUMN_COUNT - 1, key) || key == 0) {
            error = "--sort must be a column 1..107, or -107..-1 for descending, not \"" + text + "\"";
            return false;
        }
    }
    if (key == 0) {
        error = "rows needs --sort KEY";
        return false;
    }
    static MapColouring colouring;   // the "Statistic" column follows the lists
    apply_colouring_options(options, colouring);
    int codes[COUNTRY_COUNT];
    for (int i = 0; i < COUNTRY_COUNT; ++i) codes[i] = i + 1;   // the rows before any sort
    const RowTable rows = {country_stats, country_names, stat_columns};
    std::sort(codes, codes + COUNTRY_COUNT, [&](int a, int b) { return compare_rows(rows, a, b, key) < 0; });
    for (int code : codes) append_format(output, "%d\n", code);
    return true;
}
