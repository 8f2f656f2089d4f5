// stats/record_layout.cpp: the field table of the packed country records, one line per column.
// The packer in tools/stats/ writes the same layout; a test checks that no two fields overlap.
#include "stats/record_layout.h"
#include "platform/core_assert.h"

static constexpr RecordField U(int word, int bit, int bits)
{
    return {uint8_t(word), uint8_t(bit), uint8_t(bits), 0};
}
static constexpr RecordField S(int word, int bit, int bits)
{
    return {uint8_t(word), uint8_t(bit), uint8_t(bits), 1};
}
static constexpr RecordField FIXED = {0, 0, 0, 0};

static constexpr ColumnSource stored(RecordField mantissa, RecordField exponent, int bias)
{
    return {STORED, mantissa, exponent, int8_t(bias), {NO_OPERAND, NO_OPERAND, NO_OPERAND}, 0};
}
static constexpr ColumnSource share(RecordField mantissa, RecordField exponent, int bias,
                                    int total, int quantum)
{
    return {SHARE, mantissa, exponent, int8_t(bias), {uint8_t(total), NO_OPERAND, NO_OPERAND},
            quantum};
}
static constexpr ColumnSource derived(SourceRule rule, int a, int b, int c)
{
    return {rule, FIXED, FIXED, 0, {uint8_t(a), uint8_t(b), uint8_t(c)}, 0};
}

