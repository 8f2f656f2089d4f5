// tests/data_stat_records_test.cpp: the embedded statistics decode to the Factbook figures that
// tools/stats/make_factbook_records.py meant (tests/golden/stat_records_intended.tsv), each
// within the rounding of its field, and neighbours never share a political class.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include "data/blobs.h"
#include "geo/countries.h"
#include "geo/outlines.h"
#include "stats/country_stats.h"
#include "stats/record_layout.h"

namespace {

// A 10-bit mantissa stops below 1023; once the exponent had to grow, the mantissa is at least
// 102.25, so half a step is at most this share of the value.
const double RELATIVE_HALF_STEP = 0.5 / 102.25;
const double ARITHMETIC_SLACK = 1e-9;   // relative, for the double arithmetic of both sides

struct Intended {
    std::map<int, std::string> codes[COUNTRY_COUNT + 1];   // column -> text
    std::map<int, double> values[COUNTRY_COUNT + 1];       // column -> value before rounding
};

const Intended& intended()
{
    static Intended table;
    static bool read = false;
    if (read) return table;
    read = true;
    std::ifstream file(ORBILY_SOURCE_DIR "/tests/golden/stat_records_intended.tsv");
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string code, column, text;
        std::getline(fields, code, '\t');
        std::getline(fields, column, '\t');
        std::getline(fields, text);
        const int k = std::stoi(code), c = std::stoi(column);
        if (c < FIRST_VALUE_COLUMN) table.codes[k][c] = text;
        else table.values[k][c] = std::stod(text);
    }
    return table;
}

double power_of_ten(int e) { return std::pow(10.0, e); }

// Half a step of the finest exponent a stored field has.
double finest_half_step(const ColumnSource& source)
{
    int lowest = source.exponent_bias;
    if (source.exponent.bits && source.exponent.is_signed) lowest -= 1 << (source.exponent.bits - 1);
    return 0.5 * power_of_ten(lowest);
}

double stored_tolerance(const ColumnSource& source, double value)
{
    return std::max(finest_half_step(source), std::fabs(value) * RELATIVE_HALF_STEP);
}

// How far the decoded value of a column may lie from the intended one: the rounding of its own
// field, carried through shares and sums of other columns.
double tolerance(const std::map<int, double>& values, int column)
{
    const ColumnSource& source = COLUMN_SOURCES[column - FIRST_VALUE_COLUMN];
    const double value = values.at(column);
    switch (source.rule) {
    case STORED:
        return stored_tolerance(source, value);
    case SHARE: {
        const double total = values.at(source.operands[0]);
        const double total_error = tolerance(values, source.operands[0]);
        const double share = total == 0 ? 0 : value / total;
        const double share_error = stored_tolerance(source, share);
        return std::fabs(share) * total_error + std::fabs(total) * share_error
             + share_error * total_error + 0.5 * source.quantum;
    }
    default: {
        double sum = 0;
        for (int operand : source.operands) {
            if (operand != NO_OPERAND) sum += tolerance(values, operand);
        }
        return sum;
    }
    }
}

class EmbeddedStatistics : public ::testing::Test {
protected:
    void SetUp() override { load_statistics(); }
};

}  // namespace

