// stats/time_zones.h: time-zone colour indices, per country and per piece of the multi-zone
// countries. An index is a UTC offset in quarter hours modulo 32 (its low five bits).
#pragma once
#include "stats/colour_schemes.h"

const int ZONE_COUNT = 32;

// The colours of each time-zone index: land, selected land, sea.
enum ZoneSlot { ZONE_LAND, ZONE_SELECTED_LAND, ZONE_SEA, ZONE_SLOT_COUNT };
struct ZonePalette {
    Colour colours[ZONE_COUNT][ZONE_SLOT_COUNT];
};

// Hue index / 32; land and selected land light and full, the sea dark.
void fill_zone_palette(ZonePalette& palette);

// The colour index of an offset of quarters quarter hours (any sign).
inline int zone_index(int quarters) { return quarters & (ZONE_COUNT - 1); }

// True for the nine countries whose pieces are coloured one by one (Antarctica, Australia,
// Brazil, Canada, the United Kingdom, Indonesia, Kazakhstan, Russia, the United States).
bool has_several_zones(int country);

// The colour index of a piece in sector 0..23 and band 0..5 of country or region code (0: the
// sea). Codes without a rule of their own get the mean solar time of the sector's middle.
int zone_of_piece(int sector, int code, int band);