const ColumnSource COLUMN_SOURCES[VALUE_COLUMN_COUNT] = {
    stored(U(7, 2, 10), U(8, 3, 3), 0),                 // 14 Population: Total
    share(U(7, 12, 10), FIXED, -3, 14, 1),              // 15 Population: 0-14 yrs
    share(U(7, 22, 10), FIXED, -3, 14, 1),              // 16 Population: 15-64 yrs
    derived(DIFFERENCE, 14, 15, 16),                    // 17 Population: 65+ yrs
    stored(U(8, 6, 10), FIXED, -1),                     // 18 Life Expectancy at Birth
    stored(U(9, 1, 10), FIXED, -1),                     // 19 Median Age
    stored(U(12, 20, 10), FIXED, -1),                   // 20 Probability Reaching 65: Female
    stored(U(13, 3, 10), FIXED, -1),                    // 21 Probability Reaching 65: Male
    stored(U(9, 11, 10), U(8, 26, 3), 0),               // 22 Births
    stored(U(9, 21, 10), U(8, 29, 3), 0),               // 23 Deaths
    stored(S(34, 11, 11), S(34, 22, 4), 0),             // 24 Net Migration
    derived(GROWTH, 22, 23, 24),                        // 25 Population Growth
    stored(U(10, 10, 10), FIXED, -2),                   // 26 Sex Ratio: At Birth
    stored(U(10, 20, 10), FIXED, -2),                   // 27 Sex Ratio: 0-14 yrs
    stored(U(11, 0, 10), FIXED, -2),                    // 28 Sex Ratio: 15-64 yrs
    stored(U(10, 0, 10), FIXED, -2),                    // 29 Sex Ratio: 65+ yrs
    stored(U(11, 10, 10), FIXED, -2),                   // 30 Sex Ratio: Total Population
    stored(U(11, 20, 10), U(10, 30, 2), -2),            // 31 Infant Mortality
    stored(U(12, 0, 10), FIXED, -2),                    // 32 Total Fertility Rate
    stored(S(35, 0, 11), S(34, 26, 4), 0),              // 33 Urban Population Growth
    stored(U(12, 10, 10), U(13, 0, 3), 0),              // 34 Urban Population
    share(U(8, 16, 10), U(9, 0, 1), -4, 14, 1),         // 35 HIV/AIDS Adults Infected
    stored(U(3, 10, 10), U(3, 20, 2), 0),               // 36 Coastline
    stored(U(3, 22, 10), U(4, 0, 1), 0),                // 37 Highest Point
    stored(S(34, 0, 11), U(4, 1, 1), 0),                // 38 Lowest Point
    stored(U(4, 2, 10), U(5, 0, 2), -3),                // 39 Total Freshwater Withdrawal
    stored(U(4, 12, 10), U(5, 2, 2), 0),                // 40 Irrigated Land
    stored(U(4, 22, 10), U(5, 4, 3), -2),               // 41 Land Area
    stored(U(5, 7, 10), U(5, 17, 2), 0),                // 42 Land Boundaries
    stored(U(5, 19, 10), U(5, 29, 3), -2),              // 43 Land Use: Arable
    stored(U(6, 0, 10), U(8, 0, 3), -2),                // 44 Land Use: Permanent Crops
    derived(DIFFERENCE, 41, 43, 44),                    // 45 Land Use: Other
    stored(U(6, 10, 10), U(7, 0, 2), -2),               // 46 Total Renewable Water Resources
    stored(U(6, 20, 10), U(6, 30, 2), 0),               // 47 Water Area
    stored(U(13, 13, 10), U(9, 31, 1), 0),              // 48 Airports: Paved
    stored(U(14, 0, 10), U(12, 30, 1), 0),              // 49 Airports: Unpaved
    derived(SUM, 49, 48, NO_OPERAND),                   // 50 Airports: Total
    stored(U(14, 10, 10), FIXED, 0),                    // 51 Heliports
    stored(U(14, 20, 10), U(12, 31, 1), 0),             // 52 Merchant Marine Ships
    stored(U(15, 0, 10), U(11, 30, 2), 0),              // 53 Pipelines
    stored(U(15, 10, 10), U(14, 30, 2), 0),             // 54 Railways
    stored(U(15, 20, 10), U(15, 30, 2), 1),             // 55 Roadways
    stored(U(16, 0, 10), U(16, 10, 2), 0),              // 56 Waterways
    stored(U(16, 12, 10), FIXED, -1),                   // 57 Primary School Attendance
    stored(U(16, 22, 10), FIXED, -1),                   // 58 Literacy
    stored(U(17, 0, 10), U(13, 23, 3), 5),              // 59 Budget Expenditures
    stored(U(17, 10, 10), U(13, 26, 3), 5),             // 60 Budget Revenues
    derived(DIFFERENCE, 60, 59, NO_OPERAND),            // 61 Budget Surplus
    stored(U(18, 0, 10), U(13, 29, 3), 4),              // 62 External Debt
    stored(U(18, 10, 10), U(17, 20, 3), 3),             // 63 Imports
    stored(U(19, 0, 10), U(17, 23, 3), 3),              // 64 Exports
    derived(DIFFERENCE, 64, 63, NO_OPERAND),            // 65 Balance of Payments
    stored(U(19, 10, 10), U(17, 26, 3), 5),             // 66 GDP: Official Exchange Rate
    stored(U(20, 0, 10), U(17, 29, 3), 5),              // 67 GDP: Purchasing Power Parity
    stored(U(20, 10, 10), U(18, 20, 3), 5),             // 68 Public Dept
    stored(U(20, 20, 10), U(18, 23, 3), 5),             // 69 Reserves of Foreign Exchange and Gold
    stored(U(21, 0, 10), U(18, 26, 3), 3),              // 70 Military Expenditures
    stored(U(21, 10, 10), U(18, 29, 3), 3),             // 71 Education Expenditures
    share(U(21, 20, 10), FIXED, -3, 67, 10000),         // 72 GDP by Sector: Agriculture
    share(U(22, 0, 10), FIXED, -3, 67, 10000),          // 73 GDP by Sector: Industry
    derived(DIFFERENCE, 67, 72, 73),                    // 74 GDP by Sector: Services
    stored(S(35, 11, 11), FIXED, -1),                   // 75 GDP Real Growth Rate
    stored(S(36, 0, 11), FIXED, -1),                    // 76 Industrial Production Growth Rate
    stored(S(36, 11, 11), FIXED, -1),                   // 77 Consumer Price Inflation Rate
    stored(U(22, 10, 10), U(19, 20, 3), 0),             // 78 Labour Force: Total
    share(U(22, 20, 10), FIXED, -3, 78, 1),             // 79 Labour Force: Agriculture
    share(U(23, 0, 10), FIXED, -3, 78, 1),              // 80 Labour Force: Industry
    derived(DIFFERENCE, 78, 79, 80),                    // 81 Labour Force: Services
    stored(U(23, 10, 10), U(19, 23, 3), 0),             // 82 Population Below Poverty Line
    stored(U(23, 20, 10), FIXED, -1),                   // 83 Unemployment Rate
    stored(U(24, 0, 10), U(19, 26, 3), 0),              // 84 Manpower Available for Military Service
    stored(U(24, 10, 10), U(19, 29, 3), 0),             // 85 Manpower Fit for Military Service
    stored(U(24, 20, 10), U(25, 0, 3), 0),              // 86 Manpower Reaching Military Age
    stored(U(31, 10, 10), U(31, 20, 1), 3),             // 87 Armed Forces Personnel
    stored(U(25, 3, 10), FIXED, -3),                    // 88 Human Development Index
    stored(U(25, 13, 10), U(25, 23, 3), 3),             // 89 Electricity: Consumption
    stored(U(26, 0, 10), U(25, 26, 3), 1),              // 90 Electricity: Exports
    stored(U(26, 10, 10), U(25, 29, 3), 1),             // 91 Electricity: Imports
    stored(U(27, 0, 10), U(26, 20, 3), 3),              // 92 Electricity: Production
    stored(U(27, 10, 10), U(26, 23, 3), 2),             // 93 Natural Gas: Consumption
    stored(U(27, 20, 10), U(26, 26, 3), 2),             // 94 Natural Gas: Exports
    stored(U(28, 0, 10), U(26, 29, 3), 2),              // 95 Natural Gas: Imports
    stored(U(28, 10, 10), U(28, 20, 3), 2),             // 96 Natural Gas: Production
    stored(U(29, 0, 10), U(28, 23, 3), 4),              // 97 Natural Gas: Proved Reserves
    stored(U(29, 10, 10), U(28, 26, 3), 0),             // 98 Oil: Consumption
    stored(U(29, 20, 10), U(28, 29, 3), 0),             // 99 Oil: Exports
    stored(U(30, 0, 10), U(30, 10, 3), 0),              // 100 Oil: Imports
    stored(U(30, 13, 10), U(30, 23, 3), 0),             // 101 Oil: Production
    stored(U(31, 0, 10), U(30, 26, 3), 2),              // 102 Oil: Proved Reserves
    stored(U(31, 21, 10), U(30, 29, 3), 0),             // 103 Internet: Hosts
    stored(U(32, 0, 10), S(35, 22, 4), 0),              // 104 Internet: Users
    stored(U(32, 10, 10), S(35, 26, 4), 0),             // 105 Telephones: Main Lines
    stored(U(32, 20, 10), S(36, 22, 4), 0),             // 106 Telephones: Cellular
    stored(U(33, 15, 10), U(31, 31, 1), 0),             // 107 Television Broadcast Stations
};
static_assert(sizeof COLUMN_SOURCES / sizeof COLUMN_SOURCES[0] == VALUE_COLUMN_COUNT,
              "one source per numeric column");

