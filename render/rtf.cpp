#include "render/rtf.h"

#include "data/kodna_strana.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace nmk::render {

namespace {

// RTF measures lengths in twips (1/20 point) and font sizes in half points.
constexpr int Twips = 20;

void DodajUnicode(std::string& izlaz, char32_t z) {
    auto jedinica = [&izlaz](std::uint16_t u) {
        izlaz += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?";
    };
    if (z > 0xFFFF) {
        const char32_t v = z - 0x10000;
        jedinica(static_cast<std::uint16_t>(0xD800 + (v >> 10)));
        jedinica(static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
    } else {
        jedinica(static_cast<std::uint16_t>(z));
    }
}

// The fonts the document uses: the default one first, then those of the runs.
std::vector<std::string> Fontovi(const Izvjestaj& iz) {
    std::vector<std::string> f{iz.font};
    for (const Red& r : iz.redovi)
        for (const Komad& k : r.komadi)
            if (!k.font.empty() && std::find(f.begin(), f.end(), k.font) == f.end())
                f.push_back(k.font);
    return f;
}

int IndeksFonta(const std::vector<std::string>& fontovi, const std::string& font) {
    if (font.empty())
        return 0;
    return static_cast<int>(std::find(fontovi.begin(), fontovi.end(), font) - fontovi.begin());
}

std::string TabelaFontova(const std::vector<std::string>& fontovi) {
    // \fcharset0 with \uN escapes for everything outside ASCII: no code page is needed.
    std::string t = "{\\fonttbl";
    for (std::size_t i = 0; i < fontovi.size(); ++i)
        t += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 " + RtfTekst(fontovi[i]) + ";}";
    return t + "}";
}

std::string Paragraf(const FormatParagrafa& f) {
    std::string t = "\\pard\\fi" + std::to_string(f.uvlaka * Twips);
    for (int tab : f.tabulatori)
        t += "\\tx" + std::to_string(tab * Twips);
    return t;
}

// The default character format of the document, written after every \plain.
std::string OsnovniFormat(const Izvjestaj& iz) {
    std::string t = "\\f0\\fs" + std::to_string(iz.velicina * 2);
    if (iz.podebljano)
        t += "\\b";
    if (iz.kurziv)
        t += "\\i";
    if (iz.podvuceno)
        t += "\\ul";
    return t;
}

std::string UpisiKomad(const Izvjestaj& iz, const std::vector<std::string>& fontovi,
                       const render::Komad& k) {
    std::string format;
    if (!k.font.empty())
        format += "\\f" + std::to_string(IndeksFonta(fontovi, k.font));
    if (k.velicina != 0)
        format += "\\fs" + std::to_string(std::max(1, iz.velicina + k.velicina) * 2);
    if (k.podebljano && !iz.podebljano)
        format += "\\b";
    if (k.kurziv && !iz.kurziv)
        format += "\\i";
    if (k.podvuceno && !iz.podvuceno)
        format += "\\ul";
    // A lowered baseline (\dn, in half points) keeps the size the model gives; \sub would
    // shrink the already smaller letter a second time in most word processors.
    if (k.indeks)
        format += "\\dn4";
    if (format.empty())
        return RtfTekst(k.tekst);
    return "{" + format + " " + RtfTekst(k.tekst) + "}";
}

} // namespace

std::string RtfTekst(const std::string& utf8) {
    std::string izlaz;
    for (char32_t z : Utf8UZnakove(utf8)) {
        if (z == U'\\' || z == U'{' || z == U'}') {
            izlaz += '\\';
            izlaz += static_cast<char>(z);
        } else if (z == U'\t') {
            izlaz += "\\tab ";
        } else if (z >= 0x20 && z < 0x7F) {
            izlaz += static_cast<char>(z);
        } else if (z < 0x20) {
            continue; // no other control characters in a line
        } else {
            DodajUnicode(izlaz, z);
        }
    }
    return izlaz;
}

namespace {

// Paper size and margins, so a word processor opens the file on the page the PDF has.
std::string Strana(const FormatStrane& f) {
    auto twipsa = [](double mm) { return std::to_string(std::lround(mm / 25.4 * 72 * Twips)); };
    const std::string m = twipsa(f.margina);
    return "\\paperw" + twipsa(f.sirina) + "\\paperh" + twipsa(f.visina) + "\\margl" + m +
           "\\margr" + m + "\\margt" + m + "\\margb" + m;
}

// A PNG picture as a \\pict group: its pixels and the size it is shown at (twips), then its
// bytes in hexadecimal, 64 to a line.
std::string UpisiSliku(const Slika& s) {
    static constexpr char kHeks[] = "0123456789abcdef";
    std::string t = "{\\pict\\pngblip\\picw" + std::to_string(s.pikselaX) + "\\pich" +
                    std::to_string(s.pikselaY) + "\\picwgoal" + std::to_string(s.sirina * Twips) +
                    "\\pichgoal" + std::to_string(s.visina * Twips);
    for (std::size_t i = 0; i < s.png.size(); ++i) {
        if (i % 64 == 0)
            t += '\n';
        const auto b = static_cast<unsigned char>(s.png[i]);
        t += kHeks[b >> 4];
        t += kHeks[b & 15];
    }
    return t + "}";
}

} // namespace

std::string UpisiRtf(const Izvjestaj& iz) {
    const std::vector<std::string> fontovi = Fontovi(iz);
    std::string t = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    t += TabelaFontova(fontovi);
    t += "\n" + Strana(StranaA4);
    t += "\n\\viewkind4" + Paragraf(iz.paragraf) + "\\plain" + OsnovniFormat(iz) + "\n";
    for (const Red& r : iz.redovi) {
        for (const render::Komad& k : r.komadi)
            t += UpisiKomad(iz, fontovi, k);
        if (r.slika)
            t += UpisiSliku(*r.slika);
        t += "\\par\n";
    }
    return t + "}\n";
}

} // namespace nmk::render
