// view/map_paint.h: whole pictures of the projected map, the same in the program's window and in
// orbily-render. Points are converted into one static buffer, so paints take turns.
#pragma once
#include "geo/outlines.h"
#include "view/map_drawing.h"

// The map as the window shows it, on a width x height surface: the background, then every piece
// in the colouring's colour, edged as mode says, with the view filling the surface.
void paint_map(Canvas& canvas, int width, int height, const ProjectedMap& map, const MapView& view,
               const PieceColouring& colouring, OutlineMode mode);

// The picking surface: black, then every piece in the picking grey of its country in polygons,
// without edges.
void paint_picking_map(Canvas& canvas, int width, int height, const ProjectedMap& map, const MapView& view,
                       const PolygonEntry* polygons);

// The whole map as vectors at METAFILE_UNITS per map unit, without a background: the metafile.
void paint_whole_map(Canvas& canvas, const ProjectedMap& map, const PieceColouring& colouring, OutlineMode mode);
