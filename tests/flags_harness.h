// tests/flags_harness.h: runs flag descriptions given as bytes, with and without a canvas,
// and reads back what they drew.
#pragma once
#include <vector>
#include "flags/flag_context.h"
#include "flags/flags.h"
#include "flags/primitives.h"
#include "platform/cairo_draw.h"

typedef std::vector<unsigned char> Bytes;

const Colour BACKGROUND = 0x00808000;   // teal: no flag colour
const unsigned char SQUARE_ASPECT = 26;   // 0.99639, near enough square

// A description: the aspect byte, the commands, End. Built in place: growing a one-byte vector
// by insert makes GCC warn about a read it cannot rule out.
inline Bytes described(const Bytes& commands, unsigned char aspect = SQUARE_ASPECT)
{
    Bytes d(commands.size() + 2, 0x00);
    d[0] = aspect;
    for (size_t i = 0; i < commands.size(); ++i) d[i + 1] = commands[i];
    return d;
}

// The palette colour i as read_pixel reports it.
inline Colour palette(int i) { return colour_brush(i) & 0x00FFFFFFu; }

// How many bytes run_flag consumes from the start of description, without a canvas.
inline int measured_size(const Bytes& description)
{
    FlagContext ctx = {};
    ctx.cursor = description.data();
    run_flag(ctx);
    return int(ctx.cursor - description.data());
}

// A canvas of the flag's size, or larger to see what the flag leaves alone, on the background.
struct FlagPicture {
    Canvas canvas = {};
    int consumed = 0;   // bytes run_flag consumed while drawing

    FlagPicture(int width, int height, int canvas_width = 0, int canvas_height = 0)
    {
        create_image_canvas(canvas, CAIRO_FORMAT_RGB24, canvas_width ? canvas_width : width,
                            canvas_height ? canvas_height : height);
        fill_rect(canvas, {0, 0, canvas.image.width, canvas.image.height}, BACKGROUND);
        this->width = width;
        this->height = height;
    }
    ~FlagPicture() { close_canvas(canvas); }

    FlagPicture& draw(const Bytes& description)
    {
        FlagContext ctx = device_context(canvas, width, height, description.data());
        run_flag(ctx);
        consumed = int(ctx.cursor - description.data());
        return *this;
    }
    FlagPicture& draw_index(int index)
    {
        draw_flag(canvas, width, height, index);
        return *this;
    }
    Colour at(int x, int y) { return read_pixel(canvas, x, y); }
    // The device pixel of flag point (x, y).
    DevicePoint pixel_of(double x, double y)
    {
        FlagContext ctx = device_context(canvas, width, height, nullptr);
        return to_device(ctx, x, y);
    }
    Colour at_flag(double x, double y)
    {
        const DevicePoint p = pixel_of(x, y);
        return at(p.x, p.y);
    }
    int count(Colour colour)
    {
        int n = 0;
        for (int y = 0; y < canvas.image.height; ++y)
            for (int x = 0; x < canvas.image.width; ++x) n += at(x, y) == colour;
        return n;
    }

    int width, height;
};

// The bytes of description index in the embedded blob, found by a measuring run.
inline Bytes embedded_description(int index)
{
    build_flag_index();
    FlagContext ctx = {};
    ctx.cursor = flag_index.start[index];
    run_flag(ctx);
    return Bytes(flag_index.start[index], ctx.cursor);
}
