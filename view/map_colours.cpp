// view/map_colours.cpp: the picking greys and the codes they carry.
#include "view/map_colours.h"
#include "geo/outlines.h"
#include "view/map_drawing.h"

Colour picking_colour(int polygon, int, int)
{
    if (polygon == 0) return BLACK;
    return BLACK + uint32_t(polygons[polygon].country & 0xFF) * 0x010101u;
}

int code_of_pixel(Colour pixel)
{
    if (pixel == NO_COLOUR) return 0;   // outside the surface: no country
    return int(pixel & 0xFF);
}
