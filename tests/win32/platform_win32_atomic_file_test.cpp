// tests/win32/platform_win32_atomic_file_test.cpp: the statistics file written through the Windows
// file writer has the bytes of the shared line routine, and a failed save leaves the previous
// file as it was; a device is written in place.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"

static std::string read_file(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, NULL) && n > 0) bytes.append(buffer, n);
    CloseHandle(file);
    return bytes;
}

static void write_file(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD n = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &n, NULL);
    CloseHandle(file);
}

static std::string temporary_folder()
{
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    return path;
}

class ExportStatisticsCsv : public ::testing::Test {
protected:
    void SetUp() override
    {
        build_country_names();
        load_statistics();
    }
};

TEST_F(ExportStatisticsCsv, WritesTheSharedLinesOverAnExistingFile)
{
    const std::string target = temporary_folder() + "orbily_statistics.csv";
    write_file(target, "previous");
    int error = -1;
    ASSERT_TRUE(export_statistics_csv(target.c_str(), error));
    EXPECT_EQ(error, 0);
    static char line[CSV_LINE_CAPACITY];
    std::string expected;
    for (int i = 0; i < CSV_LINE_COUNT; ++i) expected.append(line, format_csv_line(i, line));
    EXPECT_EQ(read_file(target), expected);
    DeleteFileA(target.c_str());
}

TEST_F(ExportStatisticsCsv, FolderThatDoesNotExistFails)
{
    const std::string target = temporary_folder() + "orbily no such folder\\statistics.csv";
    int error = 0;
    EXPECT_FALSE(export_statistics_csv(target.c_str(), error));
    EXPECT_NE(error, 0);
}

TEST_F(ExportStatisticsCsv, TargetThatCannotBeReplacedIsLeftAlone)
{
    const std::string target = temporary_folder() + "orbily_statistics_folder.csv";
    CreateDirectoryA(target.c_str(), NULL);   // a folder in the file's place
    const std::string inside = target + "\\inside";
    write_file(inside, "kept");
    int error = 0;
    EXPECT_FALSE(export_statistics_csv(target.c_str(), error));
    EXPECT_NE(error, 0);
    EXPECT_EQ(read_file(inside), "kept");
    DeleteFileA(inside.c_str());
    RemoveDirectoryA(target.c_str());
}

TEST_F(ExportStatisticsCsv, DeviceIsWrittenInPlace)
{
    int error = -1;
    EXPECT_TRUE(export_statistics_csv("NUL", error));
    EXPECT_EQ(error, 0);
}
