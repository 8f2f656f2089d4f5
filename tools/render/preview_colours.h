// tools/render/preview_colours.h: the colours of `orbily-render preview`.
#pragma once
#include <cmath>
#include "platform/draw.h"

const Colour PREVIEW_SEA = 0x02493C0B;      // dark teal
const Colour PREVIEW_BORDER = 0x02202020;
const Colour PREVIEW_GRID = 0x02FFFFFF;

// Codes step round the hue circle by the golden ratio, so that neighbours seldom look alike;
// saturation 0.55, value 0.95.
inline Colour preview_colour(int code)
{
    const double hue = std::fmod(code * 0.6180339887, 1.0) * 6.0;
    const int sextant = int(hue);
    const double f = hue - sextant, v = 0.95, p = v * 0.45, q = v * (1.0 - 0.55 * f), t = v * (1.0 - 0.55 * (1.0 - f));
    const double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const double* c = rgb[sextant % 6];
    return 0x02000000u | unsigned(c[2] * 255) << 16 | unsigned(c[1] * 255) << 8 | unsigned(c[0] * 255);
}
