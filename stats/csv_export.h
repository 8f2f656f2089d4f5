// stats/csv_export.h: the datasheet as a semicolon-separated file, one line per country code.
// Every platform writes the bytes that format_csv_line gives, one line per write.
#pragma once

const int CSV_LINE_COUNT = 215;        // the header and countries 1..214 in code order
const int CSV_LINE_CAPACITY = 4000;    // the header, the longest line, takes 2,391 bytes

// Writes line `line` into out (CSV_LINE_CAPACITY bytes, no terminator) and returns its length:
// line 0 holds the titles of columns 1 and 3..107, line k the cells of country k, both with
// ";" between fields and CR LF at the end. Fields are written as they are, without quoting.
int format_csv_line(int line, char* out);

// Writes all lines to a new file beside path and, once every line is written and the file
// closed, puts it in place of path. Returns 1 on success; 0 on failure, leaving path as it was.
int export_statistics_csv(const char* path);
