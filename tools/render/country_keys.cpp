// tools/render/country_keys.cpp: one index from folded text to country, built on first use.
// Folding drops case and the accents of Latin letters and reads "’" as "'", so "Cote d'Ivoire"
// is found as "CÔTE D’IVOIRE" too.
#include "tools/render/country_keys.h"
#include <cstdlib>
#include <map>
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "tools/render/text_encoding.h"

namespace {

// The base letter of U+00C0..U+00FF in lower case; '?' keeps the character as it is.
const char LATIN1_BASE_LETTERS[] = "aaaaaa?ceeeeiiiidnooooo?ouuuuy??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y";

bool is_space(const std::string& text, size_t i, size_t& length)
{
    length = text[i] == ' ' || text[i] == '\t' ? 1 : text.compare(i, 2, "\xC2\xA0") == 0 ? 2 : 0;
    return length > 0;
}

// text without the blanks around it, in lower case, accents dropped.
std::string folded(const std::string& text)
{
    size_t first = 0, last = text.size(), n;
    while (first < last && is_space(text, first, n)) first += n;
    for (;;) {
        if (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) last -= 1;
        else if (last - first >= 2 && text.compare(last - 2, 2, "\xC2\xA0") == 0) last -= 2;
        else break;
    }
    std::string fold;
    for (size_t i = first; i < last; ++i) {
        const unsigned char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            fold += char(c - 'A' + 'a');
        } else if (text.compare(i, 3, "\xE2\x80\x99") == 0) {   // the apostrophe a word processor makes
            fold += '\'';
            i += 2;
        } else if (c == 0xC3 && i + 1 < last && ((unsigned char)text[i + 1] & 0xC0) == 0x80) {   // U+00C0..U+00FF
            const char base = LATIN1_BASE_LETTERS[(unsigned char)text[i + 1] - 0x80];
            if (base == '?') fold.append(text, i, 2);
            else fold += base;
            ++i;
        } else {
            fold += char(c);
        }
    }
    return fold;
}

bool is_number(const std::string& text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// ISO numeric codes are kept apart from the texts, as numbers: "020" and "20" are Andorra.
std::string numeric_key(long number)
{
    return "#" + std::to_string(number);
}

std::map<std::string, CountryKey> build_index()
{
    std::map<std::string, CountryKey> index;
    for (int code = 1; code <= COUNTRY_CODE_COUNT; ++code) {
        const CountryKey key = {code <= COUNTRY_COUNT ? KEY_COUNTRY : KEY_REGION, code};
        std::string name;
        append_utf8_from_cp1252(name, country_names[code - 1]);
        index.emplace(folded(name), key);
        if (code > COUNTRY_COUNT) continue;
        const CountryStats& stats = stats_of(code);
        index.emplace(folded(code_text(stats, COLUMN_ISO_ALPHA2)), key);
        index.emplace(folded(code_text(stats, COLUMN_ISO_ALPHA3)), key);
        if (is_number(code_text(stats, COLUMN_ISO_NUMBER)))
            index.emplace(numeric_key(std::atol(code_text(stats, COLUMN_ISO_NUMBER))), key);
    }
    index.erase("");   // a country without one of the codes
    return index;
}

}  // namespace

CountryKey match_country_key(const std::string& text)
{
    static const std::map<std::string, CountryKey> index = build_index();
    const std::string key = folded(text);
    const auto found = index.find(is_number(key) && key.size() < 10 ? numeric_key(std::atol(key.c_str())) : key);
    return found == index.end() ? CountryKey{KEY_UNKNOWN, 0} : found->second;
}
