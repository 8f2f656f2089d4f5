// tools/stats/outline_points/main.cpp: prints every point of the embedded outlines with its
// country, as the program decodes them, for the political colouring of tools/stats.
// Output lines: polygon number, country code (a region as its parent), longitude, colatitude.
#include <cstdio>
#include "data/blobs.h"
#include "geo/countries.h"
#include "geo/outlines.h"

int main()
{
    const DecodeFigures figures = decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    if (!figures.complete) {
        std::fprintf(stderr, "outline points: the outline stream does not decode completely\n");
        return 1;
    }
    for (int polygon = 1; polygon < polygon_count; ++polygon) {
        const int country = country_of(polygons[polygon].country);
        for (int i = polygons[polygon].first; i < polygons[polygon + 1].first; ++i) {
            // %.9g keeps every float exactly, so shared points stay equal in the reader
            std::printf("%d %d %.9g %.9g\n", polygon, country, outline_points[i].x, outline_points[i].y);
        }
    }
    return 0;
}
