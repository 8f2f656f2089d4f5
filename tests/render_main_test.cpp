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

// Each row: the arguments ({dir} is a scratch folder), the exit status, and a text that standard
// output (o) or standard error (e) must hold.
TEST(RenderMain, HelpOutputOptionsAndReasons)
{
    struct Case {
        const char* arguments;
        int status;
        char stream;
        const char* holds;
    };
    const Case cases[] = {
        {"--help", 0, 'o', "\n  map OUT.png|OUT.svg|OUT.pdf [--projection N]"},
        {"help", 0, 'o', "R steps of 15 degrees, 0..23"},
        {"help", 0, 'o', "\n  flag CODE|ISO2 (OUT.png"},
        {"-o {dir}/x map {dir}/m.png", 2, 'e', "-o has nothing to write: map writes the file it names"},
        {"-o {dir}/x csv {dir}/s.csv", 2, 'e', "csv writes the file it names"},
        {"-o {dir}/x flag FR {dir}/f.png", 2, 'e', "flag writes the file it names"},
        {"map {dir}/missing/m.png", 2, 'e', "cannot write {dir}/missing/m.png: No such file or directory"},
        {"flag FR {dir}/missing/f.svg", 2, 'e', "f.svg: No such file or directory"},
        {"-o {dir}/missing/list.txt list", 2, 'e', "list.txt: No such file or directory"},
        {"csv {dir}", 2, 'e', "cannot write {dir}: Is a directory"},
        {"map {dir}/m.png --width 16001", 2, 'e', "--width must be 1..16000, not \"16001\""},
        {"flag FR {dir}/f.png --width 16001", 2, 'e', "--width must be 1..16000, not \"16001\""},
        {"flag FR {dir}/f.png --height 0", 2, 'e', "--height must be 1..16000, not \"0\""},
        {"-o - flag FR --aspect", 0, 'o', "1.496961\n"},
        {"-o /dev/stdout flag FR --aspect", 0, 'o', "1.496961\n"},
        {"csv /dev/stdout", 0, 'o', "Country Name;"},
    };
    const std::string directory = scratch_directory();
    for (const Case& c : cases) {
        std::string arguments = c.arguments, holds = c.holds;
        for (std::string* text : {&arguments, &holds})
            for (size_t at; (at = text->find("{dir}")) != std::string::npos;) text->replace(at, 5, directory);
        const RenderRun run = run_render(arguments);
        EXPECT_EQ(run.status, c.status) << arguments << ": " << run.errors;
        EXPECT_NE((c.stream == 'o' ? run.output : run.errors).find(holds), std::string::npos) << arguments;
    }
    // nothing refused or failed left a file behind
    EXPECT_EQ(rmdir(directory.c_str()), 0);
}
