// tools/render/csv_command.cpp: `orbily-render csv OUT.csv`: the statistics file, the same
// bytes the program's "Save Statistics As" writes. On failure OUT.csv stays as it was.
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"
#include "tools/render/command.h"

bool run_csv(const Arguments& arguments, std::string&, std::string& error)
{
    for (const std::string& argument : arguments) {
        if (argument[0] == '-') {
            error = "unknown option \"" + argument + "\" for csv";
            return false;
        }
    }
    if (arguments.size() != 1) {
        error = "csv takes one file name";
        return false;
    }
    build_country_names();
    load_statistics();
    if (!export_statistics_csv(arguments[0].c_str())) {
        error = "cannot write " + arguments[0];
        return false;
    }
    return true;
}
