// geo/outline_decoder.cpp: expands the outline stream into closed polygons (format in outlines.h).
// One forward pass; nodes and stored runs live only while decoding.
#include "geo/outlines.h"
#include "platform/core_assert.h"
#include "platform/math.h"

GeoPoint outline_points[OUTLINE_POINT_CAPACITY];
int outline_point_count;
PolygonEntry polygons[POLYGON_CAPACITY + 1];
int polygon_count;

namespace {

const int LAST_COUNTRY_CODE = 237;
const double PI = 3.14159265358979323846;
const double ANCHOR_SCALE = 1.0 / 16777215.0;   // 1 / (2^24 - 1): all bits set is the far edge
const double STEP_UNIT_DEG = 0.01;              // chain steps and triangle radii

struct StoredRun {
    int first;   // index of the run's first point in outline_points
    int last;    // index of its last point
};

GeoPoint nodes[NODE_CAPACITY];
int node_count;
StoredRun stored_runs[STORED_RUN_CAPACITY];
int stored_run_count;

// The stream being read and the decoder's verdict on it; every reader checks the bounds.
struct Decoder {
    const unsigned char* bytes;
    int size;
    int position;
    bool fault;
    bool has_previous_end;   // false before the first piece of a polygon
    int pieces;
};

int read_byte(Decoder& d)
{
    if (d.position >= d.size) {
        d.fault = true;
        return 0;
    }
    return d.bytes[d.position++];
}

int peek_byte(const Decoder& d) { return d.position < d.size ? d.bytes[d.position] : -1; }

int read_u24(Decoder& d)
{
    const int b0 = read_byte(d);
    const int b1 = read_byte(d);
    const int b2 = read_byte(d);
    return b0 | (b1 << 8) | (b2 << 16);
}

struct Anchor {
    double x;
    double y;
};

Anchor read_anchor(Decoder& d)
{
    const int x = read_u24(d);
    const int y = read_u24(d);
    return Anchor{x * ANCHOR_SCALE * 362.0 - 181.0, y * ANCHOR_SCALE * 180.0};
}

void append_point(Decoder& d, double x, double y)
{
    if (outline_point_count >= OUTLINE_POINT_CAPACITY) {
        d.fault = true;
        return;
    }
    outline_points[outline_point_count++] = GeoPoint{float(x), float(y)};
}

void append_geo_point(Decoder& d, const GeoPoint& p) { append_point(d, p.x, p.y); }

int define_node(Decoder& d, const Anchor& a)
{
    if (node_count >= NODE_CAPACITY) {
        d.fault = true;
        return 0;
    }
    nodes[node_count++] = GeoPoint{float(a.x), float(a.y)};
    return node_count;
}

bool node_exists(int number) { return number >= 1 && number <= node_count; }

// Appends one point per direction byte, starting from the last point appended, until the
// terminator (the last direction ^ 0x80) has been consumed.
void decode_chain(Decoder& d)
{
    const double step = read_byte(d) * STEP_UNIT_DEG;
    CORE_ASSERT(outline_point_count > 0);   // every chain follows its start point
    double x = outline_points[outline_point_count - 1].x;
    double y = outline_points[outline_point_count - 1].y;
    while (!d.fault) {
        const int direction = read_byte(d);
        const double angle = direction * PI / 128.0;
        x += step * sin_d(angle);
        y += step * cos_d(angle);
        append_point(d, x, y);
        if (peek_byte(d) == (direction ^ 0x80)) {
            read_byte(d);
            return;
        }
    }
}

// A shared chain, line, shared line or chain: node byte, node data, maybe a chain, end node.
void decode_node_piece(Decoder& d, bool has_chain, bool is_stored)
{
    const int node_byte = read_byte(d);
    const int high = node_byte >> 4;
    const int low = node_byte & 0x0F;
    int start = high != 0xE ? high * 256 + read_byte(d) : 0;
    int end = low != 0xE ? low * 256 + read_byte(d) : 0;
    if (high == 0xE && !d.has_previous_end) start = define_node(d, read_anchor(d));
    if (low == 0xE) end = define_node(d, read_anchor(d));
    if (d.fault) return;
    if (!d.has_previous_end) {
        if (!node_exists(start)) {
            d.fault = true;
            return;
        }
        append_geo_point(d, nodes[start - 1]);
    }
    const int run_start = outline_point_count - 1;
    if (has_chain) decode_chain(d);
    if (d.fault || !node_exists(end)) {
        d.fault = true;
        return;
    }
    append_geo_point(d, nodes[end - 1]);
    if (is_stored) {
        if (stored_run_count >= STORED_RUN_CAPACITY) {
            d.fault = true;
            return;
        }
        stored_runs[stored_run_count++] = StoredRun{run_start, outline_point_count - 1};
    }
    d.has_previous_end = true;
}

void decode_run_copy(Decoder& d, int first_byte)
{
    const int w = (first_byte << 8) | read_byte(d);
    const int v = w & 0x0FFF;
    const bool forward = (w & 0x0800) != 0;
    const int number = forward ? 4096 - v : v;
    if (d.fault || number < 1 || number > stored_run_count) {
        d.fault = true;
        return;
    }
    const StoredRun run = stored_runs[number - 1];
    if (forward) {
        for (int i = run.first; i <= run.last; ++i) append_geo_point(d, outline_points[i]);
    } else {
        for (int i = run.last; i >= run.first; --i) append_geo_point(d, outline_points[i]);
    }
    d.has_previous_end = true;
}

void decode_ring(Decoder& d)
{
    const Anchor a = read_anchor(d);
    if (d.fault) return;
    append_point(d, a.x, a.y);
    decode_chain(d);
    append_point(d, a.x, a.y);
}

void decode_triangle(Decoder& d)
{
    const Anchor p = read_anchor(d);
    const double radius = read_byte(d) * STEP_UNIT_DEG;
    const double theta = read_byte(d) * PI / 384.0;
    if (d.fault) return;
    for (int k = 0; k < 4; ++k) {
        const double angle = theta - (k % 3) * (2.0 * PI / 3.0);
        append_point(d, p.x + radius * cos_d(angle), p.y + radius * sin_d(angle));
    }
}

// Reads pieces until the polygon ends (0xFA, a ring or a triangle) or the stream breaks a rule.
void decode_polygon_body(Decoder& d)
{
    d.has_previous_end = false;
    while (!d.fault) {
        const int command = read_byte(d);
        if (d.fault) return;
        if (command == 0xFA) return;
        ++d.pieces;
        if (command <= 0xEF) {
            --d.position;   // the command byte is the node byte
            decode_node_piece(d, true, true);
        } else if (command == 0xF6) {
            decode_ring(d);
            return;
        } else if (command == 0xFB) {
            decode_triangle(d);
            return;
        } else if (command == 0xF7) {
            decode_node_piece(d, false, false);
        } else if (command == 0xF8) {
            decode_node_piece(d, false, true);
        } else if (command == 0xF9) {
            decode_node_piece(d, true, false);
        } else {
            decode_run_copy(d, command);
        }
    }
}

}  // namespace

DecodeFigures decode_outlines(const unsigned char* stream, int size)
{
    Decoder d{stream, size, 0, false, false, 0};
    node_count = 0;
    stored_run_count = 0;
    outline_point_count = 0;
    polygon_count = 1;
    polygons[0] = PolygonEntry{0, 0};
    polygons[1] = PolygonEntry{0, 0};
    for (;;) {
        const int country = read_byte(d);
        if (d.fault || country == 0) break;
        if (country > LAST_COUNTRY_CODE || polygon_count >= POLYGON_CAPACITY) {
            d.fault = true;
            break;
        }
        polygons[polygon_count].country = country;
        decode_polygon_body(d);
        if (d.fault) break;
        ++polygon_count;
        polygons[polygon_count] = PolygonEntry{0, outline_point_count};
    }
    if (d.fault) {   // drop the polygon that was being decoded
        outline_point_count = polygons[polygon_count].first;
        polygons[polygon_count].country = 0;
    }
    return DecodeFigures{node_count, stored_run_count, d.pieces, !d.fault};
}
