// tools/render/country_codes.cpp: the ISO codes of codes 1..214, which follow their order.
#include "tools/render/country_codes.h"
#include <cctype>
#include <cstdlib>
#include <cstring>

static const char ISO_CODES[] =
    "ADAEAFAGAIALAMAOAQARATAUAWAZBABBBDBEBFBGBHBIBJBMBNBOBRBSBTBWBYBZ"
    "CACDCFCGCHCICKCLCMCNCOCRCUCVCYCZDEDJDKDMDODZECEEEGEHERESETFIFJFM"
    "FRGAGBGDGEGFGHGIGLGMGNGQGRGTGUGWGYHKHNHRHTHUIDIEILINIQIRISITJMJO"
    "JPKEKGKHKIKMKNKPKRKWKYKZLALBLCLILKLRLSLTLULVLYMAMCMDMEMGMHMKMLMM"
    "MNMPMRMTMUMVMWMXMYMZNANCNENGNINLNONPNRNUNZOMPAPEPFPGPHPKPLPRPTPW"
    "PYQARORSRURWSASBSCSDSESGSISKSLSMSNSOSRSSSTSVSYSZTCTDTGTHTJTMTNTO"
    "TRTTTVTWTZUAUGUSUYUZVAVCVEVGVIVNVUWSYEZAZMZW";
static_assert(sizeof ISO_CODES - 1 == 2 * 214, "one two-letter code per country");

int parse_country_code(const char* text)
{
    if (std::isdigit((unsigned char)text[0])) {
        char* end = nullptr;
        const long code = std::strtol(text, &end, 10);
        return (*end == 0 && code >= 0 && code <= 214) ? int(code) : -1;
    }
    if (std::strlen(text) != 2) return -1;
    const char a = char(std::toupper((unsigned char)text[0])), b = char(std::toupper((unsigned char)text[1]));
    for (int i = 0; i < 214; ++i)
        if (ISO_CODES[2 * i] == a && ISO_CODES[2 * i + 1] == b) return i + 1;
    return -1;
}
