// tests/projections_generators_test.cpp: the projection table generators in tools/projections.
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include "tests/file_contents.h"

// Runs a generator of tools/projections into a scratch file and returns what it wrote.
static std::string generate(const char* generator)
{
    const std::string source = ORBILY_SOURCE_DIR;
    const std::string output = "/tmp/orbily_" + std::string(generator) + "_" + std::to_string(getpid());
    const std::string command = "PYTHONDONTWRITEBYTECODE=1 python3 " + source + "/tools/projections/" +
                                generator + ".py " + source + "/tools/projections/table.tsv " + output +
                                " >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string generated = read_file(output);
    std::remove(output.c_str());
    return generated;
}

TEST(MakeProjectionNames, GeneratedListMatchesItsSource)
{
    const std::string generated = generate("make_names");
    EXPECT_FALSE(generated.empty());
    EXPECT_EQ(generated, read_file(std::string(ORBILY_SOURCE_DIR) + "/data/projection_names.cpp"));
}

TEST(MakeProjectionGolden, GeneratedGoldenMatchesItsSource)
{
    const std::string generated = generate("make_golden");
    EXPECT_FALSE(generated.empty());
    EXPECT_EQ(generated,
              read_file(std::string(ORBILY_SOURCE_DIR) + "/tests/golden/projection_catalogue.inc"));
}
