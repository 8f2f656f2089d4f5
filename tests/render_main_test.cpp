// tests/render_main_test.cpp
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include "tests/render_harness.h"
#include "tests/file_contents.h"

namespace {

std::string scratch_directory()
{
    char pattern[] = "/tmp/orbily_render_main_XXXXXX";
    return mkdtemp(pattern);
}

}  // namespace

TEST(RenderMain, BadInputGivesOneLineAndStatusTwo)
{
    const char* const arguments[] = {"", "frobnicate", "-o", "--colour outlines"};
    for (const char* argument : arguments) {
        const RenderRun run = run_render(argument);
        EXPECT_EQ(run.status, 2) << argument;
        EXPECT_EQ(run.output, "") << argument;
        EXPECT_EQ(run.errors.rfind("orbily-render: ", 0), 0u) << argument;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << argument;
    }
}

TEST(RenderMain, OutputFileHoldsWhatStandardOutputWould)
{
    const std::string directory = scratch_directory();
    const std::string path = directory + "/outlines.txt";
    const RenderRun to_file = run_render("-o " + path + " outlines");
    EXPECT_EQ(to_file.status, 0) << to_file.errors;
    EXPECT_EQ(to_file.output, "");
    EXPECT_EQ(read_file(path), run_render("outlines").output);
    std::remove(path.c_str());
    rmdir(directory.c_str());
}

TEST(RenderMain, FailureLeavesNoFileBehind)
{
    const std::string directory = scratch_directory();
    const std::string path = directory + "/blob.bin";
    // bad input: nothing is written at all
    EXPECT_EQ(run_render("blob nowhere -o " + path).status, 2);
    EXPECT_NE(access(path.c_str(), F_OK), 0);
    // an existing file stays as it was when the new output cannot be written
    const RenderRun unwritable = run_render("blob outlines -o " + directory + "/missing/blob.bin");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.errors.find('\n'), unwritable.errors.size() - 1);
    std::ofstream(path) << "before";
    chmod(directory.c_str(), 0500);
    const RenderRun read_only = run_render("blob outlines -o " + path);
    chmod(directory.c_str(), 0700);
    if (geteuid() != 0) EXPECT_EQ(read_only.status, 2);   // root writes anyway
    if (read_only.status == 2) EXPECT_EQ(read_file(path), "before");
    std::remove(path.c_str());
    rmdir(directory.c_str());
}