const LetterCode LETTER_CODES[LETTER_CODE_COUNT] = {
    {0, {0, 5, 0}, 2, 'A', 0},          // 3 ISO/2
    {0, {10, 15, 20}, 3, 'A', 0},       // 4 ISO/3
    {1, {0, 5, 0}, 2, 'a', 0},          // 5 FIPS
    {1, {10, 15, 0}, 2, 'a', '.'},      // 6 IANA: never empty
    {2, {0, 5, 10}, 3, 'A', 0},         // 7 UN Vehicle
    {2, {15, 20, 25}, 3, 'A', 0},       // 8 IOC
    {33, {0, 5, 10}, 3, 'A', 0},        // 9 Currency
};

int32_t read_field(const unsigned char* record, RecordField field)
{
    if (field.bits == 0) return 0;
    CORE_ASSERT(field.bits < 32 && field.bit + field.bits <= 32);
    const unsigned char* w = record + 4 * field.word;
    const uint32_t word = uint32_t(w[0]) | uint32_t(w[1]) << 8 | uint32_t(w[2]) << 16 |
                          uint32_t(w[3]) << 24;
    const uint32_t mask = (1u << field.bits) - 1;
    const uint32_t value = (word >> field.bit) & mask;
    const uint32_t sign = 1u << (field.bits - 1);
    if (field.is_signed && (value & sign)) return int32_t(value) - int32_t(sign << 1);
    return int32_t(value);
}
