// view/map_paint.h: whole pictures of the projected map, the same in the program's window and in
// orbily-render. Points are converted into one static buffer, so paints take turns.
#pragma once
#include "view/map_drawing.h"

// The map as the window shows it, on a width x height surface: the background, then every piece
// in the colour function's colour, edged as mode says, with the view filling the surface.
void paint_map(Canvas& canvas, int width, int height, const ProjectedMap& map, const MapView& view,
               PieceColourFn colour, OutlineMode mode);

// The picking surface: black, then every piece in its picking grey without edges.
void paint_picking_map(Canvas& canvas, int width, int height, const ProjectedMap& map, const MapView& view);

// The whole map as vectors at METAFILE_UNITS per map unit, without a background: the metafile.
void paint_whole_map(Canvas& canvas, const ProjectedMap& map, PieceColourFn colour, OutlineMode mode);
