#include "render/rtf.h"

#include "data/kodna_strana.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <regex>

namespace nmk::render {
namespace {

// A small RTF reader: enough of the format to read back what the writer produces, and strict
// about what it does not know.
struct Znak {
    char32_t z = 0;
    bool b = false, ul = false, sub = false;
    int fs = 0, f = 0;
};

struct Procitano {
    std::vector<std::string> fontovi;
    std::vector<std::vector<Znak>> redovi{{}};
    int dubina = 0;
    bool uravnotezeno = true;
    std::vector<int> tabulatori;
    int uvlaka = 0;
};

class Citac {
public:
    explicit Citac(const std::string& t) : t_(t) {}

    Procitano Citaj() {
        Stanje s;
        std::vector<Stanje> stog;
        while (i_ < t_.size()) {
            const char c = t_[i_++];
            if (c == '{') {
                stog.push_back(s);
                ++r_.dubina;
            } else if (c == '}') {
                if (stog.empty()) {
                    r_.uravnotezeno = false;
                    break;
                }
                if (s.tabelaFontova && !stog.back().tabelaFontova)
                    s.tabelaFontova = false;
                s = stog.back();
                stog.pop_back();
                --r_.dubina;
            } else if (c == '\\') {
                KontrolnaRijec(s);
            } else if (c != '\n' && c != '\r') {
                Znak1(s, static_cast<unsigned char>(c));
            }
        }
        r_.uravnotezeno = r_.uravnotezeno && r_.dubina == 0 && stog.empty();
        return r_;
    }

private:
    struct Stanje {
        Znak z;
        bool tabelaFontova = false;
        std::string ime;
    };

    void Znak1(Stanje& s, char32_t z) {
        if (s.tabelaFontova) {
            if (z == U';') {
                r_.fontovi.push_back(s.ime);
                s.ime.clear();
            } else {
                s.ime += static_cast<char>(z);
            }
            return;
        }
        Znak x = s.z;
        x.z = z;
        r_.redovi.back().push_back(x);
    }

    void KontrolnaRijec(Stanje& s) {
        if (!std::isalpha(static_cast<unsigned char>(t_[i_]))) {
            Znak1(s, static_cast<unsigned char>(t_[i_++]));
            return;
        }
        std::string rijec;
        while (i_ < t_.size() && std::isalpha(static_cast<unsigned char>(t_[i_])))
            rijec += t_[i_++];
        std::optional<int> n;
        if (i_ < t_.size() && (t_[i_] == '-' || std::isdigit(static_cast<unsigned char>(t_[i_])))) {
            const std::size_t p = i_;
            ++i_;
            while (std::isdigit(static_cast<unsigned char>(t_[i_])))
                ++i_;
            n = std::stoi(t_.substr(p, i_ - p));
        }
        if (i_ < t_.size() && t_[i_] == ' ')
            ++i_;
        Primijeni(s, rijec, n);
    }

    void Primijeni(Stanje& s, const std::string& w, std::optional<int> n) {
        if (w == "fonttbl")
            s.tabelaFontova = true;
        else if (w == "b")
            s.z.b = n.value_or(1) != 0;
        else if (w == "ul")
            s.z.ul = true;
        else if (w == "ulnone")
            s.z.ul = false;
        else if (w == "sub" || w == "dn")
            s.z.sub = true;
        else if (w == "fs")
            s.z.fs = *n;
        else if (w == "f" && !s.tabelaFontova)
            s.z.f = *n;
        else if (w == "par")
            r_.redovi.emplace_back();
        else if (w == "tab")
            Znak1(s, U'\t');
        else if (w == "tx")
            r_.tabulatori.push_back(*n);
        else if (w == "fi")
            r_.uvlaka = *n;
        else if (w == "plain")
            s.z = Znak{.fs = 24};
        else if (w == "u") {
            Jedinica(s, static_cast<std::uint16_t>(static_cast<std::int16_t>(*n)));
            ++i_; // the one fallback character of \uc1
        }
    }

    void Jedinica(Stanje& s, std::uint16_t u) {
        if (u >= 0xD800 && u < 0xDC00) {
            visoki_ = u;
            return;
        }
        if (u >= 0xDC00 && u < 0xE000 && visoki_) {
            Znak1(s, 0x10000 + ((*visoki_ - 0xD800) << 10) + (u - 0xDC00));
            visoki_.reset();
            return;
        }
        Znak1(s, u);
    }

