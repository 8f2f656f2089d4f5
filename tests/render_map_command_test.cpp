// tests/render_map_command_test.cpp
#include <cairo.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <string>
#include "geo/countries.h"
#include "stats/colouring.h"
#include "tests/render_harness.h"

namespace {

// A PNG read back: its size and the 0x00RRGGBB colour of one pixel.
struct Png {
    cairo_surface_t* surface;
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    uint32_t pixel(int x, int y) const
    {
        const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFFu;
    }
};

const uint32_t TEAL = 0x008080u;
const int FRANCE = 65;
const int FRANCE_X = 488, FRANCE_Y = 115;   // near Paris on the 960 x 480 start-up map

// A map colour 0x02BBGGRR as a PNG pixel 0xRRGGBB.
uint32_t png_pixel_of(Colour colour)
{
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

}  // namespace

TEST(RunMapCommand, PngIsTheWindowsPictureAtTheClientSize)
{
    const std::string path = testing::TempDir() + "map_command.png";
    ASSERT_EQ(run_render("map " + path).status, 0);
    {
        const Png png(path);
        ASSERT_TRUE(png.ok());
        EXPECT_EQ(png.width(), 960);
        EXPECT_EQ(png.height(), 480);
        EXPECT_NE(png.pixel(0, 240), TEAL);   // the equirectangular map covers the client
    }
    // Polar Orthographic leaves the corners to the teal background
    ASSERT_EQ(run_render("map " + path + " --projection 30 --width 200 --height 100").status, 0);
    const Png polar(path);
    ASSERT_TRUE(polar.ok());
    EXPECT_EQ(polar.width(), 200);
    EXPECT_EQ(polar.height(), 100);
    EXPECT_EQ(polar.pixel(0, 0), TEAL);
    EXPECT_NE(polar.pixel(50, 50), TEAL);
    std::remove(path.c_str());
}

TEST(RunMapCommand, ViewAndBoundariesChangeThePicture)
{
    const std::string whole = testing::TempDir() + "map_whole.png", zoomed = testing::TempDir() + "map_zoomed.png";
    ASSERT_EQ(run_render("map " + whole + " --width 120 --height 60").status, 0);
    ASSERT_EQ(run_render("map " + zoomed + " --width 120 --height 60 --view 180 90 270 135 --boundaries").status, 0);
    std::ifstream a(whole, std::ios::binary), b(zoomed, std::ios::binary);
    const std::string bytes_a((std::istreambuf_iterator<char>(a)), {}), bytes_b((std::istreambuf_iterator<char>(b)), {});
    EXPECT_NE(bytes_a, bytes_b);
    std::remove(whole.c_str());
    std::remove(zoomed.c_str());
}

TEST(RunMapCommand, SvgAndPdfHoldVectors)
{
    for (const char* extension : {".svg", ".pdf"}) {
        const std::string path = testing::TempDir() + "map_command" + extension;
        ASSERT_EQ(run_render("map " + path + " --projection 64").status, 0);
        std::ifstream file(path, std::ios::binary);
        std::string start(5, '\0');
        file.read(&start[0], 5);
        EXPECT_EQ(start, extension[1] == 's' ? "<?xml" : "%PDF-");
        std::remove(path.c_str());
    }
}

TEST(RunMapCommand, ColouringOptionsColourAsTheWindowsLists)
{
    build_country_names();
    load_statistics();
    const int POPULATION_ITEM = 1, LAND_AREA_ITEM = 41 - 13;
    struct Case {
        const char* options;
        ColouringChoice choice;   // the window's lists
        bool selected;            // France's row
    } cases[] = {
        {"", START_COLOURING, false},
        {"--select FR", START_COLOURING, true},
        {"--select 12,65", START_COLOURING, true},
        {"--colours \"Time Zone\"", {SCHEME_TIME_ZONE, SHADE_STANDARD, 0, 0}, false},
        {"--colours Spectrum", {SCHEME_SPECTRUM, SHADE_STANDARD, 0, 0}, false},
        {"--colours \"Grey Scale\" --select FR", {SCHEME_GREY_SCALE, SHADE_STANDARD, 0, 0}, true},
        {"--colours \"Grey Scale\" --statistic 14 --divisor 14", {SCHEME_GREY_SCALE, SHADE_STANDARD, 1, 1}, false},
        {"--colours \"Green Scale\" --statistic \"Population: Total\" --mode Ranked --select FR",
         {SCHEME_GREEN_SCALE, SHADE_RANKED, POPULATION_ITEM, 0}, true},
        {"--colours \"Blue to Red\" --statistic 14 --divisor 41 --mode Logarithmic",
         {SCHEME_BLUE_TO_RED, SHADE_LOGARITHMIC, POPULATION_ITEM, LAND_AREA_ITEM}, false},
    };
    static MapColouring expected;
    const std::string path = testing::TempDir() + "map_colours.png";
    for (const Case& c : cases) {
        colour_countries(c.choice, country_stats, expected);
        const ColourPair& pair = expected.countries[FRANCE];
        ASSERT_EQ(run_render("map " + path + " " + c.options).status, 0) << c.options;
        const Png png(path);
        ASSERT_TRUE(png.ok());
        EXPECT_EQ(png.pixel(FRANCE_X, FRANCE_Y), png_pixel_of(c.selected ? pair.selected : pair.normal)) << c.options;
    }
    std::remove(path.c_str());
}

// The legend is a band below the map, as tall in every format: white, with the ramp's two
// ends in the ramp's end colours and the no-value swatch on the right.
TEST(RunMapCommand, LegendGoesBelowTheMapInEveryFormat)
{
    const std::string options = " --width 600 --height 300 --statistic 14 --colours \"Grey Scale\" --legend";
    const int legend = 54;   // 5.4 times the text size of 10 that a 600-wide picture gets
    for (const char* extension : {".png", ".svg", ".pdf"}) {
        const std::string path = testing::TempDir() + "map_legend" + extension;
        ASSERT_EQ(run_render("map " + path + options).status, 0) << extension;
        std::ifstream file(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        if (extension[1] == 's') EXPECT_NE(bytes.find("height=\"354pt\""), std::string::npos);
        if (extension[2] == 'd') EXPECT_NE(bytes.find("/MediaBox [ 0 0 600 354 ]"), std::string::npos);
        if (extension[2] == 'n') {
            const Png png(path);
            ASSERT_TRUE(png.ok());
            EXPECT_EQ(png.height(), 300 + legend);
            EXPECT_EQ(png.pixel(300, 302), 0xFFFFFFu);   // the band
            EXPECT_EQ(png.pixel(11, 327), png_pixel_of(hsv_colour(0, 0, 0.5)));   // shade 0, inside the edge
            int swatch = 0;
            for (int x = 400; x < 600; ++x) swatch += png.pixel(x, 327) == png_pixel_of(GREY_SCALE_NO_VALUE_COLOURS.normal);
            EXPECT_GT(swatch, 5);
        }
        std::remove(path.c_str());
    }
}

TEST(RunMapCommand, BadInputFailsWithOneLineAndNoFile)
{
    const std::string EXAMPLE = ORBILY_SOURCE_DIR "/docs/example-figures.csv";
    const std::string path = testing::TempDir() + "map_bad.png";
    const std::string arguments[] = {"map", "map out.bmp", "map " + path + " --projection 128",
                                     "map " + path + " --rotation -1", "map " + path + " --width 0",
                                     "map " + path + " --view 10 10 5 20", "map " + path + " --view 0 0 361 180",
                                     "map " + path + " --zoom 2", "map /nonexistent/folder/map.png",
                                     "map " + path + " --colours Purple", "map " + path + " --mode",
                                     "map " + path + " --statistic 13", "map " + path + " --divisor Nothing",
                                     "map " + path + " --select FR,XX", "map " + path + " --select 215",
                                     "map " + path + " --data /nonexistent/figures.csv --value v",
                                     "map " + path + " --data " + EXAMPLE + " --value Sales",
                                     "map " + path + " --data " + EXAMPLE, "map " + path + " --value Staff",
                                     "map " + path + " --legend", "map " + path + " --statistic 14 --title T",
                                     "map " + path + " --statistic 14 --legend --colours Political",
                                     "map " + path + " --statistic 14 --data " + EXAMPLE + " --value Staff"};
    for (const std::string& argument : arguments) {
        const RenderRun run = run_render(argument);
        EXPECT_EQ(run.status, 2) << argument;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << argument;
        EXPECT_FALSE(std::ifstream(path).good()) << argument;
    }
}
