// tests/stats_record_decoder_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include "stats/record_decoder.h"
#include "tests/stats_record_builder.h"

static CountryStats decode(const RecordBuilder& record)
{
    CountryStats stats;
    decode_country_record(record.bytes, stats);
    return stats;
}

static std::string code_of(const RecordBuilder& record, int column)
{
    return code_text(decode(record), column);
}

// 1. Anchors: the worked examples.
TEST(DecodeCountryRecord, PopulationOfTheWorkedExample)
{
    RecordBuilder r;
    r.all_missing();
    r.set(RecordField{7, 0, 16, 0}, 0x01EC);   // word 7 bits 2..11: 123
    r.set(RecordField{8, 0, 16, 0}, 0x0028);   // word 8 bits 3..5: 5
    EXPECT_EQ(column_value(decode(r), 14), 12300000.0);
}

TEST(DecodeCountryRecord, SharesOfThePopulationRoundHalfUp)
{
    RecordBuilder r;
    r.all_missing().figure(14, 100, 4).figure(15, 273).figure(16, 600);   // 1,000,000 people
    const CountryStats s = decode(r);
    EXPECT_EQ(column_value(s, 15), 273000.0);
    EXPECT_EQ(column_value(s, 16), 600000.0);
    EXPECT_EQ(column_value(s, 17), 127000.0);   // the rest are 65 and over
}

TEST(DecodeCountryRecord, SignedMantissaWithExponent)
{
    RecordBuilder r;
    r.all_missing().figure(75, -25);
    EXPECT_DOUBLE_EQ(column_value(decode(r), 75), -2.5);
}

TEST(ShareOfTotal, RoundsToTheQuantum)
{
    EXPECT_EQ(share_of_total(0.5, 3, 1), 2.0);
    EXPECT_EQ(share_of_total(0.123, 2.5e11, 10000), 30750000000.0);
    EXPECT_EQ(share_of_total(MISSING_VALUE, 3, 1), MISSING_VALUE);
    EXPECT_EQ(share_of_total(0.5, MISSING_VALUE, 1), MISSING_VALUE);
}

TEST(DecodeCountryRecord, LetterFieldsStopAtTheFirstZero)
{
    RecordBuilder r;
    r.letters(4, 4, 1, 0);
    EXPECT_EQ(code_of(r, 4), "DA");
    r.letters(4, 0, 1, 2);
    EXPECT_EQ(code_of(r, 4), "");
    r.letters(5, 26, 1);
    EXPECT_EQ(code_of(r, 5), "za");
    r.letters(9, 5, 21, 18);
    EXPECT_EQ(code_of(r, 9), "EUR");
}

TEST(DecodeCountryRecord, InternetDomainIsNeverEmpty)
{
    RecordBuilder r;
    EXPECT_EQ(code_of(r, 6), ".");
    r.letters(6, 4, 5);
    EXPECT_EQ(code_of(r, 6), ".de");
}

TEST(DecodeCountryRecord, CallingCodes)
{
    RecordBuilder r;
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 0), COLUMN_CALLING_CODE), "");
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 1), COLUMN_CALLING_CODE), "+1");
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 44), COLUMN_CALLING_CODE), "+44");
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 999), COLUMN_CALLING_CODE), "+999");
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 1000), COLUMN_CALLING_CODE), "+1-");
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 1876), COLUMN_CALLING_CODE), "+1-876");
    EXPECT_EQ(code_of(r.set(CALLING_CODE_FIELD, 2047), COLUMN_CALLING_CODE), "+1-1047");
}

TEST(DecodeCountryRecord, VisitedAndIsoNumber)
{
    RecordBuilder r;
    EXPECT_EQ(code_of(r, COLUMN_VISITED), "N");
    EXPECT_EQ(code_of(r, COLUMN_ISO_NUMBER), "");
    r.set(VISITED_FIELD, 1).set(ISO_NUMBER_FIELD, 40);
    EXPECT_EQ(code_of(r, COLUMN_VISITED), "Y");
    EXPECT_EQ(code_of(r, COLUMN_ISO_NUMBER), "40");
}

TEST(DecodeCountryRecord, TimeZoneTextAndQuarters)
{
    struct Case { int hours, minutes; const char* text; int quarters; };
    const Case cases[] = {
        {-3, 30, "-03:30", -10}, {5, 45, "+05:45", 23}, {0, 0, "+00:00", 0},
        {-4, 30, "-04:30", -14}, {-12, 0, "-12:00", -48}, {14, 0, "+14:00", 56},
    };
    for (const Case& c : cases) {
        RecordBuilder r;
        r.set(ZONE_HOURS_FIELD, c.hours).set(ZONE_MINUTES_FIELD, c.minutes);
        const CountryStats s = decode(r);
        EXPECT_STREQ(code_text(s, COLUMN_TIME_ZONE), c.text);
        EXPECT_EQ(s.zone_quarters, c.quarters) << c.text;
    }
}

