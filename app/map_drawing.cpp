// app/map_drawing.cpp: the one routine that draws the projected map, and its conversions.
// Pieces come in cell order with each cell's sea frame first, so counting frames names the cell.
#include "app/map_drawing.h"
#include "app/map_view.h"
#include "geo/cells.h"
#include "geo/outlines.h"
#include "projection/projection.h"

DevicePoint surface_points[PROJECTED_POINT_CAPACITY];

int used_extent(int client, int screen)
{
    if (client <= 0 || client > screen) return screen;
    return client * (screen / client);
}

void map_points_to_surface(int used_width, int used_height)
{
    const MapView& v = map_view;
    const double sx = used_width / (double(v.right) - v.left);
    const double sy = used_height / (double(v.bottom) - v.top);
    for (int i = 0; i < projected_point_count; ++i) {
        surface_points[i].x = int32_t((projected_points[2 * i] - double(v.left)) * sx);
        surface_points[i].y = int32_t((projected_points[2 * i + 1] - double(v.top)) * sy);
    }
}

void draw_pieces(Canvas& canvas, PieceColourFn colour, OutlineMode mode)
{
    int sector = -1, band = 0;
    Colour previous = NO_COLOUR;
    const DevicePoint* cursor = surface_points;
    // without a pen of their own, boundaries are edged with the black pen every canvas starts with
    if (mode == OUTLINE_BOUNDARIES) select_pen(canvas, BLACK);
    for (int i = 0; i < projected_list_length; i += 2) {
        const int polygon = projected_list[i];
        const int count = projected_list[i + 1];
        if (polygon == 0 && ++sector == SECTOR_COUNT) {
            sector = 0;
            ++band;
        }
        if (count == 0) continue;
        const Colour c = colour(polygon, sector, band);
        if (c != previous) {   // consecutive pieces of one colour share brush and pen
            select_brush(canvas, c);
            if (mode != OUTLINE_BOUNDARIES) select_pen(canvas, c);
            previous = c;
        }
        draw_polygon(canvas, cursor, count);
        cursor += count;
    }
    select_brush(canvas, NO_COLOUR);
    select_pen(canvas, BLACK);
    if (mode != OUTLINE_CELL_FRAMES) return;
    cursor = surface_points;
    for (int i = 0; i < projected_list_length; i += 2) {
        const int count = projected_list[i + 1];
        if (projected_list[i] == 0 && count > 0) draw_polygon(canvas, cursor, FRAME_POINT_COUNT);
        cursor += count;
    }
}

Colour picking_colour(int polygon, int, int)
{
    if (polygon == 0) return BLACK;
    return BLACK + uint32_t(polygons[polygon].country & 0xFF) * 0x010101u;
}

DevicePoint client_to_surface(unsigned x, unsigned y, int client_width, int client_height, int used_width,
                              int used_height)
{
    return DevicePoint{int32_t(double(x) / client_width * used_width),
                       int32_t(double(y) / client_height * used_height)};
}

int code_of_pixel(Colour pixel)
{
    if (pixel == NO_COLOUR) return 0;   // outside the surface: no country
    return int(pixel & 0xFF);
}

Colour neutral_colour(int polygon, int, int)
{
    if (polygon == 0) return SEA_COLOUR;
    const uint32_t code = uint32_t(polygons[polygon].country);
    // a light tone per code, so that neighbours can be told apart
    const uint32_t r = 0xD0 + (code * 7) % 0x28, g = 0xC8 + (code * 13) % 0x30, b = 0xB0 + (code * 5) % 0x28;
    return 0x02000000u | (b << 16) | (g << 8) | r;
}
