// tests/country_table_make_country_names_test.cpp
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include "tests/file_contents.h"

// The embedded table is exactly what its generator writes from the readable source.
TEST(MakeCountryNames, GeneratedTableMatchesItsSource)
{
    const std::string source = ORBILY_SOURCE_DIR;
    const std::string output = "/tmp/orbily_country_names_" + std::to_string(getpid()) + ".cpp";
    const std::string command = "python3 " + source + "/tools/country_table/make_country_names.py " + output;
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string generated = read_file(output);
    std::remove(output.c_str());
    EXPECT_FALSE(generated.empty());
    EXPECT_EQ(generated, read_file(source + "/data/country_names.cpp"));
}
