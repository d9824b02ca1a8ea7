#include "engine/smicanje.h"

#include "engine/format.h"
#include "engine/greska.h"
#include "engine/materijali.h"
#include "engine/propisi.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>

namespace nmk {

namespace {

double URadijane(double stepeni) {
    return stepeni * std::numbers::pi / 180;
}

// Numbers in the shear messages: fixed notation, five significant digits, two decimals.
std::string Broj(double x) {
    return FormatirajBroj(x, 5, 2);
}

using Ulaz = UlazSmicanja;

void Javi(const Ulaz& u, const std::string& tekst, VrstaPoruke vrsta) {
    if (u.o.PrikaziPoruke)
        u.o.poruke.Prikazi(tekst, vrsta, dgOK);
}

// The same for a text with numbers, which is only formed when it is shown.
template <class Tekst> void JaviSaBrojevima(const Ulaz& u, Tekst&& tekst, VrstaPoruke vrsta) {
    if (u.o.PrikaziPoruke)
        u.o.poruke.Prikazi(tekst(), vrsta, dgOK);
}

// The stirrups for the force share V (kN) over the lever arm z (cm), cm2/m.
double Stremenovi(const Ulaz& u, double V, double z) {
    return Konacno(V * 100 / (u.k * 0.1 * u.p.sigv * z));
}

} // namespace

void SmicanjePBAB87(UlazSmicanja& u) {
    TPresjek& p = u.p;
    const double z = 0.85 * u.d;
    // tau_n and the minimum are held in single precision.
    const float tn = static_cast<float>(Konacno(p.Qu * 10 / (0.85 * u.bw * u.d)));
    const float avilMin = static_cast<float>(Konacno(50 * u.tr * u.bw / p.sigv));
    if (tn <= u.tr) {
        p.Avil = avilMin;
        Javi(u, PorukaMinimalnaSmicuca, VrstaPoruke::Informacija);
        p.Status |= sfIzracunat;
    } else if (tn <= 3 * u.tr) {
        // The concrete carries a share that falls linearly to zero at 3 tau_r.
        const double Vb = (3 * u.tr - tn) * 0.5 * 0.1 * u.bw * 0.85 * u.d;
        p.Avil = Stremenovi(u, p.Qu - Vb, z);
        if (p.Avil < avilMin) {
            Javi(u, PorukaUsvojenaMinimalna, VrstaPoruke::Informacija);
            p.Avil = avilMin;
        }
    } else if (tn <= 5 * u.tr) {
        p.Avil = Stremenovi(u, p.Qu, z);
        p.Status |= sfIzracunat;
    } else {
        p.Status |= sfLomDijagonala;
        p.Ispravan = false;
        JaviSaBrojevima(
            u,
            [&] {
                return "Lom u pritisnutim betonskim dijagonalama !\n\nt_n= " + Broj(tn) +
                       " N/mm2 > " + "5t_r= " + Broj(5 * u.tr) + " N/mm2";
            },
            VrstaPoruke::Greska);
    }
}

namespace {

// Design resistance of the compressed struts, kN (single precision as the code's tables).
float VRd2(const Ulaz& u, double theta, double alfa, float ni) {
    const TPresjek& p = u.p;
    const double fcd = 0.1 * p.fB / u.o.Alfa; // fck / gamaC, kN/cm2
    const double cotT = 1 / std::tan(theta);
    const double cotA = 1 / std::tan(alfa);
    float v = static_cast<float>((cotT + cotA) * (fcd * ni * u.bw * 0.9 * u.d) / (cotT * cotT + 1));
    if (std::fabs(p.Nu) > 1e-7) {
        // A large axial compression lowers the strut resistance.
        const double A = PovrsinaBruto(u.dim);
        const double sEff = (-p.Nu - 0.1 * p.sigv * u.dim.AsT) / A;
        const double faktor = std::min(1.67 * (1 - sEff / fcd), 1.0);
        v = static_cast<float>(faktor * v);
    }
    return static_cast<float>(Konacno(v));
}

} // namespace

void SmicanjeEC2(UlazSmicanja& u) {
    TPresjek& p = u.p;
    const double alfa = URadijane(p.alfa);
    const double theta = URadijane(p.beta);
    const float avilMin = static_cast<float>(std::sin(alfa) * rhoMin(u.fck, u.fyk) * u.bw * 100);
    const float k1 = static_cast<float>(std::max(1.6 - u.d / 100, 1.0));
    float rl = static_cast<float>(std::min(u.dim.AsT / (u.bw * u.d), 0.02));
    if (p.ima(sfPetoPodrucje))
        rl = 0;
    const float scp = static_cast<float>(-p.Nu / PovrsinaBruto(u.dim));
    const float ni = static_cast<float>(std::max(0.7 - u.fck / 200, 0.5));
    const float vrd1 =
        static_cast<float>((u.tr * 0.1 * k1 * (40.0 * rl + 1.2) + 0.15 * scp) * u.bw * u.d);
    const float vrd2 = VRd2(u, theta, alfa, ni);
    Konacno(vrd1);
    if (p.Qu > vrd2) {
        p.Status |= sfLomDijagonala;
        p.Ispravan = false;
        JaviSaBrojevima(
            u,
            [&] {
                return "Slom u pritisnutim betonskim dijagonalama\nV_sd= " + Broj(p.Qu) + " kN > " +
                       "V_rd2= " + Broj(vrd2) + " kN";
            },
            VrstaPoruke::Greska);
        return;
    }
    if (p.Qu < vrd1) {
        p.Avil = avilMin;
        Javi(u, PorukaMinimalnaSmicuca, VrstaPoruke::Informacija);
        return;
    }
    const double z = 0.9 * u.d;
    // The standard method deducts the concrete's share; the variable strut angle does not.
    p.Avil = Stremenovi(u, p.ima(sfStandardna) ? p.Qu - vrd1 : p.Qu, z);
    if (p.Avil < avilMin) {
        p.Avil = avilMin;
        Javi(u, PorukaMinimalnaSmicuca, VrstaPoruke::Informacija);
    }
}

double StremenskiClan(double alfaStepeni, double thetaStepeni) {
    const double a = URadijane(alfaStepeni);
    return std::cos(a) + std::sin(a) / std::tan(URadijane(thetaStepeni));
}

double rhoMin(double fck, double fyk) {
    // Rows by concrete group, columns the steels 220, 400 and 500 N/mm2.
    static constexpr double tablica[3][3] = {
        {0.0016, 0.0009, 0.0007}, {0.0024, 0.0013, 0.0011}, {0.0030, 0.0016, 0.0013}};
    const std::size_t red = fck <= 20 ? 0 : fck <= 35 ? 1 : 2;
    const double x[3] = {220, 400, 500};
    double r = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        double l = 1;
        for (std::size_t j = 0; j < 3; ++j)
            if (j != i)
                l *= (fyk - x[j]) / (x[i] - x[j]);
        r += l * tablica[red][i];
    }
    return r;
}

void ProracunSmicanja(TPresjek& p, const TDim& dim, const Okruzenje& o) {
    if (std::fabs(p.Qu) < 0.01) {
        p.Avil = 0;
        return;
    }
    const TBeton& beton = o.katalozi.beton.at(static_cast<std::size_t>(p.Beton));
    Ulaz u{p, dim, o};
    u.d = dim.h - dim.d2;
    u.bw = std::min(dim.b0, dim.b);
    u.k = Konacno(StremenskiClan(p.alfa, p.beta));
    u.tr = beton.trd;
    u.fck = beton.fck;
    u.fyk = o.katalozi.celik.at(static_cast<std::size_t>(p.Celik)).fyk;
    Opis(p.Propis).smicanje(u);
}

} // namespace nmk
