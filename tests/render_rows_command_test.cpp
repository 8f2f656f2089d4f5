// tests/render_rows_command_test.cpp
#include <gtest/gtest.h>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>
#include "geo/countries.h"
#include "stats/colouring.h"
#include "stats/row_compare.h"
#include "tests/render_harness.h"

namespace {

std::vector<int> codes_of(const std::string& output)
{
    std::vector<int> codes;
    std::istringstream lines(output);
    for (int code; lines >> code;) codes.push_back(code);
    return codes;
}

}  // namespace

// The printed order is the datasheet's after one sort, with the statistic the lists compute.
TEST(RunRows, OrderOfOneSortWithTheChosenStatistic)
{
    build_country_names();
    load_statistics();
    struct Case { const char* arguments; int key; ColouringChoice choice; };
    const Case cases[] = {
        {"--sort 14", 14, START_COLOURING},
        {"--sort -1", -1, START_COLOURING},
        {"--sort 13", 13, START_COLOURING},
        {"--sort -2 --statistic 14 --divisor 'Land Area (km\xC2\xB2)' --mode Ranked", -2,
         {SCHEME_POLITICAL, SHADE_RANKED, 1, 41 - 13}},
        {"--statistic 'GDP: Purchasing Power Parity (US$)' --sort 2 --divisor 14", 2, {0, 0, 67 - 13, 1}},
    };
    static MapColouring colouring;
    for (const Case& c : cases) {
        colour_countries(c.choice, country_stats, colouring);
        const RowTable rows = {country_stats, country_names, stat_columns};
        std::vector<int> expected;
        for (int code = 1; code <= COUNTRY_COUNT; ++code) expected.push_back(code);
        std::stable_sort(expected.begin(), expected.end(),
                         [&](int a, int b) { return compare_rows(rows, a, b, c.key) < 0; });
        const RenderRun run = run_render(std::string("rows ") + c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments << ": " << run.errors;
        EXPECT_EQ(codes_of(run.output), expected) << c.arguments;
    }
    // the quotient ranks differently from the plain statistic
    EXPECT_NE(codes_of(run_render("rows --sort 2 --statistic 14 --divisor 41").output),
              codes_of(run_render("rows --sort 2 --statistic 14").output));
}

TEST(RunRows, BadValuesAreOneLineNamingTheOption)
{
    const struct { const char* arguments; const char* option; } cases[] = {
        {"", "--sort"}, {"--sort 0", "--sort"}, {"--sort 108", "--sort"}, {"--sort x", "--sort"},
        {"--sort 3 --statistic 13", "--statistic"}, {"--sort 3 --statistic 'Population'", "--statistic"},
        {"--sort 3 --divisor", "--divisor"}, {"--sort 3 --mode standard", "--mode"},
        {"--sort 3 --colours Political", "--colours"}, {"--sort 3 --select FR", "--select"},
    };
    for (const auto& c : cases) {
        const RenderRun run = run_render(std::string("rows ") + c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.output, "") << c.arguments;
        EXPECT_NE(run.errors.find(c.option), std::string::npos) << c.arguments << ": " << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << c.arguments;
    }
}
