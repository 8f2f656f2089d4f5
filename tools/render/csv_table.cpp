// tools/render/csv_table.cpp: bytes to text (byte-order mark, UTF-8 check, code page 1252), then
// one pass of a small state machine that splits the text into rows and cells.
#include "tools/render/csv_table.h"
#include <cerrno>
#include <cstring>
#include <cstdio>
#include "tools/render/text_encoding.h"

namespace {

const char UTF8_MARK[] = "\xEF\xBB\xBF";

bool starts_with(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Whether bytes form well-made UTF-8 sequences (shortest forms, no surrogates, at most U+10FFFF).
bool is_utf8(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = bytes[i];
        int more = 0;
        unsigned code = lead;
        if (lead < 0x80) more = 0;
        else if (lead >= 0xC2 && lead < 0xE0) more = 1, code = lead & 0x1F;
        else if (lead >= 0xE0 && lead < 0xF0) more = 2, code = lead & 0x0F;
        else if (lead >= 0xF0 && lead < 0xF5) more = 3, code = lead & 0x07;
        else return false;
        if (more && i + more >= bytes.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const unsigned char next = bytes[i + k];
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        if ((more == 2 && (code < 0x800 || (code >= 0xD800 && code < 0xE000))) ||
            (more == 3 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += more + 1;
    }
    return true;
}

// The file's text in UTF-8, or false with the reason.
bool decode_text(const std::string& bytes, std::string& text, std::string& reason)
{
    if (starts_with(bytes, "\xFF\xFE") || starts_with(bytes, "\xFE\xFF"))
        return reason = "UTF-16 text; save it as CSV in UTF-8 or Latin-1", false;
    if (bytes.find('\0') != std::string::npos) return reason = "not a text file", false;
    if (starts_with(bytes, UTF8_MARK)) {
        text = bytes.substr(3);
        return is_utf8(text) || (reason = "not UTF-8 text although it starts with a UTF-8 mark", false);
    }
    if (is_utf8(bytes)) {
        text = bytes;
        return true;
    }
    text.clear();
    append_utf8_from_cp1252(text, bytes.c_str());
    return true;
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && is_blank(text[first])) ++first;
    while (last > first && is_blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// The separator the first line holds more of outside quotes; a tie (a one-column file) is ','.
char separator_of(const std::string& text)
{
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        else if (quoted) continue;
        else if (c == '\n' || c == '\r') break;
        else if (c == ',') ++commas;
        else if (c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// Splits text into rows: each cell is quoted ("..." with "" for a quote, blanks around it
// allowed) or plain up to the next separator or line end.
class CsvSplitter {
public:
    CsvSplitter(const std::string& text, char separator) : text_(text), separator_(separator) {}

    bool at_end() const { return at_ >= text_.size(); }

    // The next row; false with the reason (and the line in row.line) on bad quoting.
    bool next_row(CsvRow& row, std::string& reason)
    {
        row.line = line_;
        row.cells.clear();
        for (;;) {
            std::string cell;
            if (!next_cell(cell, reason)) return false;
            row.cells.push_back(cell);
            if (at_end()) return true;
            const char c = text_[at_++];
            if (c == separator_) continue;
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
            ++line_;
            return true;
        }
    }

private:
    bool is_cell_end(size_t i) const
    {
        return i >= text_.size() || text_[i] == separator_ || text_[i] == '\n' || text_[i] == '\r';
    }

    bool next_cell(std::string& cell, std::string& reason)
    {
        size_t start = at_;
        while (start < text_.size() && is_blank(text_[start])) ++start;
        if (start >= text_.size() || text_[start] != '"') {
            while (!is_cell_end(at_)) ++at_;
            cell = trimmed(text_.substr(start, at_ - start));
            return true;
        }
        for (at_ = start + 1;; ++at_) {
            if (at_ >= text_.size()) return reason = "a quote opened here is never closed", false;
            const char c = text_[at_];
            if (c == '"' && at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                cell += '"';
                ++at_;
            } else if (c == '"') {
                break;
            } else {
                if (c == '\n' || (c == '\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] != '\n'))) ++line_;
                cell += c;
            }
        }
        ++at_;
        while (at_ < text_.size() && is_blank(text_[at_])) ++at_;
        if (!is_cell_end(at_)) return reason = "text after a closing quote", false;
        return true;
    }

    const std::string& text_;
    const char separator_;
    size_t at_ = 0;
    int line_ = 1;
};

// The whole file; false with errno set when it cannot be opened or read (a folder, say).
bool read_bytes(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    const bool read = !std::ferror(file);
    std::fclose(file);
    return read;
}

bool has_text(const CsvRow& row)
{
    for (const std::string& cell : row.cells)
        if (!cell.empty()) return true;
    return false;
}

}  // namespace

std::string csv_place(const std::string& path, int line, const std::string& column)
{
    std::string place = path + ", line " + std::to_string(line);
    return column.empty() ? place : place + ", column \"" + column + "\"";
}

bool read_csv_table(const std::string& path, CsvTable& table, std::string& error)
{
    std::string bytes, text, reason;
    if (!read_bytes(path, bytes)) return error = path + ": cannot read it: " + std::strerror(errno), false;
    if (!decode_text(bytes, text, reason)) return error = path + ": " + reason, false;
    table.separator = separator_of(text);
    table.rows.clear();
    CsvSplitter splitter(text, table.separator);
    if (splitter.at_end()) return error = path + ": empty, without even a line of column names", false;
    if (!splitter.next_row(table.header, reason)) return error = csv_place(path, 1) + ": " + reason, false;
    if (!has_text(table.header)) return error = csv_place(path, 1) + ": no column names", false;
    while (!splitter.at_end()) {
        CsvRow row;
        if (!splitter.next_row(row, reason)) return error = csv_place(path, row.line) + ": " + reason, false;
        if (has_text(row)) table.rows.push_back(row);
    }
    return true;
}
