// tests/projection_names_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "projection/names.h"
#include "data/blobs.h"
#include "tests/projection_golden.h"

static std::string label_of(int index, char separator)
{
    build_projection_names();
    char text[128] = "";
    format_projection_label(index, text, separator);
    return text;
}

static std::string date_of(int year_code)
{
    char text[32] = "(";
    append_projection_date(text, year_code);
    return text;
}

// 1. Anchors: the labels as the menu, caption and export description show them.
TEST(FormatProjectionLabel, WritesCreditCircaYearAndEra)
{
    EXPECT_EQ(label_of(0, ' '), "Equirectangular (Marinus, c.100AD)");
    EXPECT_EQ(label_of(30, ' '), "Polar Orthographic (Hipparchus, c.150BC)");
    EXPECT_EQ(label_of(33, ' '), "Polar Gnomonic (Thales, c.580BC)");
    EXPECT_EQ(label_of(38, ' '), "Oblique Stereographic (Theon, c.400AD)");
}

TEST(FormatProjectionLabel, LeavesOutAMissingCredit)
{
    EXPECT_EQ(label_of(4, ' '), "Gall Stereographic (1855)");
}

TEST(FormatProjectionLabel, ShowsNoEraFromTheYear1000)
{
    EXPECT_EQ(label_of(103, ' '), "Nicolosi (al-Biruni, c.1000)");
}

TEST(FormatProjectionLabel, TabSeparatesTheMenuColumns)
{
    EXPECT_EQ(label_of(1, '\t'), "Mercator\t(Ch'ien Lo-Chih, c.940AD)");
}

TEST(FormatProjectionLabel, AppendsToTheTextAlreadyThere)
{
    build_projection_names();
    char text[128] = "Orbily - ";
    format_projection_label(1, text, ' ');
    EXPECT_STREQ(text, "Orbily - Mercator (Ch'ien Lo-Chih, c.940AD)");
}

TEST(FormatProjectionLabel, KeepsLatin1LettersAsCodePage1252)
{
    EXPECT_EQ(label_of(75, ' '), "\xC9rdi-Krausz (1968)");
    EXPECT_EQ(label_of(111, ' '), "Double Cordiform (Fin\xE9, 1531)");
    EXPECT_EQ(label_of(112, ' '), "Gore (Waldseem\xFCller, 1507)");
}

TEST(AppendProjectionDate, ChoosesTheEraAtTheYear1000)
{
    EXPECT_EQ(date_of(999 * 2 + 1), "(c.999AD)");
    EXPECT_EQ(date_of(1000 * 2), "(1000)");
    EXPECT_EQ(date_of(1000 * 2 + 1), "(c.1000)");
    EXPECT_EQ(date_of(-1 * 2), "(1BC)");
    EXPECT_EQ(date_of(-1 * 2 + 1), "(c.1BC)");
}

TEST(AppendProjectionDate, YearZeroGivesNoDigits)
{
    EXPECT_EQ(date_of(0), "(AD)");
    EXPECT_EQ(date_of(1), "(c.AD)");
}

// 2. Invariants: the parsed list against the independent table.
TEST(BuildProjectionNames, MatchesTheCatalogueTable)
{
    build_projection_names();
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        const GoldenProjection& golden = GOLDEN_PROJECTIONS[i];
        EXPECT_STREQ(projection_names[i].name, golden.name) << "entry " << i;
        if (golden.credit) EXPECT_STREQ(projection_names[i].credit, golden.credit) << "entry " << i;
        else EXPECT_EQ(projection_names[i].credit, nullptr) << "entry " << i;
    }
}

TEST(BuildProjectionNames, SameCreditByteSharesThePreviousCredit)
{
    build_projection_names();
    EXPECT_EQ(projection_names[7].credit, projection_names[6].credit);
    EXPECT_EQ(projection_names[8].credit, projection_names[6].credit);
    EXPECT_EQ(projection_names[31].credit, projection_names[30].credit);
    EXPECT_STREQ(projection_names[7].credit, "O.M.Miller");
    EXPECT_STREQ(projection_names[31].credit, "Hipparchus");
    // the byte 1 really is stored: Miller II's name is followed by it, not by a second copy
    const char* field = projection_names[7].name + sizeof "Miller II" - 1 + 1;
    EXPECT_EQ(*field, '\1');
}

TEST(BuildProjectionNames, NamesFollowEachOtherInTheList)
{
    build_projection_names();
    EXPECT_EQ(projection_names[0].name, PROJECTION_NAME_LIST);
    const char* last = projection_names[PROJECTION_COUNT - 1].name;
    // "Arden-Close", its zero and the no-credit byte end the list
    EXPECT_EQ(last + sizeof "Arden-Close" + 1, PROJECTION_NAME_LIST + PROJECTION_NAME_LIST_SIZE);
}

// 3. Sweep: every label, in both forms.
class EveryProjectionLabel : public ::testing::TestWithParam<int> {};

TEST_P(EveryProjectionLabel, MatchesTheTable)
{
    const int i = GetParam();
    const std::string spaced = GOLDEN_PROJECTIONS[i].label;
    std::string tabbed = spaced;
    tabbed[std::string(GOLDEN_PROJECTIONS[i].name).size()] = '\t';
    EXPECT_EQ(label_of(i, ' '), spaced);
    EXPECT_EQ(label_of(i, '\t'), tabbed);
    EXPECT_LE(spaced.size() + 1, size_t(PROJECTION_LABEL_CAPACITY));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryProjectionLabel, ::testing::Range(0, PROJECTION_COUNT));
