// view/map_drawing.cpp: the one routine that draws the projected map, and its conversions.
// Pieces come in cell order with each cell's sea frame first, so counting frames names the cell.
#include "view/map_drawing.h"
#include "geo/cells.h"

int used_extent(int client, int screen)
{
    if (client <= 0 || client > screen) return screen;
    return client * (screen / client);
}

void map_points_to_surface(const ProjectedMap& map, const MapView& view, int used_width, int used_height,
                           DevicePoint* surface_points)
{
    const double sx = used_width / (double(view.right) - view.left);
    const double sy = used_height / (double(view.bottom) - view.top);
    for (int i = 0; i < map.point_count; ++i) {
        surface_points[i].x = int32_t((map.points[2 * i] - double(view.left)) * sx);
        surface_points[i].y = int32_t((map.points[2 * i + 1] - double(view.top)) * sy);
    }
}

void map_points_to_metafile(const ProjectedMap& map, DevicePoint* surface_points)
{
    for (int i = 0; i < map.point_count; ++i) {
        surface_points[i].x = int32_t(map.points[2 * i] * METAFILE_UNITS);
        surface_points[i].y = int32_t(map.points[2 * i + 1] * METAFILE_UNITS);
    }
}

void draw_pieces(Canvas& canvas, const ProjectedMap& map, const DevicePoint* surface_points,
                 const PieceColouring& colouring, OutlineMode mode)
{
    int sector = -1, band = 0;
    Colour previous = NO_COLOUR;
    const DevicePoint* cursor = surface_points;
    // without a pen of their own, boundaries are edged with the black pen every canvas starts with
    if (mode == OUTLINE_BOUNDARIES) select_pen(canvas, BLACK);
    for (int i = 0; i < map.list_length; i += 2) {
        const int polygon = map.list[i];
        const int count = map.list[i + 1];
        if (polygon == 0 && ++sector == SECTOR_COUNT) {
            sector = 0;
            ++band;
        }
        if (count == 0) continue;
        const Colour c = colouring.colour(colouring.context, polygon, sector, band);
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
    for (int i = 0; i < map.list_length; i += 2) {
        const int count = map.list[i + 1];
        if (map.list[i] == 0 && count > 0) draw_polygon(canvas, cursor, FRAME_POINT_COUNT);
        cursor += count;
    }
}

DevicePoint client_to_surface(unsigned x, unsigned y, int client_width, int client_height, int used_width,
                              int used_height)
{
    return DevicePoint{int32_t(double(x) / client_width * used_width),
                       int32_t(double(y) / client_height * used_height)};
}
