// view/map_colours.cpp: the picking greys and the neutral land tones.
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

Colour neutral_colour(int polygon, int, int)
{
    if (polygon == 0) return SEA_COLOUR;
    const uint32_t code = uint32_t(polygons[polygon].country);
    // a light tone per code, so that neighbours can be told apart
    const uint32_t r = 0xD0 + (code * 7) % 0x28, g = 0xC8 + (code * 13) % 0x30, b = 0xB0 + (code * 5) % 0x28;
    return 0x02000000u | (b << 16) | (g << 8) | r;
}
