// stats/csv_export.h: the datasheet as a semicolon-separated file, one line per country code.
// Every platform writes the bytes that format_csv_line gives, one line per write.
#pragma once

const int CSV_LINE_COUNT = 215;        // the header and countries 1..214 in code order
const int CSV_LINE_CAPACITY = 4000;    // the header, the longest line, takes 2,391 bytes

// Writes line `line` into out (CSV_LINE_CAPACITY bytes, no terminator) and returns its length:
// line 0 holds the titles of columns 1 and 3..107, line k the cells of country k, both with
// ";" between fields and CR LF at the end. Fields are written as they are, without quoting.
int format_csv_line(int line, char* out);

// Writes all lines through platform/atomic_file.h: whole, or not at all with path left as it
// was. False on failure, with the system's error code in error.
bool export_statistics_csv(const char* path, int& error);
