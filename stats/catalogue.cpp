// stats/catalogue.cpp: builds the column catalogue from the packed label list.
// Entry: kind letter, the unit text only at the letter's first appearance, width character, label.
#include "stats/catalogue.h"
#include "data/blobs.h"
#include "platform/core_assert.h"

UnitKind unit_kinds[UNIT_KIND_COUNT];
StatColumn stat_columns[STAT_COLUMN_COUNT];

// Copies text into the field, cut to fit; returns the position after the text's terminator.
static const char* copy_terminated(const char* text, char* field, int field_size)
{
    int length = 0;
    for (; text[length] != 0; ++length) {
        CORE_ASSERT(length < field_size - 1);
        if (length < field_size - 1) field[length] = text[length];
    }
    field[length < field_size - 1 ? length : field_size - 1] = 0;
    return text + length + 1;
}

// Appends text to the field, cut to fit.
static void append_text(char* field, int field_size, const char* text)
{
    int length = 0;
    while (field[length] != 0) ++length;
    for (; *text != 0 && length < field_size - 1; ++text) field[length++] = *text;
    CORE_ASSERT(*text == 0);
    field[length] = 0;
}

// The format flags go with the letter: 'H', 'K', 'L' print ".0", 'I' also prints "%".
static int32_t flags_of_letter(char letter)
{
    switch (letter) {
    case 'H': case 'K': case 'L': return FORMAT_POINT_ZERO;
    case 'I': return FORMAT_POINT_ZERO | FORMAT_PERCENT;
    }
    return 0;
}

void build_catalogue()
{
    const UnitKind no_unit = {};
    for (int k = 0; k < UNIT_KIND_COUNT; ++k) unit_kinds[k] = no_unit;
    const StatColumn empty_column = {};
    for (int c = 0; c < STAT_COLUMN_COUNT; ++c) stat_columns[c] = empty_column;

    const char* entry = COLUMN_LABELS;
    for (int c = 0; c < STAT_COLUMN_COUNT; ++c) {
        const char letter = *entry++;
        const int kind = letter - 'A';
        CORE_ASSERT(kind >= 0 && kind < UNIT_KIND_COUNT);
        UnitKind& unit_kind = unit_kinds[kind];
        if (!unit_kind.recorded) {
            entry = copy_terminated(entry, unit_kind.unit, UNIT_TEXT_SIZE);
            unit_kind.flags = flags_of_letter(letter);
            unit_kind.recorded = 1;
        }
        StatColumn& column = stat_columns[c];
        column.kind = kind;
        column.width = *entry++ - '0';
        entry = copy_terminated(entry, column.title, STAT_TITLE_SIZE);
        if (unit_kind.unit[0] != 0) {
            append_text(column.title, STAT_TITLE_SIZE, " (");
            append_text(column.title, STAT_TITLE_SIZE, unit_kind.unit);
            append_text(column.title, STAT_TITLE_SIZE, ")");
        }
    }
    CORE_ASSERT(entry == COLUMN_LABELS + COLUMN_LABELS_SIZE);
}
