// flags/path_shape.cpp: outlines of lines and Bezier curves, optionally mirrored.
// Elements are always decoded, so measuring mode consumes the same bytes as drawing mode.
#include "flags/primitives.h"
#include "platform/core_assert.h"

namespace {

const int PATH_END = 0x80;
const int LINE_MODE = 0x81, SMOOTH_MODE = 0x82, CURVE_MODE = 0x83;
const int PATH_CAPACITY = 64;   // the start point and 63 elements

struct PathElement {
    bool curve;
    FlagPoint end, c1, c2;   // c1 is relative to the previous end, c2 to this end
};

struct FlagPath {
    FlagPoint start;
    PathElement elements[PATH_CAPACITY - 1];
    int count;
};

FlagPath path;   // one path at a time; a Canton never starts inside a path

PathElement read_element(FlagContext& ctx, int mode, FlagPoint previous_c2)
{
    PathElement e = {mode != LINE_MODE, {0, 0}, {0, 0}, {0, 0}};
    if (mode == CURVE_MODE) {
        e.c1.x = read_signed(ctx);
        const int v = read_unsigned(ctx) << 8 | read_unsigned(ctx);
        e.c1.y = (v >> 10) - 15;
        e.c2 = {((v >> 5) & 31) - 15, (v & 31) - 15};
    } else if (mode == SMOOTH_MODE) {
        e.c1 = {-previous_c2.x, -previous_c2.y};   // joins the curve before without a corner
        e.c2.x = read_signed(ctx);
        e.c2.y = read_signed(ctx);
    }
    e.end.x = read_signed(ctx);
    e.end.y = read_signed(ctx);
    return e;
}

// Reads elements up to and including the closing 0x80. The first byte after the start point
// is never taken as the end.
void decode_path(FlagContext& ctx)
{
    int mode = LINE_MODE;
    FlagPoint previous_c2 = {0, 0};
    path.count = 0;
    do {
        const int byte = *ctx.cursor;
        if (byte >= LINE_MODE && byte <= CURVE_MODE) {
            mode = byte;
            ++ctx.cursor;
            continue;
        }
        const PathElement e = read_element(ctx, mode, previous_c2);
        previous_c2 = e.c2;
        CORE_ASSERT(path.count < PATH_CAPACITY - 1);
        if (path.count < PATH_CAPACITY - 1) path.elements[path.count++] = e;
    } while (*ctx.cursor != PATH_END);
    ++ctx.cursor;
}

FlagPoint plus(FlagPoint a, FlagPoint b) { return {a.x + b.x, a.y + b.y}; }

DevicePoint device(const FlagContext& ctx, FlagPoint p) { return to_device(ctx, p.x, p.y); }

FlagPoint end_before(int j) { return j == 0 ? path.start : path.elements[j - 1].end; }

void trace_forward(FlagContext& ctx)
{
    for (int j = 0; j < path.count; ++j) {
        const PathElement& e = path.elements[j];
        if (e.curve)
            path_bezier_to(*ctx.canvas, device(ctx, plus(end_before(j), e.c1)),
                           device(ctx, plus(e.end, e.c2)), device(ctx, e.end));
        else
            path_line_to(*ctx.canvas, device(ctx, e.end));
    }
}

// Retraces the elements backwards, reflected about x = x0, from the current point onwards.
void trace_mirrored(FlagContext& ctx)
{
    const int x0 = path.start.x;
    auto mirrored = [&](FlagPoint p) { return device(ctx, {2 * x0 - p.x, p.y}); };
    for (int j = path.count - 1; j >= 0; --j) {
        const PathElement& e = path.elements[j];
        const FlagPoint from = end_before(j);
        if (e.curve)
            path_bezier_to(*ctx.canvas, mirrored(plus(e.end, e.c2)), mirrored(plus(from, e.c1)),
                           mirrored(from));
        else
            path_line_to(*ctx.canvas, mirrored(from));
    }
}

}   // namespace

void path_shape(FlagContext& ctx, bool mirror, int x0, int y0)
{
    path.start = {x0, y0};
    decode_path(ctx);
    if (!ctx.canvas) return;
    begin_path(*ctx.canvas);
    path_move_to(*ctx.canvas, device(ctx, path.start));
    trace_forward(ctx);
    if (mirror) trace_mirrored(ctx);
    select_colour(ctx);
    fill_path(*ctx.canvas);
}
