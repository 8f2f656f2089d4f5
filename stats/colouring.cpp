// stats/colouring.cpp: the colour tables of one choice and the colour function that reads them.
// The tables are rebuilt whole by every colour_countries; country_colour only indexes them.
#include "stats/colouring.h"
#include "geo/countries.h"

ListEnabling enabled_lists(const ColouringChoice& choice)
{
    const bool statistic_scheme = choice.scheme > SCHEME_TIME_ZONE;
    const bool ranked = statistic_scheme && choice.statistic > 0;
    return ListEnabling{statistic_scheme, ranked, ranked};
}

// Political and time-zone colours, one pair per country.
static void colour_by_country(int scheme, const CountryStats* stats, MapColouring& colouring)
{
    for (int code = 1; code <= COUNTRY_COUNT; ++code) {
        const CountryStats& country = stats[code - 1];
        ColourPair& pair = colouring.countries[code];
        if (scheme == SCHEME_POLITICAL) {
            pair = political_colours(country.political_class);
        } else if (has_several_zones(code)) {
            pair = ColourPair{BY_TIME_ZONE, BY_TIME_ZONE};
        } else {
            const Colour* zone = colouring.zones.colours[zone_index(country.zone_quarters)];
            pair = ColourPair{zone[ZONE_LAND], zone[ZONE_SELECTED_LAND]};
        }
    }
}

// A statistic scheme: the ramp colour of each ranked country's shade.
static void colour_by_statistic(int scheme, const CountryStats* stats, MapColouring& colouring)
{
    const ColourPair no_value = scheme == SCHEME_GREY_SCALE ? GREY_SCALE_NO_VALUE_COLOURS : NO_VALUE_COLOURS;
    for (int code = 1; code <= COUNTRY_COUNT; ++code) {
        const CountryStats& country = stats[code - 1];
        colouring.countries[code] = country.rank == 0 ? no_value : statistic_colours(scheme, country.shade);
    }
}

void colour_countries(const ColouringChoice& choice, CountryStats* stats, MapColouring& colouring)
{
    compute_statistic(stats, choice.statistic - 1, choice.divisor - 1, choice.mode, colouring.ranking);
    build_colour_tables(choice.scheme, stats, colouring);
}

void build_colour_tables(int scheme, const CountryStats* stats, MapColouring& colouring)
{
    ColourPair& sea = colouring.countries[0];
    sea = ColourPair{PLAIN_SEA_COLOUR, PLAIN_SEA_COLOUR};
    if (scheme == SCHEME_TIME_ZONE) {
        fill_zone_palette(colouring.zones);
        sea = ColourPair{BY_TIME_ZONE, BY_TIME_ZONE};
    }
    if (scheme <= SCHEME_TIME_ZONE) colour_by_country(scheme, stats, colouring);
    else colour_by_statistic(scheme, stats, colouring);
}

Colour country_colour(const MapColouring& colouring, const PolygonEntry* polygons, int polygon, int sector,
                      int band)
{
    if (polygon == 0) {
        const Colour sea = colouring.countries[0].normal;
        return sea != BY_TIME_ZONE ? sea : colouring.zones.colours[zone_of_piece(sector, 0, band)][ZONE_SEA];
    }
    const int code = polygons[polygon].country;
    const int country = country_of(code);
    const int slot = colouring.selected_countries[country] ? ZONE_SELECTED_LAND : ZONE_LAND;
    const ColourPair& pair = colouring.countries[country];
    const Colour colour = slot == ZONE_SELECTED_LAND ? pair.selected : pair.normal;
    // the region's own code decides its zone: Alaska is not Washington
    return colour != BY_TIME_ZONE ? colour : colouring.zones.colours[zone_of_piece(sector, code, band)][slot];
}
