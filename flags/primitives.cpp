// flags/primitives.cpp: the transform, the colour selection and the straight-edged shapes.
// Selection only changes when the current colour differs from the selected one.
#include "flags/primitives.h"
#include "platform/core_assert.h"
#include "platform/math.h"

DevicePoint to_device(const FlagContext& ctx, double x, double y)
{
    const FlagTransform& t = ctx.transform;
    return {int32_t(t.x_scale * x + t.x_shear * y + t.x_offset),
            int32_t(t.y_shear * x + t.y_scale * y + t.y_offset)};
}

Colour colour_brush(int i)
{
    CORE_ASSERT(i >= 0 && i < FLAG_COLOUR_COUNT);
    const FlagRgb& c = FLAG_PALETTE[i];
    return 0x02000000u | Colour(c.blue) << 16 | Colour(c.green) << 8 | Colour(c.red);
}

void select_colour(FlagContext& ctx)
{
    if (!ctx.canvas || ctx.current_colour == ctx.selected_colour) return;
    select_brush(*ctx.canvas, colour_brush(ctx.current_colour));
    select_pen(*ctx.canvas, colour_brush(ctx.current_colour));
    ctx.selected_colour = ctx.current_colour;
}

void fill_rect(FlagContext& ctx, int colour, double x1, double y1, double x2, double y2)
{
    if (!ctx.canvas) return;
    const DevicePoint lower_left = to_device(ctx, x1, y1);
    const DevicePoint upper_right = to_device(ctx, x2, y2);
    fill_rect(*ctx.canvas, {lower_left.x, upper_right.y, upper_right.x, lower_left.y},
              colour_brush(colour));
}

void fill_polygon(FlagContext& ctx, const FlagPoint* points, int count, double x_factor)
{
    if (!ctx.canvas) return;
    DevicePoint device[8];   // the largest caller is the six-cornered diagonal band
    CORE_ASSERT(count <= 8);
    for (int i = 0; i < count; ++i) device[i] = to_device(ctx, x_factor * points[i].x, points[i].y);
    draw_polygon(*ctx.canvas, device, count);
}

void disc(FlagContext& ctx, int x, int y, int r)
{
    if (!ctx.canvas) return;
    const FlagTransform& t = ctx.transform;
    const DevicePoint centre = to_device(ctx, x, y);
    const double x_reach = t.x_scale * r / t.aspect, x_lean = t.x_shear * r;
    const double y_lean = t.y_shear * r / t.aspect, y_reach = t.y_scale * r;
    const int32_t rx = int32_t(sqrt_d(x_reach * x_reach + x_lean * x_lean) + 0.5);
    const int32_t ry = int32_t(sqrt_d(y_lean * y_lean + y_reach * y_reach) + 0.5);
    select_colour(ctx);
    draw_ellipse(*ctx.canvas, {centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry});
}

void star_polygon(FlagContext& ctx, double r1, double r2, double turn, int points, int x, int y)
{
    if (r2 == 0.0) r2 = r1 * 0.385;
    if (!ctx.canvas) return;
    DevicePoint vertices[40];   // 20 points at most
    CORE_ASSERT(points <= 20);
    for (int k = 0; k < 2 * points; ++k) {
        const double theta = turn + k * 3.141592653589793 / points;
        const double r = (k % 2 == 0) ? r1 : r2;
        vertices[k] = to_device(ctx, x + (r / ctx.transform.aspect) * sin_d(theta), y + r * cos_d(theta));
    }
    select_colour(ctx);
    draw_polygon(*ctx.canvas, vertices, 2 * points);
}

void diagonal_band(FlagContext& ctx, int w, int sign)
{
    const FlagPoint hexagon[6] = {{-120, -120}, {w - 120, -120}, {120, 120 - w},
                                  {120, 120},   {120 - w, 120},  {-120, w - 120}};
    fill_polygon(ctx, hexagon, 6, sign);
}

void stripes(FlagContext& ctx, bool horizontal, int k, const int* colours, int n)
{
    if (k == 0 || n == 0) return;   // no colours would leave nothing to cycle through
    const double w = 241.0 / k;     // one unit thicker than an even split: stripes overlap
    const double step = k > 1 ? (240.0 - w) / (k - 1) : 0.0;
    double position = horizontal ? 120.0 - w : -120.0;
    for (int i = 0; i < k; ++i) {
        if (horizontal) {
            fill_rect(ctx, colours[i % n], -120.0, position, 120.0, position + w);
            position -= step;
        } else {
            fill_rect(ctx, colours[i % n], position, -120.0, position + w, 120.0);
            position += step;
        }
    }
}
