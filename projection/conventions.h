// projection/conventions.h: the working conventions every formula shares: where a piece lies
// (display sector, rotated west edge, north edge) and degrees to radians.
#pragma once
#include "projection/math.h"
#include "projection/projection.h"

// rad(t) = t x 3.1415927 x 0.0055555557: the single-precision pi and 1/180, multiplied in this order
inline double rad(double degrees) { return degrees * 3.1415927f * 0.0055555557f; }

// Lambda: the rotated longitude of the piece's west edge, 15 x display sector - 180
inline int west_edge_deg(const ProjectionContext& ctx) { return 15 * display_sector(ctx) - 180; }

// s'k = (rotation + sector + k) mod 24: the display sector turned by k, for formulas whose own
// central meridian is not the map's
inline int display_sector_plus(const ProjectionContext& ctx, int k) { return (ctx.rotation + ctx.sector + k) % SECTOR_COUNT; }

// phi0: the latitude of the piece's north edge, 90 - 30 x band
inline int north_edge_deg(const ProjectionContext& ctx) { return 90 - 30 * ctx.band; }

// -a below -a, otherwise min_f(t, a): an in-range value passes through single precision
inline double clamp_single(double t, float a) { return t < -a ? double(-a) : double(min_f(float(t), a)); }

// One input point with its latitude and rotated longitude in degrees.
struct PiecePoint {
    double x, y;         // cell-local, degrees east of the west edge and south of the north edge
    double phi_deg;      // phi = phi0 - y
    double lambda_deg;   // lambda = Lambda + x
};

// Calls point(p, out) for every point of the piece, out being that point's two output floats.
template <typename PointFormula>
int project_each_point(const ProjectionContext& ctx, PointFormula point)
{
    const int west = west_edge_deg(ctx);
    const int phi0 = north_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2)
        point(PiecePoint{in[0], in[1], phi0 - double(in[1]), west + double(in[0])}, out);
    return ctx.count;
}

// For maps whose work lies in the latitude: calls parallel(phi in degrees) once for each run of
// points on one parallel (the same y as the point before, as along a frame's top and bottom or a
// cut along a cell edge), then point(p, what parallel returned, out) for every point.
template <typename Parallel, typename PointFormula>
int project_each_point_by_parallel(const ProjectionContext& ctx, Parallel parallel, PointFormula point)
{
    const int west = west_edge_deg(ctx);
    const int phi0 = north_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    decltype(parallel(0.0)) row{};
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double phi_deg = phi0 - double(in[1]);
        if (i == 0 || in[1] != in[-1]) row = parallel(phi_deg);
        point(PiecePoint{in[0], in[1], phi_deg, west + double(in[0])}, row, out);
    }
    return ctx.count;
}

// For maps whose work splits into a part of y and a part of x: calls row(y) once for each run of
// points with the same y as the point before and column(x) once for each run with the same x
// (a frame's edges, the cuts along cell edges), then point(row, column, out) for every point.
// Rows and columns go first for a batch of points, so that the points' own work runs back to
// back, none of it waiting on another point's sines.
template <typename Row, typename Column, typename PointFormula>
int project_each_point_by_lines(const ProjectionContext& ctx, Row row_of, Column column_of, PointFormula point)
{
    const int BATCH = 32;
    decltype(row_of(0.0)) rows[BATCH + 1];         // [0]: the last of the batch before
    decltype(column_of(0.0)) columns[BATCH + 1];
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int first = 0; first < ctx.count; first += BATCH, in += 2 * BATCH, out += 2 * BATCH) {
        const int n = ctx.count - first < BATCH ? ctx.count - first : BATCH;
        for (int i = 0; i < n; ++i) {
            const bool start = first + i == 0;
            rows[i + 1] = start || in[2 * i + 1] != in[2 * i - 1] ? row_of(double(in[2 * i + 1])) : rows[i];
            columns[i + 1] = start || in[2 * i] != in[2 * i - 2] ? column_of(double(in[2 * i])) : columns[i];
        }
        for (int i = 0; i < n; ++i) point(rows[i + 1], columns[i + 1], out + 2 * i);
        rows[0] = rows[n];
        columns[0] = columns[n];
    }
    return ctx.count;
}

// Cylindrical maps: X from set_longitudes, Y = 90 - northing(phi in degrees), worked out once
// for each run of points with the same y.
template <typename Northing>
int project_northings(const ProjectionContext& ctx, Northing northing)
{
    set_longitudes(ctx);
    const int phi0 = north_edge_deg(ctx);
    float y = 0.0f;
    for (int i = 0; i < ctx.count; ++i) {
        if (i == 0 || ctx.input[2 * i + 1] != ctx.input[2 * i - 1])
            y = float(90.0 - northing(phi0 - double(ctx.input[2 * i + 1])));
        ctx.output[2 * i + 1] = y;
    }
    return ctx.count;
}
