// tools/render/map_legend.cpp: the legend's labels from the ranking, and its drawing. All sizes
// follow one text size f that grows with the picture's width.
#include "tools/render/map_legend.h"
#include <algorithm>
#include <cmath>
#include "stats/colour_schemes.h"
#include "stats/number_format.h"

namespace {

const Colour TEXT_COLOUR = 0x202020u;
const Colour EDGE_COLOUR = 0x606060u;      // around the ramp and the swatch, so white shows
const char NO_VALUE_LABEL[] = "No value";

// The relative place of the value of shade 0.5 between min and max under "Logarithmic":
// log10(1 + 9 t) = 0.5 gives t = (sqrt(10) - 1) / 9.
const double LOGARITHMIC_MIDDLE = (std::sqrt(10.0) - 1) / 9;

// The rank of the value at position p of the descending list: that of the first of its equals.
int rank_at(const DescendingValues& ranking, int p)
{
    while (p > 0 && ranking.values[p - 1] == ranking.values[p]) --p;
    return p + 1;
}

LegendLabel value_label(double value, double shade)
{
    return LegendLabel{format_number(0, value), shade};
}

// A rank where "Ranked" puts it: rank r of n values has shade (r - 1) / (n - 1).
LegendLabel rank_label(int rank, int n)
{
    return LegendLabel{format_ordinal(rank), n > 1 ? double(rank - 1) / (n - 1) : 1.0};
}

// The text size for a legend under a map width units wide.
double text_size(int width)
{
    return std::min(40.0, std::max(10.0, std::round(width / 60.0)));
}

void set_colour(cairo_t* cairo, Colour colour)
{
    cairo_set_source_rgb(cairo, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour >> 16 & 0xFF) / 255.0);
}

// A filled box edged by a line one unit wide just inside it.
void draw_box(cairo_t* cairo, double x, double y, double width, double height, Colour fill)
{
    if (fill != NO_COLOUR) {
        set_colour(cairo, fill);
        cairo_rectangle(cairo, x, y, width, height);
        cairo_fill(cairo);
    }
    set_colour(cairo, EDGE_COLOUR);
    cairo_set_line_width(cairo, 1);
    cairo_rectangle(cairo, x + 0.5, y + 0.5, width - 1, height - 1);
    cairo_stroke(cairo);
}

double text_width(cairo_t* cairo, const std::string& text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    return extents.x_advance;
}

void show_text(cairo_t* cairo, double x, double baseline, const std::string& text)
{
    set_colour(cairo, TEXT_COLOUR);
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text.c_str());
}

// The ramp: one column per unit, each the normal colour of its shade; a column reaches into the
// next one, which covers it again, so vector viewers show no seams.
void draw_ramp(cairo_t* cairo, int scheme, int left, int right, double top, double height)
{
    const int columns = right - left;
    for (int i = 0; i < columns; ++i) {
        const double shade = columns > 1 ? double(i) / (columns - 1) : 1.0;
        set_colour(cairo, statistic_colours(scheme, shade).normal);
        cairo_rectangle(cairo, left + i, top, i + 1 < columns ? 2 : 1, height);
        cairo_fill(cairo);
    }
    draw_box(cairo, left, top, columns, height, NO_COLOUR);
}

// The labels under the ramp, each with a tick at its place and centred on it but kept within the
// ramp, so the ends align with the ramp's ends; a label that would run into the ends is left out.
void draw_labels(cairo_t* cairo, const std::vector<LegendLabel>& labels, int left, int right, double tick_top,
                 double baseline, double gap)
{
    const size_t n = labels.size();
    std::vector<double> xs(n), widths(n);
    for (size_t i = 0; i < n; ++i) {
        widths[i] = text_width(cairo, labels[i].text);
        const double place = left + labels[i].shade * (right - left - 1);
        xs[i] = std::max(double(left), std::min(right - widths[i], place - widths[i] / 2));
    }
    for (size_t i = 0; i < n; ++i) {
        const bool end = i == 0 || i + 1 == n;
        if (!end && (xs[i] < xs[0] + widths[0] + gap || xs[i] + widths[i] + gap > xs[n - 1])) continue;
        show_text(cairo, xs[i], baseline, labels[i].text);
        const double tick = std::floor(left + labels[i].shade * (right - left - 1));
        cairo_rectangle(cairo, tick, tick_top, 1, (baseline - tick_top) / 3);
        cairo_fill(cairo);
    }
}

}  // namespace

std::vector<LegendLabel> legend_labels(int mode, const DescendingValues& ranking)
{
    const int n = ranking.count;
    if (n == 0) return {};
    const double max = ranking.values[0], min = ranking.values[n - 1];
    if (max - min <= 0) return {mode == SHADE_RANKED ? LegendLabel{"1st", 1} : value_label(max, 1)};
    if (mode == SHADE_RANKED) {
        std::vector<LegendLabel> labels = {rank_label(1, n)};
        const int middle = rank_at(ranking, (n - 1) / 2);
        if (middle > 1) labels.push_back(rank_label(middle, n));
        labels.push_back(rank_label(rank_at(ranking, n - 1), n));
        return labels;
    }
    const double middle = mode == SHADE_LOGARITHMIC ? LOGARITHMIC_MIDDLE : 0.5;
    return {value_label(min, 0), value_label(min + middle * (max - min), 0.5), value_label(max, 1)};
}

int legend_height(int width)
{
    return int(std::ceil(5.4 * text_size(width)));
}

void draw_legend(Canvas& canvas, int top, int width, const Legend& legend)
{
    cairo_t* cairo = canvas.cairo;
    if (canvas.image.pixels) cairo_surface_mark_dirty(canvas.surface);   // the map was drawn pixel by pixel
    cairo_save(cairo);
    cairo_identity_matrix(cairo);
    const double f = text_size(width);
    set_colour(cairo, 0xFFFFFFu);
    cairo_rectangle(cairo, 0, top, width, legend_height(width));
    cairo_fill(cairo);

    cairo_select_font_face(cairo, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cairo, 1.1 * f);
    show_text(cairo, f, top + 1.6 * f, legend.title);

    cairo_select_font_face(cairo, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, 0.9 * f);
    const int swatch = int(f);
    const int ramp_top = int(top + 2.2 * f);
    const double no_value_width = text_width(cairo, NO_VALUE_LABEL);
    const int swatch_left = int(width - f - no_value_width - 0.4 * f - swatch);
    const int ramp_left = int(f), ramp_right = int(swatch_left - 1.5 * f);
    const ColourPair no_value = legend.scheme == SCHEME_GREY_SCALE ? GREY_SCALE_NO_VALUE_COLOURS : NO_VALUE_COLOURS;
    draw_box(cairo, swatch_left, ramp_top, swatch, swatch, no_value.normal);
    show_text(cairo, swatch_left + swatch + 0.4 * f, ramp_top + 0.8 * f, NO_VALUE_LABEL);
    if (ramp_right > ramp_left) {
        draw_ramp(cairo, legend.scheme, ramp_left, ramp_right, ramp_top, f);
        draw_labels(cairo, legend.labels, ramp_left, ramp_right, ramp_top + f, ramp_top + 2.2 * f, 0.8 * f);
    }
    cairo_restore(cairo);
    cairo_surface_flush(canvas.surface);
}
