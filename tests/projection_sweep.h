// tests/projection_sweep.h: runs a catalogue entry over a dense grid of points in every cell, and
// the checks that every formula test makes of such a sweep.
#pragma once
#include "geo/cells.h"

struct CellSweep {
    bool kept[BAND_COUNT][SECTOR_COUNT];   // by band and display sector
    float min_x, max_x, min_y, max_y;      // over every kept point
    bool finite;                           // no kept point is infinite or not a number
};

// Every cell as one piece of 31 x 61 points (every half degree, edges included), stored in the
// sector that the rotation shows as each display sector.
CellSweep sweep_entry(int index, int rotation);

// Which pieces a formula keeps, by band and display sector.
typedef bool (*KeepRule)(int band, int shown);
bool keeps_every_piece(int band, int shown);

// Expects the sweep to keep exactly the pieces the rule keeps.
void expect_kept_as(const CellSweep& sweep, KeepRule rule);
// Expects every kept point to be finite and inside [min_x, max_x] x [min_y, max_y].
void expect_inside(const CellSweep& sweep, float min_x, float max_x, float min_y, float max_y);
// Expects rotation r to project the piece stored in sector s exactly as rotation 0 projects it
// in sector (r + s) mod 24, for every band, sector and rotation.
void expect_rotation_renumbers_sectors(int index);
