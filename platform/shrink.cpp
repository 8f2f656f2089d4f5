// platform/shrink.cpp: box-average shrink of 32-bit pixels by whole factors.
// Pure integer arithmetic: the same input gives the same pixels in every build.
#include "platform/shrink.h"
#include "platform/core_assert.h"

// Blocks of up to this many pixels divide exactly by the reciprocal below.
static const int MAX_BLOCK_PIXELS = 4095;

int whole_factor(int size, int target)
{
    if (target <= 0 || size < target || size % target != 0) return 0;
    return size / target;
}

void shrink_pixels(const PixelBuffer& source, const PixelBuffer& destination, int kx, int ky)
{
    CORE_ASSERT(kx >= 1 && ky >= 1 && kx * ky <= MAX_BLOCK_PIXELS);
    CORE_ASSERT(source.width >= kx * destination.width && source.height >= ky * destination.height);
    const uint32_t n = uint32_t(kx * ky);
    // floor(x / n) = (x * inverse) >> 32 for every x <= 255 n + n / 2 when n <= 4095
    const uint64_t inverse = (uint64_t(1) << 32) / n + 1;
    const uint32_t half = n / 2;
    for (int y = 0; y < destination.height; ++y) {
        const uint32_t* block_row = source.pixels + y * ky * source.stride;
        uint32_t* out = destination.pixels + y * destination.stride;
        for (int x = 0; x < destination.width; ++x, block_row += kx) {
            uint32_t blue = half, green = half, red = half, alpha = half;
            const uint32_t* row = block_row;
            for (int j = 0; j < ky; ++j, row += source.stride) {
                for (int i = 0; i < kx; ++i) {
                    const uint32_t p = row[i];
                    blue += p & 0xFFu;
                    green += p >> 8 & 0xFFu;
                    red += p >> 16 & 0xFFu;
                    alpha += p >> 24;
                }
            }
            out[x] = uint32_t(blue * inverse >> 32) | uint32_t(green * inverse >> 32) << 8
                   | uint32_t(red * inverse >> 32) << 16 | uint32_t(alpha * inverse >> 32) << 24;
        }
    }
}
