// tests/render_csv_command_test.cpp
#include <gtest/gtest.h>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
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

// Names in /tmp that begin with prefix.
static int count_in_tmp(const std::string& prefix)
{
    int count = 0;
    DIR* dir = opendir("/tmp");
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
        count += std::string(entry->d_name).compare(0, prefix.size(), prefix) == 0;
    }
    if (dir) closedir(dir);
    return count;
}

TEST(RunCsv, TargetThatCannotBeReplacedIsLeftAlone)
{
    const std::string name = "orbily_render_csv_folder_" + std::to_string(getpid());
    const std::string path = "/tmp/" + name;
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    std::ofstream(path + "/inside", std::ios::binary) << "kept";
    const RenderRun run = run_render("csv " + path);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors, "orbily-render: cannot write " + path + ": Is a directory\n");
    EXPECT_EQ(read_file(path + "/inside"), "kept");
    EXPECT_EQ(count_in_tmp(name), 1);   // the folder, and no temporary file beside it
    std::remove((path + "/inside").c_str());
    EXPECT_EQ(rmdir(path.c_str()), 0);
}
