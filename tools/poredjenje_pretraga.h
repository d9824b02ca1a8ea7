#pragma once
// The fast searches against the literal scans: generated sections for each search (both
// codes, rectangles and T, both moment signs, compression and tension, symmetric, the fifth
// domain, deep covers, absurd but accepted options such as a huge EC 2 steel limit), each
// calculated both ways; every double of the result bit for bit, every Status bit, the
// validity flag, every message in order and any calculation error must agree. Shared by the
// test (10^5 sections per search) and the tool poredi_pretrage (as many as asked).

#include "data/provjera.h"
#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"
#include "engine/dodatni_podaci.h"
#include "engine/granicno.h"
#include "engine/prsline.h"
#include "engine/ugib.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace nmk::poredjenje {

// The searches, each with its own generator.
enum class Pretraga {
    Podrucje2,    // design ending in domain 2
    Podrucje3,    // design ending in domain 3 (and double reinforcement near it)
    Simetricno,   // symmetric design with its continuations
    PetoPodrucje, // compression: the fifth domain, from the kern and as the fallback
    Granicni,     // ultimate moment: both paths and the fifth domain
    OsaSila,      // neutral axis under the service forces (deflections)
    OsaMr         // neutral axis at the cracking moment too (crack widths with details)
};
inline constexpr Pretraga kSve[] = {
    Pretraga::Podrucje2, Pretraga::Podrucje3, Pretraga::Simetricno, Pretraga::PetoPodrucje,
    Pretraga::Granicni,  Pretraga::OsaSila,   Pretraga::OsaMr};

inline const char* Naziv(Pretraga p) {
    switch (p) {
    case Pretraga::Podrucje2:
        return "podrucje2";
    case Pretraga::Podrucje3:
        return "podrucje3";
    case Pretraga::Simetricno:
        return "simetricno";
    case Pretraga::PetoPodrucje:
        return "peto_podrucje";
    case Pretraga::Granicni:
        return "granicni_momenat";
    case Pretraga::OsaSila:
        return "osa_sila";
    case Pretraga::OsaMr:
        return "osa_mr";
    }
    return "?";
}

// splitmix64: one stream per search and section.
class Generator {
public:
    Generator(std::uint64_t vrsta, std::uint64_t indeks)
        : s_(vrsta * 0xD1B54A32D192ED03ull ^
             (indeks * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull)) {}
    std::uint64_t Sljedeci() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double U() { return static_cast<double>(Sljedeci() >> 11) * 0x1.0p-53; }
    double Raspon(double od, double do_) { return od + (do_ - od) * U(); }
    double LogRaspon(double od, double do_) { return od * std::exp(std::log(do_ / od) * U()); }
    int Izbor(int n) { return static_cast<int>(Sljedeci() % static_cast<std::uint64_t>(n)); }
    bool Sansa(double p) { return U() < p; }

private:
    std::uint64_t s_;
};

// A section with everything its calculation reads.
struct Slucaj {
    TPresjek p;
    TBetonEx ex;
    float Alfa = 0.85f;
    bool MinMax = true;
    bool Poruke = true;
    double k = 0.125, l = 600, a = 3; // deflection system and span, crack cover
};

class Snimac : public Poruke {
public:
    std::vector<std::string> zapis;
    int Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) override {
        zapis.push_back(std::to_string(static_cast<int>(vrsta)) + " " + std::to_string(dugmad) +
                        " " + tekst);
        return (dugmad & dgOK) ? odgOK : odgDa;
    }
    void Obicna(const std::string& tekst) override { zapis.push_back("plain " + tekst); }
};

// What a calculation gave: its doubles, integers and texts in order.
struct Ishod {
    std::vector<double> realni;
    std::vector<std::int64_t> cijeli;
    std::vector<std::string> tekstovi;
    std::int64_t pokusaji = 0; // trial states evaluated

    bool IstiKao(const Ishod& o) const {
        if (realni.size() != o.realni.size() || cijeli != o.cijeli || tekstovi != o.tekstovi)
            return false;
        return std::memcmp(realni.data(), o.realni.data(), realni.size() * sizeof(double)) == 0;
    }
};

// ---- Generators ---------------------------------------------------------------------------

inline void Materijal(Generator& g, TPresjek& p, const Katalozi& k, float Alfa) {
    p.Propis = g.Sansa(0.5) ? TPropis::EC2 : TPropis::PBAB87;
    if (p.Propis == TPropis::EC2) {
        p.Beton = PrviEC2Beton + g.Izbor(9);
        p.Celik = EC2Celik;
        p.gamaC = g.Sansa(0.8) ? 1.5 : g.Raspon(1.0, 1.6);
        p.gamaS = g.Sansa(0.8) ? 1.15 : g.Raspon(1.0, 1.2);
    } else {
        p.Beton = g.Izbor(10);
        p.Celik = g.Izbor(3);
    }
    PostaviProracunskeCvrstoce(p, k, Alfa, p.gamaC, p.gamaS);
}

