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

// A line (row or column) whose work starts from one angle: argument(t) gives the angle in radians
// and build(t, angle) the line from t and that angle with its sine and cosine, so that the sines
// and cosines of a batch's new lines are taken together.
template <typename Argument, typename Build>
struct AngleLine {
    Argument argument;
    Build build;
};
template <typename Argument, typename Build>
AngleLine<Argument, Build> angle_line(Argument argument, Build build)
{
    return { argument, build };
}
// the line of the angle itself
template <typename Argument>
auto angle_line(Argument argument)
{
    return angle_line(argument, [](double, const Angle& a) { return a; });
}

template <typename Line>
struct LineValue {
    using type = decltype(static_cast<const Line*>(nullptr)->operator()(0.0));
};
template <typename Argument, typename Build>
struct LineValue<AngleLine<Argument, Build>> {
    using type = decltype(static_cast<const Build*>(nullptr)->operator()(0.0, Angle{}));
};

// values[i + 1] for t[i * stride], i < n: a new line where t changes (or at the pass's first
// point), otherwise the line before; values[0] holds the last line of the batch before.
template <typename Line, typename Value>
void fill_lines(const Line& line, const float* t, int stride, bool pass_start, int n, Value* values)
{
    for (int i = 0; i < n; ++i) {
        const bool fresh = (pass_start && i == 0) || t[i * stride] != t[(i - 1) * stride];
        values[i + 1] = fresh ? line(double(t[i * stride])) : values[i];
    }
}
template <typename Argument, typename Build, typename Value>
void fill_lines(const AngleLine<Argument, Build>& line, const float* t, int stride, bool pass_start, int n,
                Value* values)
{
    const int BATCH = 32;
    double radians[BATCH], sines[BATCH], cosines[BATCH];
    bool fresh[BATCH];
    int m = 0;
    for (int i = 0; i < n; ++i) {
        fresh[i] = (pass_start && i == 0) || t[i * stride] != t[(i - 1) * stride];
        if (fresh[i]) radians[m++] = line.argument(double(t[i * stride]));
    }
    sines_and_cosines_d(radians, sines, cosines, m);
    for (int i = 0, k = 0; i < n; ++i) {
        if (fresh[i]) {
            values[i + 1] = line.build(double(t[i * stride]), Angle{ radians[k], sines[k], cosines[k] });
            ++k;
        } else {
            values[i + 1] = values[i];
        }
    }
}

// For maps whose work splits into a part of y and a part of x: makes row(y) once for each run of
// points with the same y as the point before and column(x) once for each run with the same x
// (a frame's edges, the cuts along cell edges), then calls point(row, column, out) for every
// point. Either line may be a plain function of its coordinate or an angle_line.
// Rows and columns go first for a batch of points, so that the points' own work runs back to
// back, none of it waiting on another point's sines.
template <typename Row, typename Column, typename PointFormula>
int project_each_point_by_lines(const ProjectionContext& ctx, Row row_of, Column column_of, PointFormula point)
{
    const int BATCH = 32;
    typename LineValue<Row>::type rows[BATCH + 1];         // [0]: the last of the batch before
    typename LineValue<Column>::type columns[BATCH + 1];
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int first = 0; first < ctx.count; first += BATCH, in += 2 * BATCH, out += 2 * BATCH) {
        const int n = ctx.count - first < BATCH ? ctx.count - first : BATCH;
        fill_lines(row_of, in + 1, 2, first == 0, n, rows);
        fill_lines(column_of, in, 2, first == 0, n, columns);
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
