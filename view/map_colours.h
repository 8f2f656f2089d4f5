// view/map_colours.h: the colour functions every map surface is drawn with, and the colours
// around the pieces. A colour function reads the decoded polygons to learn a piece's country.
#pragma once
#include "platform/draw.h"

const Colour BACKGROUND_COLOUR = 0x02808000u;   // dark teal where the projection covers nothing

// Picking: the sea black, every other piece the grey whose level is its country code.
Colour picking_colour(int polygon, int sector, int band);

// The country code a picking pixel carries; 0 for the sea and for a pixel outside the surface.
int code_of_pixel(Colour pixel);
