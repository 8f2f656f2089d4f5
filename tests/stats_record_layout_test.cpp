// tests/stats_record_layout_test.cpp
#include <gtest/gtest.h>
#include "stats/record_layout.h"
#include "tests/stats_record_builder.h"

// 1. Anchors: fields read by hand.
TEST(ReadField, ReadsLittleEndianWordsFromTheLowestBit)
{
    unsigned char record[RECORD_SIZE] = {};
    record[4 * 7 + 0] = 0xEC;   // word 7 = 0x000001EC: bits 2..11 hold 123
    record[4 * 7 + 1] = 0x01;
    EXPECT_EQ(read_field(record, RecordField{7, 2, 10, 0}), 123);
    EXPECT_EQ(read_field(record, RecordField{7, 0, 2, 0}), 0);
    record[4 * 36 + 3] = 0xFC;  // word 36 bits 26..31 all set
    EXPECT_EQ(read_field(record, RecordField{36, 26, 6, 0}), 63);
    EXPECT_EQ(read_field(record, RecordField{36, 26, 6, 1}), -1);
}

TEST(ReadField, SignedFieldsSpanTheirWholeRange)
{
    RecordBuilder r;
    const RecordField mantissa = {35, 11, 11, 1};
    r.set(mantissa, -1024);
    EXPECT_EQ(read_field(r.bytes, mantissa), -1024);
    r.set(mantissa, 1023);
    EXPECT_EQ(read_field(r.bytes, mantissa), 1023);
    r.set(mantissa, -25);
    EXPECT_EQ(read_field(r.bytes, mantissa), -25);
    EXPECT_EQ(read_field(r.bytes, RecordField{0, 0, 0, 0}), 0);   // a fixed exponent reads 0
}

// 2. Invariants of the layout: every bit has one owner, derived columns look back only.
static void claim(int owners[RECORD_WORD_COUNT][32], RecordField field)
{
    for (int b = field.bit; b < field.bit + field.bits; ++b) ++owners[field.word][b];
}

TEST(ColumnSources, EveryBitBelongsToExactlyOneField)
{
    int owners[RECORD_WORD_COUNT][32] = {};
    for (const ColumnSource& source : COLUMN_SOURCES) {
        if (source.rule != STORED && source.rule != SHARE) continue;
        claim(owners, source.mantissa);
        claim(owners, source.exponent);
    }
    for (const LetterCode& code : LETTER_CODES) {
        for (int i = 0; i < code.count; ++i) claim(owners, RecordField{code.word, code.bits[i], 5, 0});
    }
    for (RecordField field : {VISITED_FIELD, ISO_NUMBER_FIELD, CALLING_CODE_FIELD, ZONE_HOURS_FIELD,
                              ZONE_MINUTES_FIELD, POLITICAL_CLASS_FIELD}) {
        claim(owners, field);
    }
    // the bits that the record leaves unused
    claim(owners, RecordField{0, 31, 1, 0});
    for (int word : {20, 21, 22, 23, 24, 27, 29, 32, 34, 35}) claim(owners, RecordField{uint8_t(word), 30, 2, 0});
    claim(owners, RecordField{33, 25, 7, 0});
    for (int w = 0; w < RECORD_WORD_COUNT; ++w) {
        for (int b = 0; b < 32; ++b) EXPECT_EQ(owners[w][b], 1) << "word " << w << " bit " << b;
    }
}

TEST(ColumnSources, MantissasAreTenBitsUnsignedOrElevenSigned)
{
    for (int i = 0; i < VALUE_COLUMN_COUNT; ++i) {
        const ColumnSource& source = COLUMN_SOURCES[i];
        if (source.rule != STORED && source.rule != SHARE) continue;
        EXPECT_EQ(source.mantissa.bits, source.mantissa.is_signed ? 11 : 10) << "column " << i + 14;
    }
}

TEST(ColumnSources, DerivedColumnsReadOnlyEarlierColumns)
{
    for (int i = 0; i < VALUE_COLUMN_COUNT; ++i) {
        const int column = i + FIRST_VALUE_COLUMN;
        const ColumnSource& source = COLUMN_SOURCES[i];
        const int used = source.rule == STORED ? 0 : source.rule == SHARE ? 1 : 3;
        for (int k = 0; k < used; ++k) {
            const int operand = source.operands[k];
            if (operand == NO_OPERAND) continue;
            EXPECT_GE(operand, FIRST_VALUE_COLUMN) << "column " << column;
            EXPECT_LT(operand, column) << "column " << column;
        }
    }
}
