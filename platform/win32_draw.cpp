// platform/win32_draw.cpp: platform/draw.h on GDI. No C runtime here (this goes into Orbily.exe):
// only Win32 calls and core code.
#include "platform/win32_draw.h"
#include "platform/shrink.h"

static_assert(sizeof(DevicePoint) == sizeof(POINT), "a DevicePoint array is passed as POINTs");
static_assert(sizeof(DeviceRect) == sizeof(RECT), "a DeviceRect is passed as a RECT");

static const RECT* as_rect(const DeviceRect& rect) { return reinterpret_cast<const RECT*>(&rect); }
static const POINT* as_points(const DevicePoint* points) { return reinterpret_cast<const POINT*>(points); }

bool create_dib_canvas(Canvas& canvas, int width, int height)
{
    canvas = Canvas{};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // negative: top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(NULL);
    if (!dc) return false;
    void* bits = 0;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return false;
    }
    canvas.dc = dc;
    canvas.bitmap = bitmap;
    canvas.previous_bitmap = SelectObject(dc, bitmap);
    canvas.image = PixelBuffer{ static_cast<uint32_t*>(bits), width, height, width };
    // a new DIB section is zero-filled: black
    return true;
}

void release_dib_canvas(Canvas& canvas)
{
    if (!canvas.dc) return;
    release_pen_and_brush(canvas);
    SelectObject(canvas.dc, canvas.previous_bitmap);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
    canvas = Canvas{};
}

void attach_canvas(Canvas& canvas, HDC dc)
{
    canvas = Canvas{};
    canvas.dc = dc;
}

void detach_canvas(Canvas& canvas)
{
    if (canvas.dc) release_pen_and_brush(canvas);
    canvas = Canvas{};
}

bool create_metafile_canvas(Canvas& canvas, const char* path, const char* description)
{
    canvas = Canvas{};
    canvas.dc = CreateEnhMetaFileA(NULL, path, NULL, description);
    return canvas.dc != NULL;
}

HENHMETAFILE finish_metafile_canvas(Canvas& canvas)
{
    if (!canvas.dc) return NULL;
    release_pen_and_brush(canvas);
    HENHMETAFILE metafile = CloseEnhMetaFile(canvas.dc);
    canvas = Canvas{};
    return metafile;
}

PixelBuffer canvas_pixels(Canvas& canvas)
{
    if (canvas.image.pixels) GdiFlush();   // GDI may still hold drawing calls in its batch
    return canvas.image;
}

void blit_canvas(Canvas& source, HDC target, int width, int height)
{
    BitBlt(target, 0, 0, width, height, source.dc, 0, 0, SRCCOPY);
}

void fill_rect(Canvas& canvas, const DeviceRect& rect, Colour colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(canvas.dc, as_rect(rect), brush);
    DeleteObject(brush);
}

void select_brush(Canvas& canvas, Colour colour)
{
    HBRUSH made = colour == NO_COLOUR ? HBRUSH(0) : CreateSolidBrush(colour);
    SelectObject(canvas.dc, made ? HGDIOBJ(made) : GetStockObject(NULL_BRUSH));
    if (canvas.brush) DeleteObject(canvas.brush);
    canvas.brush = made;
}

void select_pen(Canvas& canvas, Colour colour)
{
    HPEN made = colour == NO_COLOUR ? HPEN(0) : CreatePen(PS_SOLID, 0, colour);   // width 0: one pixel
    SelectObject(canvas.dc, made ? HGDIOBJ(made) : GetStockObject(NULL_PEN));
    if (canvas.pen) DeleteObject(canvas.pen);
    canvas.pen = made;
}

void release_pen_and_brush(Canvas& canvas)
{
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
    if (canvas.brush) DeleteObject(canvas.brush);
    if (canvas.pen) DeleteObject(canvas.pen);
    canvas.brush = 0;
    canvas.pen = 0;
}

void draw_polygon(Canvas& canvas, const DevicePoint* points, int count)
{
    Polygon(canvas.dc, as_points(points), count);
}

void draw_ellipse(Canvas& canvas, const DeviceRect& box)
{
    Ellipse(canvas.dc, box.left, box.top, box.right, box.bottom);
}

void begin_path(Canvas& canvas) { BeginPath(canvas.dc); }
void path_move_to(Canvas& canvas, DevicePoint point) { MoveToEx(canvas.dc, point.x, point.y, NULL); }
void path_line_to(Canvas& canvas, DevicePoint point) { LineTo(canvas.dc, point.x, point.y); }

void path_bezier_to(Canvas& canvas, DevicePoint control1, DevicePoint control2, DevicePoint end)
{
    const DevicePoint points[3] = { control1, control2, end };
    PolyBezierTo(canvas.dc, as_points(points), 3);
}

void fill_path(Canvas& canvas)
{
    EndPath(canvas.dc);
    FillPath(canvas.dc);   // closes every figure, fills by the DC's alternate mode, no outline
}

Colour read_pixel(Canvas& canvas, int x, int y)
{
    const PixelBuffer image = canvas_pixels(canvas);
    if (image.pixels) {
        if (x < 0 || y < 0 || x >= image.width || y >= image.height) return NO_COLOUR;
        return colour_of_pixel(image.pixels[y * image.stride + x]);
    }
    const COLORREF colour = GetPixel(canvas.dc, x, y);
    return colour == CLR_INVALID ? NO_COLOUR : colour & 0xFFFFFFu;
}

static int min_i(int a, int b) { return a < b ? a : b; }

void shrink_canvas(Canvas& source, int source_width, int source_height,
                   Canvas& destination, int width, int height)
{
    const PixelBuffer from = canvas_pixels(source);
    const PixelBuffer to = canvas_pixels(destination);
    if (from.pixels && to.pixels) {
        source_width = min_i(source_width, from.width);
        source_height = min_i(source_height, from.height);
        const PixelBuffer target{ to.pixels, min_i(width, to.width), min_i(height, to.height), to.stride };
        const int kx = whole_factor(source_width, target.width);
        const int ky = whole_factor(source_height, target.height);
        if (kx > 0 && ky > 0) {
            shrink_pixels(from, target, kx, ky);
            return;
        }
    }
    // not two surfaces or no whole factors: GDI's own averaging stretch
    SetStretchBltMode(destination.dc, HALFTONE);
    SetBrushOrgEx(destination.dc, 0, 0, NULL);   // HALFTONE needs the brush origin reset
    StretchBlt(destination.dc, 0, 0, width, height, source.dc, 0, 0, source_width, source_height, SRCCOPY);
}
