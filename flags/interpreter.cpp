// flags/interpreter.cpp: the main loop over a description and the shape commands. Every
// command consumes the same bytes with or without a canvas; only drawing depends on it.
#include "flags/flags.h"
#include "flags/primitives.h"
#include "flags/transform_commands.h"

namespace {

// The field's edges and corners in flag units.
const int FIELD = 120;

double aspect_of(int byte)
{
    // from 32:39 (byte 0) to 28:11 (byte 255)
    return 0.8205128205128205 + byte * 0.006764477352712647;
}

// Opcode 0: sub-commands with fixed operands.
bool special_command(FlagContext& ctx, int n)
{
    switch (n) {
    case 1:
        canton_command(ctx);
        return true;
    case 2: {   // RightTriangle: the right angle sits where the box's corners say
        const int x1 = read_signed(ctx), y1 = read_signed(ctx);
        const int x2 = read_signed(ctx), y2 = read_signed(ctx);
        const FlagPoint right_angle = ((y1 < y2) != (x2 < x1)) ? FlagPoint{x1, y1} : FlagPoint{x2, y2};
        const FlagPoint corners[3] = {{x1, y2}, {x2, y1}, right_angle};
        select_colour(ctx);
        fill_polygon(ctx, corners, 3, 1.0);
        return true;
    }
    case 3: {   // Rectangle: a quadrilateral, so it turns inside a Rotate
        const int x1 = read_signed(ctx), y1 = read_signed(ctx);
        const int x2 = read_signed(ctx), y2 = read_signed(ctx);
        const FlagPoint corners[4] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
        select_colour(ctx);
        fill_polygon(ctx, corners, 4, 1.0);
        return true;
    }
    case 4:
        sub_frame_command(ctx);
        return true;
    default:   // End, or a byte that never occurs: the description ends here
        return false;
    }
}

void cross(FlagContext& ctx, int colour)
{
    const int w = read_signed(ctx), x = read_signed(ctx);
    const int h = int(w * ctx.transform.aspect + 0.5);   // equal arm widths on the device
    fill_rect(ctx, colour, x - w, -FIELD, x + w, FIELD);
    fill_rect(ctx, colour, -FIELD, -h, FIELD, h);
}

void diagonals(FlagContext& ctx, int which)
{
    const int w = read_signed(ctx);
    select_colour(ctx);
    if (which & 1) diagonal_band(ctx, w, -1);   // top-left to bottom-right
    if (which & 2) diagonal_band(ctx, w, +1);   // bottom-left to top-right
}

// Operands: nibbles, low first: the stripe count, then n colours, padded to whole bytes.
void stripe_command(FlagContext& ctx, bool horizontal, int n)
{
    int nibbles[16];
    const int bytes = n / 2 + 1;
    for (int i = 0; i < bytes; ++i) {
        const int byte = read_unsigned(ctx);
        nibbles[2 * i] = byte & 15;
        nibbles[2 * i + 1] = byte >> 4;
    }
    stripes(ctx, horizontal, nibbles[0], nibbles + 1, n);
}

void star(FlagContext& ctx, int n)
{
    const int r1 = read_signed(ctx), r2 = read_signed(ctx), t = read_signed(ctx);
    const int x = read_signed(ctx), y = read_signed(ctx);
    star_polygon(ctx, r1, r2, t * 0.02617993877991494, n + 4, x, y);   // t steps of 1.5°
}

void five_point_star(FlagContext& ctx, int n)
{
    const int r = n != 0 ? n + 1 : read_signed(ctx);
    const int x = read_signed(ctx), y = read_signed(ctx);
    star_polygon(ctx, r, 0.0, 0.0, 5, x, y);
}

void disc_command(FlagContext& ctx, int n)
{
    const int x = read_signed(ctx), y = read_signed(ctx);
    const int r = n != 0 ? n : read_signed(ctx);
    disc(ctx, x, y, r);
}

void path_command(FlagContext& ctx, int n)
{
    const int x0 = read_signed(ctx), y0 = read_signed(ctx);
    path_shape(ctx, n != 0, x0, y0);
}

}   // namespace

bool step_flag(FlagContext& ctx)
{
    const int byte = read_unsigned(ctx);
    const int n = byte & 15;
    switch (byte >> 4) {
    case 0x0: return special_command(ctx, n);
    case 0x1: {
        const int y1 = read_signed(ctx), y2 = read_signed(ctx);
        fill_rect(ctx, n, -FIELD, y1, FIELD, y2);
        return true;
    }
    case 0x2: {
        const int x1 = read_signed(ctx), x2 = read_signed(ctx);
        fill_rect(ctx, n, x1, -FIELD, x2, FIELD);
        return true;
    }
    case 0x3: disc_command(ctx, n); return true;
    case 0x4: ctx.current_colour = n; return true;
    case 0x5: cross(ctx, n); return true;
    case 0x6: path_command(ctx, n); return true;
    case 0x7: diagonals(ctx, n); return true;
    case 0x8: fill_rect(ctx, n, -FIELD, -FIELD, FIELD, FIELD); return true;
    case 0x9: return rotate_command(ctx, n);
    case 0xA: return scale_command(ctx, n);
    case 0xB: return repeat_command(ctx, n);
    case 0xC: star(ctx, n); return true;
    case 0xD: five_point_star(ctx, n); return true;
    case 0xE: stripe_command(ctx, true, n); return true;
    default: stripe_command(ctx, false, n); return true;
    }
}

void run_flag(FlagContext& ctx)
{
    ctx.transform.aspect = aspect_of(read_unsigned(ctx));
    ctx.current_colour = FLAG_WHITE;
    ctx.selected_colour = -1;
    while (step_flag(ctx)) {}
    if (ctx.canvas) release_pen_and_brush(*ctx.canvas);   // no flag colour stays selected
}

double flag_aspect(int index)
{
    return aspect_of(*flag_index.start[index]);
}
