// flags/draw_flag.cpp: one flag over a rectangle of a canvas.
#include "flags/flags.h"
#include "flags/flag_context.h"

FlagContext device_context(Canvas& canvas, int width, int height, const unsigned char* description)
{
    FlagContext ctx = {};
    ctx.canvas = &canvas;
    ctx.cursor = description;
    // x = -120 maps to 0 and 120 to width, y = 120 to 0 and -120 to height; the extra half
    // pixel in the offsets makes the truncation of to_device round over the field.
    ctx.transform.x_scale = width * 0.004166666666666667;     // 1/240
    ctx.transform.y_scale = height * -0.004166666666666667;
    ctx.transform.x_offset = (width + 1) * 0.5;
    ctx.transform.y_offset = (height + 1) * 0.5;
    return ctx;
}

void draw_flag(Canvas& canvas, int width, int height, int index)
{
    FlagContext ctx = device_context(canvas, width, height, flag_index.start[index]);
    run_flag(ctx);
}
