// tests/geo_country_table_test.cpp
#include <gtest/gtest.h>
#include <cstring>
#include <set>
#include <string>
#include "data/blobs.h"
#include "geo/countries.h"

// 1. Anchors: names and parents given for the codes.
TEST(BuildCountryNames, NamesFollowTheCodes)
{
    build_country_names();
    EXPECT_STREQ(country_names[0], "Andorra");
    EXPECT_STREQ(country_names[3], "Antigua and Barbuda");
    EXPECT_STREQ(country_names[33], "Congo, Democratic Republic");
    EXPECT_STREQ(country_names[37], "Cote d'Ivoire");
    EXPECT_STREQ(country_names[120], "Monaco");
    EXPECT_STREQ(country_names[202], "Holy See (Vatican City)");
    EXPECT_STREQ(country_names[213], "Zimbabwe");
    EXPECT_STREQ(country_names[214], "Antigua");
    EXPECT_STREQ(country_names[236], "Hawaii");
}

// 2. Invariants of the packed list.
TEST(BuildCountryNames, EveryNameIsDistinctAndTheListIsUsedUp)
{
    build_country_names();
    std::set<std::string> seen;
    size_t bytes = 0;
    for (int c = 0; c < COUNTRY_CODE_COUNT; ++c) {
        ASSERT_NE(country_names[c], nullptr);
        EXPECT_GT(std::strlen(country_names[c]), 0u) << "code " << c + 1;
        seen.insert(country_names[c]);
        bytes += std::strlen(country_names[c]) + 1;
    }
    EXPECT_EQ(seen.size(), size_t(COUNTRY_CODE_COUNT));
    EXPECT_EQ(bytes, size_t(COUNTRY_NAME_LIST_SIZE));
    EXPECT_EQ(country_names[COUNTRY_CODE_COUNT - 1] + std::strlen("Hawaii") + 1,
              COUNTRY_NAME_LIST + COUNTRY_NAME_LIST_SIZE);
}

TEST(CountryOf, EveryRegionMapsToItsParent)
{
    const int parents[REGION_COUNT] = {4, 4, 8, 12, 42, 55, 60, 60, 65, 67, 67, 94,
                                       94, 139, 145, 159, 165, 185, 185, 194, 197, 200, 200};
    ASSERT_EQ(REGION_PARENTS_SIZE, REGION_COUNT);
    for (int r = 0; r < REGION_COUNT; ++r) EXPECT_EQ(country_of(FIRST_REGION + r), parents[r]);
}

TEST(CountryOf, CountriesAreTheirOwnAndStrayCodesAreNone)
{
    for (int code = 0; code < FIRST_REGION; ++code) EXPECT_EQ(country_of(code), code);
    EXPECT_EQ(country_of(238), 0);
    EXPECT_EQ(country_of(255), 0);
    EXPECT_EQ(country_of(-1), 0);
}
