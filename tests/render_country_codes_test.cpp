// tests/render_country_codes_test.cpp: orbily-render's ISO code table against the shared list.
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include "tests/render_harness.h"

namespace {
std::string read_text(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
}   // namespace

TEST(ParseCountryCode, TableFollowsTheSharedCodeList)
{
    std::string listed;
    std::istringstream list(read_text(std::string(ORBILY_SOURCE_DIR) + "/tools/stats/country_codes.txt"));
    for (std::string line; std::getline(list, line);)
        if (!line.empty() && line[0] != '#') listed += line;
    ASSERT_EQ(listed.size(), 2u * 214);
    // the table is the string literals after ISO_CODES[], joined
    const std::string source = read_text(std::string(ORBILY_SOURCE_DIR) + "/tools/render/country_codes.cpp");
    const size_t start = source.find("ISO_CODES[] =");
    ASSERT_NE(start, std::string::npos);
    const std::string table = source.substr(start, source.find(';', start) - start);
    std::string joined;
    const std::regex literal("\"([A-Z]*)\"");
    for (std::sregex_iterator m(table.begin(), table.end(), literal), end; m != end; ++m) joined += (*m)[1];
    EXPECT_EQ(joined, listed);
}

TEST(ParseCountryCode, AcceptsCodesAndIsoCodesInEitherCase)
{
    const std::string france = run_render("flag 65 --aspect").output;
    EXPECT_EQ(run_render("flag FR --aspect").output, france);
    EXPECT_EQ(run_render("flag fR --aspect").output, france);
    EXPECT_NE(run_render("flag 0 --aspect").status, 2);
    for (const char* bad : {"-1", "65x", "F", "FRA", "ZZ", "215"})
        EXPECT_EQ(run_render(std::string("flag ") + bad + " --aspect").status, 2) << bad;
}
