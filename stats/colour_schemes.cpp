// stats/colour_schemes.cpp: the nine colour schemes as hue, saturation and value.
// The ramp factors 0.866667, 0.666667 and 0.333333 are six-decimal numbers, not 13/15, 2/3, 1/3:
// the truncation to 0..255 shows the difference.
#include "stats/colour_schemes.h"
#include "platform/core_assert.h"
#include "platform/math.h"

const char COLOUR_SCHEME_NAMES[] =
    "Political\0Time Zone\0Spectrum\0Blue to Red\0Green to Magenta\0Brown to Blue\0"
    "Red Yellow Green\0Green Scale\0Grey Scale\0";
const char SHADE_MODE_NAMES[] = "Standard\0Logarithmic\0Ranked\0";

static Colour rgb(int red, int green, int blue)
{
    return 0x02000000u + uint32_t(blue) * 65536u + uint32_t(green) * 256u + uint32_t(red);
}

Colour hsv_colour(double h, double s, double v)
{
    const int value = int(v * 255);
    if (s == 0) return rgb(value, value, value);
    const double x = h * 6;
    const int i = int(x);
    const double f = (i & 1) ? x - i : (i + 1) - x;
    const int p = int((1 - s) * v * 255);
    const int q = int((1 - f * s) * v * 255);
    switch (i) {
    case 1: return rgb(q, value, p);
    case 2: return rgb(p, value, q);
    case 3: return rgb(p, q, value);
    case 4: return rgb(q, p, value);
    case 5: return rgb(value, p, q);
    default: return rgb(value, q, p);   // 0, and 6 when h is 1
    }
}

ColourPair political_colours(int political_class)
{
    const double hue = (4 >> political_class) * 0.16666666666666666;   // class 0..3: 4/6, 2/6, 1/6, 0
    return ColourPair{hsv_colour(hue, 0.25, 1.0), hsv_colour(hue, 1.0, 1.0)};
}

ColourPair statistic_colours(int scheme, double shade)
{
    const double s = shade;
    const double contrast = abs_d(2 * s - 1);   // saturation of the two-sided ramps, 0 in the middle
    switch (scheme) {
    case SCHEME_SPECTRUM:
        return ColourPair{hsv_colour(0.866667 * s, 0.5, 0.5), hsv_colour(0.866667 * s, 1, 1)};
    case SCHEME_BLUE_TO_RED:
        return ColourPair{hsv_colour(0.666667 * s, contrast, 0.5), hsv_colour(0.666667 * s, contrast, 1)};
    case SCHEME_GREEN_TO_MAGENTA: {
        const double h = s < 0.5 ? 0.333333 : 0.866667;
        return ColourPair{hsv_colour(h, contrast, 0.5), hsv_colour(h, contrast, 1)};
    }
    case SCHEME_BROWN_TO_BLUE: {
        const double h = s < 0.5 ? 0 : 0.5;
        return ColourPair{hsv_colour(h, contrast, 0.25 + 0.25 * s), hsv_colour(h, contrast, 0.75 + 0.25 * s)};
    }
    case SCHEME_RED_YELLOW_GREEN:
        return ColourPair{hsv_colour(s * 0.3333333333333333, 0.7, 0.7), hsv_colour(s * 0.3333333333333333, 1, 1)};
    case SCHEME_GREEN_SCALE:
        return ColourPair{hsv_colour(0.333333, s, 1), hsv_colour(0, s, 1)};
    default:
        CORE_ASSERT(scheme == SCHEME_GREY_SCALE);
        return ColourPair{hsv_colour(0, 0, (1 + s) / 2), hsv_colour(0, 1, (1 + s) / 2)};
    }
}
