// tests/stats_csv_export_test.cpp
#include <gtest/gtest.h>
#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"
#include "tests/file_contents.h"

static void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file the export must write: every line as format_csv_line gives it.
static std::string expected_file()
{
    static char line[CSV_LINE_CAPACITY];
    std::string bytes;
    for (int i = 0; i < CSV_LINE_COUNT; ++i) bytes.append(line, format_csv_line(i, line));
    return bytes;
}

class ExportStatisticsCsv : public ::testing::Test {
protected:
    std::string folder;
    std::string target;
    void SetUp() override
    {
        build_country_names();
        load_statistics();
        char pattern[] = "/tmp/orbily_csv_XXXXXX";
        folder = mkdtemp(pattern);
        target = folder + "/statistics.csv";
    }
    void TearDown() override
    {
        for (const std::string& name : entries()) {
            const std::string path = folder + "/" + name;
            if (rmdir(path.c_str()) != 0) unlink(path.c_str());
        }
        rmdir(folder.c_str());
    }
    // The names in the folder, sorted.
    std::string entries_text() const
    {
        std::string text;
        for (const std::string& name : entries()) text += name + " ";
        return text;
    }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        DIR* dir = opendir(folder.c_str());
        if (!dir) return names;
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }
};

// 1. Anchors: the bytes of a successful export.
TEST_F(ExportStatisticsCsv, WritesEveryLineAndNothingElse)
{
    int error = -1;
    ASSERT_TRUE(export_statistics_csv(target.c_str(), error));
    EXPECT_EQ(error, 0);
    const std::string bytes = read_file(target);
    EXPECT_EQ(bytes, expected_file());
    EXPECT_EQ(bytes.substr(0, 13), "Country Name;");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    size_t lines = 0;
    for (char c : bytes) lines += c == '\n';
    EXPECT_EQ(lines, 215u);
    EXPECT_EQ(entries_text(), "statistics.csv ");
}

// 2. Failures: the previous file stays byte for byte. What the writer does with links, folders,
// devices and missing folders is tried in tests/platform_posix_atomic_file_test.cpp.
// A write fails when the file outgrows the size limit; run in a child so that the limit and
// the ignored signal stay there. The child's exit status is the export's result.
static int export_with_size_limit(const std::string& path, rlim_t bytes)
{
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);   // a failing write, not a killed process
        const rlimit limit = {bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        int error = 0;
        _exit(export_statistics_csv(path.c_str(), error) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ExportStatisticsCsv, FailedWriteLeavesThePreviousFileByteForByte)
{
    const std::string previous = "Country Name;old\r\nAndorra;AD\r\n";
    write_file(target, previous);
    EXPECT_EQ(export_with_size_limit(target, 10000), 0);   // fails in the fourth line or so
    EXPECT_EQ(read_file(target), previous);
    EXPECT_EQ(entries_text(), "statistics.csv ");
    EXPECT_EQ(export_with_size_limit(target, 1 << 20), 1);   // the same with room succeeds
    EXPECT_EQ(read_file(target), expected_file());
}
