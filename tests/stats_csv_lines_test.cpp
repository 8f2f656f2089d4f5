// tests/stats_csv_lines_test.cpp
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"

class CsvLines : public ::testing::Test {
protected:
    void SetUp() override
    {
        build_country_names();
        load_statistics();
    }
    static std::string line(int i)
    {
        static char buffer[CSV_LINE_CAPACITY];
        const int length = format_csv_line(i, buffer);
        EXPECT_LE(length, CSV_LINE_CAPACITY);
        return std::string(buffer, length);
    }
    static std::vector<std::string> fields(const std::string& text)
    {
        std::vector<std::string> result(1);
        for (size_t i = 0; i + 2 < text.size(); ++i) {   // without the CR LF
            if (text[i] == ';') result.emplace_back();
            else result.back() += text[i];
        }
        return result;
    }
};

// 1. Anchors: the header byte for byte, and known fields.
TEST_F(CsvLines, HeaderIsTheColumnTitles)
{
    const std::string header = line(0);
    EXPECT_EQ(header.size(), 2391u);
    const std::string start = "Country Name;ISO/2;ISO/3;FIPS;IANA;UN Vehicle;IOC;Currency;Visited;"
                              "ISO;ITU Calling;TZ;Population: Total;Population: 0-14 yrs;"
                              "Population: 15-64 yrs;Population: 65+ yrs;"
                              "Life Expectancy at Birth (yrs);Median Age (yrs);";
    EXPECT_EQ(header.substr(0, start.size()), start);
    const std::string end = ";Telephones: Cellular;Television Broadcast Stations\r\n";
    EXPECT_EQ(header.substr(header.size() - end.size()), end);
    EXPECT_NE(header.find(";Land Area (km\xB2);"), std::string::npos);
    EXPECT_NE(header.find(";Oil: Production (bbl/day);"), std::string::npos);
    EXPECT_EQ(header.find("Flag"), std::string::npos);
    EXPECT_EQ(header.find("Statistic"), std::string::npos);
}

TEST_F(CsvLines, CountryLinesStartWithNameAndCodes)
{
    const std::vector<std::string> germany = fields(line(49));
    ASSERT_EQ(germany.size(), 106u);
    EXPECT_EQ(germany[0], "Germany");
    EXPECT_EQ(germany[1], "DE");
    EXPECT_EQ(germany[4], ".de");
    EXPECT_EQ(germany[8], "N");
    EXPECT_EQ(germany[11], "+01:00");
    const std::string korea = line(105);
    EXPECT_EQ(korea.substr(0, 16), "Korea, South;KR;");   // a comma needs no quotes
}

TEST_F(CsvLines, MissingValuesAreEmptyFieldsAndNumbersKeepSeparators)
{
    CountryStats& andorra = stats_of(1);
    for (double& v : andorra.values) v = MISSING_VALUE;
    andorra.values[14 - FIRST_VALUE_COLUMN] = 1e6;
    andorra.values[75 - FIRST_VALUE_COLUMN] = 2.5;
    const std::vector<std::string> f = fields(line(1));
    ASSERT_EQ(f.size(), 106u);
    EXPECT_EQ(f[12], "1,000,000");    // column 14
    EXPECT_EQ(f[73], "2.5%");         // column 75
    EXPECT_EQ(f[13], "");
    EXPECT_NE(line(1).find(";;"), std::string::npos);
}

// 2. Invariants: the file does not depend on the colouring.
TEST_F(CsvLines, ChosenStatisticHasNoInfluence)
{
    const std::string before = line(49);
    stats_of(49).current = 42;
    stats_of(49).rank = 1;
    EXPECT_EQ(line(49), before);
}

// 3. Sweep: 215 lines of 106 fields in code order, each ending in CR LF.
TEST_F(CsvLines, EveryLineHas106FieldsAndEndsInCrLf)
{
    for (int i = 0; i < CSV_LINE_COUNT; ++i) {
        const std::string text = line(i);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << i;
        EXPECT_EQ(text.find_first_of("\r\n"), text.size() - 2) << i;
        size_t semicolons = 0;
        for (char c : text) semicolons += c == ';';
        EXPECT_EQ(semicolons, 105u) << i;
        if (i > 0) EXPECT_EQ(fields(text)[0], country_names[i - 1]) << i;
    }
}
