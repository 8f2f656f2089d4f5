// stats/time_zones.cpp: the offsets of the multi-zone countries and their regions by sector
// (15 degrees of longitude from -180) and band (30 degrees of colatitude from the North Pole).
#include "stats/time_zones.h"

// Country and region codes with a rule of their own.
enum ZoneCode {
    ANTARCTICA = 9, AUSTRALIA = 12, BRAZIL = 27, CANADA = 33, UNITED_KINGDOM = 67, INDONESIA = 87,
    KAZAKHSTAN = 108, RUSSIA = 165, UNITED_STATES = 200, TASMANIA = 218, FALKLANDS = 224,
    NORTHERN_IRELAND = 225, KALININGRAD = 231, ALASKA = 236, HAWAII = 237
};

// Antarctica's stations, hours by sector
static const signed char ANTARCTIC_HOURS[24] = {12, 12, -6, -6, -6, -6, -4, -4, -4, -3, -3, 0,
                                                0, 3, 3, 6, 6, 7, 7, 8, 8, 10, 10, 12};

void fill_zone_palette(ZonePalette& palette)
{
    for (int z = 0; z < ZONE_COUNT; ++z) {
        const double hue = z * 0.03125;   // z / 32
        palette.colours[z][ZONE_LAND] = hsv_colour(hue, 0.25, 1.0);
        palette.colours[z][ZONE_SELECTED_LAND] = hsv_colour(hue, 1.0, 1.0);
        palette.colours[z][ZONE_SEA] = hsv_colour(hue, 0.25, 0.5);
    }
}

bool has_several_zones(int country)
{
    switch (country) {
    case ANTARCTICA: case AUSTRALIA: case BRAZIL: case CANADA: case UNITED_KINGDOM: case INDONESIA:
    case KAZAKHSTAN: case RUSSIA: case UNITED_STATES:
        return true;
    default:
        return false;
    }
}

// The offset in quarter hours.
static int quarters_of_piece(int s, int code, int b)
{
    switch (code) {
    case ANTARCTICA: return 4 * ANTARCTIC_HOURS[s];
    case AUSTRALIA: case TASMANIA: return s == 19 ? 32 : s == 20 ? 38 : 40;
    case BRAZIL: return s == 7 ? -16 : -12;
    case CANADA: case UNITED_STATES: return s == 2 ? -32 : s == 7 ? -20 : s == 8 ? -16 : 4 * s - 44;
    case UNITED_KINGDOM: case NORTHERN_IRELAND: return 0;
    case INDONESIA: return s == 20 ? 32 : s == 21 ? 36 : 28;
    case KAZAKHSTAN: return s == 15 ? 20 : 24;
    case RUSSIA:
        if (s == 13 || s == 15) return 16;
        if (s == 17) return 24 + 4 * b;
        if (s == 19) return 40 - 4 * b;
        if (s >= 22) return 44;
        return 4 * s - 40;
    case FALKLANDS: return -12;
    case KALININGRAD: return 12;
    case ALASKA: return -36;
    case HAWAII: return -40;
    default: return 4 * s - 46;   // s - 11.5 hours
    }
}

int zone_of_piece(int sector, int code, int band)
{
    return zone_index(quarters_of_piece(sector, code, band));
}
