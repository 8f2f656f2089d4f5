// platform/shrink.h: the averaging shrink of a drawn surface by whole factors, the same in every
// back end, so that a map or flag drawn k times larger looks the same on every platform.
#pragma once
#include "platform/pixel_buffer.h"

// k when size is exactly k times target (k >= 1), else 0: the shrink factor, if it is a whole one.
int whole_factor(int size, int target);

// Shrinks source by kx across and ky down into the top-left destination.width x destination.height
// of destination: each destination pixel is the mean of a kx x ky block, every byte averaged on its
// own and rounded half up, (sum + n / 2) / n with n = kx * ky. Source must hold at least
// kx * destination.width by ky * destination.height pixels; kx and ky are 1 or more.
void shrink_pixels(const PixelBuffer& source, const PixelBuffer& destination, int kx, int ky);