// Rectangles and T sections (now and then a web wider than the flange or a flange as deep
// as the section); ordinary and deep covers, d1 + d2 < h.
inline void Geometrija(Generator& g, TPresjek& p, double hNajvise) {
    const bool t = g.Sansa(0.35);
    p.Oblik = t ? TOblik::T : TOblik::Pravougaoni;
    p.h = g.LogRaspon(12, hNajvise);
    if (t) {
        p.b = g.LogRaspon(25, 300);
        p.b0 = g.Sansa(0.05) ? p.b * g.Raspon(1.0, 2.0) : g.Raspon(8, std::min(60.0, p.b));
        p.h0 = g.Sansa(0.03) ? p.h * g.Raspon(1.0, 1.2) : p.h * g.Raspon(0.05, 0.7);
    } else {
        p.b = g.LogRaspon(12, 150);
        p.b0 = p.b;
        p.h0 = p.h;
    }
    const double obicni = std::min(8.0, 0.2 * p.h);
    switch (g.Izbor(8)) {
    case 0: // a deep top layer
        p.d2 = g.Raspon(1, obicni);
        p.d1 = g.Raspon(0.1, 0.7) * (p.h - p.d2);
        break;
    case 1: // a deep bottom layer (the check wants it below mid-depth)
        p.d1 = g.Raspon(1, obicni);
        p.d2 = g.Raspon(0.2, 0.49) * p.h;
        break;
    case 2: // both deep, depth still left between them
        p.d2 = g.Raspon(0.05, 0.45) * p.h;
        p.d1 = g.Raspon(0.3, 0.98) * (p.h - p.d2);
        break;
    default:
        p.d1 = g.Raspon(0.5, obicni);
        p.d2 = g.Raspon(0.5, obicni);
    }
}

// Mostly the default options; now and then absurd but accepted ones: a steel limit below the
// limit of single reinforcement, not above zero, large (a scan of up to 3e7 trials, kept rare
// for the sake of the literal scans) or so large that the float steps stall at once.
inline void Opcije(Generator& g, Slucaj& s) {
    const int e = g.Izbor(10000);
    s.ex.esu = e < 6500   ? 20
               : e < 7600 ? 10
               : e < 8700 ? g.Raspon(2, 60)
               : e < 9000 ? 3
               : e < 9400 ? g.LogRaspon(60, 300)
               : e < 9440 ? g.LogRaspon(300, 5000)
               : e < 9445 ? g.LogRaspon(5000, 32000)
               : e < 9700 ? g.LogRaspon(0.02, 2)
               : e < 9850 ? (g.Sansa(0.5) ? 0.0 : -g.Raspon(0.5, 8))
                          : g.LogRaspon(1e5, 1e30);
    if (g.Sansa(0.15)) {
        s.ex.Ksi35 = g.Raspon(0.02, 1.0);
        s.ex.Ksi45 = g.Raspon(0.02, 1.0);
    }
    s.Alfa = g.Sansa(0.8) ? 0.85f : static_cast<float>(g.Raspon(0.7, 1.0));
    s.MinMax = g.Sansa(0.6);
    s.Poruke = g.Sansa(0.5);
}

inline bool Prihvacen(const TPresjek& p, const TBetonEx& ex) {
    const auto n = PrviNalazProvjere(p, ex);
    return (!n || n->ispravan) && p.d1 + p.d2 < p.h;
}

// A design section whose reduced moment and force aim at the given search.
inline Slucaj Dizajn(Pretraga pr, std::uint64_t i, const Katalozi& k) {
    Generator g(static_cast<std::uint64_t>(pr) + 1, i);
    Slucaj s;
    Opcije(g, s);
    for (;;) {
        TPresjek& p = s.p;
        p = TPresjek{};
        Geometrija(g, p, 300);
        Materijal(g, p, k, s.Alfa);
        const double d = p.h - p.d2;
        const double nN = p.b0 * d * p.fB / 10;
        const double nM = nN * d / 100;
        double mu = 0, nu = 0;
        switch (pr) {
        case Pretraga::Podrucje2:
            mu = g.LogRaspon(1e-4, 0.2);
            nu = g.Raspon(-0.15, 0.1);
            break;
        case Pretraga::Podrucje3:
            mu = g.Raspon(0.1, 0.45);
            nu = g.Raspon(-0.2, 0.1);
            break;
        case Pretraga::Simetricno:
            p.Status |= sfSimetricno;
            mu = g.LogRaspon(1e-3, 1.0);
            nu = g.Sansa(0.3) ? g.Raspon(0, 0.8) : -g.Raspon(0, 2.0);
            break;
        default: // the fifth domain: large compressions, small eccentricities
            if (g.Sansa(0.5))
                p.Status |= sfSimetricno;
            mu = g.Raspon(0, 0.3);
            nu = -g.Raspon(0.5, 3.0);
            break;
        }
        p.Mu = (g.Sansa(0.25) ? -mu : mu) * nM;
        p.Nu = nu * nN;
        p.Qu = g.Sansa(0.2) ? 0.0 : g.LogRaspon(1, 0.3 * nN);
        p.beta = p.Propis == TPropis::EC2 ? 45 : 40;
        if (p.Propis == TPropis::EC2 && g.Sansa(0.5))
            p.Status |= sfStandardna;
        if (Prihvacen(p, s.ex))
            return s;
    }
}