    const std::string& t_;
    std::size_t i_ = 0;
    Procitano r_;
    std::optional<char32_t> visoki_;
};

Izvjestaj Primjer() {
    Izvjestaj iz;
    iz.redovi.push_back({{Komad{.tekst = "Greda {1} \\ Š"}}});
    iz.redovi.push_back(
        {{Komad{.tekst = "Beton\tC25/30\t"}, Komad{.tekst = "γ", .velicina = 3},
          Komad{.tekst = "c", .indeks = true, .velicina = -3}, Komad{.tekst = "=  1.50"}}});
    iz.redovi.push_back({{Komad{.tekst = "Aa1:"}, Komad{.tekst = "  4 ", .podebljano = true},
                          Komad{.tekst = "Φ", .podebljano = true, .font = "Symbolika"},
                          Komad{.tekst = "16", .podebljano = true}}});
    iz.redovi.push_back({{Komad{.tekst = " "}, Komad{.tekst = "Ugibi:", .podvuceno = true}}});
    iz.redovi.push_back({{Komad{.tekst = ""}}});
    return iz;
}

// Every character of the model with its format, as the reader reports it.
std::vector<std::vector<Znak>> Model(const Izvjestaj& iz) {
    std::vector<std::vector<Znak>> redovi;
    for (const Red& r : iz.redovi) {
        redovi.emplace_back();
        for (const Komad& k : r.komadi)
            for (char32_t z : Utf8UZnakove(k.tekst))
                redovi.back().push_back(Znak{.z = z,
                                             .b = k.podebljano,
                                             .ul = k.podvuceno,
                                             .sub = k.indeks,
                                             .fs = (iz.velicina + k.velicina) * 2,
                                             .f = k.font.empty() ? 0 : 1});
    }
    redovi.emplace_back(); // after the last \par
    return redovi;
}

TEST(UpisiRtf, WritesSevenBitTextWithBalancedGroups) {
    const std::string rtf = UpisiRtf(Primjer());
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    for (unsigned char c : rtf)
        ASSERT_LT(c, 0x80);
    const Procitano p = Citac(rtf).Citaj();
    EXPECT_TRUE(p.uravnotezeno);
}

TEST(UpisiRtf, ReadsBackEveryCharacterWithItsFormat) {
    const Izvjestaj iz = Primjer();
    const Procitano p = Citac(UpisiRtf(iz)).Citaj();
    const auto ocekivano = Model(iz);
    ASSERT_EQ(p.redovi.size(), ocekivano.size());
    for (std::size_t r = 0; r < ocekivano.size(); ++r) {
        ASSERT_EQ(p.redovi[r].size(), ocekivano[r].size()) << "line " << r;
        for (std::size_t i = 0; i < ocekivano[r].size(); ++i) {
            const Znak& a = p.redovi[r][i];
            const Znak& e = ocekivano[r][i];
            EXPECT_EQ(std::tuple(a.z, a.b, a.ul, a.sub, a.fs, a.f),
                      std::tuple(e.z, e.b, e.ul, e.sub, e.fs, e.f))
                << "line " << r << " character " << i;
        }
    }
}

TEST(UpisiRtf, ListsTheDefaultFontFirstAndEachOtherFontOnce) {
    Izvjestaj iz = Primjer();
    iz.redovi.push_back({{Komad{.tekst = "x", .font = "Symbolika"}}});
    const Procitano p = Citac(UpisiRtf(iz)).Citaj();
    EXPECT_EQ(p.fontovi, (std::vector<std::string>{"Arial", "Symbolika"}));
}

TEST(UpisiRtf, CarriesOneFontWhenNoRunNamesItsOwn) {
    Izvjestaj iz = Primjer();
    iz.font = "DejaVu Sans";
    iz.velicina = 12;
    for (Red& r : iz.redovi)
        for (Komad& k : r.komadi)
            k = Komad{.tekst = k.tekst};
    const Procitano p = Citac(UpisiRtf(iz)).Citaj();
    EXPECT_EQ(p.fontovi, (std::vector<std::string>{"DejaVu Sans"}));
    for (const auto& red : p.redovi)
        for (const Znak& z : red)
            EXPECT_EQ(std::tuple(z.b, z.ul, z.sub, z.fs, z.f),
                      std::tuple(false, false, false, 24, 0));
}

TEST(UpisiRtf, SetsTheIndentAndTabStopsInTwips) {
    const Procitano p = Citac(UpisiRtf(Primjer())).Citaj();
    EXPECT_EQ(p.uvlaka, 400);
    EXPECT_EQ(p.tabulatori, (std::vector<int>{1300, 2400, 3600, 5000}));
}

TEST(UpisiRtf, PutsTheTextOnA4WithTheMarginsOfThePrintedPages) {
    const std::string rtf = UpisiRtf(Primjer());
    auto vrijednost = [&rtf](const std::string& rijec) {
        std::smatch m;
        if (!std::regex_search(rtf, m, std::regex("\\\\" + rijec + "(\\d+)")))
            return -1.0;
        return std::stod(m[1]) / 1440 * 25.4; // twips to millimetres
    };
    EXPECT_NEAR(vrijednost("paperw"), StranaA4.sirina, 0.05);
    EXPECT_NEAR(vrijednost("paperh"), StranaA4.visina, 0.05);
    for (const char* m : {"margl", "margr", "margt", "margb"})
        EXPECT_NEAR(vrijednost(m), StranaA4.margina, 0.05) << m;
    EXPECT_TRUE(Citac(rtf).Citaj().uravnotezeno);
}

TEST(RtfTekst, EscapesSpecialCharactersAndNonAscii) {
    const std::pair<std::string, std::string> redovi[] = {
        {"a{b}\\c", "a\\{b\\}\\\\c"},
        {"x\ty", "x\\tab y"},
        {"γ", "\\u947?"},
        {"Φ", "\\u934?"},
        {"Š", "\\u352?"},
        {"‰", "\\u8240?"},
        {"\xEF\xBF\xBD", "\\u-3?"}, // U+FFFD above 0x7FFF is written as a negative number
        {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
    };
    for (const auto& [ulaz, izlaz] : redovi)
        EXPECT_EQ(RtfTekst(ulaz), izlaz) << ulaz;
}

} // namespace
} // namespace nmk::render
