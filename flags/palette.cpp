// flags/palette.cpp: the 15 colours a flag description can name, by palette index.
#include "flags/flag_context.h"

const FlagRgb FLAG_PALETTE[FLAG_COLOUR_COUNT] = {
    {0, 0, 0},         // 0 black
    {255, 0, 0},       // 1 red
    {204, 0, 0},       // 2 crimson
    {153, 0, 0},       // 3 maroon
    {0, 153, 0},       // 4 green
    {0, 102, 0},       // 5 dark green
    {51, 153, 255},    // 6 sky blue
    {0, 0, 255},       // 7 blue
    {0, 0, 153},       // 8 navy
    {255, 255, 0},     // 9 yellow
    {255, 153, 0},     // 10 orange
    {255, 102, 0},     // 11 dark orange
    {102, 51, 0},      // 12 brown
    {204, 204, 204},   // 13 grey
    {255, 255, 255},   // 14 white
};
