// app/exports.cpp: the three Save As commands. Pictures are recorded into a metafile in memory
// and written, like the statistics, through the one atomic file writer, so a failed save leaves
// the previous file as it was; every failure is reported with the file's name.
#include "app/app.h"
#include "flags/flags.h"
#include "geo/cells.h"
#include "geo/countries.h"
#include "platform/atomic_file.h"
#include "projection/names.h"
#include "stats/csv_export.h"
#include "view/map_colours.h"
#include "view/map_paint.h"

// Each filter is (description, pattern), each zero-terminated, then a further zero.
static const char MAP_FILTER[] = "Map Metafile (*.emf)\0*.emf\0";
static const char FLAG_FILTER[] = "Flag Metafile (*.emf)\0*.emf\0";
static const char STATISTICS_FILTER[] = "Data File (*.csv)\0*.csv\0";
// Both metafiles' descriptions begin with the program and where it comes from.
static const char DESCRIPTION_PREFIX[] = "Orbily - www.orbily.org - ";
static const int DESCRIPTION_CAPACITY = 256;
// A flag metafile is this many units wide; its height follows the flag's proportions.
static const int FLAG_METAFILE_WIDTH = 24000;
// The largest map metafile: every point as a 32-bit pair, the cell frames, and a few brush and
// pen records around every piece; flags are far smaller.
static const int METAFILE_CAPACITY =
    8 * (PROJECTED_POINT_CAPACITY + CELL_COUNT * FRAME_POINT_COUNT) + 256 * PROJECTED_LIST_CAPACITY;

static unsigned char metafile_bytes[METAFILE_CAPACITY];
static char chosen_path[SAVE_PATH_CAPACITY];
static char description[DESCRIPTION_CAPACITY];
static AtomicFile file;

// The system's reason for the last failure, or a general one when it gave none.
static int last_error()
{
    const DWORD error = GetLastError();
    return error ? int(error) : int(ERROR_WRITE_FAULT);
}

// The description starts from zeros, so that the text is followed by an empty picture name.
static void begin_description()
{
    for (int i = 0; i < DESCRIPTION_CAPACITY; ++i) description[i] = 0;
    lstrcpyA(description, DESCRIPTION_PREFIX);
}

// Completes the recording and writes its bytes to path, whole or not at all.
static bool store_metafile(Canvas& canvas, const char* path, int& error)
{
    HENHMETAFILE metafile = finish_metafile_canvas(canvas);
    if (!metafile) {
        error = last_error();
        return false;
    }
    const UINT size = GetEnhMetaFileBits(metafile, 0, NULL);
    const bool fits = size > 0 && size <= UINT(METAFILE_CAPACITY);
    const bool copied = fits && GetEnhMetaFileBits(metafile, size, metafile_bytes) == size;
    if (!copied) error = fits ? last_error() : int(ERROR_NOT_ENOUGH_MEMORY);
    DeleteEnhMetaFile(metafile);
    if (!copied) return false;
    if (!open_atomic_file(file, path)) {
        error = file.error;
        return false;
    }
    write_atomic_file(file, metafile_bytes, int(size));
    const bool written = commit_atomic_file(file);
    error = file.error;
    return written;
}

// Records what draw puts on a canvas into a metafile and saves it to path; reports a failure.
template <typename Draw>
static bool save_picture(const char* path, Draw draw)
{
    Canvas canvas;
    int error = 0;
    bool saved = false;
    if (create_metafile_canvas(canvas, NULL, description)) {
        draw(canvas);
        saved = store_metafile(canvas, path, error);
    } else {
        error = last_error();
    }
    if (!saved) report_save_failure(path, error);
    return saved;
}

bool export_map_metafile(const char* path)
{
    begin_description();
    format_projection_label(current_projection, description, ' ');
    const MapColourContext colours = {&map_colouring, polygons};
    return save_picture(path, [&colours](Canvas& canvas) {
        paint_whole_map(canvas, projected_map, PieceColouring{map_piece_colour, &colours}, outline_mode);
    });
}

bool export_flag_metafile(const char* path, int country)
{
    begin_description();
    lstrcatA(description, country_names[country - 1]);
    const int height = int(FLAG_METAFILE_WIDTH / flag_aspect(country) + 0.5);
    return save_picture(path, [country, height](Canvas& canvas) {
        draw_flag(canvas, FLAG_METAFILE_WIDTH, height, country);
    });
}

bool export_statistics(const char* path)
{
    int error = 0;
    if (export_statistics_csv(path, error)) return true;
    report_save_failure(path, error);
    return false;
}

void save_map_metafile()
{
    if (choose_save_file(chosen_path, MAP_FILTER, "emf")) export_map_metafile(chosen_path);
}

void save_flag_metafile()
{
    if (choose_save_file(chosen_path, FLAG_FILTER, "emf")) export_flag_metafile(chosen_path, selected_country);
}

void save_statistics()
{
    if (choose_save_file(chosen_path, STATISTICS_FILTER, "csv")) export_statistics(chosen_path);
}
