// tests/render_flag_command_test.cpp
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <string>
#include "tests/render_harness.h"

namespace {
// Width and height from a PNG's header.
void png_size(const std::string& path, int& width, int& height)
{
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    width = header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19];
    height = header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23];
}
}   // namespace

TEST(RunFlagCommand, PrintsTheAspectByCodeOrIsoCode)
{
    EXPECT_EQ(run_render("flag FR --aspect").output, "1.496961\n");
    EXPECT_EQ(run_render("flag 65 --aspect").output, "1.496961\n");
    EXPECT_EQ(run_render("flag np --aspect").output, "0.820513\n");
    EXPECT_EQ(run_render("flag 0 --aspect").output, "1.997532\n");
}

TEST(RunFlagCommand, HeightFollowsTheFlagUnlessGiven)
{
    const std::string path = testing::TempDir() + "flag_command_us.png";
    int width = 0, height = 0;
    ASSERT_EQ(run_render("flag US " + path).status, 0);
    png_size(path, width, height);
    EXPECT_EQ(width, 480);
    EXPECT_EQ(height, 253);   // 480 / 1.89606 = 253.16
    ASSERT_EQ(run_render("flag US " + path + " --width 100 --height 40").status, 0);
    png_size(path, width, height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 40);
    std::remove(path.c_str());
}

TEST(RunFlagCommand, WritesSvgAndPdf)
{
    for (const char* extension : {".svg", ".pdf"}) {
        const std::string path = testing::TempDir() + "flag_command_gb" + extension;
        ASSERT_EQ(run_render("flag GB " + path).status, 0);
        std::ifstream file(path, std::ios::binary);
        std::string start(5, '\0');
        file.read(&start[0], 5);
        EXPECT_EQ(start, extension[1] == 's' ? "<?xml" : "%PDF-");
        std::remove(path.c_str());
    }
}

TEST(RunFlagCommand, BadInputFailsWithOneLine)
{
    const char* const arguments[] = {"flag XX --aspect", "flag 215 --aspect", "flag FR out.bmp",
                                     "flag FR out.png --width 0", "flag FR out.png --depth 3", "flag FR"};
    for (const char* argument : arguments) {
        const RenderRun run = run_render(argument);
        EXPECT_EQ(run.status, 2) << argument;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << argument;
    }
}
