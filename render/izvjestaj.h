#pragma once
// The printed report as a document model: paragraphs (lines) of runs with their character
// formatting, the report's default font and its paragraph format. The preview shows it, the
// rich-text writer saves it, and the printer prints the preview.

#include "engine/katalog.h"
#include "engine/presjek.h"

#include <optional>
#include <string>
#include <vector>

namespace nmk::render {

// A piece of text with one character format. Sizes are points relative to the default size.
struct Komad {
    std::string tekst;       // UTF-8; "\t" is a tab
    bool podebljano = false; // bold
    bool podvuceno = false;  // underlined
    bool kurziv = false;     // italic
    bool indeks = false;     // subscript
    int velicina = 0;        // points added to the default size
    std::string font;        // empty: the default font
    bool operator==(const Komad&) const = default;
};

// A picture on a line of its own (after the line's text): PNG data, its size in pixels, and
// the size it is shown at in points.
struct Slika {
    std::string png;
    int pikselaX = 0;
    int pikselaY = 0;
    int sirina = 0;
    int visina = 0;
    bool operator==(const Slika&) const = default;
};

struct Red {
    std::vector<Komad> komadi;
    std::optional<Slika> slika;
    // The line's plain text.
    std::string Tekst() const;
};

// Paragraph format of every line, in points.
struct FormatParagrafa {
    int uvlaka = 20;                                // first-line indent
    std::vector<int> tabulatori{65, 120, 180, 250}; // tab stops
};

struct Izvjestaj {
    std::string font = "Arial"; // the default font
    int velicina = 10;          // its size in points (13 pixels on a 96 dpi screen)
    bool podebljano = false;    // the default font's own style, as the Font command sets it
    bool kurziv = false;
    bool podvuceno = false;
    FormatParagrafa paragraf;
    std::vector<Red> redovi;
};

// The line that closes each block: 60 underscores.
inline constexpr const char* Crta = "____________________________________________________________";

// Appends the block of one section: its name and shape, materials, loads, dimensions, the
// required reinforcement, the chosen bars, the deflections and the crack widths.
void StampajPresjek(Izvjestaj& iz, const TPresjek& p, const Katalozi& k, char separator);

// The report of the given sections, one block each, in order.
Izvjestaj NapraviIzvjestaj(const std::vector<const TPresjek*>& presjeci, const Katalozi& k,
                           char separator);

// The printed page: A4 portrait with one margin on every side, in millimetres. The PDF, the
// printer as the program first sets it up, and the RTF file all use it.
struct FormatStrane {
    double sirina = 210;
    double visina = 297;
    double margina = 20;
};
inline constexpr FormatStrane StranaA4{};

// The page number in a printed page's footer: "strana 2 / 5".
std::string OznakaStrane(int strana, int ukupno);

} // namespace nmk::render
