// flags/flags.h: what the rest of the program uses of the flags: the start-up index of the
// descriptions, a flag's proportions, and drawing a flag over a rectangle.
#pragma once

struct Canvas;

const int FLAG_COUNT = 215;      // description 0 (draws nothing), then countries 1..214
const int CANTON_FLAG = 67;      // the description other flags embed as their canton

// Where each description starts in FLAG_DESCRIPTIONS (its aspect byte).
struct FlagIndex {
    const unsigned char* start[FLAG_COUNT];
};
extern FlagIndex flag_index;

// Walks all descriptions once without drawing and records where each starts. Returns the number
// of bytes walked, which is the blob's size when the data is sound.
int build_flag_index();

// The width-to-height ratio of description index, from its aspect byte; needs the index.
double flag_aspect(int index);

// Draws description index (0..214) so that its field covers (0, 0)..(width, height) of canvas,
// whatever the flag's own proportions. Leaves a black pen and a white brush selected.
void draw_flag(Canvas& canvas, int width, int height, int index);