inline Slucaj Granicni(std::uint64_t i, const Katalozi& k) {
    Generator g(11, i);
    Slucaj s;
    Opcije(g, s);
    for (;;) {
        TPresjek& p = s.p;
        p = TPresjek{};
        Geometrija(g, p, 300);
        Materijal(g, p, k, s.Alfa);
        const double d = p.h - p.d2;
        p.Aa2 = p.b0 * d * g.LogRaspon(2e-4, 0.06);
        p.Aa1 = g.Sansa(0.3) ? 0.0 : p.Aa2 * g.U();
        if (g.Sansa(0.01))
            p.Aa1 = -p.Aa2 * g.U(); // odd but accepted
        p.Proracun = TProracun::GranicniMomenat;
        const double celik = (std::fabs(p.Aa1) + p.Aa2) * p.sigv / 10;
        const double beton = p.b * p.h * p.fB / 10;
        const int v = g.Izbor(10);
        p.Nu = v < 6   ? -g.Raspon(-0.3, 1.0) * (beton + celik)
               : v < 8 ? g.Raspon(0, 1.3) * celik
               : v < 9 ? -g.Raspon(0.9, 1.5) * (beton + celik)
                       : 0.0;
        p.Mu = g.Raspon(-50, 50);
        p.epsa = g.Raspon(-1, 10);
        p.epsb = g.Raspon(0, 3.5);
        if (g.Sansa(0.2))
            p.Status |= sfPetoPodrucje;
        if (Prihvacen(p, s.ex))
            return s;
    }
}

inline TUsvojenaArmatura Sipke(Generator& g, int grupaNajvise) {
    const std::int16_t precnici[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40};
    TUsvojenaArmatura a;
    const int n = 1 + g.Izbor(grupaNajvise);
    for (int j = 0; j < n; ++j) {
        const std::int16_t f = precnici[g.Izbor(14)];
        bool ima = false;
        for (const auto& x : a)
            ima = ima || x.precnik == f;
        if (!ima)
            a.push_back({f, static_cast<std::int16_t>(1 + g.Izbor(9))});
    }
    return a;
}

// A section with bars under an eccentric service force (the neutral-axis search runs only
// with a force), now and then with the whole section compressed or a tie.
inline Slucaj Servisni(Pretraga pr, std::uint64_t i, const Katalozi& k) {
    Generator g(static_cast<std::uint64_t>(pr) + 21, i);
    Slucaj s;
    Opcije(g, s);
    for (;;) {
        TPresjek& p = s.p;
        p = TPresjek{};
        Geometrija(g, p, 120);
        Materijal(g, p, k, s.Alfa);
        p.ArmDonja = Sipke(g, 3);
        p.ArmGornja = g.Sansa(0.3) ? TUsvojenaArmatura{} : Sipke(g, 2);
        const double d = p.h - p.d2;
        const double nM = p.b0 * d * d * p.fB / 1e5;
        p.Mexp = (g.Sansa(0.2) ? -1 : 1) * g.LogRaspon(0.002, 0.4) * nM;
        const double poEkscentricitetu = std::fabs(p.Mexp) * 100 / (p.h * g.LogRaspon(0.02, 30));
        const double beton = p.b * p.h * p.fB / 10;
        switch (g.Izbor(6)) {
        case 0:
        case 1:
            p.Nexp = -poEkscentricitetu;
            break;
        case 2:
            p.Nexp = -g.LogRaspon(0.001, 1.2) * beton;
            break;
        case 3:
        case 4:
            p.Nexp = poEkscentricitetu;
            break;
        default:
            p.Nexp = g.LogRaspon(1e-4, 0.2) * beton;
        }
        p.vb = g.Raspon(0.1, 3);
        p.vbd = p.vb * g.Raspon(0.2, 0.9);
        p.Vilica = 6 + 2 * g.Izbor(4);
        s.k = 0.125;
        s.l = g.Raspon(200, 1200);
        s.a = g.Raspon(1.5, 5);
        if (g.Sansa(0.3)) {
            s.ex.fi = g.Raspon(0, 4);
            s.ex.alfa_st = g.Raspon(0.5, 1);
        }
        TPresjek q = p;
        q.Qu = 1;
        if (Prihvacen(q, s.ex))
            return s;
    }
}

