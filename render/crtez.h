#pragma once
// The picture of the paint box as plain data: the section to scale with its reinforcement, the
// strain diagram with the neutral axis and the concrete stress block, all in device pixels of
// the paint box; and the texts of the eleven labels around it.
//
// Pixel arithmetic: the scale is single precision, the six lengths derived from it are rounded
// half to even, and everything after that is integer arithmetic ("half" of a length is
// integer division by 2 toward zero).

#include "engine/presjek.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace nmk::render {

struct Tacka {
    int x = 0;
    int y = 0;
    bool operator==(const Tacka&) const = default;
};

struct Boja {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Boja&) const = default;
};
inline constexpr Boja Crna{0, 0, 0};
inline constexpr Boja Bijela{255, 255, 255};
inline constexpr Boja Plava{0, 0, 255};

enum class StilLinije { Puna, CrtaTacka };

struct Olovka {
    Boja boja = Crna;
    int sirina = 1;
    StilLinije stil = StilLinije::Puna;
    bool operator==(const Olovka&) const = default;
};

// What a primitive stands for, so that callers and tests can find it without guessing.
enum class Uloga {
    Pozadina,       // the paint box filled with its own colour
    Obris,          // the section outline
    DonjaArmatura,  // line of the bottom bars
    GornjaArmatura, // line of the top bars
    Dilatacije,     // the strain polygon
    NeutralnaOsa,   // the neutral axis, dash-dot
    Naponi,         // the concrete stress block
    Nivo2Promila,   // the level of 2 per mille in the parabola-and-rectangle block
};

// A closed polygon filled with a brush and outlined with a pen.
struct Poligon {
    Uloga uloga = Uloga::Obris;
    std::vector<Tacka> tacke;
    Olovka olovka;
    Boja cetka = Bijela;
};

// A straight line from a to b.
struct Linija {
    Uloga uloga = Uloga::NeutralnaOsa;
    Tacka a, b;
    Olovka olovka;
};

// The whole client area filled with one colour.
struct Popuna {
    Boja boja = Bijela;
};

using Primitiv = std::variant<Popuna, Poligon, Linija>;

// The lengths of the section in pixels.
struct Mjere {
    float S = 0; // pixels per cm
    int W = 0;   // flange width
    int H = 0;   // height
    int B0 = 0;  // web width
    int H0 = 0;  // flange depth
    int D1 = 0;  // top cover, at least 5
    int D2 = 0;  // bottom cover, at least 5
};

// Rounding to the nearest integer, halves to the even neighbour.
int ZaokruziParno(double x);

// The pixel lengths of a section (130 pixels for its larger dimension).
Mjere IzracunajMjere(const TPresjek& p);

struct OpcijeCrteza {
    bool samoObris = false;     // draw the outline and stop
    bool monohromno = false;    // black-and-white pens and no origin shift
    int xPomak = 0;             // added to the outline's x (the window passes 0)
    int yPomak = 0;             // added to the outline's y (the window passes 0)
    std::optional<Boja> kutija; // when given, the client area is first filled with it
};

// The primitives in paint order, in device coordinates of a paint box of the given size.
std::vector<Primitiv> Crtaj(const TPresjek& p, int sirina, int visina, const OpcijeCrteza& o);

// The device point of the logical origin: 97 pixels from the left and 3 above the middle.
Tacka Ishodiste(int visina, bool monohromno);

// The labels of the paint box, in this order.
enum class Natpis {
    Avil,
    Aa1,
    Aa2,
    Aa1D,
    Aa2D,
    Dilatacije,
    eb,
    ea,
    NaponiPritiska,
    sig1,
    sig2,
    Broj
};
inline constexpr int BrojNatpisa = static_cast<int>(Natpis::Broj);

// objectName of a label ("lblAvil" ...).
const char* ImeNatpisa(Natpis n);
// Its place in the paint box.
Tacka MjestoNatpisa(Natpis n);
// lblAa1D and lblAa2D are framed and hidden at first.
bool UokvirenNatpis(Natpis n);

// The hint every label shows unless it carries its own.
inline constexpr const char* HintCrteza = "|Presjek, deformacije i naponi u betonu";

struct StanjeNatpisa {
    std::string tekst;
    bool vidljiv = true;
    std::string hint = HintCrteza;
};

using Natpisi = std::array<StanjeNatpisa, BrojNatpisa>;

// Every label cleared, the framed ones hidden.
Natpisi PrazniNatpisi();

// The label operation: everything cleared; with `prikazi` and a calculated, valid section the
// texts of the areas, the chosen bars, the strains and the stresses.
Natpisi Oznaci(const TPresjek& p, bool prikazi, char separator);

} // namespace nmk::render
