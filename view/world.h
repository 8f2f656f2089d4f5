// view/world.h: the static data both programs prepare once before they show or draw anything.
#pragma once
#include "geo/cells.h"
#include "geo/outlines.h"

// How the preparation went, for orbily-render's checks.
struct WorldFigures {
    DecodeFigures decoded;
    ClipFigures clipped;
};

// Country names, decoded outlines, the outlines cut into cells, the flag index, then the projection
// names, from the embedded tables; each step relies on the ones before it.
WorldFigures prepare_world();
