// platform/pixel_buffer.h: a 32-bit pixel image in memory, the layout of a top-down DIB section and
// of a Cairo image surface, and the conversions between its pixels and Colour values.
#pragma once
#include <stdint.h>
#include "platform/draw.h"

// Pixels are 0xAARRGGBB words (blue in the lowest byte in memory); stride counts pixels, not bytes.
struct PixelBuffer {
    uint32_t* pixels;
    int width, height;
    int stride;
};

// 0x02BBGGRR to an opaque pixel; the palette-relative top byte is ignored.
inline uint32_t pixel_of_colour(Colour colour)
{
    return 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}

// A pixel back to 0x00BBGGRR, what GetPixel returns.
inline Colour colour_of_pixel(uint32_t pixel)
{
    return (pixel & 0xFFu) << 16 | (pixel & 0xFF00u) | (pixel >> 16 & 0xFFu);
}
