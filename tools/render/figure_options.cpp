// tools/render/figure_options.cpp: the options of figures and legend, how they combine with the
// statistic options, and the colouring they give.
#include "tools/render/figure_options.h"
#include <algorithm>

namespace {

bool given(const Arguments& arguments, const char* option)
{
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

}  // namespace

OptionReading read_figure_option(const Arguments& arguments, size_t& i, FigureOptions& options, std::string& error)
{
    const std::string& name = arguments[i];
    std::string* value = nullptr;
    if (name == "--legend") return options.legend = true, OPTION_READ;
    if (name == "--data") value = &options.data.path;
    else if (name == "--value") value = &options.data.value;
    else if (name == "--key") value = &options.data.key;
    else if (name == "--title") value = &options.title;
    else if (name == "--divisor" && given(arguments, "--data")) value = &options.data.divisor;
    else return NOT_A_COLOURING_OPTION;
    if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
        error = name + " needs a value";
        return OPTION_BAD;
    }
    *value = arguments[++i];
    return OPTION_READ;
}

bool settle_figure_options(const Arguments& arguments, const FigureOptions& figures, ColouringOptions& colouring,
                           std::string& error)
{
    const bool data = !figures.data.path.empty();
    if (!data && (!figures.data.value.empty() || !figures.data.key.empty())) {
        error = std::string(figures.data.value.empty() ? "--key" : "--value") + " goes with --data FILE";
        return false;
    }
    if (data && figures.data.value.empty()) return error = "--data needs --value COLUMN", false;
    if (data && colouring.choice.statistic > 0) return error = "--data and --statistic exclude each other", false;
    if (!figures.title.empty() && !figures.legend) return error = "--title goes with --legend", false;
    if (figures.legend && !data && colouring.choice.statistic == 0)
        return error = "--legend needs --statistic COLUMN or --data FILE", false;
    if (!data && !figures.legend) return true;
    if (!given(arguments, "--colours")) colouring.choice.scheme = SCHEME_SPECTRUM;
    if (colouring.choice.scheme > SCHEME_TIME_ZONE) return true;
    error = std::string(data ? "--data" : "--legend") + " needs --colours with a colour ramp, not \"" +
            (colouring.choice.scheme == SCHEME_POLITICAL ? "Political" : "Time Zone") + "\"";
    return false;
}

bool apply_figure_options(const FigureOptions& figures, const ColouringOptions& options, MapColouring& colouring,
                          std::string& name, std::string& error)
{
    if (figures.data.path.empty()) {
        apply_colouring_options(options, colouring);
        if (options.choice.statistic > 0) name = statistic_title(options.choice.statistic);
        if (options.choice.divisor > 0) name += " / " + statistic_title(options.choice.divisor);
        return true;
    }
    static UserFigures user;
    if (!read_user_figures(figures.data, user, error)) return false;
    select_countries(options, colouring);
    compute_statistic_of(country_stats, user.figures, user.divided ? user.divisors : nullptr, options.choice.mode,
                         colouring.ranking);
    build_colour_tables(options.choice.scheme, country_stats, colouring);
    name = user.title;
    return true;
}

Legend legend_of(const FigureOptions& figures, const std::string& name, const ColouringOptions& options,
                 const MapColouring& colouring)
{
    return Legend{figures.title.empty() ? name : figures.title, options.choice.scheme,
                  legend_labels(options.choice.mode, colouring.ranking)};
}
