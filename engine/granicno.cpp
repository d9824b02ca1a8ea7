#include "engine/granicno.h"

#include "engine/dim.h"
#include "engine/greska.h"
#include "engine/materijali.h"
#include "engine/pretraga.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace nmk {

namespace {

// What every trial of a calculation reads: the working object and the section's material
// values, already checked.
struct Kontekst {
    const TDim& dim;
    ZakonCelika celik;
    Poruke* poruke = nullptr; // null while the project's messages are off
    double fB = 0;
    double sigv = 0;
    double d = 0;  // effective depth h - d2
    double yc = 0; // gross centroid above the bottom face
    BrojacPokusaja* brojac = nullptr;
    NacinPretrage nacin = NacinPretrage::Brza;
};

Kontekst NapraviKontekst(const TPresjek& p, const Okruzenje& o) {
    const TDim& dim = *p.Dim;
    Poruke* poruke = o.PrikaziPoruke ? &o.poruke : nullptr;
    return {dim,       ZakonCelikaPresjeka(p, o.katalozi),
            poruke,    p.fB,
            p.sigv,    dim.h - dim.d2,
            yc(dim),   o.brojac,
            o.pretraga};
}

// A normalised quantity is kept in single precision; a non-finite one (a zero width, depth
// or strength) ends the calculation.
float Normirano(double x) {
    return static_cast<float>(Konacno(x));
}

// The strain state that mode 1 found and the moment it carries.
struct Stanje {
    float ea = 0; // tension steel strain; in the fifth domain the bottom face strain
    float eb = 0; // top face strain
    bool peto = false;
    double Mu = 0;
};

// ---- Domains 1 to 4: the neutral axis inside the section ------------------------------------

// Given normal force and reinforcement per d b fB (normal force compression positive).
struct Normirano14 {
    float nu = 0;
    float omega1 = 0;
    float omega2 = 0;
};

Normirano14 Normiraj14(const TPresjek& p, const Kontekst& k) {
    const double osnova = k.d * k.dim.b * k.fB;
    return {Normirano(-p.Nu * 10 / osnova), Normirano(p.Aa1 * k.sigv / osnova),
            Normirano(p.Aa2 * k.sigv / osnova)};
}

float Ostatak14(const Kontekst& k, const Normirano14& n, float ea, float eb) {
    const double sC = sigmaA(k.dim, k.celik, Sloj::Pritisnuti, eb, ea);
    const double sT = sigmaA(k.dim, k.celik, Sloj::Zategnuti, eb, ea);
    const double r =
        n.nu - omegaB(k.dim, ea, eb, k.poruke) - sC * n.omega1 / k.sigv + sT * n.omega2 / k.sigv;
    return static_cast<float>(Konacno(r));
}

// Depth of the concrete force below the top face, cm; only for a state with a compressed zone.
double DubinaBetonskeSile(const Kontekst& k, double ea, double eb) {
    const double dubinaPoX = static_cast<double>(mT(k.dim, ea, eb, k.poruke)) /
                             static_cast<double>(alfaT(k.dim, ea, eb, k.poruke));
    return dubinaPoX * eb / (eb + ea) * k.d;
}

// The moment about the centroid of the state (ea, eb), kNm. The three terms (concrete, top
// steel, bottom steel) are rounded to float before they are added.
double Moment14(const Kontekst& k, const Normirano14& n, float ea, float eb) {
    const TDim& dim = k.dim;
    const double oB = omegaB(dim, ea, eb, k.poruke);
    const double sC = sigmaA(dim, k.celik, Sloj::Pritisnuti, eb, ea);
    const double sT = sigmaA(dim, k.celik, Sloj::Zategnuti, eb, ea);
    double t1 = 0; // no compressed zone: no concrete force and no lever to evaluate
    if (oB != 0)
        t1 = static_cast<float>((dim.h - k.yc - DubinaBetonskeSile(k, ea, eb)) * oB / k.d);
    const double t2 = static_cast<float>(sC * n.omega1 * (dim.h - k.yc - dim.d1) / (k.d * k.sigv));
    const double t3 = static_cast<float>(sT * n.omega2 * (k.yc - dim.d2) / (k.d * k.sigv));
    return Konacno(k.d * k.d * dim.b * k.fB * (t1 + t2 + t3) / 1000);
}

// The residual is a positive multiple of (normal force of the trial state - given normal
// force), so a change of its sign between two trials brackets the equilibrium; a residual of
// exactly zero is the equilibrium itself. Path 1 keeps the tension steel at its limit and
// raises the top strain towards 3.5; path 2 keeps 3.5 at the top and lowers the steel strain
// until the neutral axis reaches the bottom face (ea = -3.5 d2 / h): up to there the formulas
// of these domains hold, and there the fifth domain begins, so the two scans leave no band of
// normal forces between them in which no state could be found. The record of the residual
// carries over from path 1 to path 2.
std::optional<Stanje> Podrucja1do4Doslovno(const TPresjek& p, const Kontekst& k,
                                           const GranicniPutevi& g, PromjenaZnaka& zapis) {
    const Normirano14 n = Normiraj14(p, k);
    const float eaMax = g.put2.pocetak;
    auto probaj = [&](float ea, float eb) { return zapis.Prihvati({1, Ostatak14(k, n, ea, eb)}); };
    for (Hod<float> hod(g.put1, k.brojac); hod.Sljedeci();)
        if (probaj(eaMax, hod.Vrijednost()))
            return Stanje{eaMax, hod.Vrijednost(), false, Moment14(k, n, eaMax, hod.Vrijednost())};
    for (Hod<float> hod(g.put2, k.brojac); hod.Sljedeci();)
        if (probaj(hod.Vrijednost(), 3.5f))
            return Stanje{hod.Vrijednost(), 3.5f, false, Moment14(k, n, hod.Vrijednost(), 3.5f)};
    return std::nullopt;
}

// ---- The fast search of domains 1 to 4 ---------------------------------------------------------

// What bounds the residual at one state: the compressed zone and the stresses of the two
// layers, with bounds of their rounding.
struct Mjera14 {
    ZonaZaPretragu zona;
    double sC = 0;
    double sT = 0;
    double gC = 0;
    double gT = 0;
};

Mjera14 Izmjeri14(const Kontekst& k, float ea, float eb) {
    Izbroji(k.brojac);
    Mjera14 m;
    m.zona = ZonaUStanju(k.dim, ea, eb);
    m.sC = sigmaA(k.dim, k.celik, Sloj::Pritisnuti, eb, ea);
    m.sT = sigmaA(k.dim, k.celik, Sloj::Zategnuti, eb, ea);
    const double d1PoD = k.dim.d1 / k.d;
    m.gC = GreskaNapona(k.celik, DilatacijaSloja(k.dim, Sloj::Pritisnuti, eb, ea),
                        GreskaDilatacije(eb, ea, d1PoD));
    m.gT = GreskaNapona(k.celik, ea, 0); // the tension layer's strain is ea itself
    return m;
}

// Along path 1 and path 2 the concrete force and the stress of either layer are monotone
// (the strain at every depth moves one way), so between two states every term of the
// residual lies between its values there, widened by the rounding of the ends and of the
// trial itself. The residual's sign is certain when the interval keeps clear of zero by more
// than the rounding of its own sum; no trial in between may show a message of the concrete
// law (the strain at the flange's underside stays below 3.5).
std::optional<Potpis> IzvjesnostOstatka14(const Kontekst& k, const Normirano14& n, const Mjera14& a,
                                          const Mjera14& b) {
    if (!a.zona.ispravna || !b.zona.ispravna)
        return std::nullopt;
    if (k.poruke && std::max(a.zona.e0, b.zona.e0) > 3.5 - 1e-9)
        return std::nullopt;
    const Raspon om = Raspon::Od(a.zona.omegaB, b.zona.omegaB)
                          .Prosiren(2 * std::max(a.zona.gOmega, b.zona.gOmega));
    const Raspon sC = Raspon::Od(a.sC, b.sC).Prosiren(2 * std::max(a.gC, b.gC));
    const Raspon sT = Raspon::Od(a.sT, b.sT).Prosiren(2 * std::max(a.gT, b.gT));
    const double c1 = n.omega1 / k.sigv, c2 = n.omega2 / k.sigv;
    const Raspon r = Raspon::Tacka(n.nu) - om - c1 * sC + c2 * sT;
    const double velicina = std::fabs(n.nu) + om.Najveci() + std::fabs(c1) * sC.Najveci() +
                            std::fabs(c2) * sT.Najveci();
    if (!r.Konacan())
        return std::nullopt;
    const int z = r.Znak(1e-13 * velicina + 1e-36);
    if (z == 0)
        return std::nullopt;
    return Potpis{1, z, 0, 0};
}

// The fast search proves its ranges from the monotone terms; it needs a real section, a
// positive steel limit on path 1 and the neutral axis inside the section on path 2.
bool Pogodno14(const Kontekst& k, float eaMax) {
    const TDim& d = k.dim;
    for (double x : {d.b, d.b0, d.h0, d.h, k.d, k.fB, k.sigv, k.celik.Es})
        if (!(x > 0) || !std::isfinite(x))
            return false;
    return std::isfinite(d.d1) && d.d2 < d.h && eaMax > 0 && std::isfinite(eaMax);
}

std::optional<Stanje> Podrucja1do4Brzo(const TPresjek& p, const Kontekst& k,
                                       const GranicniPutevi& g, PromjenaZnaka& zapis) {
    const Normirano14 n = Normiraj14(p, k);
    const float eaMax = g.put2.pocetak;
    auto put = [&](const Put<float>& putanja, auto stanje) -> std::optional<Stanje> {
        IndeksiraniPut<float> ip(putanja);
        Zapamceno<Mjera14> mjere;
        auto mjera = [&](std::int64_t j) -> const Mjera14& {
            return mjere.Daj(j, [&](std::int64_t jj) {
                const auto [ea, eb] = stanje(ip.Vrijednost(jj));
                return Izmjeri14(k, ea, eb);
            });
        };
        auto proba = [&](std::int64_t j) {
            Izbroji(k.brojac);
            const auto [ea, eb] = stanje(ip.Vrijednost(j));
            return Pokusaj{1, Ostatak14(k, n, ea, eb)};
        };
        auto izvjesno = [&](std::int64_t i, std::int64_t j) {
            const Mjera14 a = mjera(i);
            return IzvjesnostOstatka14(k, n, a, mjera(j));
        };
        auto uvijek = [](std::int64_t, const Pokusaj&) { return true; };
        auto priblizno = [&](std::int64_t j) {
            const Mjera14& m = mjera(j);
            return n.nu - m.zona.omegaB - m.sC * n.omega1 / k.sigv + m.sT * n.omega2 / k.sigv;
        };
        const std::optional<std::int64_t> j = PrvaPromjenaNaPutu(
            ip, zapis, proba, izvjesno, uvijek, false, SlutnjaPromjene(ip.Broj(), priblizno));
        if (!j)
            return std::nullopt;
        const auto [ea, eb] = stanje(ip.Vrijednost(*j));
        return Stanje{ea, eb, false, Moment14(k, n, ea, eb)};
    };
    if (auto s = put(g.put1, [eaMax](float x) { return std::pair{eaMax, x}; }))
        return s;
    return put(g.put2, [](float x) { return std::pair{x, 3.5f}; });
}

std::optional<Stanje> Podrucja1do4(const TPresjek& p, const Kontekst& k, const GranicniPutevi& g,
                                   PromjenaZnaka& zapis) {
    if (k.nacin == NacinPretrage::Doslovna || !Pogodno14(k, g.put2.pocetak))
        return Podrucja1do4Doslovno(p, k, g, zapis);
    return Podrucja1do4Brzo(p, k, g, zapis);
}

// ---- Fifth domain: the whole section compressed ---------------------------------------------

// Given normal force and reinforcement per b h fB.
Normirano14 Normiraj5(const TPresjek& p, const Kontekst& k) {
    const double osnova = k.dim.b * k.dim.h * k.fB;
    return {Normirano(-p.Nu * 10 / osnova), Normirano(p.Aa1 * k.sigv / osnova),
            Normirano(p.Aa2 * k.sigv / osnova)};
}

float Ostatak5(const Kontekst& k, const Normirano14& n, float eBot, float eTop) {
    const double sTop = sigmaA5(k.dim, k.celik, Sloj::Pritisnuti, eBot, eTop);
    const double sBot = sigmaA5(k.dim, k.celik, Sloj::Zategnuti, eBot, eTop);
    const double r =
        n.nu - alfa5(k.dim, eBot, eTop) - sTop * n.omega1 / k.sigv - sBot * n.omega2 / k.sigv;
    return static_cast<float>(Konacno(r));
}

double Moment5(const Kontekst& k, const Normirano14& n, float eBot, float eTop) {
    const TDim& dim = k.dim;
    const double h = dim.h;
    const double sTop = sigmaA5(dim, k.celik, Sloj::Pritisnuti, eBot, eTop);
    const double sBot = sigmaA5(dim, k.celik, Sloj::Zategnuti, eBot, eTop);
    const double S = static_cast<double>(e5(dim, eBot, eTop, k.fB)) * alfa5(dim, eBot, eTop) / h;
    const double U = sTop * n.omega1 * (h - k.yc - dim.d1) / (k.sigv * h);
    const double V = sBot * n.omega2 * (k.yc - dim.d2) / (k.sigv * h);
    return Konacno(h * h * dim.b * k.fB * (S + U - V) / 1000);
}

// The top strain runs from 3.5 to 2 through the pivot at 3h/7. The record of the residual
// comes from the end of path 2, whose last state is the first one here within one step.
// Over steps i .. j every term of the residual lies in the intervals of RasponPetog.
std::optional<Potpis> IzvjesnostOstatka5(const Kontekst& k, const Normirano14& n, int i, int j) {
    Izbroji(k.brojac);
    const PetoURasponu r = RasponPetog(k.dim, k.celik, k.fB, i, j);
    const double c1 = n.omega1 / k.sigv, c2 = n.omega2 / k.sigv;
    const Raspon ost = Raspon::Tacka(n.nu) - r.a5 - c1 * r.sTop - c2 * r.sBot;
    const double velicina = std::fabs(n.nu) + r.a5.Najveci() + std::fabs(c1) * r.sTop.Najveci() +
                            std::fabs(c2) * r.sBot.Najveci();
    const int z = ost.Znak(1e-13 * velicina + 1e-36);
    if (z == 0 || !ost.Konacan())
        return std::nullopt;
    return Potpis{1, z, 0, 0};
}

std::optional<Stanje> PetoPodrucje(const TPresjek& p, const Kontekst& k, PromjenaZnaka& zapis) {
    const Normirano14 n = Normiraj5(p, k);
    constexpr int kKoraka = GranicniPutevi::KoraciPetogPodrucja + 1;
    auto stanje = [&](std::int64_t i) {
        const StanjePetog s = StanjePetogPodrucja(static_cast<int>(i));
        return Stanje{s.eBot, s.eTop, true, Moment5(k, n, s.eBot, s.eTop)};
    };
    auto proba = [&](std::int64_t i) {
        const StanjePetog s = StanjePetogPodrucja(static_cast<int>(i));
        return Pokusaj{1, Ostatak5(k, n, s.eBot, s.eTop)};
    };
    const TDim& d = k.dim;
    const bool pogodno =
        k.nacin == NacinPretrage::Brza && Pogodno14(k, 1) && d.d1 > 0 && d.d1 < d.h && d.d2 > 0;
    if (!pogodno) {
        BrojPuta broj(k.brojac);
        for (int i = 0; i < kKoraka; ++i) {
            broj.Jos();
            if (zapis.Prihvati(proba(i)))
                return stanje(i);
        }
        return std::nullopt;
    }
    auto brojana = [&](std::int64_t i) {
        Izbroji(k.brojac);
        return proba(i);
    };
    auto izvjesno = [&](std::int64_t i, std::int64_t j) {
        return IzvjesnostOstatka5(k, n, static_cast<int>(i), static_cast<int>(j));
    };
    auto uvijek = [](std::int64_t, const Pokusaj&) { return true; };
    auto priblizno = [&](std::int64_t i) { return brojana(i).r; };
    if (const auto i = PrvaPromjena(kKoraka, zapis, brojana, izvjesno, uvijek, false,
                                    SlutnjaPromjene(kKoraka, priblizno)))
        return stanje(*i);
    return std::nullopt;
}

// ---- Mode 2 -----------------------------------------------------------------------------------

struct Sile {
    double Nu = 0; // kN, tension positive
    double Mu = 0; // kNm, sagging positive
};

// Domains 1 to 4; the forces are rounded to float, compression positive for the top steel
// and the concrete, tension positive for the bottom steel.
Sile Sile14(const TPresjek& p, const Kontekst& k, double ea, double eb) {
    const TDim& dim = k.dim;
    const double FC = static_cast<float>(
        static_cast<double>(sigmaA(dim, k.celik, Sloj::Pritisnuti, eb, ea)) * p.Aa1 / 10);
    const double FT = static_cast<float>(
        static_cast<double>(sigmaA(dim, k.celik, Sloj::Zategnuti, eb, ea)) * p.Aa2 / 10);
    // Without a compressed top face there is no concrete force, and the depth of its
    // resultant (a 0/0) is not evaluated.
    double Fc = 0;
    double krak = 0;
    if (eb > 0) {
        const double oB = omegaB(dim, ea, eb, k.poruke);
        Fc = static_cast<float>(oB * dim.b * k.d * k.fB / 10);
        if (oB != 0)
            krak = dim.h - k.yc - DubinaBetonskeSile(k, ea, eb);
    }
    const double Mu = (FC * (dim.h - k.yc - dim.d1) + FT * (k.yc - dim.d2) + Fc * krak) / 100;
    return {Konacno(FT - FC - Fc), Konacno(Mu)};
}

// The fifth domain: ea is the strain of the bottom face, eb that of the top face, both
// compressive; every force is compression positive.
Sile Sile5(const TPresjek& p, const Kontekst& k, double ea, double eb) {
    const TDim& dim = k.dim;
    const double Ftop = static_cast<float>(
        static_cast<double>(sigmaA5(dim, k.celik, Sloj::Pritisnuti, ea, eb)) * p.Aa1 / 10);
    const double Fbot = static_cast<float>(
        static_cast<double>(sigmaA5(dim, k.celik, Sloj::Zategnuti, ea, eb)) * p.Aa2 / 10);
    const double Fc =
        static_cast<float>(static_cast<double>(alfa5(dim, ea, eb)) * dim.b * dim.h * k.fB / 10);
    const double e = e5(dim, ea, eb, k.fB);
    const double Mu = (Ftop * (dim.h - k.yc - dim.d1) - Fbot * (k.yc - dim.d2) + Fc * e) / 100;
    return {Konacno(-(Ftop + Fbot + Fc)), Konacno(Mu)};
}

} // namespace

