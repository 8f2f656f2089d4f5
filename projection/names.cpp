// projection/names.cpp: the name table parsed from the packed list, and the projection label.
// Names must be built (build_projection_names) before any label is formatted.
#include "projection/names.h"
#include "data/blobs.h"
#include "platform/core_assert.h"

ProjectionName projection_names[PROJECTION_COUNT];

static const char NO_CREDIT = 0;
static const char SAME_CREDIT = 1;

static const char* after_zero(const char* p)
{
    while (*p) ++p;
    return p + 1;
}

// Record: the name and its zero, then NO_CREDIT, SAME_CREDIT or the credit text and its zero.
void build_projection_names()
{
    const char* p = PROJECTION_NAME_LIST;
    const char* previous_credit = nullptr;
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        projection_names[i].name = p;
        p = after_zero(p);
        if (*p == NO_CREDIT) {
            projection_names[i].credit = nullptr;
            ++p;
        } else if (*p == SAME_CREDIT) {
            projection_names[i].credit = previous_credit;
            ++p;
        } else {
            projection_names[i].credit = p;
            p = after_zero(p);
        }
        previous_credit = projection_names[i].credit;
    }
    CORE_ASSERT(p == PROJECTION_NAME_LIST + PROJECTION_NAME_LIST_SIZE);
}

// Copies s to end and returns the new end; the zero is written there too.
static char* append(char* end, const char* s)
{
    while (*s) *end++ = *s++;
    *end = 0;
    return end;
}

// The decimal digits of a positive number, without leading zeros; nothing for 0.
static char* append_digits(char* end, int number)
{
    char digits[12];
    int n = 0;
    for (; number > 0; number /= 10) digits[n++] = char('0' + number % 10);
    while (n > 0) *end++ = digits[--n];
    *end = 0;
    return end;
}

static char* end_of(char* text)
{
    while (*text) ++text;
    return text;
}

void append_projection_date(char* text, int year_code)
{
    const int year = year_code >> 1;   // arithmetic: -299 gives -150
    char* end = end_of(text);
    if (year_code & 1) end = append(end, "c.");
    end = append_digits(end, year < 0 ? -year : year);
    if (year_code < 0) append(end, "BC)");
    else if (year_code >= 2000) append(end, ")");   // from the year 1000 on, no era
    else append(end, "AD)");
}

void format_projection_label(int index, char* text, char separator)
{
    CORE_ASSERT(index >= 0 && index < PROJECTION_COUNT);
    const ProjectionName& names = projection_names[index];
    char* end = append(end_of(text), names.name);
    const char opening[] = { separator, '(', 0 };
    end = append(end, opening);
    if (names.credit) {
        end = append(end, names.credit);
        append(end, ", ");
    }
    append_projection_date(text, year_code_of(PROJECTION_CATALOGUE[index]));
}