inline Slucaj Napravi(Pretraga pr, std::uint64_t i, const Katalozi& k) {
    switch (pr) {
    case Pretraga::Granicni:
        return Granicni(i, k);
    case Pretraga::OsaSila:
    case Pretraga::OsaMr:
        return Servisni(pr, i, k);
    default:
        return Dizajn(pr, i, k);
    }
}

// ---- The calculation, both ways ---------------------------------------------------------------

inline Ishod Racunaj(Pretraga pr, const Slucaj& s, const Katalozi& k, NacinPretrage nacin) {
    Snimac poruke;
    BrojacPokusaja brojac;
    Okruzenje o{k, s.ex, poruke};
    o.Alfa = s.Alfa;
    o.MinMaxArmatura = s.MinMax;
    o.PrikaziPoruke = s.Poruke;
    o.pretraga = nacin;
    o.brojac = &brojac;
    TPresjek p = s.p;
    TDodatniPodaci dp;
    Ishod r;
    try {
        switch (pr) {
        case Pretraga::Granicni:
            GranicniMomenat(p, o);
            break;
        case Pretraga::OsaSila:
            ProracunUgiba(p, o, &dp, s.k, s.l);
            break;
        case Pretraga::OsaMr:
            ProracunPrslina(p, o, &dp, s.a);
            break;
        default:
            Dimenzioniraj(p, o);
        }
    } catch (const std::exception& e) {
        r.tekstovi.push_back(std::string("error ") + e.what());
    }
    r.realni = {p.Aa1, p.Aa2, p.epsa,  p.epsb,  p.Avil, p.Mu,      p.vI,  p.vII,    p.v, p.am,
                p.Wm,  p.Wk,  dp.SigS, dp.SigC, dp.XII, dp.JIXII0, dp.Mr, dp.SigAr, dp.C};
    r.cijeli = {p.Status, p.Ispravan};
    for (auto& t : poruke.zapis)
        r.tekstovi.push_back(t);
    r.pokusaji = brojac.pokusaji;
    return r;
}

inline std::string Opis(const Slucaj& s) {
    const TPresjek& p = s.p;
    char t[700];
    std::snprintf(t, sizeof t,
                  "code %d shape %d b %a b0 %a h %a h0 %a d1 %a d2 %a Mu %a Nu %a Qu %a Aa1 %a "
                  "Aa2 %a Mexp %a Nexp %a status %d concrete %d steel %d esu %a Ksi %a/%a "
                  "messages %d minmax %d",
                  static_cast<int>(p.Propis), static_cast<int>(p.Oblik), p.b, p.b0, p.h, p.h0, p.d1,
                  p.d2, p.Mu, p.Nu, p.Qu, p.Aa1, p.Aa2, p.Mexp, p.Nexp, p.Status, p.Beton, p.Celik,
                  s.ex.esu, s.ex.Ksi35, s.ex.Ksi45, s.Poruke, s.MinMax);
    return t;
}

// The comparison of one search over sections od .. do_ - 1: how many differ (the first few
// described in `prve`), and the trial states each way.
struct Zbir {
    std::int64_t presjeka = 0;
    std::int64_t razlika = 0;
    std::int64_t pokusajaBrzo = 0;
    std::int64_t pokusajaDoslovno = 0;
    std::vector<std::string> prve;
};

inline Zbir Uporedi(Pretraga pr, std::uint64_t od, std::uint64_t do_, const Katalozi& k) {
    Zbir z;
    for (std::uint64_t i = od; i < do_; ++i) {
        const Slucaj s = Napravi(pr, i, k);
        const Ishod brzo = Racunaj(pr, s, k, NacinPretrage::Brza);
        const Ishod doslovno = Racunaj(pr, s, k, NacinPretrage::Doslovna);
        ++z.presjeka;
        z.pokusajaBrzo += brzo.pokusaji;
        z.pokusajaDoslovno += doslovno.pokusaji;
        if (!brzo.IstiKao(doslovno)) {
            ++z.razlika;
            if (z.prve.size() < 5)
                z.prve.push_back(std::string(Naziv(pr)) + " " + std::to_string(i) + ": " + Opis(s));
        }
    }
    return z;
}

} // namespace nmk::poredjenje
