// tools/render/csv_command.cpp: `orbily-render csv OUT.csv`: the statistics file, the same
// bytes the program's "Save Statistics As" writes. On failure OUT.csv stays as it was.
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"
#include "tools/render/command.h"
#include "tools/render/output_file.h"

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
    int reason = 0;
    if (!export_statistics_csv(arguments[0].c_str(), reason)) {
        error = write_failure(arguments[0], reason);
        return false;
    }
    return true;
}
