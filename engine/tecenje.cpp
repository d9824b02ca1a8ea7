#include "engine/tecenje.h"

#include "engine/greska.h"

#include <array>
#include <cmath>

namespace nmk {

namespace {

constexpr std::array<int, 5> Starosti = {1, 7, 28, 90, 365};     // days
constexpr std::array<double, 3> Debljine = {50.0, 150.0, 600.0}; // mm

// Final creep coefficients [age row][size column] at 50 % and 80 % relative humidity.
using TablicaTecenja = std::array<std::array<double, 3>, 5>;
constexpr TablicaTecenja Tecenje50 = {
    {{5.5, 4.6, 3.7}, {3.9, 3.1, 2.6}, {3.0, 2.5, 2.0}, {2.4, 2.0, 1.6}, {1.8, 1.5, 1.2}}};
constexpr TablicaTecenja Tecenje80 = {
    {{3.6, 3.2, 2.9}, {2.6, 2.3, 2.0}, {1.9, 1.7, 1.5}, {1.5, 1.4, 1.2}, {1.1, 1.0, 1.0}}};

// Final shrinkage strains in per mille at 150 and 600 mm.
constexpr std::array<double, 2> Skupljanje50 = {0.60, 0.50};
constexpr std::array<double, 2> Skupljanje80 = {0.33, 0.28};

// Lower row of the age bracket: 1-7, 8-28, 29-90, from 91 on 90-365 (extrapolated above).
std::size_t RedStarosti(int t0) {
    if (t0 <= 7)
        return 0;
    if (t0 <= 28)
        return 1;
    if (t0 <= 90)
        return 2;
    return 3;
}

// Lower column of the size bracket: 0-150 mm the columns 50 and 150, otherwise 150 and 600
// (extrapolated below 50 and above 600).
std::size_t KolonaDebljine(double h0) {
    return h0 >= 0 && h0 <= 150 ? 0 : 1;
}

double Interpoliraj(double x0, double y0, double x1, double y1, double x) {
    return y0 + (y1 - y0) / (x1 - x0) * (x - x0);
}

double IzTablice(const TablicaTecenja& t, int t0, double h0) {
    const std::size_t r = RedStarosti(t0);
    const std::size_t k = KolonaDebljine(h0);
    std::array<double, 2> kolona{};
    for (std::size_t j = 0; j < 2; ++j)
        kolona[j] = Interpoliraj(Starosti[r], t[r][k + j], Starosti[r + 1], t[r + 1][k + j], t0);
    return Interpoliraj(Debljine[k], kolona[0], Debljine[k + 1], kolona[1], h0);
}

// Linear in the humidity between the 50 % and the 80 % value.
double PoVlaznosti(double v50, double v80, double RH) {
    return v50 + (v80 - v50) / 30.0 * (RH - 50.0);
}

} // namespace

double KarakteristicnaDebljina(const TPresjek& p) {
    const double h0 = VisinaPloce(p);
    return Konacno((p.b * h0 + (p.h - h0) * SirinaRebra(p)) * 20.0 / ((p.b + p.h) * 2.0));
}

std::optional<const char*> GreskaPodatakaBetona(const TBetonEx& bx) {
    if (!(bx.fi >= 0) || !std::isfinite(bx.fi))
        return PorukaKoeficijentTecenja;
    if (!(bx.ebs >= 0) || !std::isfinite(bx.ebs))
        return PorukaSkupljanje;
    return std::nullopt;
}

std::optional<const char*> GreskaRaspona(double l) {
    if (!(l > 0) || !std::isfinite(l))
        return PorukaRaspon;
    return std::nullopt;
}

std::optional<const char*> GreskaVlaznosti(double RH) {
    if (!(RH >= 0 && RH <= 100))
        return PorukaVlaznost;
    return std::nullopt;
}

std::optional<const char*> GreskaStarosti(int t0) {
    if (t0 < 1)
        return PorukaStarostBetona;
    return std::nullopt;
}

void Provjeri(std::optional<const char*> greska) {
    if (greska)
        throw GreskaProracuna(*greska);
}

double KoeficijentTecenja(int t0, double RH, double h0) {
    Provjeri(GreskaStarosti(t0));
    Provjeri(GreskaVlaznosti(RH));
    Konacno(h0);
    const double fi = PoVlaznosti(IzTablice(Tecenje50, t0, h0), IzTablice(Tecenje80, t0, h0), RH);
    return fi > 0 ? Konacno(fi) : 0.0;
}

double KoeficijentSkupljanja(double RH, double h0) {
    Provjeri(GreskaVlaznosti(RH));
    Konacno(h0);
    const auto poDebljini = [h0](const std::array<double, 2>& e) {
        return Interpoliraj(150.0, e[0], 600.0, e[1], h0);
    };
    const double ecs = PoVlaznosti(poDebljini(Skupljanje50), poDebljini(Skupljanje80), RH);
    return ecs > 0 ? Konacno(ecs) : 0.0;
}

} // namespace nmk
