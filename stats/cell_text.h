// stats/cell_text.h: the texts of the datasheet's cells and of a country's chosen statistic.
// Each text lives until the next call of the same operation; callers copy it at once.
#pragma once

// The current value of country 1..214 without unit flags; with_rank appends " (12th)" or
// " (=12th)" when tied, unless the rank is 0. At least two characters before the returned
// text belong to the buffer and are free, so a caller may put CR LF in front of it.
const char* statistic_text(int country, bool with_rank);

// The cell of country 1..214 in column 0..107: the name for 0 and 1, the statistic for 2, the
// code text for 3..13, the formatted value for 14..107.
const char* cell_text(int country, int column);
