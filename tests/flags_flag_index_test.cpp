// tests/flags_flag_index_test.cpp
#include <gtest/gtest.h>
#include <algorithm>
#include "data/blobs.h"
#include "tests/flags_harness.h"

namespace {
const int FRANCE = 65, UNITED_KINGDOM = 67, JAPAN = 97, NEPAL = 146, SWEDEN = 171, UNITED_STATES = 200;
const double ASPECT_TOLERANCE = 1e-9;
}

// 1. Anchors: the worked examples sit at their country codes.
TEST(BuildFlagIndex, WorkedExamplesSitAtTheirCountryCodes)
{
    EXPECT_EQ(embedded_description(FRANCE), (Bytes{0x64, 0xF3, 0x83, 0x1E, 0x00}));
    EXPECT_EQ(embedded_description(JAPAN), (Bytes{0x64, 0x8E, 0x41, 0x30, 0x00, 0x00, 0x48, 0x00}));
    EXPECT_EQ(embedded_description(SWEDEN), (Bytes{0x73, 0x86, 0x59, 0x0F, 0xE2, 0x00}));
    EXPECT_EQ(embedded_description(UNITED_KINGDOM),
              (Bytes{0xAE, 0x88, 0x73, 0x1B, 0x42, 0x60, 0x88, 0x78, 0xF7, 0x09, 0x66, 0x78, 0x78,
                     0x78, 0x09, 0x09, 0x78, 0x9A, 0x78, 0x88, 0x09, 0xF7, 0x9A, 0x88, 0x88, 0x88,
                     0xF7, 0xF7, 0x88, 0x66, 0x80, 0x5E, 0x14, 0x00, 0x52, 0x0C, 0x00, 0x00}));
    EXPECT_EQ(embedded_description(UNITED_STATES),
              (Bytes{0x9F, 0xE2, 0x2D, 0x0E, 0x04, 0x88, 0xF7, 0xEC, 0x78, 0x88, 0xB5, 0x00, 0xD0,
                     0xB6, 0x28, 0x00, 0xDF, 0x9C, 0x60, 0xB4, 0x00, 0xD0, 0xB5, 0x28, 0x00, 0xDF,
                     0xB0, 0x48, 0x00}));
    const Bytes moon = {0x61, 0xC4, 0x07, 0x83, 0x0F, 0x3D, 0xE0, 0xEC, 0x28,
                        0xF4, 0x03, 0xCF, 0xC4, 0x14, 0x80};
    const Bytes nepal = embedded_description(NEPAL);
    EXPECT_NE(std::search(nepal.begin(), nepal.end(), moon.begin(), moon.end()), nepal.end());
}

TEST(BuildFlagIndex, DescriptionZeroIsAspectAndEndOnly)
{
    EXPECT_EQ(embedded_description(0), (Bytes{174, 0}));
}

// 2. Invariants of the walk.
TEST(BuildFlagIndex, WalkEndsExactlyAtTheEndOfTheBlob)
{
    EXPECT_EQ(build_flag_index(), FLAG_DESCRIPTIONS_SIZE);
    EXPECT_EQ(flag_index.start[0], FLAG_DESCRIPTIONS);
    for (int i = 1; i < FLAG_COUNT; ++i) EXPECT_GE(flag_index.start[i], flag_index.start[i - 1] + 2) << i;
}

TEST(BuildFlagIndex, DescriptionsEndWhereTheNextBegins)
{
    build_flag_index();
    for (int i = 0; i + 1 < FLAG_COUNT; ++i) {
        FlagPicture picture(48, 24);
        FlagContext ctx = device_context(picture.canvas, 48, 24, flag_index.start[i]);
        run_flag(ctx);
        EXPECT_EQ(ctx.cursor, flag_index.start[i + 1]) << "drawing description " << i;
    }
}

TEST(FlagAspect, FollowsTheAspectByte)
{
    build_flag_index();
    EXPECT_NEAR(flag_aspect(0), 0.8205128205128205 + 174 * 0.006764477352712647, ASPECT_TOLERANCE);
    EXPECT_NEAR(flag_aspect(FRANCE), 1.49696, 1e-5);
    EXPECT_NEAR(flag_aspect(SWEDEN), 1.59843, 1e-5);
    EXPECT_NEAR(flag_aspect(UNITED_STATES), 1.89606, 1e-5);
    EXPECT_NEAR(flag_aspect(NEPAL), 32.0 / 39.0, ASPECT_TOLERANCE);
}

TEST(FlagAspect, SpansThirtyTwoToThirtyNineUpToTwentyEightToEleven)
{
    FlagContext ctx = {};
    const Bytes narrowest = {0, 0}, widest = {255, 0};
    ctx.cursor = narrowest.data();
    run_flag(ctx);
    EXPECT_NEAR(ctx.transform.aspect, 32.0 / 39.0, ASPECT_TOLERANCE);
    ctx.cursor = widest.data();
    run_flag(ctx);
    EXPECT_NEAR(ctx.transform.aspect, 28.0 / 11.0, ASPECT_TOLERANCE);
}
