// tests/platform_cairo_draw_test.cpp: the drawing contract on Cairo image canvases, then what
// only the Cairo back end does: ARGB images, PNG output and the SVG and PDF recorders.
#include <gtest/gtest.h>
#include <string>
#include "platform/cairo_draw.h"

namespace {
// An image canvas that closes itself at the end of a test.
struct PixelCanvas {
    Canvas canvas{};
    PixelCanvas(int width, int height, cairo_format_t format = CAIRO_FORMAT_RGB24)
    {
        EXPECT_TRUE(create_image_canvas(canvas, format, width, height));
    }
    ~PixelCanvas() { close_canvas(canvas); }
};

// Cairo's write callbacks: one collects the bytes in a string, one refuses every write.
cairo_status_t append_bytes(void* closure, const unsigned char* bytes, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(bytes), length);
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t refuse_bytes(void*, const unsigned char*, unsigned int)
{
    return CAIRO_STATUS_WRITE_ERROR;
}
}

#include "tests/platform_draw_contract.h"
using namespace draw_contract;

// 1. Anchors beyond the contract
TEST(ReadPixel, GivesEveryPickingGreyBackFromAnArgbImage)
{
    PixelCanvas image(32, 32, CAIRO_FORMAT_ARGB32);
    draw_contract::expect_every_picking_grey_back(image.canvas);
}

// 2. Invariants: the portable ellipse is mirror symmetric across its box's centre lines
TEST(DrawEllipse, IsMirrorSymmetric)
{
    PixelCanvas image(40, 30);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    draw_ellipse(image.canvas, DeviceRect{ 5, 4, 35, 24 });
    for (int y = 4; y < 24; ++y)
        for (int x = 5; x < 35; ++x) {
            ASSERT_EQ(read_pixel(image.canvas, x, y), read_pixel(image.canvas, 39 - x, y)) << x << "," << y;
            ASSERT_EQ(read_pixel(image.canvas, x, y), read_pixel(image.canvas, x, 27 - y)) << x << "," << y;
        }
}

TEST(WriteCanvasPngStream, WritesAPng)
{
    PixelCanvas image(8, 8);
    fill_rect(image.canvas, DeviceRect{ 0, 0, 4, 4 }, RED);
    std::string png;
    ASSERT_TRUE(write_canvas_png_stream(image.canvas, append_bytes, &png));
    EXPECT_EQ(png.substr(0, 4), "\x89PNG");
}

TEST(CreateSvgStreamCanvas, RecordsTheCallsIntoAnSvg)
{
    Canvas canvas{};
    std::string svg;
    ASSERT_TRUE(create_svg_stream_canvas(canvas, append_bytes, &svg, 200, 100));
    select_brush(canvas, RED);
    select_pen(canvas, BLUE);
    const DevicePoint triangle[] = { { 10, 10 }, { 190, 10 }, { 100, 90 } };
    draw_polygon(canvas, triangle, 3);
    draw_ellipse(canvas, DeviceRect{ 20, 20, 60, 60 });
    fill_rect(canvas, DeviceRect{ 0, 0, 5, 5 }, BLUE);
    begin_path(canvas);
    path_move_to(canvas, DevicePoint{ 100, 50 });
    path_bezier_to(canvas, DevicePoint{ 120, 30 }, DevicePoint{ 140, 70 }, DevicePoint{ 160, 50 });
    fill_path(canvas);
    EXPECT_EQ(read_pixel(canvas, 5, 5), NO_COLOUR);
    std::string png;
    EXPECT_FALSE(write_canvas_png_stream(canvas, append_bytes, &png));
    ASSERT_TRUE(close_canvas(canvas));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("rgb(100%,0%,0%)"), std::string::npos);   // the red brush
    EXPECT_NE(svg.find("rgb(0%,0%,100%)"), std::string::npos);   // the blue pen
    EXPECT_NE(svg.find("evenodd"), std::string::npos);
}

TEST(CreatePdfStreamCanvas, RecordsTheCallsIntoAPdf)
{
    Canvas canvas{};
    std::string pdf;
    ASSERT_TRUE(create_pdf_stream_canvas(canvas, append_bytes, &pdf, 240, 160));
    select_brush(canvas, RED);
    const DevicePoint triangle[] = { { 10, 10 }, { 200, 10 }, { 100, 150 } };
    draw_polygon(canvas, triangle, 3);
    ASSERT_TRUE(close_canvas(canvas));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}

TEST(CreateSvgStreamCanvas, FailsWhenItsWritesFail)
{
    Canvas canvas{};
    const bool created = create_svg_stream_canvas(canvas, refuse_bytes, nullptr, 10, 10);
    if (created) EXPECT_FALSE(close_canvas(canvas));   // Cairo may report the failure only at the end
}
