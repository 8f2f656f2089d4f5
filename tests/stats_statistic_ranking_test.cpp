// tests/stats_statistic_ranking_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "stats/colour_schemes.h"
#include "stats/statistic_ranking.h"

namespace {

const double SHADE_TOLERANCE = 1e-12;
const double M = MISSING_VALUE;

CountryStats countries[COUNTRY_COUNT];
DescendingValues sorted;

// Countries 1, 2, ... get (statistic, divisor) as values 0 and 1; every other country has neither.
void set_values(const std::vector<std::pair<double, double>>& values)
{
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        countries[i] = CountryStats{};
        countries[i].values[0] = countries[i].values[1] = M;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        countries[i].values[0] = values[i].first;
        countries[i].values[1] = values[i].second;
    }
}

}  // namespace

// 1. Anchors: per country of a small set, the current value, rank, tie mark and shade.
TEST(ComputeStatistic, RanksTiesAndShadesOfEachMode)
{
    struct Expected { double current; int rank, tied; double shade; };
    struct Case {
        const char* what;
        std::vector<std::pair<double, double>> values;
        int statistic, divisor, mode;
        std::vector<Expected> expected;   // countries 1, 2, ...; the rest must have no value
    };
    const double log_midpoint = std::log10(5.5);   // about 0.7404
    const Case cases[] = {
        {"two largest tie, the next is third", {{10, 0}, {10, 0}, {5, 0}, {7, 0}}, 0, -1, SHADE_STANDARD,
         {{10, 1, 1, 1}, {10, 1, 1, 1}, {5, 4, 0, 0}, {7, 3, 0, 0.4}}},
        {"ranked runs from the largest at 0", {{10, 0}, {10, 0}, {5, 0}, {7, 0}}, 0, -1, SHADE_RANKED,
         {{10, 1, 1, 0}, {10, 1, 1, 0}, {5, 4, 0, 1}, {7, 3, 0, 2.0 / 3}}},
        {"logarithmic: 0 at min, log10(5.5) at the midpoint", {{0, 0}, {-5, 0}, {5, 0}}, 0, -1, SHADE_LOGARITHMIC,
         {{0, 2, 0, log_midpoint}, {-5, 3, 0, 0}, {5, 1, 0, 1}}},
        {"all equal: shade 1 in every mode", {{4, 0}, {4, 0}, {4, 0}}, 0, -1, SHADE_RANKED,
         {{4, 1, 1, 1}, {4, 1, 1, 1}, {4, 1, 1, 1}}},
        {"a missing figure has no value", {{M, 0}, {2, 0}, {3, 0}}, 0, -1, SHADE_STANDARD,
         {{M, 0, 0, 0}, {2, 2, 0, 0}, {3, 1, 0, 1}}},
        {"divisor equal to the statistic", {{3, 3}, {0, 0}, {-2, -2}, {M, M}}, 0, 0, SHADE_STANDARD,
         {{1, 1, 1, 1}, {M, 0, 0, 0}, {1, 1, 1, 1}, {M, 0, 0, 0}}},
        {"divisors below the double epsilon, or missing", {{1, 1e-17}, {1, -2e-16}, {1, M}, {3e-16, 3e-16}, {8, -4}},
         0, 1, SHADE_STANDARD,
         {{M, 0, 0, 0}, {M, 0, 0, 0}, {M, 0, 0, 0}, {1, 1, 0, 1}, {-2, 2, 0, 0}}},
        {"no statistic: nobody has a value", {{1, 1}, {2, 2}}, -1, 1, SHADE_STANDARD, {{M, 0, 0, 0}, {M, 0, 0, 0}}},
    };
    // every case twice: from the statistics' own columns, and from the same figures handed over
    for (int handed = 0; handed < 2; ++handed)
    for (const Case& c : cases) {
        set_values(c.values);
        if (handed) {
            double figures[COUNTRY_COUNT], divisors[COUNTRY_COUNT];
            for (int i = 0; i < COUNTRY_COUNT; ++i) {
                figures[i] = c.statistic < 0 ? M : countries[i].values[c.statistic];
                divisors[i] = c.divisor < 0 ? M : countries[i].values[c.divisor];
            }
            compute_statistic_of(countries, figures, c.divisor < 0 ? nullptr : divisors, c.mode, sorted);
        } else {
            compute_statistic(countries, c.statistic, c.divisor, c.mode, sorted);
        }
        int present = 0;
        for (int i = 0; i < COUNTRY_COUNT; ++i) {
            const CountryStats& got = countries[i];
            present += got.rank != 0;
            if (size_t(i) >= c.expected.size()) {
                EXPECT_EQ(got.rank, 0) << c.what << ", country " << i + 1;
                EXPECT_EQ(got.current, M) << c.what << ", country " << i + 1;
                continue;
            }
            const Expected& e = c.expected[i];
            EXPECT_EQ(got.current, e.current) << c.what << ", country " << i + 1;
            EXPECT_EQ(got.rank, e.rank) << c.what << ", country " << i + 1;
            if (e.rank == 0) continue;   // tied and shade are not read without a rank
            EXPECT_EQ(got.tied, e.tied) << c.what << ", country " << i + 1;
            EXPECT_NEAR(got.shade, e.shade, SHADE_TOLERANCE) << c.what << ", country " << i + 1;
        }
        EXPECT_EQ(sorted.count, present) << c.what;
    }
}

// 3. Sweep: over all 214 countries with many equal values, each rank is one more than the count
// of larger values, tied marks exactly the shared values, and the list is descending.
TEST(ComputeStatistic, RanksAgreeWithCountingOverAllCountries)
{
    std::vector<std::pair<double, double>> values;
    unsigned seed = 12345;
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int draw = int(seed >> 16) % 60;
        values.push_back({draw < 10 ? M : draw * 0.5 - 9, 1});
    }
    set_values(values);
    for (int mode = 0; mode < SHADE_MODE_COUNT; ++mode) {
        compute_statistic(countries, 0, -1, mode, sorted);
        for (int i = 1; i < sorted.count; ++i) ASSERT_GE(sorted.values[i - 1], sorted.values[i]);
        for (int i = 0; i < COUNTRY_COUNT; ++i) {
            const double v = values[i].first;
            if (v == M) {
                EXPECT_EQ(countries[i].rank, 0);
                continue;
            }
            int larger = 0, equal = 0;
            for (const auto& other : values) {
                larger += other.first != M && other.first > v;
                equal += other.first == v;
            }
            EXPECT_EQ(countries[i].rank, larger + 1) << i;
            EXPECT_EQ(countries[i].tied, equal > 1) << i;
            EXPECT_GE(countries[i].shade, 0.0);
            EXPECT_LE(countries[i].shade, 1.0);
        }
    }
}
