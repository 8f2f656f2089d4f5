// app/map_surface.cpp: the map and picking surfaces. The picking surface is redrawn at once on
// every change; the visible map only at the next paint.
#include "app/app.h"
#include "view/map_colours.h"
#include "view/map_paint.h"

ViewSurface map_surface, picking_surface;

void refresh_map()
{
    paint_picking_map(picking_surface.canvas, picking_surface.fill.right, picking_surface.fill.bottom, projected_map,
                      map_view, polygons);
    invalidate_map();
}

void invalidate_map()
{
    map_surface.dirty = 1;
    // while the main window is being created it has no handle yet, and a null one would
    // invalidate every window on the desktop
    if (main_window) InvalidateRect(main_window, NULL, FALSE);
}

void paint_map_surface()
{
    const MapColourContext colours = {&map_colouring, polygons};
    paint_map(map_surface.canvas, map_surface.fill.right, map_surface.fill.bottom, projected_map, map_view,
              PieceColouring{map_piece_colour, &colours}, outline_mode);
    finish_surface(map_surface);
}

int pick_country(LPARAM lparam)
{
    const int client_width = map_surface.client.right, client_height = map_surface.client.bottom;
    if (client_width <= 0 || client_height <= 0) return 0;
    const DevicePoint pixel = client_to_surface(LOWORD(lparam), HIWORD(lparam), client_width, client_height,
                                                picking_surface.fill.right, picking_surface.fill.bottom);
    // beyond the drawn part lies an old drawing or nothing at all: no country there
    const RECT& drawn = picking_surface.fill;
    if (pixel.x < 0 || pixel.y < 0 || pixel.x >= drawn.right || pixel.y >= drawn.bottom) return 0;
    return code_of_pixel(read_pixel(picking_surface.canvas, pixel.x, pixel.y));
}
