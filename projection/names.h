// projection/names.h: the names and credits of the catalogue entries, and their labels.
// Text is code page 1252 and points into the embedded name list.
#pragma once
#include "projection/projection.h"

struct ProjectionName {
    const char* name;
    const char* credit;   // null when the entry has no credit
};

extern ProjectionName projection_names[PROJECTION_COUNT];

// Parses the packed projection list into the 128 (name, credit) pairs.
void build_projection_names();

// Appends the label of entry index to the zero-terminated text: name, separator, then
// "(credit, c.YEAR era)". separator is a tab in the menu and a space elsewhere; the caller's
// buffer has room for the longest label (67 bytes with its zero).
void format_projection_label(int index, char* text, char separator);
