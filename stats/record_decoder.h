// stats/record_decoder.h: turns one packed country record into its CountryStats.
//
// Format (all fields listed in stats/record_layout.cpp):
// 1. A record is 37 little-endian 32-bit words; a field is `bits` bits of one word from `bit` up.
// 2. A stored number is D(m, e) = m × 10^e; m is a 10-bit unsigned or 11-bit signed field,
//    e a fixed exponent or an exponent field plus a bias. m = +1023 is missing, in either form.
// 3. A share is P(f, T, q) = q × trunc(f / q × T + 0.5) of an earlier total column T.
// 4. Derived sums and differences are missing as soon as one operand is; "Population Growth"
//    (column 25) is Births - Deaths + Net Migration (columns 22, 23, 24), people per year.
// 5. Letter codes: 5-bit fields, 1..26 a letter, 0 ends the text; codes are at most 7 characters.
//
// Example, "Population: Total" (column 14), mantissa U(7, 2, 10), exponent U(8, 3, 3):
//   bytes 28..31 (word 7)  EC 01 00 00  -> 0x000001EC; bits 2..11: 0x1EC >> 2 = 123
//   bytes 32..35 (word 8)  28 00 00 00  -> 0x00000028; bits 3..5: 0x28 >> 3 = 5
//   value 123 × 10^5 = 12,300,000; a mantissa of 1023 would make it, and columns 15, 16, 17
//   and 35 computed from it, missing.
#pragma once
#include "stats/country_stats.h"

// Fills every decoded part of stats from the record: the code texts, political_class,
// zone_quarters and the 94 values; resets current to MISSING_VALUE and rank, tied, shade to 0.
void decode_country_record(const unsigned char* record, CountryStats& stats);

// P(f, total, quantum), missing when f or total is.
double share_of_total(double f, double total, double quantum);
