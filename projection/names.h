// projection/names.h: the names and credits of the catalogue entries, and their labels.
#pragma once

struct ProjectionName {
    const char* name;
    const char* credit;   // null when the entry has no credit
};

extern ProjectionName projection_names[128];

// Parses the packed projection list into the 128 (name, credit) pairs.
void build_projection_names();

// Appends the label of entry index to the zero-terminated text: name, separator, then
// "(credit, c.YEAR era)". separator is a tab in the menu and a space elsewhere.
void format_projection_label(int index, char* text, char separator);
