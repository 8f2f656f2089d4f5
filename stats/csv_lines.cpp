// stats/csv_lines.cpp: the lines of the statistics file; columns 0 (flag) and 2 (the chosen
// statistic) never appear in it, so the file does not depend on the current colouring.
#include "stats/csv_export.h"
#include "stats/cell_text.h"
#include "stats/catalogue.h"
#include "platform/core_assert.h"

struct LineBuffer {
    char* bytes;
    int length;
};

// Appends text, dropping what would not fit before the line break (the data never comes close).
static void append(LineBuffer& line, const char* text)
{
    for (; *text != 0; ++text) {
        CORE_ASSERT(line.length < CSV_LINE_CAPACITY - 2);
        if (line.length >= CSV_LINE_CAPACITY - 2) return;
        line.bytes[line.length++] = *text;
    }
}

static const char* field_text(int line, int column)
{
    return line == 0 ? stat_columns[column].title : cell_text(line, column);
}

int format_csv_line(int line, char* out)
{
    CORE_ASSERT(line >= 0 && line < CSV_LINE_COUNT);
    LineBuffer buffer = {out, 0};
    append(buffer, field_text(line, COLUMN_NAME));
    for (int column = FIRST_CODE_COLUMN; column < STAT_COLUMN_COUNT; ++column) {
        append(buffer, ";");
        append(buffer, field_text(line, column));
    }
    out[buffer.length++] = '\r';
    out[buffer.length++] = '\n';
    return buffer.length;
}
