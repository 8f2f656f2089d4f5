// tests/tools_flag_assembler_test.cpp: the flag assembler and disassembler (tools/flags), run
// as the build runs them, against the blob that is compiled in.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "data/blobs.h"

namespace {
const std::string SOURCE_DIR = ORBILY_SOURCE_DIR;
const std::string TOOLS = SOURCE_DIR + "/tools/flags/";

int run(const std::string& command)
{
    return std::system(("PYTHONDONTWRITEBYTECODE=1 " + command).c_str());
}

std::vector<unsigned char> read_file(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> embedded_blob()
{
    return std::vector<unsigned char>(FLAG_DESCRIPTIONS, FLAG_DESCRIPTIONS + FLAG_DESCRIPTIONS_SIZE);
}

std::string scratch(const char* name)
{
    return testing::TempDir() + "flag_assembler_" + name;
}
}   // namespace

TEST(FlagAssembler, EmbeddedBlobIsTheAssembledSource)
{
    const std::string out = scratch("source.bin");
    ASSERT_EQ(run("python3 " + TOOLS + "flag_assembler.py " + TOOLS + "flags.txt " + out + " >/dev/null"), 0);
    EXPECT_EQ(read_file(out), embedded_blob());
    std::remove(out.c_str());
}

// The assembler refuses colour 15 and paths of more than 64 points (stars cannot exceed 19 in
// the format), so this round trip also proves that the embedded blob keeps to those limits.
TEST(FlagDisassembler, AssemblingTheDisassemblyGivesTheSameBytes)
{
    const std::string blob = scratch("blob.bin"), text = scratch("blob.txt"), again = scratch("again.bin");
    {
        std::ofstream file(blob, std::ios::binary);
        file.write(reinterpret_cast<const char*>(FLAG_DESCRIPTIONS), FLAG_DESCRIPTIONS_SIZE);
    }
    ASSERT_EQ(run("python3 " + TOOLS + "flag_disassembler.py " + blob + " > " + text), 0);
    ASSERT_EQ(run("python3 " + TOOLS + "flag_assembler.py " + text + " " + again + " >/dev/null"), 0);
    EXPECT_EQ(read_file(again), embedded_blob());
    for (const std::string& path : {blob, text, again}) std::remove(path.c_str());
}
