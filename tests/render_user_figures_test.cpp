// tests/render_user_figures_test.cpp: the user's tables as orbily-render reads them.
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include "geo/countries.h"
#include "stats/colouring.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"
#include "tests/file_contents.h"
#include "tests/render_harness.h"
#include "tools/render/text_encoding.h"
#include "tools/render/user_figures.h"

namespace {

const double M = MISSING_VALUE;
const int AT = 11, CH = 37, CI = 38, DE = 49, FR = 65, IT = 94, KR = 105, US = 200;

struct Case {
    const char* what;
    std::string bytes;                  // the file
    FigureRequest request;              // path filled in by the test
    std::map<int, double> figures;      // country code: figure; every other country has none
    std::map<int, double> divisors;     // the same for the divisor, when there is one
    const char* error;                  // a text the one-line message holds; null when it reads
};

}  // namespace

// Each case writes its file and reads it; a reading must give exactly the figures listed, a fault
// exactly one line that names the file, the line and the column it found.
TEST(ReadUserFigures, SeparatorsQuotesEncodingsNumbersAndFaults)
{
    build_country_names();
    load_statistics();
    const Case cases[] = {
        {"commas, LF, names, codes of every kind and any case",
         "Country,Sales\nFrance,1\n de ,2\nITA,3\n040,4\n  united states of america  ,5\n",
         {"", "Sales"}, {{FR, 1}, {DE, 2}, {IT, 3}, {AT, 4}, {US, 5}}, {}, nullptr},
        {"semicolons, CR LF, quotes with doubled quotes and separators inside",
         "\"Land\";\"Wert\"\r\n\"Korea, South\";\"1,5\"\r\n\"Cote d'Ivoire\" ; 7\r\n",
         {"", "Wert"}, {{KR, 1.5}, {CI, 7}}, {}, nullptr},
        {"CR alone ends lines too, and a file may end without one", "c,v\rFR,1\rDE,2", {"", "v"}, {{FR, 1}, {DE, 2}}, {},
         nullptr},
        {"a quoted key with a quote and a line end in another column",
         "key,note,v\nFR,\"he said \"\"hi\"\"\nthen left\",3\nDE,,4\n", {"", "v"}, {{FR, 3}, {DE, 4}}, {}, nullptr},
        {"UTF-8 with its mark, accents and a typographic apostrophe folded",
         "\xEF\xBB\xBF" "Pays,Valeur\nC\xC3\x94TE D\xE2\x80\x99IVOIRE,2\n", {"", "Valeur"}, {{CI, 2}}, {}, nullptr},
        {"code page 1252, as the program's own export writes it",
         "Country;Area (km\xB2)\r\nFrance;643,801\r\n", {"", "Area (km\xC2\xB2)"}, {{FR, 643801}}, {}, nullptr},
        {"thousands separators and percentages in a comma file",
         "c,v\nFR,\"1,234,567.5\"\nDE,1 234\nIT,1'234'000\nAT,12.0%\nCH,-2.5e3\nUS,\xC2\xA0" "7\xC2\xA0" "000\n",
         {"", "v"}, {{FR, 1234567.5}, {DE, 1234}, {IT, 1234000}, {AT, 12}, {CH, -2500}, {US, 7000}}, {}, nullptr},
        {"decimal comma in a semicolon file, with points between thousands",
         "c;v\nFR;1.234,5\nDE;0,125\nIT;12\n", {"", "v"}, {{FR, 1234.5}, {DE, 0.125}, {IT, 12}}, {}, nullptr},
        {"commas between thousands in a semicolon file, as the export has them",
         "c;v\nFR;1,234,570\nDE;82.7\n", {"", "v"}, {{FR, 1234570}, {DE, 82.7}}, {}, nullptr},
        {"empty cells and blank lines are no figures; a key column by name; a divisor of the file",
         "v,name,d\n,France,2\n\n3,Germany,\n,,\n6,Italy,3\n", {"", "v", "name", "d"},
         {{FR, M}, {DE, 3}, {IT, 6}}, {{FR, 2}, {DE, M}, {IT, 3}}, nullptr},
        {"a divisor from the statistics by column number",
         "c,v\nFR,1\n", {"", "v", "", "14"}, {{FR, 1}}, {{0, 0}}, nullptr},
        {"a missing file", "", {"/nonexistent/figures.csv", "v"}, {}, {}, "/nonexistent/figures.csv: cannot read"},
        {"no such column", "c,v\nFR,1\n", {"", "Sales"}, {}, {}, "line 1: no column \"Sales\"; the columns are \"c\", \"v\""},
        {"no such divisor", "c,v\nFR,1\n", {"", "v", "", "Area"}, {}, {}, "line 1: --divisor \"Area\" is neither"},
        {"not a number", "c,v\nFR,1\nDE,12a\n", {"", "v"}, {}, {}, "line 3, column \"v\": \"12a\" is not a number"},
        {"a point in a decimal-comma column", "c;v\nFR;1,5\nDE;1.5\n", {"", "v"}, {}, {}, "line 3, column \"v\": \"1.5\""},
        {"thousands in groups of two", "c,v\nFR,\"1,23\"\n", {"", "v"}, {}, {}, "line 2, column \"v\": \"1,23\" is not"},
        {"one unknown key", "c,v\nFR,1\nAtlantis,2\n", {"", "v"}, {}, {}, "line 3, column \"c\": \"Atlantis\" matches no country"},
        {"seven unknown keys: five listed, all counted",
         "c,v\nA1,1\nA2,1\nFR,1\nA3,1\nA4,1\nA5,1\nA6,1\nA7,1\n", {"", "v"}, {}, {},
         "column \"c\": 7 keys match no country: \"A1\" (line 2), \"A2\" (line 3), \"A3\" (line 5), \"A4\" (line 6), "
         "\"A5\" (line 7) and 2 more"},
        {"a country twice, by two names", "c,v\nFR,1\nFrance,2\n", {"", "v"}, {}, {},
         "line 3, column \"c\": \"France\" names France again (line 2)"},
        {"a region", "c,v\nUS,1\nAlaska,2\n", {"", "v"}, {}, {},
         "line 3, column \"c\": \"Alaska\" is a region of United States of America, not a country"},
        {"an unclosed quote", "c,v\nFR,\"1\n", {"", "v"}, {}, {}, "line 2: a quote opened here is never closed"},
        {"text after a quote", "c,v\n\"FR\"x,1\n", {"", "v"}, {}, {}, "line 2: text after a closing quote"},
        {"a cell beyond the named columns", "c,v\nFR,1,9\n", {"", "v"}, {}, {}, "line 2: \"9\" stands beyond"},
        {"UTF-16", "\xFF\xFE" "c\0,\0v\0", {"", "v"}, {}, {}, "UTF-16"},
    };
    const std::string path = testing::TempDir() + "user_figures.csv";
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::binary) << c.bytes;
        FigureRequest request = c.request;
        if (request.path.empty()) request.path = path;
        static UserFigures got;
        std::string error;
        const bool read = read_user_figures(request, got, error);
        if (c.error) {
            EXPECT_FALSE(read) << c.what;
            EXPECT_NE(error.find(request.path), std::string::npos) << c.what << ": " << error;
            EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
            EXPECT_EQ(error.find('\n'), std::string::npos) << c.what;
            continue;
        }
        ASSERT_TRUE(read) << c.what << ": " << error;
        EXPECT_EQ(got.divided, !c.request.divisor.empty()) << c.what;
        for (int code = 1; code <= COUNTRY_COUNT; ++code) {
            const auto figure = c.figures.find(code);
            EXPECT_EQ(got.figures[code - 1], figure == c.figures.end() ? M : figure->second) << c.what << ", " << code;
            if (!got.divided || c.divisors.count(0)) continue;   // {0, 0}: the statistics' own column
            const auto divisor = c.divisors.find(code);
            EXPECT_EQ(got.divisors[code - 1], divisor == c.divisors.end() ? M : divisor->second) << c.what << ", " << code;
        }
        if (c.divisors.count(0))
            for (int code = 1; code <= COUNTRY_COUNT; ++code)
                EXPECT_EQ(got.divisors[code - 1], column_value(stats_of(code), 14)) << c.what << ", " << code;
    }
    std::remove(path.c_str());
}

