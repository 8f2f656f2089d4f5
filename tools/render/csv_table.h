// tools/render/csv_table.h: a CSV file as spreadsheets write it, read into UTF-8 cells. Comma or
// semicolon, whichever the header line holds more of outside quotes; double quotes with doubled
// quotes inside; UTF-8 with or without byte-order mark, else code page 1252 (Latin-1 included).
#pragma once
#include <string>
#include <vector>

struct CsvRow {
    int line;                          // the line the row starts on, 1 for the header
    std::vector<std::string> cells;    // UTF-8; unquoted cells without surrounding blanks
};

struct CsvTable {
    char separator;                    // ',' or ';'
    CsvRow header;                     // the column names
    std::vector<CsvRow> rows;          // every later row with any text in it
};

// Reads the file at path; rows may end in CR LF, LF or CR, and a quoted cell may hold line ends.
// False with a one-line message naming the file (and the line) when it cannot be read, is
// empty, is UTF-16, has an unclosed quote or text after a closing quote.
bool read_csv_table(const std::string& path, CsvTable& table, std::string& error);

// "PATH, line N, column "NAME"": where a message about the file points.
std::string csv_place(const std::string& path, int line, const std::string& column = std::string());
