// tests/view_flag_images_test.cpp
#include <gtest/gtest.h>
#include <vector>
#include "flags/flags.h"
#include "platform/cairo_draw.h"
#include "view/flag_images.h"

namespace {
const int FRANCE = 65, UNITED_KINGDOM = 67;

struct FlagImage {
    Canvas large = {}, small = {};
    FlagImage()
    {
        build_flag_index();
        create_image_canvas(large, CAIRO_FORMAT_RGB24, FLAG_CANVAS_WIDTH, FLAG_CANVAS_HEIGHT);
        create_image_canvas(small, CAIRO_FORMAT_RGB24, FLAG_IMAGE_WIDTH, FLAG_IMAGE_HEIGHT);
    }
    ~FlagImage()
    {
        close_canvas(large);
        close_canvas(small);
    }
    Colour at(int x, int y) { return read_pixel(small, x, y); }
    std::vector<Colour> all()
    {
        std::vector<Colour> pixels;
        for (int y = 0; y < FLAG_IMAGE_HEIGHT; ++y)
            for (int x = 0; x < FLAG_IMAGE_WIDTH; ++x) pixels.push_back(at(x, y));
        return pixels;
    }
};

int red(Colour c) { return int(c & 0xFF); }
int blue(Colour c) { return int(c >> 16 & 0xFF); }
}  // namespace

TEST(RenderFlagImage, FranceShrinksToItsThreeBandsWhateverCameBefore)
{
    FlagImage image;
    render_flag_image(image.large, image.small, FRANCE);
    const std::vector<Colour> fresh = image.all();
    const Colour left = image.at(2, 6), middle = image.at(13, 6), right = image.at(23, 6);
    EXPECT_GT(blue(left), red(left));
    EXPECT_EQ(middle, 0xFFFFFFu);
    EXPECT_GT(red(right), blue(right));
    // 26 / 3 is no whole pixel: the column where blue meets white is averaged from both
    const Colour edge = image.at(8, 6);
    EXPECT_GT(red(edge), red(left));
    EXPECT_LT(red(edge), 0xFF);
    render_flag_image(image.large, image.small, UNITED_KINGDOM);
    render_flag_image(image.large, image.small, FRANCE);
    EXPECT_EQ(image.all(), fresh);
}
