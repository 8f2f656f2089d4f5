// flags/transform_commands.cpp: Rotate, Scale, Repeat, SubFrame and Canton. The transform is
// saved and restored as one unit; the cursor and the colours are never part of it.
#include "flags/transform_commands.h"
#include "flags/flags.h"
#include "platform/math.h"

// Copies turned by 360°·i/count about the frame's origin, in a frame where x is measured in
// y units, so turned shapes keep their proportions. Runs its copies in measuring mode too.
bool rotate_command(FlagContext& ctx, int n)
{
    const int count = n != 0 ? n : read_unsigned(ctx);
    const FlagTransform saved = ctx.transform;
    const double x0 = saved.x_scale / saved.aspect, y0 = saved.y_scale;
    ctx.transform.aspect = 1.0;
    const unsigned char* const object = ctx.cursor;
    bool going = true;
    for (int i = 0; i < count && going; ++i) {
        const double theta = i * (6.283185307179586 / count);
        ctx.transform.x_scale = x0 * cos_d(theta);
        ctx.transform.x_shear = -x0 * sin_d(theta);
        ctx.transform.y_shear = y0 * sin_d(theta);
        ctx.transform.y_scale = y0 * cos_d(theta);
        ctx.cursor = object;
        going = step_flag(ctx);
    }
    ctx.transform = saved;
    return going;
}

static bool draw_scaled(FlagContext& ctx, double fx, double fy)
{
    const FlagTransform saved = ctx.transform;
    ctx.transform.x_scale *= fx;
    ctx.transform.y_scale *= fy;
    const bool going = step_flag(ctx);
    ctx.transform = saved;
    return going;
}

// The following command with x factor n - 1 and y factor s/60; twice, the absolute factors
// first, when a factor is negative (a shape and its mirror image).
bool scale_command(FlagContext& ctx, int n)
{
    const int s = read_signed(ctx);
    if (!ctx.canvas) return true;   // the enclosing loop reads the following command
    const double fx = n - 1, fy = s * 0.016666666666666666;   // s/60
    if (fx < 0.0 || fy < 0.0) {
        const unsigned char* const object = ctx.cursor;
        if (!draw_scaled(ctx, abs_d(fx), abs_d(fy))) return false;
        ctx.cursor = object;
    }
    return draw_scaled(ctx, fx, fy);
}

// n copies of the following command (at least one), each shifted by (dx, dy) from the last.
bool repeat_command(FlagContext& ctx, int n)
{
    const int dx = read_signed(ctx), dy = read_signed(ctx);
    if (!ctx.canvas) return true;   // the enclosing loop reads the following command
    const double shift_x = dx * ctx.transform.x_scale, shift_y = dy * ctx.transform.y_scale;
    const FlagTransform saved = ctx.transform;
    const unsigned char* const object = ctx.cursor;
    bool going = step_flag(ctx);
    for (int copy = 2; copy <= n && going; ++copy) {
        ctx.transform.x_offset += shift_x;
        ctx.transform.y_offset += shift_y;
        ctx.cursor = object;
        going = step_flag(ctx);
    }
    ctx.transform = saved;
    return going;
}

// The rectangle (x1, y1)-(x2, y2) becomes the -120..120 field until the description ends or an
// enclosing command restores its saved transform. Shears stay as they are.
void sub_frame_command(FlagContext& ctx)
{
    const int x1 = read_signed(ctx), y1 = read_signed(ctx);
    const int x2 = read_signed(ctx), y2 = read_signed(ctx);
    if (!ctx.canvas) return;
    FlagTransform& t = ctx.transform;
    t.x_offset += t.x_scale * (x1 + x2) / 2.0;
    t.y_offset += t.y_scale * (y1 + y2) / 2.0;
    t.x_scale *= (x2 - x1) / 240.0;
    t.y_scale *= (y2 - y1) / 240.0;
    t.aspect *= double(x2 - x1) / (y2 - y1);
}

// The canton flag in the top-left quarter: halving scales and offsets about the device origin
// puts the field there. The copy ends with the stock pen and brush selected, so the outer
// context must select afresh.
void canton_command(FlagContext& ctx)
{
    if (!ctx.canvas || ctx.inside_canton) return;
    FlagContext canton = ctx;
    canton.inside_canton = true;
    canton.transform.x_scale *= 0.5;
    canton.transform.y_scale *= 0.5;
    canton.transform.x_offset *= 0.5;
    canton.transform.y_offset *= 0.5;
    canton.cursor = flag_index.start[CANTON_FLAG];
    run_flag(canton);
    ctx.selected_colour = -1;
}