// The program's own export read back in place of each statistic, under each mode, with and
// without a divisor from the file or from the statistics: the same ranks and the same colours.
TEST(ReadUserFigures, OwnExportColoursAsTheStatisticDoes)
{
    build_country_names();
    load_statistics();
    const std::string path = testing::TempDir() + "own_export.csv";
    int reason = 0;
    ASSERT_TRUE(export_statistics_csv(path.c_str(), reason));
    static MapColouring expected, got;
    for (int item = 1; item <= VALUE_COLUMN_COUNT; ++item) {
        std::string title;
        append_utf8_from_cp1252(title, stat_columns[FIRST_VALUE_COLUMN + item - 1].title);
        const std::string population = "Population: Total";
        const FigureRequest requests[] = {{path, title}, {path, title, "ISO/3", population}, {path, title, "", "14"}};
        for (int r = 0; r < 3; ++r) {
            const int mode = (item + r) % SHADE_MODE_COUNT, scheme = SCHEME_SPECTRUM + item % 7;
            colour_countries(ColouringChoice{scheme, mode, item, r ? 1 : 0}, country_stats, expected);
            static UserFigures user;
            std::string error;
            ASSERT_TRUE(read_user_figures(requests[r], user, error)) << error;
            compute_statistic_of(country_stats, user.figures, user.divided ? user.divisors : nullptr, mode, got.ranking);
            build_colour_tables(scheme, country_stats, got);
            ASSERT_EQ(got.ranking.count, expected.ranking.count) << title << ", request " << r;
            for (int code = 1; code <= COUNTRY_COUNT; ++code) {
                EXPECT_EQ(got.countries[code].normal, expected.countries[code].normal) << title << ", " << code;
                EXPECT_EQ(got.countries[code].selected, expected.countries[code].selected) << title;
            }
        }
    }
    std::remove(path.c_str());
}

// The same through orbily-render: a picture with its legend, byte for byte.
TEST(ReadUserFigures, OwnExportDrawsTheStatisticsPicture)
{
    const std::string csv = testing::TempDir() + "own_export_map.csv";
    const std::string by_statistic = testing::TempDir() + "by_statistic.png", by_data = testing::TempDir() + "by_data.png";
    ASSERT_EQ(run_render("csv " + csv).status, 0);
    const std::string common = " --width 320 --height 160 --colours \"Green Scale\" --mode Logarithmic --legend";
    ASSERT_EQ(run_render("map " + by_statistic + common + " --statistic \"Land Area (km\xC2\xB2)\" --divisor 14").status, 0);
    const RenderRun data = run_render("map " + by_data + common + " --data " + csv +
                                      " --value \"Land Area (km\xC2\xB2)\" --divisor \"Population: Total\"");
    ASSERT_EQ(data.status, 0) << data.errors;
    const std::string picture = read_file(by_statistic);
    EXPECT_GT(picture.size(), 1000u);
    EXPECT_EQ(read_file(by_data), picture);
    for (const std::string& path : {csv, by_statistic, by_data}) std::remove(path.c_str());
}
