// view/flag_images.h: the datasheet's small flags. Each is drawn FLAG_IMAGE_SCALE times larger
// and averaged down, so thin stripes and small emblems still tint their pixels.
#pragma once
#include "platform/draw.h"

const int FLAG_IMAGE_WIDTH = 26;
const int FLAG_IMAGE_HEIGHT = 13;
const int FLAG_IMAGE_SCALE = 32;   // the large canvas is 832 x 416
const int FLAG_CANVAS_WIDTH = FLAG_IMAGE_WIDTH * FLAG_IMAGE_SCALE;
const int FLAG_CANVAS_HEIGHT = FLAG_IMAGE_HEIGHT * FLAG_IMAGE_SCALE;
const Colour EMPTY_FLAG_COLOUR = 0x02FFFFFFu;   // where a description draws nothing

// Draws the flag of country code 1..214 over the whole of large (at least FLAG_CANVAS_WIDTH x
// FLAG_CANVAS_HEIGHT, cleared first so that no earlier flag shows through) and shrinks it by
// averaging into the top-left FLAG_IMAGE_WIDTH x FLAG_IMAGE_HEIGHT of small. Needs the flag index.
void render_flag_image(Canvas& large, Canvas& small, int code);
