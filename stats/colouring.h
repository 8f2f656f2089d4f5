// stats/colouring.h: the map's colouring: the four lists' choice, which lists it enables, the
// colour tables it builds, and the colour of every piece. No window type: both programs use it.
#pragma once
#include <stdint.h>
#include "geo/outlines.h"
#include "stats/statistic_ranking.h"
#include "stats/time_zones.h"

// In a colour table: colour this piece by its own time zone.
const Colour BY_TIME_ZONE = 0xFFFFFFFFu;
// The sea under every scheme but "Time Zone".
const Colour PLAIN_SEA_COLOUR = 0x02C0C080u;

// The selections of the four lists. statistic and divisor are list items: 0 is "(None)", item i
// (1..94) the statistic of column 13 + i.
struct ColouringChoice {
    int scheme;      // "Colours:", a ColourScheme
    int mode;        // "Mode:", a ShadeMode
    int statistic;   // "Statistic:"
    int divisor;     // "Divisor:"
};
// The start-up choice: "Political", "Standard", no statistic, no divisor.
const ColouringChoice START_COLOURING = {SCHEME_POLITICAL, SHADE_STANDARD, 0, 0};

// Which lists a choice leaves enabled; "Colours:" always is. A disabled list keeps its selection.
struct ListEnabling {
    bool statistic;   // a statistic scheme
    bool mode;        // a statistic scheme with a statistic chosen
    bool divisor;     // the same
};
ListEnabling enabled_lists(const ColouringChoice& choice);

// Everything the map's colour function reads, and the ranking it was built from.
struct MapColouring {
    // A pair per country code 1..214; pair 0 is the sea, whose normal colour alone is used.
    // A colour may be BY_TIME_ZONE.
    ColourPair countries[COUNTRY_COUNT + 1];
    ZonePalette zones;                               // filled whenever "Time Zone" is chosen
    uint8_t selected_countries[COUNTRY_COUNT + 1];   // 1 while the code's datasheet row is selected
    DescendingValues ranking;                        // the present values of the last computation
};

// Recomputes current, rank, tied and shade of the 214 countries of stats (code order) from the
// choice, whatever its scheme, then rebuilds the colour tables of colouring for the scheme.
// selected_countries is left as it is.
void colour_countries(const ColouringChoice& choice, CountryStats* stats, MapColouring& colouring);

// The second half of colour_countries: the colour tables of scheme from the rank and shade that
// stats already hold, whichever figures they were computed from.
void build_colour_tables(int scheme, const CountryStats* stats, MapColouring& colouring);

// The map's colour for a piece of polygon (0: the sea, a cell frame) in sector 0..23 and band
// 0..5: the pair of the polygon's country (a region's parent) in its selected or normal colour,
// or the colour of the piece's own time zone where the table says BY_TIME_ZONE.
Colour country_colour(const MapColouring& colouring, const PolygonEntry* polygons, int polygon, int sector,
                      int band);