void GranicniMomenat(TPresjek& p, const Okruzenje& o) {
    RadniObjekat radni(p);
    PripremiDim(p, o.katalozi, false, true);
    const Kontekst k = NapraviKontekst(p, o);
    const GranicniPutevi g = PuteviGranicnihStanja(epsaMax(p, o.betonEx), k.dim.d2, k.dim.h);
    PromjenaZnaka zapis(PromjenaZnaka::Pravilo::Ravnoteza, false);
    std::optional<Stanje> s = Podrucja1do4(p, k, g, zapis);
    if (!s)
        s = PetoPodrucje(p, k, zapis);
    if (!s)
        return; // no state: Mu, epsa and epsb keep their values
    p.Mu = s->Mu;
    p.epsa = s->ea;
    p.epsb = s->eb;
    // The bit describes the state just written, whatever the form left in it.
    if (s->peto)
        p.Status |= sfPetoPodrucje;
    else
        p.Status &= static_cast<std::uint16_t>(~sfPetoPodrucje);
}

void GranicneSile(TPresjek& p, const Okruzenje& o) {
    RadniObjekat radni(p);
    PripremiDim(p, o.katalozi, false, true);
    const Kontekst k = NapraviKontekst(p, o);
    const Sile s =
        p.ima(sfPetoPodrucje) ? Sile5(p, k, p.epsa, p.epsb) : Sile14(p, k, p.epsa, p.epsb);
    p.Nu = s.Nu;
    p.Mu = s.Mu;
}

