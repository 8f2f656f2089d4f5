// view/globe_icon.cpp: the icon's two images, drawn by draw_pieces like every map picture.
#include "view/globe_icon.h"
#include "view/map_drawing.h"

static const float ICON_SCALE = 1.4166666f;   // 17/12, bit pattern 0x3FB55555
static const DeviceRect ICON_RECT = {0, 0, ICON_SIZE, ICON_SIZE};
static const Colour WHITE = 0x00FFFFFFu;

static DevicePoint icon_points[PROJECTED_POINT_CAPACITY];

void map_points_to_icon(const ProjectedMap& map, DevicePoint* points)
{
    for (int i = 0; i < map.point_count; ++i) {
        // in double: in single precision 180 x scale would round up to 255
        points[i].x = int32_t((double(map.points[2 * i]) - 90.0) * ICON_SCALE);
        points[i].y = int32_t(double(map.points[2 * i + 1]) * ICON_SCALE);
    }
}

static Colour mask_colour(const void*, int, int, int) { return 0; }
static Colour globe_colour(const void*, int polygon, int, int) { return polygon == 0 ? ICON_SEA : ICON_LAND; }

void paint_icon_mask(Canvas& canvas, const ProjectedMap& map)
{
    fill_rect(canvas, ICON_RECT, WHITE);
    map_points_to_icon(map, icon_points);
    draw_pieces(canvas, map, icon_points, PieceColouring{mask_colour, nullptr}, OUTLINE_PLAIN);
}

void paint_icon_colours(Canvas& canvas, const ProjectedMap& map)
{
    fill_rect(canvas, ICON_RECT, 0);
    map_points_to_icon(map, icon_points);
    draw_pieces(canvas, map, icon_points, PieceColouring{globe_colour, nullptr}, OUTLINE_PLAIN);
}
