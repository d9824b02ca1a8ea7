#include "engine/interakcija.h"

#include "engine/armatura.h"
#include "engine/pretraga.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace nmk {

namespace {

// The states of one side in four runs, each read by index in the order of the sweep:
//  0. the tension domain: the steel at its limit, the top from -eaMax to 0 (0 itself last);
//  1. path 1: the top from 0 towards 3.5 (3.5 itself last);
//  2. path 2: 3.5 at the top, the steel strain down to the neutral axis at the bottom face;
//  3. the fifth domain about its pivot down to uniform 2 per mille.
// Every state is one of the sweep's trials or the exact end of its run.
class StranaKrive {
public:
    static constexpr int BrojOdsjeka = 4;

    StranaKrive(const TPresjek& p, double Aa1, double Aa2, const Okruzenje& o, bool okrenut)
        : strana_(p, Aa1, Aa2, o, okrenut), okrenut_(okrenut), put0_(strana_.Putevi().put0),
          put1_(strana_.Putevi().put1), put2_(strana_.Putevi().put2),
          eaMax_(strana_.Putevi().put2.pocetak) {}

    std::int64_t Broj(int odsjek) {
        switch (odsjek) {
        case 0:
            return put0_.Broj() + 1;
        case 1:
            return put1_.Broj() + 1;
        case 2:
            return put2_.Broj();
        default:
            return GranicniPutevi::KoraciPetogPodrucja + 1;
        }
    }

    TackaKrive Tacka(int odsjek, std::int64_t j) {
        switch (odsjek) {
        case 0:
            return Tacka(eaMax_, j < put0_.Broj() ? put0_.Vrijednost(j) : 0.0f, false);
        case 1:
            return Tacka(eaMax_, j < put1_.Broj() ? put1_.Vrijednost(j) : 3.5f, false);
        case 2:
            return Tacka(put2_.Vrijednost(j), 3.5f, false);
        default: {
            const StanjePetog s = StanjePetogPodrucja(static_cast<int>(j));
            return Tacka(s.eBot, s.eTop, true);
        }
        }
    }

private:
    TackaKrive Tacka(float ea, float eb, bool peto) {
        TackaKrive t;
        t.stanje = strana_.Stanje(ea, eb, peto);
        t.okrenut = okrenut_;
        t.N = t.stanje.Nu;
        // The compressed face is the top of this side; the other face follows the straight
        // strain line through the steel layer at the effective depth.
        const double gore = eb;
        const double dolje = peto ? static_cast<double>(ea)
                                  : eb - (static_cast<double>(eb) + ea) * strana_.h() / strana_.d();
        t.M = okrenut_ ? -t.stanje.Mu : t.stanje.Mu;
        t.eGore = okrenut_ ? dolje : gore;
        t.eDolje = okrenut_ ? gore : dolje;
        return t;
    }