// 2. Invariants: missing values and what depends on them.
TEST(DecodeCountryRecord, OnlyPlusMaxMantissaIsMissing)
{
    RecordBuilder r;
    r.all_missing().figure(75, 1023);
    EXPECT_EQ(column_value(decode(r), 75), MISSING_VALUE);
    r.figure(75, -1024);
    EXPECT_DOUBLE_EQ(column_value(decode(r), 75), -102.4);
    r.figure(14, 1023, 3);
    EXPECT_EQ(column_value(decode(r), 14), MISSING_VALUE);
    r.figure(14, 1022, 0);
    EXPECT_EQ(column_value(decode(r), 14), 1022.0);
}

TEST(DecodeCountryRecord, DerivedColumnsAreMissingWhenAnOperandIs)
{
    RecordBuilder r;
    r.all_missing().figure(41, 500, 5).figure(43, 100, 5).figure(44, 50, 5);   // 10^3 km²
    EXPECT_EQ(column_value(decode(r), 45), 350000.0);
    for (int missing : {41, 43, 44}) {
        RecordBuilder gap = r;
        gap.figure(missing, 1023);
        EXPECT_EQ(column_value(decode(gap), 45), MISSING_VALUE) << "without column " << missing;
    }
    r.figure(14, 1023).figure(15, 200);
    EXPECT_EQ(column_value(decode(r), 15), MISSING_VALUE);   // a share of a missing total
    EXPECT_EQ(column_value(decode(r), 17), MISSING_VALUE);
}

TEST(DecodeCountryRecord, PopulationGrowthIsBirthsMinusDeathsPlusMigration)
{
    RecordBuilder r;
    r.all_missing().figure(22, 766, 3).figure(23, 101, 4).figure(24, -126, 3);
    const CountryStats s = decode(r);
    EXPECT_EQ(column_value(s, 25), 766000.0 - 1010000.0 - 126000.0);
    for (int missing : {22, 23, 24}) {
        RecordBuilder gap = r;
        gap.figure(missing, 1023);
        EXPECT_EQ(column_value(decode(gap), 25), MISSING_VALUE) << "without column " << missing;
    }
}

TEST(DecodeCountryRecord, SumsAndDifferencesOfMoneyAndAirports)
{
    RecordBuilder r;
    r.all_missing().figure(48, 318).figure(49, 221).figure(59, 196, 5).figure(60, 187, 5);
    const CountryStats s = decode(r);
    EXPECT_EQ(column_value(s, 50), 539.0);
    EXPECT_EQ(column_value(s, 61), 187e10 - 196e10);   // revenues - expenditures
}

TEST(DecodeCountryRecord, ResetsTheColouringState)
{
    CountryStats s;
    s.current = 5;
    s.rank = 3;
    s.tied = 1;
    s.shade = 0.5;
    RecordBuilder r;
    r.set(POLITICAL_CLASS_FIELD, 2);
    decode_country_record(r.bytes, s);
    EXPECT_EQ(s.current, MISSING_VALUE);
    EXPECT_EQ(s.rank, 0);
    EXPECT_EQ(s.tied, 0);
    EXPECT_EQ(s.shade, 0.0);
    EXPECT_EQ(s.political_class, 2);
}

// 3. Sweep: every embedded record decodes to what the packer meant (tests/golden, written by
// tools/stats/make_factbook_records.py from the figures it packed).
TEST(LoadStatistics, EveryEmbeddedRecordMatchesThePackersValues)
{
    load_statistics();
    std::ifstream golden(ORBILY_SOURCE_DIR "/tests/golden/stat_records_expected.tsv");
    ASSERT_TRUE(golden.good());
    bool listed[COUNTRY_COUNT + 1][STAT_COLUMN_COUNT] = {};
    std::string line;
    int checked = 0;
    while (std::getline(golden, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string code, column, text;
        std::getline(fields, code, '\t');
        std::getline(fields, column, '\t');
        std::getline(fields, text);
        const int k = std::stoi(code);
        const int c = std::stoi(column);
        listed[k][c] = true;
        ++checked;
        if (c < FIRST_VALUE_COLUMN) {
            EXPECT_EQ(code_text(stats_of(k), c), text) << "country " << k << " column " << c;
        } else {
            const double expected = std::strtod(text.c_str(), nullptr);
            EXPECT_NEAR(column_value(stats_of(k), c), expected, std::fabs(expected) * 1e-12)
                << "country " << k << " column " << c;
        }
    }
    EXPECT_GE(checked, COUNTRY_COUNT * CODE_COLUMN_COUNT);
    for (int k = 1; k <= COUNTRY_COUNT; ++k) {
        for (int c = FIRST_CODE_COLUMN; c < STAT_COLUMN_COUNT; ++c) {
            if (c < FIRST_VALUE_COLUMN) {
                EXPECT_TRUE(listed[k][c]) << "country " << k << " column " << c;
            } else if (!listed[k][c]) {
                EXPECT_EQ(column_value(stats_of(k), c), MISSING_VALUE) << "country " << k << " column " << c;
            }
        }
    }
}

TEST(LoadStatistics, StartsWithoutAChosenStatistic)
{
    load_statistics();
    for (int k = 1; k <= COUNTRY_COUNT; ++k) {
        EXPECT_EQ(stats_of(k).current, MISSING_VALUE);
        EXPECT_EQ(stats_of(k).rank, 0);
        EXPECT_GE(stats_of(k).political_class, 0);
        EXPECT_LE(stats_of(k).political_class, 3);
    }
}
