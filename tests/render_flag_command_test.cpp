// tests/render_flag_command_test.cpp: `orbily-render flag` as a user runs it.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
const std::string RENDER = ORBILY_RENDER;

std::string output_of(const std::string& arguments, int* status = nullptr)
{
    std::string text;
    FILE* pipe = popen((RENDER + " " + arguments + " 2>/dev/null").c_str(), "r");
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe)) text += buffer;
    const int code = pipe ? pclose(pipe) : -1;
    if (status) *status = code;
    return text;
}

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

TEST(FlagCommand, PrintsTheAspectByCodeOrIsoCode)
{
    EXPECT_EQ(output_of("flag FR --aspect"), "1.496961\n");
    EXPECT_EQ(output_of("flag 65 --aspect"), "1.496961\n");
    EXPECT_EQ(output_of("flag np --aspect"), "0.820513\n");
}

TEST(FlagCommand, HeightFollowsTheFlagUnlessGiven)
{
    const std::string path = testing::TempDir() + "flag_command_us.png";
    int width = 0, height = 0;
    ASSERT_EQ(std::system((RENDER + " flag US " + path).c_str()), 0);
    png_size(path, width, height);
    EXPECT_EQ(width, 480);
    EXPECT_EQ(height, 253);   // 480 / 1.89606 = 253.16
    ASSERT_EQ(std::system((RENDER + " flag US " + path + " --width 100 --height 40").c_str()), 0);
    png_size(path, width, height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 40);
    std::remove(path.c_str());
}

TEST(FlagCommand, WritesSvgAndPdf)
{
    for (const char* extension : {".svg", ".pdf"}) {
        const std::string path = testing::TempDir() + "flag_command_gb" + extension;
        ASSERT_EQ(std::system((RENDER + " flag GB " + path).c_str()), 0);
        std::ifstream file(path, std::ios::binary);
        std::string start(5, '\0');
        file.read(&start[0], 5);
        EXPECT_EQ(start, extension[1] == 's' ? "<?xml" : "%PDF-");
        std::remove(path.c_str());
    }
}

TEST(FlagCommand, RejectsUnknownCountriesAndFormats)
{
    int status = 0;
    output_of("flag XX --aspect", &status);
    EXPECT_NE(status, 0);
    output_of("flag 215 --aspect", &status);
    EXPECT_NE(status, 0);
    output_of("flag FR out.bmp", &status);
    EXPECT_NE(status, 0);
    output_of("flag FR out.png --width 0", &status);
    EXPECT_NE(status, 0);
}
