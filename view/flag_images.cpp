// view/flag_images.cpp: one small flag for the datasheet, through the box average that every
// back end shares (GDI's own HALFTONE stretch does not average everywhere).
#include "view/flag_images.h"
#include "flags/flags.h"

void render_flag_image(Canvas& large, Canvas& small, int code)
{
    fill_rect(large, DeviceRect{0, 0, FLAG_CANVAS_WIDTH, FLAG_CANVAS_HEIGHT}, EMPTY_FLAG_COLOUR);
    draw_flag(large, FLAG_CANVAS_WIDTH, FLAG_CANVAS_HEIGHT, code);
    shrink_canvas(large, FLAG_CANVAS_WIDTH, FLAG_CANVAS_HEIGHT, small, FLAG_IMAGE_WIDTH, FLAG_IMAGE_HEIGHT);
}
