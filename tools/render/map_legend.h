// tools/render/map_legend.h: the legend below a map coloured by a statistic: its title, the
// colour ramp with the figures at its ends and middle, and the colour of countries without one.
// Drawn through Cairo directly, the same in PNG, SVG and PDF.
#pragma once
#include <string>
#include <vector>
#include "platform/cairo_draw.h"
#include "stats/statistic_ranking.h"

// A text under the ramp at a position 0..1 along it, as the shades run.
struct LegendLabel {
    std::string text;
    double shade;
};

struct Legend {
    std::string title;                  // UTF-8
    int scheme;                         // a statistic scheme, SCHEME_SPECTRUM..SCHEME_GREY_SCALE
    std::vector<LegendLabel> labels;    // left to right
};

// The labels for the values ranked in ranking under mode, formatted as the datasheet's
// "Statistic" column: the smallest value at shade 0, the largest at 1 and the value of shade
// 0.5 in between; under "Ranked" the first rank ("1st"), the rank halfway down the list and the
// last rank, each at its shade (ties at the bottom end the ranks before 1). One label at 1
// when all values are equal (every country then has shade 1); none when no value is present.
std::vector<LegendLabel> legend_labels(int mode, const DescendingValues& ranking);

// The height of the legend band below a map width pixels (or points) wide.
int legend_height(int width);

// Draws the legend on a white band of width x legend_height(width) whose top is at top.
void draw_legend(Canvas& canvas, int top, int width, const Legend& legend);
