// view/map_colours.cpp: the picking greys and the codes they carry, and the map's own colours.
#include "view/map_colours.h"
#include "stats/colouring.h"
#include "view/map_drawing.h"

Colour picking_colour(const void* polygons, int polygon, int, int)
{
    if (polygon == 0) return BLACK;
    const PolygonEntry* table = static_cast<const PolygonEntry*>(polygons);
    return BLACK + uint32_t(table[polygon].country & 0xFF) * 0x010101u;
}

Colour map_piece_colour(const void* context, int polygon, int sector, int band)
{
    const MapColourContext& map = *static_cast<const MapColourContext*>(context);
    return country_colour(*map.colouring, map.polygons, polygon, sector, band);
}

int code_of_pixel(Colour pixel)
{
    if (pixel == NO_COLOUR) return 0;   // outside the surface: no country
    return int(pixel & 0xFF);
}
