// stats/colour_schemes.h: the colour of a country under each of the nine colour schemes.
// Every colour carries the palette-relative flag 0x02 in its high byte.
#pragma once
#include "platform/draw.h"

// The items of the "Colours:" list, in list order.
enum ColourScheme {
    SCHEME_POLITICAL, SCHEME_TIME_ZONE, SCHEME_SPECTRUM, SCHEME_BLUE_TO_RED, SCHEME_GREEN_TO_MAGENTA,
    SCHEME_BROWN_TO_BLUE, SCHEME_RED_YELLOW_GREEN, SCHEME_GREEN_SCALE, SCHEME_GREY_SCALE,
    COLOUR_SCHEME_COUNT
};
// The items of the "Mode:" list: how a value becomes a position on the ramp.
enum ShadeMode { SHADE_STANDARD, SHADE_LOGARITHMIC, SHADE_RANKED, SHADE_MODE_COUNT };

// The list texts, zero-terminated one after the other and ended by an empty text.
extern const char COLOUR_SCHEME_NAMES[];
extern const char SHADE_MODE_NAMES[];

// A country's two colours: drawn normally, and drawn while its datasheet row is selected.
struct ColourPair {
    Colour normal;
    Colour selected;
};

// Colours of a statistic scheme for a country without a value.
const ColourPair NO_VALUE_COLOURS = {0x02202020u, 0x02404080u};             // dark grey, dull red
const ColourPair GREY_SCALE_NO_VALUE_COLOURS = {0x02202040u, 0x024040A0u};

// h, s, v in 0..1 to 0x02BBGGRR, each channel truncated toward zero from 0..255.
Colour hsv_colour(double h, double s, double v);

// "Political": political class 0..3 gives blue, green, yellow or red, light and full.
ColourPair political_colours(int political_class);

// A statistic scheme (SCHEME_SPECTRUM..SCHEME_GREY_SCALE) at ramp position shade 0..1.
ColourPair statistic_colours(int scheme, double shade);
