#pragma once
// The interaction diagram as plain geometry, in pixels of a box of a given size: the moment
// runs to the right (sagging positive), the normal force upwards in compression (the program
// signs compression negative, so negative N is up); axes through the origin with ticks at
// round values and their labels, the closed curve, and the design point. Also the texts the
// window and the report show beside it, and the curve as CSV.

#include "engine/interakcija.h"
#include "render/izvjestaj.h"

#include <optional>
#include <string>
#include <vector>

namespace nmk::render {

struct TackaD {
    double x = 0;
    double y = 0;
};

struct Duz {
    TackaD a, b;
};

// How a text sits at its point.
// DoljeSredina: right end on the point, above it (the axis titles at the box's right edge).
enum class Sidro {
    LijevoSredina,
    DesnoSredina,
    GoreSredina,
    DoljeSredina,
    LijevoGore,
    LijevoDolje
};

struct TekstDijagrama {
    TackaD mjesto;
    std::string tekst;
    Sidro sidro = Sidro::LijevoSredina;
};

struct DijagramInterakcije {
    int sirina = 0;
    int visina = 0;
    // x = x0 + kx M, y = y0 + ky N (kx > 0, ky > 0: compression up).
    double x0 = 0, kx = 1, y0 = 0, ky = 1;
    Duz osaM, osaN;                    // the axes (through the origin)
    std::vector<Duz> podioke;          // ticks on both axes
    std::vector<TekstDijagrama> tekst; // tick labels, axis titles and directions
    std::vector<TackaD> kriva;         // the closed curve
    std::optional<TackaD> tacka;       // the design point
    std::optional<TackaD> kapacitet;   // where the ray through it meets the curve

    TackaD UPiksele(double N, double M) const { return {x0 + kx * M, y0 + ky * N}; }
};

// Tick step of a span: 1, 2 or 5 times a power of ten, so that at most `najvise` ticks fit.
double OkrugliKorak(double raspon, int najvise);

// The diagram of the curve in a box (with room for labels), the design point (Nsd, Msd)
// when given. Numbers use the decimal separator.
DijagramInterakcije NacrtajDijagram(const KrivaInterakcije& k, std::optional<double> Nsd,
                                    std::optional<double> Msd, int sirina, int visina,
                                    char separator);

// The curve point nearest to a pixel of the diagram (nothing for an empty curve).
std::optional<std::size_t> NajblizaTacka(const DijagramInterakcije& d, TackaD piksel);

// "N = -1234,56 kN   M = 123,45 kNm   εgore = 3,500 ‰   εdolje = -2,103 ‰"
std::string OpisTacke(const TackaKrive& t, char separator);

// The two ratios: "Msd/MRd(Nsd) = 0,73   po zraku = 0,68", with "izvan krive" where the
// point or its normal force lies beyond the curve.
std::string OpisIskoristenja(const Iskoristenost& i, char separator);

// Which reinforcement the curve belongs to: "Usvojena armatura: Aa1 = 4,02 cm2, Aa2 = ...".
std::string OpisArmature(const ArmaturaKrive& a, char separator);

// The curve as CSV: a header row, then one row a point (N, M, top and bottom face strain).
// With the decimal comma the fields are separated by ";", with the point by ","; the header
// row says which, so that a spreadsheet reads the columns right.
std::string CsvKrive(const KrivaInterakcije& k, char separator);

// The diagram in a section's block of the report, before its closing line: a heading, which
// reinforcement, the picture and the two ratios.
void DodajDijagram(Izvjestaj& iz, const ArmaturaKrive& a, const Iskoristenost& i, Slika slika,
                   char separator);

} // namespace nmk::render
