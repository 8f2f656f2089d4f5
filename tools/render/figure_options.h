// tools/render/figure_options.h: the map's options for the user's own figures and the legend:
//   --data FILE --value COLUMN [--key COLUMN] [--divisor COLUMN]   figures from a CSV file
//   --legend [--title TEXT]                                         the legend below the map
// A map with either needs a colour ramp; without --colours it is "Spectrum".
#pragma once
#include "tools/render/colouring_options.h"
#include "tools/render/map_legend.h"
#include "tools/render/user_figures.h"

struct FigureOptions {
    FigureRequest data;    // path empty: no --data
    bool legend = false;
    std::string title;     // --title, empty when not given
};

// When arguments[i] is one of the options above, reads its value into options, moving i onto it;
// with --data among the arguments it reads --divisor too, which may then name a column of FILE.
OptionReading read_figure_option(const Arguments& arguments, size_t& i, FigureOptions& options, std::string& error);

// Checks that the options go together and makes "Spectrum" the ramp where a ramp is needed and
// --colours was not given; false with a one-line message naming the option otherwise.
bool settle_figure_options(const Arguments& arguments, const FigureOptions& figures, ColouringOptions& colouring,
                           std::string& error);

// Colours as colour_countries does, with the file's figures in place of a statistic, and names
// what the colours show (the figures' columns, or the statistic's title, over the divisor's);
// false with the file's fault. Without --data, the colouring of the statistic options.
bool apply_figure_options(const FigureOptions& figures, const ColouringOptions& options, MapColouring& colouring,
                          std::string& name, std::string& error);

// The legend of the colouring just applied, titled by --title or else by name.
Legend legend_of(const FigureOptions& figures, const std::string& name, const ColouringOptions& options,
                 const MapColouring& colouring);
