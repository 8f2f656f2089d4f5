// geo/cells.h: the polygons cut into 6 bands x 24 sectors of 30 x 15 degrees.
// Every cell lists its sea frame first, then its pieces, then -1; points are cell-local.
#pragma once
#include <stdint.h>

const int BAND_COUNT = 6;
const int SECTOR_COUNT = 24;
const int CELL_LIST_CAPACITY = 2048;
const int CELL_POINT_CAPACITY = 65536;
const int FRAME_POINT_COUNT = 91;
const int CROSSING_CAPACITY = 16;   // crossing records per polygon and cell

struct CellPoint {
    float x;   // degrees of longitude east of the cell's west edge, 0..15
    float y;   // degrees of colatitude south of the cell's north edge, 0..30
};

// Pairs (polygon number, point count) per piece, -1 after each cell; polygon 0 is the frame.
extern int32_t cell_list[CELL_LIST_CAPACITY];
extern int cell_list_length;
extern CellPoint cell_points[CELL_POINT_CAPACITY];
extern int cell_point_count;

// Fills cell_list and cell_points from the decoded polygons (decode_outlines must have run).
void clip_to_cells();
