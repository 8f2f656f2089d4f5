// tests/render_csv_command_test.cpp
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"
#include "tests/render_harness.h"
#include "tests/file_contents.h"

TEST(RunCsv, WritesTheSameBytesAsTheProgram)
{
    build_country_names();
    load_statistics();
    static char line[CSV_LINE_CAPACITY];
    std::string expected;
    for (int i = 0; i < CSV_LINE_COUNT; ++i) expected.append(line, format_csv_line(i, line));

    const std::string path = "/tmp/orbily_render_csv_" + std::to_string(getpid()) + ".csv";
    const RenderRun run = run_render("csv " + path);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(read_file(path), expected);
    std::remove(path.c_str());
}

TEST(RunCsv, FailureIsOneLineAndStatusTwo)
{
    const char* const arguments[] = {"csv", "csv a.csv b.csv", "csv -x a.csv",
                                     "csv /tmp/orbily_no_such_folder/statistics.csv"};
    for (const char* argument : arguments) {
        const RenderRun run = run_render(argument);
        EXPECT_EQ(run.status, 2) << argument;
        ASSERT_FALSE(run.errors.empty()) << argument;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << argument;
    }
}
