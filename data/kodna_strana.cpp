#include "data/kodna_strana.h"

#include <algorithm>
#include <array>
#include <utility>

namespace nmk {

namespace {

// Unicode code points of the bytes 0x80-0xFF of Windows-1250; 0 marks an unassigned byte.
constexpr std::array<char16_t, 128> kGornjaPolovina = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

bool JeZnak(char32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

void DodajUtf8(std::string& izlaz, char32_t c) {
    if (!JeZnak(c))
        c = 0xFFFD;
    if (c < 0x80) {
        izlaz += static_cast<char>(c);
    } else if (c < 0x800) {
        izlaz += static_cast<char>(0xC0 | (c >> 6));
        izlaz += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        izlaz += static_cast<char>(0xE0 | (c >> 12));
        izlaz += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        izlaz += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        izlaz += static_cast<char>(0xF0 | (c >> 18));
        izlaz += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        izlaz += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        izlaz += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// What a lead byte starts: the number of continuation bytes and the range the first of them
// must lie in (the others lie in 80-BF). The narrowed ranges exclude the overlong forms (E0,
// F0), the surrogates (ED) and the code points above U+10FFFF (F4).
struct Pocetak {
    int nastavaka = -1; // -1: not a lead byte
    unsigned char od = 0x80, do_ = 0xBF;
};

Pocetak PocetakZnaka(unsigned char b) {
    if (b < 0x80)
        return {0};
    if (b >= 0xC2 && b <= 0xDF)
        return {1};
    if (b == 0xE0)
        return {2, 0xA0, 0xBF};
    if (b == 0xED)
        return {2, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return {2};
    if (b == 0xF0)
        return {3, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3)
        return {3};
    if (b == 0xF4)
        return {3, 0x80, 0x8F};
    return {};
}

// The byte of a character in Windows-1250, '?' for a character the code page lacks; looked
// up in the table's assigned entries sorted by character.
char BajtZnaka(char32_t c) {
    using Par = std::pair<char32_t, unsigned char>;
    static const std::vector<Par> poZnaku = [] {
        std::vector<Par> v;
        for (std::size_t k = 0; k < kGornjaPolovina.size(); ++k)
            if (kGornjaPolovina[k] != 0)
                v.emplace_back(kGornjaPolovina[k], static_cast<unsigned char>(0x80 + k));
        std::sort(v.begin(), v.end());
        return v;
    }();
    const auto it = std::lower_bound(poZnaku.begin(), poZnaku.end(), Par{c, 0});
    return it != poZnaku.end() && it->first == c ? static_cast<char>(it->second) : '?';
}

} // namespace

ZnakUtf8 DekodirajZnak(std::string_view tekst, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(tekst[i]);
    const Pocetak p = PocetakZnaka(b0);
    if (p.nastavaka < 0)
        return {0xFFFD, 1, false};
    char32_t c = p.nastavaka == 0 ? b0 : b0 & (0x7F >> (p.nastavaka + 1));
    for (int k = 1; k <= p.nastavaka; ++k) {
        const std::size_t j = i + static_cast<std::size_t>(k);
        const unsigned char od = k == 1 ? p.od : 0x80;
        const unsigned char do_ = k == 1 ? p.do_ : 0xBF;
        if (j >= tekst.size())
            return {0xFFFD, static_cast<std::size_t>(k), false};
        const auto b = static_cast<unsigned char>(tekst[j]);
        if (b < od || b > do_)
            return {0xFFFD, static_cast<std::size_t>(k), false};
        c = (c << 6) | (b & 0x3F);
    }
    return {c, static_cast<std::size_t>(p.nastavaka) + 1, true};
}

std::vector<char32_t> Utf8UZnakove(std::string_view tekst) {
    std::vector<char32_t> znakovi;
    for (std::size_t i = 0; i < tekst.size();) {
        const ZnakUtf8 z = DekodirajZnak(tekst, i);
        znakovi.push_back(z.znak);
        i += z.duzina;
    }
    return znakovi;
}

std::string ZnakoviUUtf8(const std::vector<char32_t>& znakovi) {
    std::string izlaz;
    for (char32_t c : znakovi)
        DodajUtf8(izlaz, c);
    return izlaz;
}

bool JeIspravanUtf8(std::string_view tekst) {
    for (std::size_t i = 0; i < tekst.size();) {
        const ZnakUtf8 z = DekodirajZnak(tekst, i);
        if (!z.ispravan)
            return false;
        i += z.duzina;
    }
    return true;
}

std::string PopraviUtf8(std::string_view tekst) {
    return JeIspravanUtf8(tekst) ? std::string(tekst) : ZnakoviUUtf8(Utf8UZnakove(tekst));
}

std::string Cp1250UUtf8(std::string_view bajtovi) {
    std::string izlaz;
    izlaz.reserve(bajtovi.size());
    for (char ch : bajtovi) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            izlaz += ch;
        } else {
            const char16_t c = kGornjaPolovina[b - 0x80];
            DodajUtf8(izlaz, c != 0 ? c : 0xFFFD);
        }
    }
    return izlaz;
}

std::string Utf8UCp1250(std::string_view tekst) {
    std::string izlaz;
    for (char32_t c : Utf8UZnakove(tekst)) {
        if (c < 0x80) {
            izlaz += static_cast<char>(c);
            continue;
        }
        izlaz += BajtZnaka(c);
    }
    return izlaz;
}

std::string Utf16LEUUtf8(std::string_view bajtovi) {
    std::vector<char32_t> znakovi;
    for (std::size_t i = 0; i + 1 < bajtovi.size(); i += 2) {
        char32_t u = static_cast<unsigned char>(bajtovi[i]) |
                     (static_cast<char32_t>(static_cast<unsigned char>(bajtovi[i + 1])) << 8);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bajtovi.size()) {
            char32_t v = static_cast<unsigned char>(bajtovi[i + 2]) |
                         (static_cast<char32_t>(static_cast<unsigned char>(bajtovi[i + 3])) << 8);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                znakovi.push_back(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        znakovi.push_back(u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
    }
    return ZnakoviUUtf8(znakovi);
}

bool JeAscii(std::string_view tekst) {
    for (char ch : tekst)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

std::size_t BrojZnakova(std::string_view tekst) {
    return Utf8UZnakove(tekst).size();
}

std::string PrviZnakovi(std::string_view tekst, std::size_t n) {
    auto znakovi = Utf8UZnakove(tekst);
    if (znakovi.size() > n)
        znakovi.resize(n);
    return ZnakoviUUtf8(znakovi);
}

} // namespace nmk