// ---- One side of a section, for the interaction curve ------------------------------------------

struct StranaPresjeka::Podaci {
    TPresjek q; // the section with the areas of this side (the top one first)
    Okruzenje o;
    std::optional<Kontekst> k;
    GranicniPutevi g;
};

StranaPresjeka::StranaPresjeka(const TPresjek& p, double Aa1, double Aa2, const Okruzenje& o,
                               bool okrenut)
    : p_(std::make_unique<Podaci>(Podaci{p, o, std::nullopt, {}})) {
    TPresjek& q = p_->q;
    q.Aa1 = okrenut ? Aa2 : Aa1;
    q.Aa2 = okrenut ? Aa1 : Aa2;
    q.Dim.create();
    PripremiDim(q, o.katalozi, false, true);
    if (okrenut)
        Okreni(*q.Dim, q);
    p_->k.emplace(NapraviKontekst(q, p_->o));
    p_->g = PuteviGranicnihStanja(epsaMax(q, o.betonEx), q.Dim->d2, q.Dim->h);
}

StranaPresjeka::~StranaPresjeka() = default;

const GranicniPutevi& StranaPresjeka::Putevi() const {
    return p_->g;
}

GranicnoStanje StranaPresjeka::Stanje(float ea, float eb, bool peto) const {
    const Sile s = peto ? Sile5(p_->q, *p_->k, ea, eb) : Sile14(p_->q, *p_->k, ea, eb);
    return {ea, eb, peto, s.Nu, s.Mu};
}

std::optional<GranicnoStanje> StranaPresjeka::MomentZaSilu(double Nu) const {
    TPresjek& q = p_->q;
    q.Nu = Nu;
    PromjenaZnaka zapis(PromjenaZnaka::Pravilo::Ravnoteza, false);
    std::optional<nmk::Stanje> s = Podrucja1do4(q, *p_->k, p_->g, zapis);
    if (!s)
        s = PetoPodrucje(q, *p_->k, zapis);
    if (!s)
        return std::nullopt;
    return GranicnoStanje{s->ea, s->eb, s->peto, Nu, s->Mu};
}

double StranaPresjeka::h() const {
    return p_->k->dim.h;
}

double StranaPresjeka::d() const {
    return p_->k->d;
}

} // namespace nmk
