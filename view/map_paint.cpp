// view/map_paint.cpp: the map's pictures, each drawn by draw_pieces from freshly converted points.
#include "view/map_paint.h"
#include "view/map_colours.h"

static DevicePoint surface_points[PROJECTED_POINT_CAPACITY];

void paint_map(Canvas& canvas, int width, int height, const ProjectedMap& map, const MapView& view,
               const PieceColouring& colouring, OutlineMode mode)
{
    fill_rect(canvas, DeviceRect{0, 0, width, height}, BACKGROUND_COLOUR);
    map_points_to_surface(map, view, width, height, surface_points);
    draw_pieces(canvas, map, surface_points, colouring, mode);
}

void paint_picking_map(Canvas& canvas, int width, int height, const ProjectedMap& map, const MapView& view,
                       const PolygonEntry* polygons)
{
    fill_rect(canvas, DeviceRect{0, 0, width, height}, BLACK);
    map_points_to_surface(map, view, width, height, surface_points);
    draw_pieces(canvas, map, surface_points, PieceColouring{picking_colour, polygons}, OUTLINE_PLAIN);
}

void paint_whole_map(Canvas& canvas, const ProjectedMap& map, const PieceColouring& colouring, OutlineMode mode)
{
    map_points_to_metafile(map, surface_points);
    draw_pieces(canvas, map, surface_points, colouring, mode);
}
