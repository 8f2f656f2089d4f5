// stats/cell_text.cpp: what a datasheet cell, the tooltip and the export show for a country.
#include "stats/cell_text.h"
#include "stats/country_stats.h"
#include "stats/number_format.h"

static const int LINE_BREAK_ROOM = 2;   // the CR LF a tooltip writes in front
static char statistic_buffer[NUMBER_TEXT_SIZE];

const char* statistic_text(int country, bool with_rank)
{
    const CountryStats& stats = stats_of(country);
    BackwardText text = begin_backward_text(statistic_buffer, NUMBER_TEXT_SIZE, LINE_BREAK_ROOM);
    if (with_rank && stats.rank != 0) {
        prepend_char(text, ')');
        prepend_ordinal(text, stats.rank);
        if (stats.tied) prepend_char(text, '=');
        prepend_text(text, " (");
    }
    prepend_number(text, 0, stats.current);   // the chosen statistic shows no unit flags
    return text.start;
}

const char* cell_text(int country, int column)
{
    if (column < COLUMN_STATISTIC) return country_names[country - 1];
    if (column == COLUMN_STATISTIC) return statistic_text(country, false);
    const CountryStats& stats = stats_of(country);
    if (column < FIRST_VALUE_COLUMN) return code_text(stats, column);
    const int flags = unit_kinds[stat_columns[column].kind].flags;
    return format_number(flags, column_value(stats, column));
}
