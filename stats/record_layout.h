// stats/record_layout.h: where every figure and code lives in a packed country record.
// A record is 37 little-endian 32-bit words; a field is a run of bits inside one word.
#pragma once
#include <stdint.h>
#include "stats/catalogue.h"

const int RECORD_WORD_COUNT = 37;
const int RECORD_SIZE = 4 * RECORD_WORD_COUNT;   // 148 bytes
const int MISSING_MANTISSA = 1023;               // in unsigned and signed mantissas alike

// `bits` bits of record word `word`, the lowest at bit `bit` (bit 0 is the least significant);
// read as two's complement when is_signed. A field of 0 bits reads as 0.
struct RecordField {
    uint8_t word;
    uint8_t bit;
    uint8_t bits;
    uint8_t is_signed;
};

// How a numeric column (14..107) gets its value.
enum SourceRule : uint8_t {
    STORED,       // mantissa × 10^(exponent field + bias)
    SHARE,        // the stored number is a share of the total column, rounded to a quantum
    DIFFERENCE,   // operand 0 - operand 1 - operand 2 (operand 2 may be absent)
    SUM,          // operand 0 + operand 1
    GROWTH,       // births - deaths + net migration: operands 0, 1, 2
};

const uint8_t NO_OPERAND = 0;   // column 0 has no value, so 0 never names an operand

struct ColumnSource {
    uint8_t rule;
    RecordField mantissa;       // STORED, SHARE: 10 bits unsigned or 11 bits signed
    RecordField exponent;       // STORED, SHARE: exponent field; 0 bits for a fixed exponent
    int8_t exponent_bias;       // added to the exponent field (the whole exponent when fixed)
    uint8_t operands[3];        // columns read by SHARE (the total), DIFFERENCE, SUM, GROWTH
    int32_t quantum;            // SHARE: the result is a multiple of this
};

// COLUMN_SOURCES[c - 14] for the columns 14..107, in column order. Derived columns name only
// columns before them, so one pass in column order decodes a record.
extern const ColumnSource COLUMN_SOURCES[VALUE_COLUMN_COUNT];

// The letter codes of columns 3..9: 5-bit fields, 0 ends the text, v gives first_letter + v - 1.
struct LetterCode {
    uint8_t word;
    uint8_t bits[3];            // lowest bit of each letter field, first letter first
    uint8_t count;              // 2 or 3 letter fields
    char first_letter;          // 'A' or 'a'
    char prefix;                // written before the letters, 0 for none
};
const int LETTER_CODE_COUNT = 7;
extern const LetterCode LETTER_CODES[LETTER_CODE_COUNT];

const RecordField VISITED_FIELD = {1, 20, 1, 0};          // column 10
const RecordField ISO_NUMBER_FIELD = {3, 0, 10, 0};       // column 11
const RecordField CALLING_CODE_FIELD = {1, 21, 11, 0};    // column 12
const RecordField ZONE_HOURS_FIELD = {36, 26, 6, 1};      // column 13
const RecordField ZONE_MINUTES_FIELD = {0, 25, 6, 0};     // column 13
const RecordField POLITICAL_CLASS_FIELD = {2, 30, 2, 0};

// The value of a field of a packed record.
int32_t read_field(const unsigned char* record, RecordField field);
