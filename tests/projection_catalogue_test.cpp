// tests/projection_catalogue_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "projection/formulas.h"
#include "tests/projection_golden.h"

static_assert(sizeof GOLDEN_PROJECTIONS / sizeof GOLDEN_PROJECTIONS[0] == PROJECTION_COUNT,
              "the table has one row per catalogue entry");

static int variant_of_entry(int i) { return int(PROJECTION_CATALOGUE[i].packed >> 16 & 0xFF); }

// 1. Anchors: the packing of a few entries worked out by hand.
TEST(ProjectionCatalogue, PacksGroupVariantAndYear)
{
    EXPECT_EQ(PROJECTION_CATALOGUE[0].packed, 0x100000C9u);     // 0x10, variant 0, c.100
    EXPECT_EQ(PROJECTION_CATALOGUE[52].packed, 0x40780B24u);    // 0x40, variant 120, 1426
    EXPECT_EQ(year_code_of(PROJECTION_CATALOGUE[30]), -299);    // c.150 BC
    EXPECT_EQ(year_code_of(PROJECTION_CATALOGUE[30]) >> 1, -150);
    EXPECT_EQ(PROJECTION_CATALOGUE[103].packed >> 16 & 0xFF, 180u);
}

TEST(ProjectionCatalogue, BaseFormulaServesEquirectangularAndTrapizoidal)
{
    EXPECT_EQ(PROJECTION_CATALOGUE[0].formula, &project_equirectangular);
    EXPECT_EQ(PROJECTION_CATALOGUE[52].formula, &project_equirectangular);
}

// 2. Invariants: every entry against the independent table.
TEST(ProjectionCatalogue, MatchesTheTable)
{
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        const GoldenProjection& golden = GOLDEN_PROJECTIONS[i];
        EXPECT_EQ(group_byte_of(PROJECTION_CATALOGUE[i]), golden.group) << "entry " << i;
        EXPECT_EQ(variant_of_entry(i), golden.variant) << "entry " << i;
        EXPECT_EQ(year_code_of(PROJECTION_CATALOGUE[i]), golden.year_code) << "entry " << i;
        EXPECT_NE(PROJECTION_CATALOGUE[i].formula, nullptr) << "entry " << i;
    }
}

// Two entries share one function exactly when the table gives them one formula.
TEST(ProjectionCatalogue, EntriesShareAFunctionExactlyWhenTheyShareAFormula)
{
    for (int i = 0; i < PROJECTION_COUNT; ++i)
        for (int j = i + 1; j < PROJECTION_COUNT; ++j)
            EXPECT_EQ(PROJECTION_CATALOGUE[i].formula == PROJECTION_CATALOGUE[j].formula,
                      std::string(GOLDEN_PROJECTIONS[i].formula) == GOLDEN_PROJECTIONS[j].formula)
                << "entries " << i << " and " << j << " (" << GOLDEN_PROJECTIONS[i].formula << ", "
                << GOLDEN_PROJECTIONS[j].formula << ")";
}

TEST(ProjectionCatalogue, GroupsAreMenuGroupsOneToFive)
{
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        const int group = group_byte_of(PROJECTION_CATALOGUE[i]) >> 4;
        EXPECT_GE(group, 1) << "entry " << i;
        EXPECT_LE(group, 5) << "entry " << i;
    }
}
