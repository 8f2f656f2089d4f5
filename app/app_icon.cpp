// app/app_icon.cpp: the icon of all three windows, drawn at start-up rather than loaded. Its
// projection pass overwrites the map's, so it runs before the map's first one.
#include "app/app.h"
#include "view/globe_icon.h"

HICON build_app_icon()
{
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP colours = CreateCompatibleBitmap(screen, ICON_SIZE, ICON_SIZE);
    HBITMAP mask = CreateBitmap(ICON_SIZE, ICON_SIZE, 1, 1, NULL);
    HGDIOBJ previous = SelectObject(dc, mask);
    const ProjectedMap globe = project_all(ICON_PROJECTION, 0);
    Canvas canvas;
    attach_canvas(canvas, dc);
    paint_icon_mask(canvas, globe);
    SelectObject(dc, colours);
    paint_icon_colours(canvas, globe);
    detach_canvas(canvas);
    SelectObject(dc, previous);
    ICONINFO info = {TRUE, 0, 0, mask, colours};
    HICON icon = CreateIconIndirect(&info);   // copies both bitmaps
    DeleteObject(colours);
    DeleteObject(mask);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    return icon;
}
