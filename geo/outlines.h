// geo/outlines.h: the decoded world outlines: closed polygons tagged with country codes.
// Filled once by decode_outlines at start-up, read-only afterwards.
#pragma once
#include <stdint.h>

struct GeoPoint {
    float x;   // longitude, degrees east
    float y;   // colatitude, degrees south of the North Pole (0..180)
};

struct PolygonEntry {
    int32_t country;   // country code 1..237; 0 for entry 0, the sea
    int32_t first;     // index of the polygon's first point; the next entry's first ends it
};

const int POLYGON_CAPACITY = 512;
// The world outlines are allowed up to 25,000 points (data/SOURCES.md); they hold about 23,000.
const int OUTLINE_POINT_CAPACITY = 25000;
const int NODE_CAPACITY = 512;
const int STORED_RUN_CAPACITY = 512;

extern GeoPoint outline_points[OUTLINE_POINT_CAPACITY];
extern int outline_point_count;
// Entry 0 is the sea; polygons 1..polygon_count-1; entry polygon_count holds only the end index.
extern PolygonEntry polygons[POLYGON_CAPACITY + 1];
extern int polygon_count;

// Figures of the last decode, for the generators' checks and the tests.
struct DecodeFigures {
    int nodes;          // nodes defined
    int stored_runs;    // runs stored for later copies
    int pieces;         // pieces of every kind, rings and triangles included
    bool complete;      // false: the stream broke a rule below or a capacity; decoding stopped
                        // there and only the polygons before the fault were kept
};

// The outline stream. All numbers are little-endian.
//  1. The stream is polygon records; a zero byte where a country code would stand ends it.
//  2. A record is a country code byte (1..237), then a ring, a triangle, or pieces ended by 0xFA.
//  3. An anchor is 6 bytes: X (3 bytes) and Y (3 bytes), unsigned;
//     x = X / 16777215 * 362 - 181, y = Y / 16777215 * 180, in double, stored as float.
//  4. A node byte B names the start node by its high nibble H and the end node by its low
//     nibble L, then (in this order): if H != 0xE a byte a, start node = H * 256 + a; if
//     L != 0xE a byte b, end node = L * 256 + b; if H == 0xE and the piece is the polygon's
//     first, an anchor that becomes a new node and the start node (in a later piece H == 0xE
//     reads nothing: the piece starts at the previous piece's end); if L == 0xE an anchor that
//     becomes a new node and the end node. Nodes are numbered from 1 in order of definition.
//  5. A chain is a step byte s (s * 0.01 degrees), directions d1..dm and a terminator equal to
//     dm ^ 0x80. Each direction moves (step * sin(d * pi/128), step * cos(d * pi/128)) and
//     appends the point; after each direction, a next byte equal to it ^ 0x80 is the
//     terminator. The position starts at the last point appended and is carried in double.
//  6. Only the first piece of a polygon appends its start node; every node-based piece
//     appends its end node, which is the next piece's start.
//  7. 0x00..0xEF: a shared chain; the byte itself is the node byte; node data, chain; the
//     points from the start to the end node are stored as the next run.
//  8. 0xF7 line: node byte, node data. 0xF8 shared line: the same, stored as a run.
//     0xF9 chain: node byte, node data, chain; not stored.
//  9. 0xF0..0xF5, 0xFC..0xFF: a run copy; w = the two bytes big-end first, v = w & 0x0FFF.
//     If w & 0x0800: run 4096 - v forward (first to last point); else run v backward.
//     Both ends are appended, even where the first repeats the polygon's last point.
// 10. 0xF6 ring: an anchor, appended; a chain from it; the anchor again. Ends the polygon.
// 11. 0xFB triangle: anchor P, radius byte r (r * 0.01 degrees), angle byte a (a * pi/384);
//     vertices P + R (cos(theta - k 2pi/3), sin(theta - k 2pi/3)) for k = 0, 1, 2, then
//     vertex 0 again; P itself is no point. Ends the polygon.
// 12. 0xFA ends a polygon made of pieces.
//
// Example: 01 EE 29 0C 81 E1 7D 43 BB 3C 81 DF A2 43 0C 43 43 0A 8A E0 01 09 BE BF 9F 1F FA
//   01        country 1, Andorra
//   EE        shared chain; node byte: H = 0xE and L = 0xE, first piece: two anchors follow
//   29 0C 81  X = 0x810C29 = 8457257 -> x = 1.4812
//   E1 7D 43  Y = 0x437DE1 = 4423137 -> y = 47.4551; node 1, the start, appended
//   BB 3C 81  X = 0x813CBB -> x = 1.7495
//   DF A2 43  Y = 0x43A2DF -> y = 47.5567; node 2, the end
//   0C        step 0.12 degrees
//   43        direction 67: east, a little north; point appended
//   43        the same again (not 0x43 ^ 0x80, so a direction)
//   0A        direction 10: south, a little east; point (1.7497, 47.5539)
//   8A        0x0A ^ 0x80: terminator; node 2 appended; points 0..4 stored as run 1
//   E0        shared chain; H = 0xE in a later piece: starts at node 2, reads no anchor
//   01        L = 0: end node 0 * 256 + 1 = node 1
//   09        step 0.09 degrees
//   BE BF 9F  three directions, three points
//   1F        0x9F ^ 0x80: terminator; node 1 appended; points 4..8 stored as run 2
//   FA        end of the polygon: 9 points, closed on node 1
//   (then 00 would end the stream)
//
// Expands a stream of size bytes into outline_points and polygons. A stream that breaks a rule
// (an unknown node or run, a country code above 237, a capacity exceeded, bytes missing) stops
// the decoding at the faulty polygon; see DecodeFigures.complete.
DecodeFigures decode_outlines(const unsigned char* stream, int size);

inline int polygon_point_count(int polygon) { return polygons[polygon + 1].first - polygons[polygon].first; }
