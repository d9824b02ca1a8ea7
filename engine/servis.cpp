#include "engine/servis.h"

#include "engine/armatura.h"
#include "engine/cvrstoce.h"
#include "engine/greska.h"
#include "engine/pretraga.h"
#include "engine/propisi.h"

#include <algorithm>
#include <cmath>

namespace nmk {

namespace {

// Step of the neutral-axis scan, cm.
constexpr double KorakOse = 0.0005;

constexpr const char* PorukaNemaOse =
    "Proračun nije moguć: pod zatežućom silom Nexp presjek nema pritisnutu zonu "
    "(neutralna osa nije nađena)";

const TDim& Radni(const TPresjek& p) {
    return *p.Dim;
}

struct Armatura {
    float AsC = 0;
    float AsT = 0;
    float As = 0; // AsC + AsT in single precision
};

Armatura Povrsine(const TDim& d) {
    Armatura a;
    a.AsC = PovrsinaArmature(d.ArmC);
    a.AsT = PovrsinaArmature(d.ArmT);
    a.As = a.AsC + a.AsT;
    return a;
}

// First and second moment of the cracked transformed section about an axis at depth x.
struct MomentiII {
    double S = 0;
    double J = 0;
};

MomentiII Momenti(const TDim& d, const Armatura& a, double x) {
    const double xc = std::max(x - d.h0, 0.0);
    const double db = d.b - d.b0;
    const double gore = x - d.d1;
    const double dolje = d.h - d.d2 - x;
    MomentiII m;
    m.S = d.b * x * x / 2 - db * xc * xc / 2 + d.n * a.AsC * gore - d.n * a.AsT * dolje;
    m.J = d.b * x * x * x / 3 - db * xc * xc * xc / 3 +
          d.n * (a.AsC * gore * gore + a.AsT * dolje * dolje);
    return m;
}

// Pure bending: the closed form of the cracked transformed section.
double DubinaSavijanje(const TPresjek& p, const TDim& d, const Armatura& a) {
    const double n = d.n;
    const bool ispodPloce =
        n * a.AsC * (d.h0 - d.d1) + d.b * d.h0 * d.h0 / 2 < n * a.AsT * (d.h - d.d2 - d.h0);
    double A = 0;
    double B = 0;
    if (p.Oblik != TOblik::Pravougaoni && ispodPloce) {
        A = (n * a.As + (d.b - d.b0) * d.h0) / d.b0;
        B = (2 * n * (a.AsT * (d.h - d.d2) + a.AsC * d.d1) + d.h0 * d.h0 * (d.b - d.b0)) / d.b0;
    } else {
        A = n * a.As / d.b;
        B = 2 * n * (a.AsT * (d.h - d.d2) + a.AsC * d.d1) / d.b;
    }
    return Konacno(std::sqrt(A * A + B) - A);
}

// g(x) = (e0 - yc + x) S(x) - J(x) at one depth, with the sizes of its terms (for the bound
// of its rounding).
struct MjeraOse {
    double x = 0;
    double S = 0;
    double J = 0;
    double krak = 0;
    double velicinaS = 0;
    double velicinaJ = 0;
};

MjeraOse IzmjeriOsu(const TDim& d, const Armatura& a, double e0MinusYc, double x) {
    const MomentiII m = Momenti(d, a, x);
    const double xc = std::max(x - d.h0, 0.0);
    const double db = std::fabs(d.b - d.b0);
    const double gore = std::fabs(x - d.d1), dolje = std::fabs(d.h - d.d2 - x);
    MjeraOse r;
    r.x = x;
    r.S = m.S;
    r.J = m.J;
    r.krak = e0MinusYc + x;
    r.velicinaS = d.b * x * x / 2 + db * xc * xc / 2 + d.n * (a.AsC * gore + a.AsT * dolje);
    r.velicinaJ = d.b * std::fabs(x * x * x) / 3 + db * xc * xc * xc / 3 +
                  d.n * (a.AsC * gore * gore + a.AsT * dolje * dolje);
    return r;
}

// Over the depths between two of them (lo above hi, both not negative) g is a cubic as long
// as they lie on one side of the flange's underside (x - h0 keeps its sign): about the middle
// m, with t = x - m and |t| <= w, g(x) = g(m) + g1 t + g2 t^2 / 2 + g3 t^3 / 6, where
// g1 = krak A - S, g2 = krak A', g3 = A' (A = S' is the compressed transformed area, A' its
// width there, krak = e0 - yc + x; J' = 2 S). So every g of the range lies within the
// remainder of g(m); and where g' = g1 + g2 t + g3 t^2 / 2 keeps its sign, g is monotone and
// lies between its values at the ends. Both are widened by the double rounding of the trials
// and of the terms.
std::optional<Potpis> IzvjesnostOse(const TDim& d, const Armatura& a, double e0MinusYc,
                                    const MjeraOse& lo, const MjeraOse& hi) {
    if (!(lo.x >= 0) || !(hi.x >= lo.x) || ((lo.x - d.h0) < 0) != ((hi.x - d.h0) < 0))
        return std::nullopt;
    const double m = lo.x + (hi.x - lo.x) / 2;
    const double w = (hi.x - lo.x) / 2 * (1 + 0x1.0p-40);
    const MjeraOse sr = IzmjeriOsu(d, a, e0MinusYc, m);
    const bool ispod = m > d.h0;
    const double sirina = ispod ? d.b0 : d.b; // A'
    const double A = d.b * m - (ispod ? (d.b - d.b0) * (m - d.h0) : 0.0) + d.n * (a.AsC + a.AsT);
    const double g = sr.krak * sr.S - sr.J;
    const double g1 = sr.krak * A - sr.S;
    const double g2 = sr.krak * sirina;
    const double vS = std::max({lo.velicinaS, hi.velicinaS, sr.velicinaS});
    const double vJ = std::max({lo.velicinaJ, hi.velicinaJ, sr.velicinaJ});
    const double vK = std::max({std::fabs(lo.krak), std::fabs(hi.krak), std::fabs(sr.krak)});
    const double vA =
        d.b * hi.x + std::fabs(d.b - d.b0) * std::fabs(hi.x - d.h0) + d.n * (a.AsC + a.AsT);
    constexpr double kDvostruko = 0x1.0p-40; // far above the rounding of a few operations
    const double pad = kDvostruko * (vK * vS + vJ + (vK * vA + vS) * w + vK * sirina * w * w +
                                     sirina * w * w * w) +
                       1e-300;
    Raspon raspon = Raspon::Tacka(g).Prosiren(std::fabs(g1) * w + std::fabs(g2) * w * w / 2 +
                                              std::fabs(sirina) * w * w * w / 6);
    const Raspon nagib =
        Raspon::Tacka(g1).Prosiren(std::fabs(g2) * w + std::fabs(sirina) * w * w / 2);
    if (nagib.Znak(kDvostruko * (vK * vA + vS + vK * sirina * w + sirina * w * w)) != 0) {
        const Raspon krajevi = Raspon::Od(lo.krak * lo.S - lo.J, hi.krak * hi.S - hi.J);
        if (krajevi.do_ - krajevi.od < raspon.do_ - raspon.od)
            raspon = krajevi;
    }
    const int z = raspon.Znak(pad);
    if (z == 0 || !raspon.Konacan())
        return std::nullopt;
    return Potpis{1, z, 0, 0};
}

// Where g changes sign between the depths x1 and x2 (g of opposite signs there, both on one
// side of nothing in particular): a guess by Newton's method kept inside the bracket, for
// splitting the ranges of the search.
std::optional<double> KorijenOse(const TDim& d, const Armatura& a, double e0MinusYc, double x1,
                                 double x2) {
    auto g = [&](double x) {
        const MjeraOse m = IzmjeriOsu(d, a, e0MinusYc, x);
        return m.krak * m.S - m.J;
    };
    double lo = std::min(x1, x2), hi = std::max(x1, x2);
    double glo = g(lo), ghi = g(hi);
    if (!((glo < 0 && ghi > 0) || (glo > 0 && ghi < 0)))
        return std::nullopt;
    double x = lo + (hi - lo) / 2;
    for (int i = 0; i < 40 && hi - lo > 1e-4; ++i) {
        const MjeraOse mx = IzmjeriOsu(d, a, e0MinusYc, x);
        const double gx = mx.krak * mx.S - mx.J;
        if ((gx < 0) == (glo < 0)) {
            lo = x;
            glo = gx;
        } else {
            hi = x;
        }
        const bool ispod = x > d.h0;
        const double A =
            d.b * x - (ispod ? (d.b - d.b0) * (x - d.h0) : 0.0) + d.n * (a.AsC + a.AsT);
        const double nagib = mx.krak * A - mx.S;
        const double n = x - gx / nagib;
        x = (n > lo && n < hi) ? n : lo + (hi - lo) / 2;
    }
    return x;
}

// The fast search proves its ranges on a real section: positive widths, a flange depth not
// negative (so that the compressed area never is), a positive modular ratio and bars.
bool PogodnoZaBrzu(const TDim& d, const Armatura& a) {
    for (double x : {d.b, d.b0, d.h})
        if (!(x > 0) || !std::isfinite(x))
            return false;
    return d.h0 >= 0 && std::isfinite(d.h0) && d.n >= 0 && std::isfinite(d.n) && a.AsC >= 0 &&
           a.AsT >= 0 && std::isfinite(d.d1) && std::isfinite(d.d2);
}

// The depths the neutral-axis scan tries: downwards from h when the eccentricity e0 is
// positive (while above 0), else upwards from 0 (while below h), in steps of 0.0005 cm.
Put<double> PutOse(const TDim& d, double e0) {
    Put<double> put;
    const bool nadolje = e0 > 0;
    put.pocetak = nadolje ? d.h : 0.0;
    put.korak = nadolje ? -KorakOse : KorakOse;
    put.staraIspred = nadolje ? 0.0 : d.h;
    return put;
}

// Eccentric normal force: the scan for the first admissible sign change of
// g(x) = (e0 - yc + x) S(x) - J(x). g has the roots of the equilibrium residual
// (e0 - yc + x) - J / S but not its pole at S = 0, and stays continuous as N tends to 0.
// A root counts only with the load point on the compressed side of the axis; otherwise the
// concrete above the axis would be in tension, and the scan goes on.
std::optional<double> DubinaSilom(const TDim& d, const Armatura& a, double M, double N,
                                  NacinPretrage nacin, BrojacPokusaja* brojac) {
    const double e0 = Konacno(-100.0 * M / N);
    const double yc = Bruto(d).yc;
    const bool pritisak = N < 0;
    const Put<double> put = PutOse(d, e0);
    PromjenaZnaka t(PromjenaZnaka::Pravilo::Proizvod, false);
    auto proba = [&](double x) {
        const MomentiII m = Momenti(d, a, x);
        const double krak = e0 - yc + x;
        return Pokusaj{1, krak * m.S - m.J, 0, 0, krak};
    };
    // A root counts only with the load point on the compressed side of the axis.
    auto krakPrima = [&](const Pokusaj& p) { return pritisak ? p.podatak > 0 : p.podatak < 0; };
    if (nacin == NacinPretrage::Doslovna || !PogodnoZaBrzu(d, a)) {
        Hod<double> hod(put, brojac);
        while (hod.Sljedeci())
            if (const Pokusaj p = proba(hod.Vrijednost()); t.Prihvati(p) && krakPrima(p))
                return hod.Vrijednost();
        if (hod.Zastao())
            PrekoraceneGranicePretrage(); // a depth so large that the step no longer moves it
    } else {
        IndeksiraniPut<double> ip(put);
        Zapamceno<MjeraOse> mjere;
        auto mjera = [&](std::int64_t j) -> const MjeraOse& {
            return mjere.Daj(j, [&](std::int64_t jj) {
                Izbroji(brojac);
                return IzmjeriOsu(d, a, e0 - yc, ip.Vrijednost(jj));
            });
        };
        auto brojana = [&](std::int64_t j) {
            Izbroji(brojac);
            return proba(ip.Vrijednost(j));
        };
        auto izvjesno = [&](std::int64_t i, std::int64_t j) {
            const MjeraOse m1 = mjera(i);
            const MjeraOse& m2 = mjera(j);
            return put.korak > 0 ? IzvjesnostOse(d, a, e0 - yc, m1, m2)
                                 : IzvjesnostOse(d, a, e0 - yc, m2, m1);
        };
        auto uslov = [&](std::int64_t, const Pokusaj& p) { return krakPrima(p); };
        // The guess: a root of g between the first and the last depth, as an index.
        std::optional<std::int64_t> slutnja;
        if (const std::int64_t n = ip.Broj(); n > 16 && n <= NajvisePokusajaPuta) {
            const double x1 = ip.Vrijednost(0), x2 = ip.Vrijednost(n - 1);
            if (const auto x = KorijenOse(d, a, e0 - yc, x1, x2))
                slutnja = static_cast<std::int64_t>(std::llround((*x - x1) / put.korak));
        }
        if (const auto j = PrvaPromjenaNaPutu(ip, t, brojana, izvjesno, uslov, true, slutnja))
            return ip.Vrijednost(*j);
        if (ip.Zastaje())
            PrekoraceneGranicePretrage();
    }
    if (pritisak)
        return std::nullopt;
    throw GreskaProracuna(PorukaNemaOse);
}

// A tension N (kN) with the moment M (kNm) whose load point lies between the two layers of
// bars, on a cracked section without compressed concrete: the stress of the tension bars
// (N/mm2) by the lever rule about the other layer. Nothing when the bars cannot carry the
// force so (a load point outside the layers, or a missing layer it would need).
std::optional<double> NaponBezPritisnuteZone(const TDim& d, double M, double N) {
    const Armatura a = Povrsine(d);
    const double z = Bruto(d).yc + 100.0 * M / N; // depth of the load point, cm
    const double dT = d.h - d.d2;
    const bool izmedju = z >= d.d1 && z <= dT && dT > d.d1;
    if (!(N > 0) || !izmedju || !(a.AsT > 0) || (z > d.d1 && !(a.AsC > 0)))
        return std::nullopt;
    // 10 N / As: kN/cm2 to N/mm2.
    return Konacno(10.0 * N * (z - d.d1) / ((dT - d.d1) * a.AsT));
}

std::optional<double> VisinaPritisnuteZone(const TPresjek& p, double M, NacinPretrage nacin,
                                           BrojacPokusaja* brojac) {
    const TDim& d = Radni(p);
    const Armatura a = Povrsine(d);
    if (NulaSila(p.Nexp))
        return DubinaSavijanje(p, d, a);
    return DubinaSilom(d, a, M, p.Nexp, nacin, brojac);
}

// Restores Dim.Mexp and Dim.XII after the second axis search, also on an exception.
class VratiStanje {
public:
    explicit VratiStanje(TPresjek& p) : p_(p), XII_(p.Dim->XII) {}
    ~VratiStanje() {
        p_.Dim->Mexp = std::fabs(p_.Mexp);
        p_.Dim->XII = XII_;
    }
    VratiStanje(const VratiStanje&) = delete;
    VratiStanje& operator=(const VratiStanje&) = delete;

private:
    TPresjek& p_;
    double XII_;
};

} // namespace

void ProvjeriArmaturu(const TDim& d) {
    for (const TUsvojenaArmatura* lista : {&d.ArmC, &d.ArmT})
        for (const GrupaSipki& g : *lista)
            if (g.precnik <= 0 || g.broj <= 0)
                throw GreskaProracuna(PorukaNeispravnaArmatura);
}

CvrstoceZatezanja CvrstoceNaZatezanje(const TPresjek& p, const Katalozi& k) {
    const double fck = k.beton.at(static_cast<std::size_t>(p.Beton)).fck;
    const double faktor = Opis(p.Propis).faktorZatezanja;
    CvrstoceZatezanja c;
    c.fct = faktor * std::pow(fck, 2.0 / 3.0);
    c.fctfl = (0.6 + 0.4 / std::pow(Radni(p).h / 100.0, 0.25)) * c.fct;
    if (c.fctfl < c.fct)
        c.fctfl = c.fct;
    return c;
}

BrutoPresjek Bruto(const TDim& d) {
    const double db = d.b - d.b0;
    BrutoPresjek g;
    g.Ac = d.h0 * d.b + (d.h - d.h0) * d.b0;
    g.yc = (d.h0 * d.h0 * db + d.b0 * d.h * d.h) / (2 * (d.h0 * db + d.b0 * d.h));
    const double gore = g.yc - d.h0 / 2;
    const double sredina = d.h / 2 - g.yc;
    g.Jc = d.h0 * db * (gore * gore + d.h0 * d.h0 / 12) +
           d.b0 * d.h * (sredina * sredina + d.h * d.h / 12);
    return g;
}

double MomenatInercijeBetona(const TPresjek& p) {
    if (p.Dim)
        return Bruto(*p.Dim).Jc;
    TDim d; // the section as entered, not turned
    d.b = p.b;
    d.b0 = SirinaRebra(p);
    d.h0 = VisinaPloce(p);
    d.h = p.h;
    return Bruto(d).Jc;
}

double TezisteArmature(const TDim& d) {
    const Armatura a = Povrsine(d);
    return (a.AsT * (d.h - d.d2) + a.AsC * d.d1) / a.As;
}

StadijI IdealniPresjekI(const TDim& d) {
    const Armatura a = Povrsine(d);
    const BrutoPresjek g = Bruto(d);
    const double ys = TezisteArmature(d);
    const double alfa = d.n * a.As / g.Ac;
    StadijI s;
    s.yI = (ys * alfa + g.yc) / (alfa + 1);
    const double dole = d.h - d.d2 - s.yI;
    const double gore = s.yI - d.d1;
    s.JI = (s.yI - g.yc) * (s.yI - g.yc) * g.Ac + g.Jc + d.n * a.AsT * dole * dole +
           d.n * a.AsC * gore * gore;
    return s;
}

double IdealniMomenatInercijeI(const TPresjek& p) {
    return IdealniPresjekI(Radni(p)).JI;
}

std::optional<double> VisinaPritisnuteZone(const TPresjek& p, const Okruzenje& o) {
    return VisinaPritisnuteZone(p, Radni(p).Mexp, o);
}

std::optional<double> VisinaPritisnuteZone(const TPresjek& p) {
    return VisinaPritisnuteZone(p, Radni(p).Mexp, NacinPretrage::Brza, nullptr);
}

std::optional<double> VisinaPritisnuteZone(const TPresjek& p, double M, const Okruzenje& o) {
    return VisinaPritisnuteZone(p, M, o.pretraga, o.brojac);
}

std::optional<double> VisinaPritisnuteZone(const TPresjek& p, double M) {
    return VisinaPritisnuteZone(p, M, NacinPretrage::Brza, nullptr);
}

StadijII IdealniPresjekII(const TDim& d) {
    const Armatura a = Povrsine(d);
    const double x = d.XII;
    const double xc = std::max(x - d.h0, 0.0);
    const double db = d.b - d.b0;
    const double dole = d.h - d.d2 - x;
    const double gore = x - d.d1;
    StadijII s;
    s.JII = (d.b * x * x * x - db * xc * xc * xc) / 3 +
            d.n * (a.AsT * dole * dole + a.AsC * gore * gore);
    s.Acc = d.b * x - db * xc;
    s.ycII = x - (d.b * x * x - db * xc * xc) / (2 * s.Acc);
    if (x > d.h0) {
        const double u = x / 2 - s.ycII;
        const double v = s.ycII - d.h0 / 2;
        s.JcII = d.b0 * x * (u * u + x * x / 12) + db * d.h0 * (v * v + d.h0 * d.h0 / 12);
    } else {
        s.JcII = d.b * x * x * x / 12;
    }
    return s;
}

double IdealniMomenatInercijeII(const TPresjek& p) {
    return IdealniPresjekII(Radni(p)).JII;
}

double MomenatNastajanjaPrslina(const TPresjek& p, const Okruzenje& o) {
    const TDim& d = Radni(p);
    const Armatura a = Povrsine(d);
    const double Ai = d.n * a.As + Bruto(d).Ac;
    const StadijI s = IdealniPresjekI(d);
    const double fctfl = CvrstoceNaZatezanje(p, o.katalozi).fctfl;
    // 10 N / Ai: kN/cm2 to N/mm2; the 1000 turns N/mm2 * cm3 into kNm.
    return Konacno((fctfl - 10.0 * p.Nexp / Ai) * s.JI * o.betonEx.alfa_st /
                   ((d.h - s.yI) * 1000.0));
}

double NaponUBetonu(const TPresjek& p) {
    const TDim& d = Radni(p);
    const double x = d.XII;
    const double JII = IdealniPresjekII(d).JII;
    if (NulaSila(p.Nexp))
        return Konacno(1000.0 * d.Mexp * x / JII);
    const double e0 = -100.0 * d.Mexp / p.Nexp;
    return Konacno(-10.0 * p.Nexp * (e0 - Bruto(d).yc + x) * x / JII);
}

double NaponUArmaturi(const TPresjek& p) {
    const TDim& d = Radni(p);
    const double x = d.XII;
    return Konacno(d.n * NaponUBetonu(p) * (d.h - d.d2 - x) / x);
}

double NaponUArmaturiPriMr(TPresjek& p, const Okruzenje& o) {
    const double Mr = MomenatNastajanjaPrslina(p, o);
    TDim& d = *p.Dim;
    if (NulaSila(p.Nexp)) {
        const double x = d.XII;
        return Konacno(Mr * 1000.0 * d.n * (d.h - d.d2 - x) / IdealniPresjekII(d).JII);
    }
    VratiStanje vrati(p);
    d.Mexp = Mr;
    std::optional<double> xr;
    try {
        xr = VisinaPritisnuteZone(p, Mr, o);
    } catch (const GreskaProracuna&) {
        // Under a tension the cracked section at the cracking moment may have no compressed
        // zone at all, although the service forces leave one: then the bars alone carry the
        // force, shared by the lever rule. This is the limit of the cracked section as its
        // neutral axis reaches the top face.
        if (const std::optional<double> s = NaponBezPritisnuteZone(d, Mr, p.Nexp))
            return *s;
        throw;
    }
    if (!xr)
        return 0; // the whole section is still compressed at cracking: no steel tension
    d.XII = *xr;
    return NaponUArmaturi(p);
}

double KoeficijentSadejstva(TPresjek& p, const Okruzenje& o) {
    const double sigmaS = NaponUArmaturi(p);
    const double sigmaSr = NaponUArmaturiPriMr(p, o);
    const double omjer = Konacno(sigmaSr / sigmaS);
    const double zeta = 1.0 - o.betonEx.B1B2() * omjer * omjer;
    return std::clamp(Konacno(zeta), 0.4, 1.0);
}

} // namespace nmk
