// tests/render_preview_command_test.cpp
#include <gtest/gtest.h>
#include <cairo.h>
#include <string>
#include "tests/render_harness.h"
#include "tools/render/preview_colours.h"

namespace {

struct PngReader {
    const std::string* bytes;
    size_t position;
};

cairo_status_t read_png(void* closure, unsigned char* data, unsigned int length)
{
    PngReader& reader = *static_cast<PngReader*>(closure);
    if (reader.position + length > reader.bytes->size()) return CAIRO_STATUS_READ_ERROR;
    reader.bytes->copy(reinterpret_cast<char*>(data), length, reader.position);
    reader.position += length;
    return CAIRO_STATUS_SUCCESS;
}

// 0x02BBGGRR of the pixel at (longitude, colatitude) of the 1920 x 960 preview.
Colour colour_at(cairo_surface_t* image, double longitude, double colatitude)
{
    const int x = int((longitude + 180.0) * 1920.0 / 360.0), y = int(colatitude * 960.0 / 180.0);
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[x];
    return 0x02000000u | (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
}

}  // namespace

// Land in its code's colour, sea and cell edges in theirs, enclaves on top.
TEST(RunPreview, PaintsEachCodeInItsColourOnTheCellGrid)
{
    const RenderRun run = run_render("preview");
    ASSERT_EQ(run.status, 0) << run.errors;
    PngReader reader{&run.output, 0};
    cairo_surface_t* image = cairo_image_surface_create_from_png_stream(read_png, &reader);
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 1920);
    EXPECT_EQ(cairo_image_surface_get_height(image), 960);
    EXPECT_EQ(colour_at(image, 2.5, 62.0), preview_colour(54));     // Algeria
    EXPECT_EQ(colour_at(image, 28.2, 119.5), preview_colour(115));  // Lesotho inside South Africa
    EXPECT_EQ(colour_at(image, -100.0, 50.0), preview_colour(200)); // United States
    EXPECT_EQ(colour_at(image, -140.0, 100.0), PREVIEW_SEA);         // the Pacific
    EXPECT_EQ(colour_at(image, 0.0, 100.0), PREVIEW_GRID);           // the edge at 0 degrees
    cairo_surface_destroy(image);
}
