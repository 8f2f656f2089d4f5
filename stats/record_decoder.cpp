// stats/record_decoder.cpp: decodes the packed country records into country_stats.
// A missing operand makes every value computed from it missing.
#include "stats/record_decoder.h"
#include "stats/record_layout.h"
#include "stats/decimal.h"
#include "data/blobs.h"
#include "platform/core_assert.h"

CountryStats country_stats[COUNTRY_COUNT];

// D(m, e) of a mantissa field and its exponent.
static double stored_number(const unsigned char* record, const ColumnSource& source)
{
    const int32_t mantissa = read_field(record, source.mantissa);
    if (mantissa == MISSING_MANTISSA) return MISSING_VALUE;
    const int exponent = read_field(record, source.exponent) + source.exponent_bias;
    return double(mantissa) * power_of_ten(exponent);
}

double share_of_total(double f, double total, double quantum)
{
    if (f == MISSING_VALUE || total == MISSING_VALUE) return MISSING_VALUE;
    return quantum * truncate_toward_zero(f / quantum * total + 0.5);
}

// The value of a column from the record and the columns decoded before it.
static double column_value_from(const unsigned char* record, const ColumnSource& source,
                                const CountryStats& stats)
{
    const uint8_t* op = source.operands;
    const double a = op[0] != NO_OPERAND ? column_value(stats, op[0]) : 0.0;
    const double b = op[1] != NO_OPERAND ? column_value(stats, op[1]) : 0.0;
    const double c = op[2] != NO_OPERAND ? column_value(stats, op[2]) : 0.0;
    const bool any_missing = a == MISSING_VALUE || b == MISSING_VALUE || c == MISSING_VALUE;
    switch (source.rule) {
    case STORED:
        return stored_number(record, source);
    case SHARE:
        return share_of_total(stored_number(record, source), a, source.quantum);
    case DIFFERENCE:
        return any_missing ? MISSING_VALUE : a - b - c;
    case SUM:
        return any_missing ? MISSING_VALUE : a + b;
    case GROWTH:   // the yearly change of population: births - deaths + net migration
        return any_missing ? MISSING_VALUE : a - b + c;
    }
    CORE_ASSERT(false);
    return MISSING_VALUE;
}

// Decimal digits of v without leading zeros, nothing for 0, into the code slot `text` after
// its first `used` characters; the slot keeps its terminator whatever v is.
static void put_decimal(char* text, int used, int32_t v)
{
    char digits[10];
    int count = 0;
    for (; v > 0; v /= 10) digits[count++] = char('0' + v % 10);
    while (count > 0 && used < CODE_TEXT_SIZE - 1) text[used++] = digits[--count];
}

static char* put_two_digits(char* out, int32_t v)
{
    *out++ = char('0' + v / 10 % 10);
    *out++ = char('0' + v % 10);
    return out;
}

static void decode_letters(const unsigned char* record, const LetterCode& code, char* text)
{
    if (code.prefix != 0) *text++ = code.prefix;
    for (int i = 0; i < code.count; ++i) {
        const int32_t v = read_field(record, RecordField{code.word, code.bits[i], 5, 0});
        if (v == 0) break;
        *text++ = char(code.first_letter + v - 1);
    }
}

// "+44" for 1..999, "+1-876" for 1000 + an area code, nothing for 0.
static void decode_calling_code(int32_t v, char* text)
{
    if (v == 0) return;
    text[0] = '+';
    if (v < 1000) {
        put_decimal(text, 1, v);
        return;
    }
    text[1] = '1';
    text[2] = '-';
    put_decimal(text, 3, v - 1000);
}

// "+05:30", "-03:30": always a sign, two hour digits, ":" and two minute digits.
static void decode_zone_text(int32_t hours, int32_t minutes, char* text)
{
    *text++ = hours < 0 ? '-' : '+';
    text = put_two_digits(text, hours < 0 ? -hours : hours);
    *text++ = ':';
    put_two_digits(text, minutes);
}

static void decode_codes(const unsigned char* record, CountryStats& stats)
{
    for (int i = 0; i < CODE_COLUMN_COUNT; ++i)
        for (int j = 0; j < CODE_TEXT_SIZE; ++j) stats.codes[i][j] = 0;
    for (int i = 0; i < LETTER_CODE_COUNT; ++i)
        decode_letters(record, LETTER_CODES[i], code_text(stats, FIRST_CODE_COLUMN + i));
    code_text(stats, COLUMN_VISITED)[0] = read_field(record, VISITED_FIELD) ? 'Y' : 'N';
    put_decimal(code_text(stats, COLUMN_ISO_NUMBER), 0, read_field(record, ISO_NUMBER_FIELD));
    decode_calling_code(read_field(record, CALLING_CODE_FIELD), code_text(stats, COLUMN_CALLING_CODE));
    decode_zone_text(read_field(record, ZONE_HOURS_FIELD), read_field(record, ZONE_MINUTES_FIELD),
                     code_text(stats, COLUMN_TIME_ZONE));
}

void decode_country_record(const unsigned char* record, CountryStats& stats)
{
    stats.current = MISSING_VALUE;
    stats.rank = 0;
    stats.tied = 0;
    stats.shade = 0.0;
    decode_codes(record, stats);
    stats.political_class = read_field(record, POLITICAL_CLASS_FIELD);
    // minutes are unsigned, so -04:30 is 4 × -4 + 2 = -14 quarters
    stats.zone_quarters = 4 * read_field(record, ZONE_HOURS_FIELD) +
                          read_field(record, ZONE_MINUTES_FIELD) / 15;
    for (int i = 0; i < VALUE_COLUMN_COUNT; ++i)
        stats.values[i] = column_value_from(record, COLUMN_SOURCES[i], stats);
}

void load_statistics()
{
    CORE_ASSERT(STAT_RECORDS_SIZE == COUNTRY_COUNT * RECORD_SIZE);
    build_catalogue();
    for (int code = 1; code <= COUNTRY_COUNT; ++code)
        decode_country_record(STAT_RECORDS + (code - 1) * RECORD_SIZE, stats_of(code));
}
