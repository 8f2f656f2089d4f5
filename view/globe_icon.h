// view/globe_icon.h: the program's icon, a globe drawn from the outlines: green land on blue sea
// inside the disc, transparent outside it. Drawn once at start-up by a projection pass of its own.
#pragma once
#include "platform/draw.h"
#include "projection/projection.h"

const int ICON_SIZE = 256;
const int ICON_PROJECTION = 32;   // "Oblique Orthographic", whose globe fills map x 90..270
const Colour ICON_SEA = 0x00FF0000u;
const Colour ICON_LAND = 0x0000FF00u;

// Converts every point of the map so that map x 90..270 and y 0..180 become 0..254: 17/12
// pixels per map unit rounded down to single precision, so that 180 x 17/12 stays just below 255.
void map_points_to_icon(const ProjectedMap& map, DevicePoint* points);

// The mask: white (transparent) over the whole icon, then black (opaque) wherever a piece lies.
void paint_icon_mask(Canvas& canvas, const ProjectedMap& map);
// The picture: black, then the sea blue and the land green.
void paint_icon_colours(Canvas& canvas, const ProjectedMap& map);
