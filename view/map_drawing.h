// view/map_drawing.h: the projected map on a drawing surface: converting map units to surface
// pixels and drawing every piece in the colour a colour function gives.
#pragma once
#include "platform/draw.h"
#include "projection/projection.h"
#include "view/map_view.h"

// What the pieces are edged with: their own colour, plus black cell frames, or black borders.
enum OutlineMode { OUTLINE_PLAIN = 0, OUTLINE_CELL_FRAMES = 1, OUTLINE_BOUNDARIES = 2 };

// The colour of a piece: colour(context, polygon number, sector 0..23, band 0..5), where context
// holds what the function reads (a polygon table, a colouring) and outlives the drawing.
struct PieceColouring {
    Colour (*colour)(const void* context, int polygon, int sector, int band);
    const void* context;
};

const Colour BLACK = 0x02000000u;
// Vector pictures of the whole map (the metafile): units per map unit, so that the frame
// becomes 32,760 x 16,380.
const int METAFILE_UNITS = 91;

// The largest whole multiple of the client extent that fits the screen extent, never more than
// the screen; a client extent of 0 or less gives the screen extent.
int used_extent(int client, int screen);

// Converts every point of the map for the view and a surface of used_width x used_height into
// surface_points (map.point_count entries), truncating toward zero.
void map_points_to_surface(const ProjectedMap& map, const MapView& view, int used_width, int used_height,
                           DevicePoint* surface_points);

// Converts every point of the map to METAFILE_UNITS per map unit, the whole frame in view.
void map_points_to_metafile(const ProjectedMap& map, DevicePoint* surface_points);

// Draws every piece of the map, whose points surface_points holds converted, on the canvas.
void draw_pieces(Canvas& canvas, const ProjectedMap& map, const DevicePoint* surface_points,
                 const PieceColouring& colouring, OutlineMode mode);

// The pixel of a used_width x used_height surface under client point (x, y) of a client of
// client_width x client_height; x and y are the unsigned words of a mouse message.
DevicePoint client_to_surface(unsigned x, unsigned y, int client_width, int client_height, int used_width,
                              int used_height);
