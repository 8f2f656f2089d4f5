// app/map_drawing.h: the projected map on a drawing surface: converting map units to surface
// pixels, drawing every piece in the colour a colour function gives, and reading codes back.
#pragma once
#include "platform/draw.h"

// What the pieces are edged with: their own colour, plus black cell frames, or black borders.
enum OutlineMode { OUTLINE_PLAIN = 0, OUTLINE_CELL_FRAMES = 1, OUTLINE_BOUNDARIES = 2 };

// The colour of a piece from its polygon number, sector 0..23 and band 0..5.
typedef Colour (*PieceColourFn)(int polygon, int sector, int band);

const Colour BLACK = 0x02000000u;
const Colour SEA_COLOUR = 0x02C0C080u;

// The projected points converted for the surface, parallel to projected_points.
extern DevicePoint surface_points[];

// The largest whole multiple of the client extent that fits the screen extent, never more than
// the screen; a client extent of 0 or less gives the screen extent.
int used_extent(int client, int screen);

// Converts every projected point for the current view and a surface of used_width x used_height,
// truncating toward zero.
void map_points_to_surface(int used_width, int used_height);

// Draws the whole projected piece list (with points already in surface_points) on the canvas.
void draw_pieces(Canvas& canvas, PieceColourFn colour, OutlineMode mode);

// Picking: the sea black, every other piece the grey whose level is its country code.
Colour picking_colour(int polygon, int sector, int band);

// The pixel of a used_width x used_height surface under client point (x, y) of a client of
// client_width x client_height; x and y are the unsigned words of a mouse message.
DevicePoint client_to_surface(unsigned x, unsigned y, int client_width, int client_height, int used_width,
                              int used_height);

// The country code a picking pixel carries; 0 for the sea and for a pixel outside the surface.
int code_of_pixel(Colour pixel);

// Until the colourings exist: land by polygon code in a light neutral tone, the sea blue-grey.
Colour neutral_colour(int polygon, int sector, int band);
