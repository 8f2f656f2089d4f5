// geo/cells.h: the polygons cut into 6 bands x 24 sectors of 30 x 15 degrees.
// Every cell lists its sea frame first, then its pieces, then -1; points are cell-local.
#pragma once
#include <stdint.h>
#include "geo/outlines.h"

const int BAND_COUNT = 6;
const int SECTOR_COUNT = 24;
const int CELL_COUNT = BAND_COUNT * SECTOR_COUNT;
const float SECTOR_WIDTH_DEG = 15.0f;
const float BAND_HEIGHT_DEG = 30.0f;
const int CELL_LIST_CAPACITY = 2048;
const int CELL_POINT_CAPACITY = 65536;
const int FRAME_POINT_COUNT = 91;   // 1-degree steps around 15 x 30 degrees, closed
// Crossing records per polygon and cell. Each record spends at least two of the polygon's
// segments (one entering, one leaving), so no polygon of the point array can need more.
const int CROSSING_CAPACITY = OUTLINE_POINT_CAPACITY / 2;

struct CellPoint {
    float x;   // degrees of longitude east of the cell's west edge, 0..15
    float y;   // degrees of colatitude south of the cell's north edge, 0..30
};

// Pairs (polygon number, point count) per piece, -1 after each cell; polygon 0 is the frame.
extern int32_t cell_list[CELL_LIST_CAPACITY];
extern int cell_list_length;
extern CellPoint cell_points[CELL_POINT_CAPACITY];
extern int cell_point_count;

// Figures of the last clipping, for the generators' checks and the tests.
struct ClipFigures {
    int cut_polygons;      // polygons cut in at least one cell
    int most_crossings;    // crossing records of the busiest polygon in one cell
    int dropped_pieces;    // contributions of a polygon to a cell left out for want of room
};

// Fills cell_list and cell_points from the decoded polygons (decode_outlines must have run).
// Every cell keeps its frame and its -1 whatever the data: room for them is held back, and a
// polygon whose pieces would not fit in the room left is left out of that cell whole.
ClipFigures clip_to_cells();
