// view/world.cpp: start-up's preparation of the embedded data.
#include "view/world.h"
#include "data/blobs.h"
#include "flags/flags.h"
#include "geo/countries.h"
#include "projection/names.h"

WorldFigures prepare_world()
{
    build_country_names();
    WorldFigures figures;
    figures.decoded = decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    figures.clipped = clip_to_cells();
    build_flag_index();
    build_projection_names();
    return figures;
}
