// tests/win32/harness_memory_dc_test.cpp: GDI works in-process: what is drawn into a memory DC
// reads back pixel for pixel.
#include <gtest/gtest.h>
#include <windows.h>

// A 32-bit DIB section keeps every channel's 8 bits whatever the display's depth.
struct MemoryCanvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

static MemoryCanvas make_canvas(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    MemoryCanvas canvas;
    canvas.dc = CreateCompatibleDC(NULL);
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    return canvas;
}

static void release_canvas(MemoryCanvas& canvas)
{
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}

TEST(MemoryDc, FilledRectangleReadsBackExactly)
{
    MemoryCanvas canvas = make_canvas(16, 8);
    ASSERT_NE(canvas.dc, nullptr);
    ASSERT_NE(canvas.bitmap, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    RECT rect = {2, 1, 6, 4};
    FillRect(canvas.dc, &rect, brush);
    DeleteObject(brush);

    EXPECT_EQ(GetPixel(canvas.dc, 2, 1), RGB(12, 34, 56));
    EXPECT_EQ(GetPixel(canvas.dc, 5, 3), RGB(12, 34, 56));
    EXPECT_EQ(GetPixel(canvas.dc, 6, 3), RGB(0, 0, 0));   // right edge is exclusive
    EXPECT_EQ(GetPixel(canvas.dc, 5, 4), RGB(0, 0, 0));   // bottom edge is exclusive
    EXPECT_EQ(GetPixel(canvas.dc, 100, 100), CLR_INVALID);
    release_canvas(canvas);
}

TEST(MemoryDc, PaletteRelativeGreyKeepsItsLevel)
{
    MemoryCanvas canvas = make_canvas(4, 4);
    for (int level = 0; level < 256; level += 17) {
        HBRUSH brush = CreateSolidBrush(0x02000000u + level * 0x010101u);
        RECT rect = {0, 0, 4, 4};
        FillRect(canvas.dc, &rect, brush);
        DeleteObject(brush);
        EXPECT_EQ(GetPixel(canvas.dc, 1, 1) & 0xFF, COLORREF(level));
    }
    release_canvas(canvas);
}
