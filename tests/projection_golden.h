// tests/projection_golden.h: what every catalogue entry must hold, from the independent table
// generator (tools/projections/make_golden.py); text in code page 1252.
#pragma once

struct GoldenProjection {
    const char* name;
    const char* credit;     // null when the entry has none; the inherited credit for "same"
    int year_code;
    int group;
    int variant;
    const char* formula;    // the formula's name
    const char* label;      // with a space as separator
};

static const GoldenProjection GOLDEN_PROJECTIONS[] = {
#include "tests/golden/projection_catalogue.inc"
};
