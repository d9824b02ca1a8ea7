#include "engine/prsline.h"

#include "engine/armatura.h"
#include "engine/cvrstoce.h"
#include "engine/dim.h"
#include "engine/greska.h"
#include "engine/propisi.h"
#include "engine/servis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace nmk {

namespace {

constexpr const char* PorukaUskoRebro =
    "Proračun nije moguć: širina presjeka na zategnutoj strani je premala za jednu šipku";
constexpr const char* PorukaRaspored =
    "Proračun nije moguć: broj šipki u jednom sloju je izvan dozvoljenog opsega";

using Raspored = RasporedSipki;
using StanjeII = StanjeIIPrslina;

std::int32_t BrojUSloju(double slobodno, double s, double fi) {
    const double nL = std::trunc((slobodno + s) / (s + fi));
    if (!std::isfinite(nL) || nL > std::numeric_limits<std::int32_t>::max() ||
        nL < std::numeric_limits<std::int32_t>::min())
        throw GreskaProracuna(PorukaRaspored);
    if (nL <= 0)
        throw GreskaProracuna(PorukaUskoRebro);
    return static_cast<std::int32_t>(nL);
}

float OsovinskiRazmak(const Raspored& r, double slobodno) {
    const double fi = r.fiMax;
    if (r.u > r.nL)
        return static_cast<float>(r.s + fi);
    if (r.u == 1)
        return static_cast<float>(slobodno); // a single bar serves the whole free width
    const double u = static_cast<double>(r.u);
    return static_cast<float>((slobodno - u * fi) / (u - 1) + fi);
}

Raspored RasporediSipke(const TUsvojenaArmatura& arm, double b0, double a, double vilica) {
    Raspored r;
    for (const GrupaSipki& g : arm) {
        r.fiMax = std::max<int>(r.fiMax, g.precnik);
        r.u += g.broj;
    }
    if (r.u <= 0)
        throw GreskaProracuna(PorukaDijeljenjeNulom);
    r.c = 10.0 * a;
    const double fi = r.fiMax;
    r.s = static_cast<float>(r.fiMax >= 30 ? fi : 30.0);
    const double slobodno = 10.0 * b0 - 2.0 * (r.c + vilica); // between the stirrups
    r.nL = BrojUSloju(slobodno, r.s, fi);
    r.mL = r.u / r.nL + (r.u % r.nL > 0 ? 1 : 0);
    r.D = OsovinskiRazmak(r, slobodno);
    const double m = static_cast<double>(r.mL);
    r.H = static_cast<float>(r.c + vilica + m * fi + r.s * (m - 1));
    return r;
}

// Fills the crack fields of the record; the deflection fields stay as the caller left them.
void Zapisi(TDodatniPodaci& dp, TPresjek& p, const Okruzenje& o, const Raspored& r, double hef,
            const StanjeII& st, float sigmaS, bool cijeliPritisnut) {
    const CvrstoceZatezanja c = CvrstoceNaZatezanje(p, o.katalozi);
    dp.fct = c.fct;
    dp.fctfl = c.fctfl;
    dp.SigS = sigmaS;
    dp.SigC = st.sigmaC;
    dp.XII = st.x;
    dp.J = Bruto(*p.Dim).Jc;
    dp.JIXI = IdealniMomenatInercijeI(p);
    dp.JIXII0 = cijeliPritisnut ? dp.JIXI : IdealniMomenatInercijeII(p);
    dp.Mr = MomenatNastajanjaPrslina(p, o);
    dp.SigAr = cijeliPritisnut ? 0.0 : NaponUArmaturiPriMr(p, o);
    dp.hEf = hef;
    dp.nSipki = r.nL;
    dp.mSlojeva = static_cast<std::int32_t>(
        std::min<std::int64_t>(r.mL, std::numeric_limits<std::int32_t>::max()));
    dp.D = r.D;
    dp.CijeliPritisnut = cijeliPritisnut;
}

} // namespace

// ---- The formulas of the two codes ------------------------------------------------------

