#include "data/kodna_strana.h"

#include <array>

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

void DodajUtf8(std::string& izlaz, char32_t c) {
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

} // namespace

std::vector<char32_t> Utf8UZnakove(std::string_view tekst) {
    std::vector<char32_t> znakovi;
    std::size_t i = 0;
    while (i < tekst.size()) {
        const auto b0 = static_cast<unsigned char>(tekst[i]);
        int duzina = b0 < 0x80           ? 1
                     : (b0 >> 5) == 0x6  ? 2
                     : (b0 >> 4) == 0xE  ? 3
                     : (b0 >> 3) == 0x1E ? 4
                                         : 0;
        if (duzina == 0 || i + static_cast<std::size_t>(duzina) > tekst.size()) {
            znakovi.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = duzina == 1   ? b0
                     : duzina == 2 ? (b0 & 0x1F)
                     : duzina == 3 ? (b0 & 0x0F)
                                   : (b0 & 0x07);
        bool ispravno = true;
        for (int k = 1; k < duzina; ++k) {
            const auto b = static_cast<unsigned char>(tekst[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) {
                ispravno = false;
                break;
            }
            c = (c << 6) | (b & 0x3F);
        }
        if (!ispravno) {
            znakovi.push_back(0xFFFD);
            ++i;
            continue;
        }
        znakovi.push_back(c);
        i += static_cast<std::size_t>(duzina);
    }
    return znakovi;
}

std::string ZnakoviUUtf8(const std::vector<char32_t>& znakovi) {
    std::string izlaz;
    for (char32_t c : znakovi)
        DodajUtf8(izlaz, c);
    return izlaz;
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
        char zamjena = '?';
        for (std::size_t k = 0; k < kGornjaPolovina.size(); ++k) {
            if (kGornjaPolovina[k] != 0 && kGornjaPolovina[k] == c) {
                zamjena = static_cast<char>(0x80 + k);
                break;
            }
        }
        izlaz += zamjena;
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
