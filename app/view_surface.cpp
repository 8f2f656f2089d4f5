// app/view_surface.cpp: off-screen surfaces of the screen's size. Their bitmaps are made once and
// kept; only the used part, a whole multiple of the client, is drawn, shrunk and shown.
#include "app/app.h"

void create_surface(ViewSurface& surface, HWND window)
{
    create_dib_canvas(surface.canvas, screen_width, screen_height);
    if (window) create_dib_canvas(surface.shown, screen_width, screen_height);
    surface.fill.left = 0;
    surface.fill.top = 0;
}

void fit_surface(ViewSurface& surface, int client_width, int client_height)
{
    surface.fill.right = used_extent(client_width, screen_width);
    surface.fill.bottom = used_extent(client_height, screen_height);
    surface.dirty = 1;
}

void release_surface(ViewSurface& surface)
{
    release_dib_canvas(surface.canvas);
    release_dib_canvas(surface.shown);
}

void finish_surface(ViewSurface& surface)
{
    // a box average for whole factors, the same on every GDI; GDI's own stretch otherwise
    shrink_canvas(surface.canvas, surface.fill.right, surface.fill.bottom, surface.shown, surface.client.right,
                  surface.client.bottom);
    surface.dirty = 0;
}

void show_surface(ViewSurface& surface, HDC dc)
{
    const int width = surface.client.right, height = surface.client.bottom;
    if (width <= surface.shown.image.width && height <= surface.shown.image.height) {
        blit_canvas(surface.shown, dc, width, height);
        return;
    }
    // a client larger than the screen is more than the shown picture holds: stretch the drawing
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, NULL);
    StretchBlt(dc, 0, 0, width, height, surface.canvas.dc, 0, 0, surface.fill.right, surface.fill.bottom, SRCCOPY);
}
