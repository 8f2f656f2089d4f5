// flags/flag_context.h: the interpreter's state and the byte readers. A description is trusted:
// nothing here checks it, and the interpreter draws only when the context has a canvas.
//
// The description format (tools/flags/flags.txt is its readable source):
// 1. An aspect byte a: width/height = 32/39 + a·(28/11 - 32/39)/255.
// 2. Commands: high nibble the opcode, low nibble a parameter n; operands follow, signed bytes
//    unless said otherwise, in flag units (the field is -120..120 in x and y, y upwards).
// 3. Opcode 0 is a sub-command by n: 0 End, 1 Canton, 2 RightTriangle, 3 Rectangle, 4 SubFrame.
// 4. Rotate (9), Scale (A) and Repeat (B) apply to the one command that follows them.
// 5. Stripe operands are nibbles, low first: the count, n colours, a pad nibble when n is even.
// 6. A zero byte at the top level ends the description.
// Example, France: 64 (aspect 1.49696) F3 (VerticalStripes, 3 colours) 83 (3 stripes; navy)
// 1E (white; red) 00 (End).
#pragma once
#include <stdint.h>
#include "platform/draw.h"

const int FLAG_COLOUR_COUNT = 15;   // palette indices 0..14
const int FLAG_WHITE = 14;          // the current colour at the start of every description

struct FlagRgb { uint8_t red, green, blue; };
extern const FlagRgb FLAG_PALETTE[FLAG_COLOUR_COUNT];

// Flag units to device units: X = x_scale·x + x_shear·y + x_offset,
// Y = y_shear·x + y_scale·y + y_offset. Saved and restored as one unit, aspect included.
struct FlagTransform {
    double x_scale, x_shear, y_shear, y_scale, x_offset, y_offset;
    double aspect;   // width/height of the current frame
};

struct FlagContext {
    Canvas* canvas;              // null: measuring mode, bytes are consumed but nothing is drawn
    const unsigned char* cursor; // the next unread byte
    int current_colour;          // palette index of the shape commands
    int selected_colour;         // palette index selected into the canvas, -1 for none
    bool inside_canton;          // a canton's own Canton is not drawn (it would never end)
    FlagTransform transform;
};

// The context that draws the description at `description` so that its field covers
// (0, 0)..(width, height) of canvas; run_flag sets the aspect and the colours.
FlagContext device_context(Canvas& canvas, int width, int height, const unsigned char* description);

inline int read_unsigned(FlagContext& ctx) { return *ctx.cursor++; }
inline int read_signed(FlagContext& ctx) { return int8_t(*ctx.cursor++); }

// Interprets one description from its aspect byte to its End; the cursor then stands just after
// the End. A stray End or an invalid command byte inside ends the description there.
void run_flag(FlagContext& ctx);

// Reads and executes one command (with the command that a Rotate, Scale or Repeat applies to).
// Returns false when the byte read was an End or invalid, which ends the description.
bool step_flag(FlagContext& ctx);