// 1. Anchors: figures read by eye from the Factbook profiles (population, land area, GDP at the
// official exchange rate).
TEST_F(EmbeddedStatistics, SpotChecksOfAFewCountries)
{
    struct Spot {
        int code;
        double population, land_area, gdp;
        const char *zone, *calling, *currency;
    };
    const Spot spots[] = {
        {49, 80854408, 348672, 3.86e12, "+01:00", "+49", "EUR"},           // Germany
        {90, 1251695584, 2973193, 2.05e12, "+05:30", "+91", "INR"},       // India
        {95, 2950210, 10831, 1.379e10, "-05:00", "+1-876", "JMD"},          // Jamaica
        {146, 31551305, 143351, 1.964e10, "+05:45", "+977", "NPR"},        // Nepal
        {200, 321368864, 9161966, 1.742e13, "-05:00", "+1", "USD"},        // United States
        {205, 29275460, 882050, 2.058e11, "-04:30", "+58", "VEF"},         // Venezuela
    };
    for (const Spot& spot : spots) {
        const CountryStats& s = stats_of(spot.code);
        EXPECT_NEAR(column_value(s, 14), spot.population, spot.population * RELATIVE_HALF_STEP) << spot.code;
        EXPECT_NEAR(column_value(s, 41), spot.land_area, spot.land_area * RELATIVE_HALF_STEP) << spot.code;
        EXPECT_NEAR(column_value(s, 66), spot.gdp, spot.gdp * RELATIVE_HALF_STEP) << spot.code;
        EXPECT_STREQ(code_text(s, 13), spot.zone) << spot.code;
        EXPECT_STREQ(code_text(s, 12), spot.calling) << spot.code;
        EXPECT_STREQ(code_text(s, 9), spot.currency) << spot.code;
    }
}

// 2. Sweep: every country's "ISO/2" is its two-letter code in the one country table, which
// orbily-render reads back to name countries on its command line.
TEST_F(EmbeddedStatistics, IsoCodesFollowTheCountryTable)
{
    std::ifstream table(ORBILY_SOURCE_DIR "/tools/country_table/countries.tsv");
    int checked = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        int code = 0;
        std::string alpha2;
        std::istringstream(line) >> code >> alpha2;
        if (code > COUNTRY_COUNT) break;
        EXPECT_EQ(code_text(stats_of(code), FIRST_CODE_COLUMN), alpha2) << code;
        ++checked;
    }
    EXPECT_EQ(checked, COUNTRY_COUNT);
}

// 2. Sweep: every field of every country is what the generator meant.
TEST_F(EmbeddedStatistics, EveryFieldIsTheIntendedFigureWithinItsRounding)
{
    const Intended& meant = intended();
    int values = 0;
    for (int k = 1; k <= COUNTRY_COUNT; ++k) {
        const CountryStats& s = stats_of(k);
        ASSERT_EQ(meant.codes[k].size(), size_t(CODE_COLUMN_COUNT)) << "country " << k;
        for (const auto& code : meant.codes[k]) {
            EXPECT_EQ(code_text(s, code.first), code.second) << "country " << k << " column " << code.first;
        }
        for (int c = FIRST_VALUE_COLUMN; c < STAT_COLUMN_COUNT; ++c) {
            const auto it = meant.values[k].find(c);
            if (it == meant.values[k].end()) {
                EXPECT_EQ(column_value(s, c), MISSING_VALUE) << "country " << k << " column " << c;
                continue;
            }
            ++values;
            const double allowed = tolerance(meant.values[k], c) * (1 + ARITHMETIC_SLACK);
            EXPECT_NEAR(column_value(s, c), it->second, allowed) << "country " << k << " column " << c;
        }
    }
    EXPECT_GT(values, COUNTRY_COUNT * 50);   // the Factbook covers most columns of most countries
}

// Neighbours across a land border: two countries with a decoded outline point in common.
TEST_F(EmbeddedStatistics, NoTwoCountriesWithASharedBorderHaveOnePoliticalClass)
{
    ASSERT_TRUE(decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE).complete);
    std::map<std::pair<float, float>, std::set<int>> owners;
    for (int polygon = 1; polygon < polygon_count; ++polygon) {
        const int country = country_of(polygons[polygon].country);
        for (int i = polygons[polygon].first; i < polygons[polygon + 1].first; ++i) {
            owners[{outline_points[i].x, outline_points[i].y}].insert(country);
        }
    }
    std::set<std::pair<int, int>> borders;
    for (const auto& point : owners) {
        for (int a : point.second) {
            for (int b : point.second) {
                if (a < b) borders.insert({a, b});
            }
        }
    }
    EXPECT_FALSE(borders.empty());
    for (const auto& pair : borders) {
        EXPECT_NE(stats_of(pair.first).political_class, stats_of(pair.second).political_class)
            << country_names[pair.first - 1] << " and " << country_names[pair.second - 1];
    }
}
