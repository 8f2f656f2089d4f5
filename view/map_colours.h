// view/map_colours.h: the colour functions every map surface is drawn with, and the colours
// around the pieces. A colour function learns a piece's country from the polygon table it is given.
#pragma once
#include "platform/draw.h"

struct MapColouring;
struct PolygonEntry;

const Colour BACKGROUND_COLOUR = 0x02808000u;   // dark teal where the projection covers nothing

// Picking, whose context is the polygon table: the sea black, every other piece the grey whose
// level is its country code.
Colour picking_colour(const void* polygons, int polygon, int sector, int band);

// What the map's own colours read: the colouring, and the polygons that name each piece's country.
struct MapColourContext {
    const MapColouring* colouring;
    const PolygonEntry* polygons;
};
// The map's colour function, whose context is a MapColourContext: each piece in its country's
// colour, selected or not, or in its time zone's.
Colour map_piece_colour(const void* context, int polygon, int sector, int band);

// The country code a picking pixel carries; 0 for the sea and for a pixel outside the surface.
int code_of_pixel(Colour pixel);
