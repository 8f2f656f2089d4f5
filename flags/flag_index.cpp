// flags/flag_index.cpp: the start-up walk that finds every description in the blob.
// It measures without drawing, so it consumes exactly the bytes a drawing would.
#include "flags/flags.h"
#include "flags/flag_context.h"
#include "data/blobs.h"

FlagIndex flag_index;

int build_flag_index()
{
    FlagContext ctx = {};
    ctx.cursor = FLAG_DESCRIPTIONS;
    for (int i = 0; i < FLAG_COUNT; ++i) {
        flag_index.start[i] = ctx.cursor;
        run_flag(ctx);
    }
    return int(ctx.cursor - FLAG_DESCRIPTIONS);
}