    StranaPresjeka strana_;
    bool okrenut_;
    IndeksiraniPut<float> put0_, put1_, put2_;
    float eaMax_;
};

// Evenly spread indices of a run that the refinement starts from (and always keeps).
constexpr std::int64_t kPocetnihDijelova = 16;

std::int64_t PocetniIndeks(std::int64_t broj, std::int64_t k) {
    return k * (broj - 1) / kPocetnihDijelova;
}

// The spans of N and M over the starting points of both sides.
std::pair<double, double> PocetniRasponi(StranaKrive* strane[2]) {
    double nMin = std::numeric_limits<double>::infinity(), nMax = -nMin, mMin = nMin, mMax = -nMin;
    for (int s = 0; s < 2; ++s)
        for (int o = 0; o < StranaKrive::BrojOdsjeka; ++o) {
            const std::int64_t broj = strane[s]->Broj(o);
            for (std::int64_t k = 0; broj > 0 && k <= kPocetnihDijelova; ++k) {
                const TackaKrive t = strane[s]->Tacka(o, PocetniIndeks(broj, k));
                nMin = std::min(nMin, t.N);
                nMax = std::max(nMax, t.N);
                mMin = std::min(mMin, t.M);
                mMax = std::max(mMax, t.M);
            }
        }
    return {nMax - nMin, mMax - mMin};
}

// Adds the points after a up to b: the state halfway is kept (and both halves refined) while
// it strays from the chord by more than a quarter of the allowed distance; chords that bridge
// states whose every midpoint lies this close stay within the allowed distance.
void Profini(StranaKrive& s, int odsjek, std::int64_t a, const TackaKrive& ta, std::int64_t b,
             const TackaKrive& tb, double rN, double rM, std::vector<TackaKrive>& izlaz) {
    if (b - a >= 2) {
        const std::int64_t m = a + (b - a) / 2;
        const TackaKrive tm = s.Tacka(odsjek, m);
        if (OdstupanjeOdTetive(ta, tb, tm, rN, rM) > OdstupanjeKrive / 4) {
            Profini(s, odsjek, a, ta, m, tm, rN, rM, izlaz);
            Profini(s, odsjek, m, tm, b, tb, rN, rM, izlaz);
            return;
        }
    }
    izlaz.push_back(tb);
}

// The points of one side from uniform tension to uniform compression.
std::vector<TackaKrive> TackeStrane(StranaKrive& s, double rN, double rM) {
    std::vector<TackaKrive> izlaz;
    for (int o = 0; o < StranaKrive::BrojOdsjeka; ++o) {
        const std::int64_t broj = s.Broj(o);
        if (broj <= 0)
            continue;
        std::int64_t a = 0;
        TackaKrive ta = s.Tacka(o, 0);
        izlaz.push_back(ta);
        for (std::int64_t k = 1; k <= kPocetnihDijelova; ++k) {
            const std::int64_t b = PocetniIndeks(broj, k);
            if (b == a)
                continue;
            const TackaKrive tb = s.Tacka(o, b);
            Profini(s, o, a, ta, b, tb, rN, rM, izlaz);
            a = b;
            ta = tb;
        }
    }
    return izlaz;
}

double Vektorski(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

} // namespace

double OdstupanjeOdTetive(const TackaKrive& a, const TackaKrive& b, const TackaKrive& x,
                          double rasponN, double rasponM) {
    const double ax = a.M / rasponM, ay = a.N / rasponN;
    const double dx = b.M / rasponM - ax, dy = b.N / rasponN - ay;
    const double px = x.M / rasponM - ax, py = x.N / rasponN - ay;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp((px * dx + py * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(px - t * dx, py - t * dy);
}

std::pair<double, double> RasponiKrive(const KrivaInterakcije& k) {
    double nMin = 0, nMax = 0, mMin = 0, mMax = 0;
    for (const TackaKrive& t : k.tacke) {
        nMin = std::min(nMin, t.N);
        nMax = std::max(nMax, t.N);
        mMin = std::min(mMin, t.M);
        mMax = std::max(mMax, t.M);
    }
    const auto pozitivno = [](double x) { return x > 0 ? x : 1.0; };
    return {pozitivno(nMax - nMin), pozitivno(mMax - mMin)};
}

KrivaInterakcije IzracunajKrivu(const TPresjek& p, double Aa1, double Aa2, const Okruzenje& o) {
    StranaKrive pozitivna(p, Aa1, Aa2, o, false);
    StranaKrive negativna(p, Aa1, Aa2, o, true);
    StranaKrive* strane[2] = {&pozitivna, &negativna};
    auto [rN, rM] = PocetniRasponi(strane);
    if (!(rN > 0))
        rN = 1;
    if (!(rM > 0))
        rM = 1;
    KrivaInterakcije k;
    k.Aa1 = Aa1;
    k.Aa2 = Aa2;
    k.tacke = TackeStrane(pozitivna, rN, rM);
    k.pritisak = k.tacke.size() - 1;
    // The hogging side backwards, without its two ends (the same uniform states).
    const std::vector<TackaKrive> druga = TackeStrane(negativna, rN, rM);
    for (std::size_t i = druga.size() - 1; i-- > 1;)
        k.tacke.push_back(druga[i]);
    const auto [najmanja, najveca] =
        std::minmax_element(k.tacke.begin(), k.tacke.end(),
                            [](const TackaKrive& a, const TackaKrive& b) { return a.N < b.N; });
    k.Nmin = najmanja->N;
    k.Nmax = najveca->N;
    return k;
}

std::optional<std::pair<double, double>> MomentiPriSili(const KrivaInterakcije& k, double N) {
    const std::size_t n = k.tacke.size();
    if (n == 0 || N > k.Nmax || N < k.Nmin)
        return std::nullopt;
    double najveci = -std::numeric_limits<double>::infinity();
    double najmanji = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < n; ++i) {
        const TackaKrive& a = k.tacke[i];
        const TackaKrive& b = k.tacke[(i + 1) % n];
        if (N < std::min(a.N, b.N) || N > std::max(a.N, b.N))
            continue;
        const double t = a.N == b.N ? 0 : (N - a.N) / (b.N - a.N);
        for (const double m : {a.M + t * (b.M - a.M), a.N == b.N ? b.M : a.M + t * (b.M - a.M)}) {
            najveci = std::max(najveci, m);
            najmanji = std::min(najmanji, m);
        }
    }
    if (najveci < najmanji)
        return std::nullopt;
    return std::pair{najveci, najmanji};
}

Iskoristenost Iskoristenje(const KrivaInterakcije& k, double Nsd, double Msd) {
    constexpr double kBeskonacno = std::numeric_limits<double>::infinity();
    Iskoristenost r;
    const std::optional<std::pair<double, double>> m = MomentiPriSili(k, Nsd);
    r.silaUnutar = m.has_value();
    if (!m) {
        r.unutar = false;
        r.poMomentu = kBeskonacno;
    } else {
        const auto [najveci, najmanji] = *m;
        r.unutar = Msd <= najveci && Msd >= najmanji;
        r.MRd = Msd >= 0 ? najveci : najmanji;
        if (JeNula(Msd))
            r.poMomentu = r.unutar ? 0 : kBeskonacno;
        else if ((r.MRd > 0) == (Msd > 0) && !JeNula(r.MRd))
            r.poMomentu = Msd / r.MRd;
        else
            r.poMomentu = kBeskonacno;
    }
    // The ray s (Nsd, Msd), s > 0: where it first meets the polygon, the ratio is 1 / s.
    if (JeNula(Nsd) && JeNula(Msd))
        return r;
    double sNajmanje = kBeskonacno;
    const std::size_t n = k.tacke.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TackaKrive& a = k.tacke[i];
        const TackaKrive& b = k.tacke[(i + 1) % n];
        const double ex = b.N - a.N, ey = b.M - a.M;
        const double nazivnik = Vektorski(Nsd, Msd, ex, ey);
        if (nazivnik == 0)
            continue;
        const double s = Vektorski(a.N, a.M, ex, ey) / nazivnik;
        const double u = Vektorski(a.N, a.M, Nsd, Msd) / nazivnik;
        if (s > 0 && u >= 0 && u <= 1)
            sNajmanje = std::min(sNajmanje, s);
    }
    r.poZraku = std::isfinite(sNajmanje) ? 1 / sNajmanje : kBeskonacno;
    return r;
}

bool ImaUsvojenu(const TPresjek& p) {
    return !p.ArmGornja.empty() || !p.ArmDonja.empty();
}

ArmaturaKrive ArmaturaZaKrivu(const TPresjek& p, std::optional<IzvorArmature> izvor) {
    const IzvorArmature i =
        izvor.value_or(ImaUsvojenu(p) ? IzvorArmature::Usvojena : IzvorArmature::Potrebna);
    if (i == IzvorArmature::Usvojena)
        return {PovrsinaArmature(p.ArmGornja), PovrsinaArmature(p.ArmDonja), i};
    return {p.Aa1, p.Aa2, i};
}

} // namespace nmk
