// tests/stats_record_builder.h: packed country records made field by field for the decoder tests.
#pragma once
#include <stdint.h>
#include "stats/record_layout.h"

struct RecordBuilder {
    unsigned char bytes[RECORD_SIZE] = {};

    // Writes the low `field.bits` bits of value into the field, leaving every other bit alone.
    RecordBuilder& set(RecordField field, int32_t value)
    {
        unsigned char* w = bytes + 4 * field.word;
        uint32_t word = uint32_t(w[0]) | uint32_t(w[1]) << 8 | uint32_t(w[2]) << 16 | uint32_t(w[3]) << 24;
        const uint32_t mask = ((1u << field.bits) - 1) << field.bit;
        word = (word & ~mask) | ((uint32_t(value) << field.bit) & mask);
        for (int i = 0; i < 4; ++i) w[i] = uint8_t(word >> (8 * i));
        return *this;
    }

    // Every stored figure missing, as in a country without data.
    RecordBuilder& all_missing()
    {
        for (const ColumnSource& source : COLUMN_SOURCES) {
            if (source.rule == STORED || source.rule == SHARE) set(source.mantissa, MISSING_MANTISSA);
        }
        return *this;
    }

    // A figure of a column 14..107 as mantissa and exponent field value.
    RecordBuilder& figure(int column, int32_t mantissa, int32_t exponent_field = 0)
    {
        const ColumnSource& source = COLUMN_SOURCES[column - FIRST_VALUE_COLUMN];
        set(source.mantissa, mantissa);
        if (source.exponent.bits) set(source.exponent, exponent_field);
        return *this;
    }

    // The letter fields of code column 3..9, in order (0 ends the text).
    RecordBuilder& letters(int column, int32_t a, int32_t b, int32_t c = 0)
    {
        const LetterCode& code = LETTER_CODES[column - FIRST_CODE_COLUMN];
        const int32_t values[3] = {a, b, c};
        for (int i = 0; i < code.count; ++i) set(RecordField{code.word, code.bits[i], 5, 0}, values[i]);
        return *this;
    }
};