double EfektivnaVisinaPBAB87(const TPresjek& p, const TDim&, const RasporedSipki& r) {
    const double faktor = p.Oblik == TOblik::T ? 7.5 : 5.0;
    return (faktor * r.fiMax + r.H) / 10.0;
}

double EfektivnaVisinaEC2(const TPresjek&, const TDim& d, const RasporedSipki&) {
    return 2.5 * d.d2;
}

float RazmakPrslinaPBAB87(const TPresjek& p, const TDim& d, const RasporedSipki& r, double hef,
                          const StanjeIIPrslina& st) {
    const double k2 = p.Celik == 0 ? 0.8 : 0.4;
    const double x = st.x;
    const double e1 = (st.sigmaC / st.Eb) * (d.h - x) / x; // strain at the tensioned face
    const double e2 = (d.h - x - hef) * e1 / (d.h - x);
    const double k3 = std::clamp(Konacno(0.25 * (e1 + e2) / (2 * e1)), 0.125, 0.25);
    const double mi = st.AsT / (d.b0 * hef);
    return static_cast<float>(Konacno(2.0 * (r.c + r.D / 10.0) + k2 * k3 * r.fiMax / mi));
}

float RazmakPrslinaEC2(const TPresjek& p, const TDim& d, const RasporedSipki& r, double hef,
                       const StanjeIIPrslina& st) {
    const double k1 = p.Celik == 0 ? 1.6 : 0.8; // index 0 is the smooth-bar steel
    const double k2 = 0.5;
    const double rho = st.AsT / (d.b0 * hef);
    return static_cast<float>(Konacno(50.0 + 0.25 * k1 * k2 * r.fiMax / rho));
}

void ProracunPrslina(TPresjek& p, const Okruzenje& o, TDodatniPodaci* dp, double a) {
    RadniObjekat dim(p);
    PripremiDim(p, o.katalozi, true, false);
    if (dim->ArmT.empty()) {
        p.Status |= sfNemaArmature;
        return;
    }
    ProvjeriArmaturu(*dim);
    Konacno(a);
    Konacno(p.Vilica);
    const std::optional<double> x = VisinaPritisnuteZone(p, o);
    const bool cijeliPritisnut = !x;
    dim->XII = cijeliPritisnut ? dim->h : *x;
    dim->Zeta = cijeliPritisnut ? 0.0 : KoeficijentSadejstva(p, o);

    const double Eb = ModulBetona(p, o.katalozi);
    const double Es = ModulCelika(p, o.katalozi);
    const float nf = static_cast<float>(Es / Eb);
    const Raspored r = RasporediSipke(dim->ArmT, dim->b0, a, p.Vilica);
    const OpisPropisa& propis = Opis(p.Propis);
    const double hef = propis.efektivnaVisina(p, *dim, r);
    const double d = dim->h - dim->d2;

    StanjeII st;
    st.x = dim->XII;
    st.Eb = Eb;
    st.AsT = PovrsinaArmature(dim->ArmT);
    float sigmaS = 0;
    float am = 0;
    float Wm = 0;
    if (!cijeliPritisnut) { // a wholly compressed section has no cracks
        st.sigmaC = NaponUBetonu(p);
        sigmaS = static_cast<float>(Konacno(nf * st.sigmaC * (d - st.x) / st.x));
        am = propis.razmakPrslina(p, *dim, r, hef, st);
        Wm = static_cast<float>(Konacno(am * sigmaS * dim->Zeta / Es));
        if (Wm < 0)
            Wm = 0;
    }
    const float Wk = 1.7f * Wm;

    TDodatniPodaci zapis = dp ? *dp : TDodatniPodaci{};
    if (dp)
        Zapisi(zapis, p, o, r, hef, st, sigmaS, cijeliPritisnut);
    // Nothing of the section or the record changes before every value is known.
    p.am = am;
    p.Wm = Wm;
    p.Wk = Wk;
    if (dp)
        *dp = zapis;
}

} // namespace nmk
