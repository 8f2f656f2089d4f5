// projection/names.h: the names and credits of the catalogue entries, and their labels.
// Text is code page 1252 and points into the embedded name list.
#pragma once
#include "projection/projection.h"

struct ProjectionName {
    const char* name;
    const char* credit;   // null when the entry has no credit
};

extern ProjectionName projection_names[PROJECTION_COUNT];

const int PROJECTION_LABEL_CAPACITY = 64;   // the longest label (57 characters) and its zero

// Parses the packed projection list into the 128 (name, credit) pairs.
void build_projection_names();

// Appends the label of entry index to the zero-terminated text: name, separator, then
// "(credit, c.YEAR era)". separator is a tab in the menu and a space elsewhere; the caller's
// buffer has room for the text already there plus PROJECTION_LABEL_CAPACITY bytes.
void format_projection_label(int index, char* text, char separator);
// Appends the dated part of a label for a year code (year x 2 + circa flag): "c.", the digits
// of the year (none for 0), then "BC)" before the year 0, ")" from 1000 on, "AD)" between.
void append_projection_date(char* text, int year_code);
