#include "engine/dimenzioniranje.h"

#include "engine/dim.h"
#include "engine/format.h"
#include "engine/greska.h"
#include "engine/materijali.h"
#include "engine/pretraga.h"
#include "engine/propisi.h"
#include "engine/smicanje.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace nmk {

namespace {

// Everything one design reads and writes: the section, its working object (turned so that
// the compressed face is at the top) and the environment.
//
// Single precision: Ma, mu_sd, the reduced quantities and every search strain are floats, so
// the strain steps accumulate in float exactly as the program always stepped them; a step is
// added in double and the sum rounded to float.
struct Proracun {
    TPresjek& p;
    TDim& d;
    const Okruzenje& o;
    Poruke* zakon = nullptr; // sink for the messages of the concrete law
    ZakonCelika celik;
    GraniceDilatacija g;
    float Ma = 0;   // moment about the tension steel, kNcm
    float muSd = 0; // reduced moment

    double dd() const { return d.h - d.d2; }
    double yc() const { return nmk::yc(d); }
    float omegaB(double ea, double eb) const { return nmk::omegaB(d, ea, eb, zakon); }
    float zeta(double ea, double eb) const { return nmk::zeta(d, ea, eb, zakon); }
    float mu(double ea, double eb) const { return nmk::mu(d, ea, eb, zakon); }
    float napon(double eps) const { return NaponCelika(celik, eps); }
    float sigmaA(Sloj s, double eb, double ea) const { return nmk::sigmaA(d, celik, s, eb, ea); }
    float sigmaA5(Sloj s, double eBot, double eTop) const {
        return nmk::sigmaA5(d, celik, s, eBot, eTop);
    }
    bool Doslovno() const { return o.pretraga == NacinPretrage::Doslovna; }
    // What the fast searches prove their ranges with: a real section and material.
    bool Pogodno() const {
        for (double x : {d.b, d.b0, d.h0, d.h, dd(), p.fB, p.sigv, celik.Es})
            if (!(x > 0) || !std::isfinite(x))
                return false;
        return std::isfinite(d.d1) && d.d1 >= 0 && d.d2 < d.h;
    }
};

float UFloat(double x) {
    return static_cast<float>(Konacno(x));
}

// ---- Minimum and maximum reinforcement -------------------------------------------------------

std::string Povrsina(double x) {
    return FormatirajBroj(x, 15, 2);
}

void MinMaxArmatura(Proracun& c) {
    TDim& d = c.d;
    const TPresjek& p = c.p;
    const double A = PovrsinaBruto(d);
    // The message is formed only when it is shown; the areas change either way.
    const bool prikazi = c.o.PrikaziPoruke;
    std::string poruka;
    const double maxAs = Konacno(0.04 * A);
    if (d.AsC > maxAs && prikazi)
        poruka = "As_c = " + Povrsina(d.AsC) + " cm2 > maxAs = " + Povrsina(maxAs) + " cm2";
    if (d.AsT > maxAs && prikazi)
        poruka += "\r\nAs_t = " + Povrsina(d.AsT) + " cm2 > maxAs = " + Povrsina(maxAs) + " cm2";
    if (p.ima(sfPetoPodrucje)) {
        // Per layer: half of the larger of 15 % of the force over the yield stress and 0.3 %.
        const double minAs =
            Konacno(std::max(std::fabs(p.Nu) * 0.15 / (p.sigv * 0.1) / 2, 0.003 * A / 2));
        if (d.AsT < minAs) {
            if (prikazi)
                poruka = "As = " + Povrsina(2 * d.AsT) + " cm2 < minAs = " + Povrsina(2 * minAs) +
                         " cm2";
            d.AsT = d.AsC = minAs;
        }
    } else {
        const double fyk = c.o.katalozi.celik.at(static_cast<std::size_t>(p.Celik)).fyk;
        const double minAs = Konacno(std::max(0.6 * d.b0 * d.h / fyk, 0.0015 * d.b0 * d.h));
        if (d.AsT < minAs) {
            if (prikazi)
                poruka = "As = " + Povrsina(d.AsT) + " cm2 < minAs = " + Povrsina(minAs) + " cm2";
            d.AsT = minAs;
            if (p.ima(sfSimetricno))
                d.AsC = minAs;
        }
    }
    if (!poruka.empty())
        c.o.poruke.Prikazi(poruka, VrstaPoruke::Upozorenje, dgOK);
}

// ---- The branches of the design --------------------------------------------------------------

// Pure normal force: both layers alike, in tension at the yield strain or compressed at 2.
void CistaNormalnaSila(Proracun& c) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    double As = 0;
    if (p.Nu >= 0) {
        d.epsa = d.epsb = p.epsv;
        p.Status |= sfZategnut;
        As = p.Nu / (p.sigv * 2 / 10);
    } else {
        const double s = c.napon(2);
        As = (-p.Nu - PovrsinaBruto(d) * p.fB / 10) / (s * 2 / 10);
        d.epsa = d.epsb = 2;
        p.Status |= sfPetoPodrucje;
    }
    Konacno(As);
    if (As > 0)
        d.AsC = d.AsT = As;
}

// Both layers in tension (the force acts between them): the lever rule.
void ObaZategnuta(Proracun& c) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    p.Status |= sfZategnut;
    const double F = Konacno(c.Ma / (d.h - (d.d1 + d.d2)));
    d.AsC = std::fabs(F / (p.sigv * 0.1));
    d.AsT = std::fabs((F + p.Nu) / (p.sigv * 0.1));
    d.epsa = d.epsb = Opis(p.Propis).dilatacijaZategnutog;
}

// The tension steel for the strain state found by a scan; the face without reinforcement.
void ZategnutaArmatura(Proracun& c) {
    TDim& d = c.d;
    const double sT = c.napon(d.epsa);
    const double As = c.Ma / (sT * c.zeta(d.epsa, d.epsb) * c.dd() * 0.1) + c.p.Nu / (sT * 0.1);
    // A negative area means the face needs no reinforcement.
    d.AsT = std::max(Konacno(As), 0.0);
    d.AsC = 0;
}

// ---- Domains 2 and 3: the state of the nearest reduced moment ------------------------------

// Domain 2: the steel at its limit strain, the concrete strain raised from 0 in steps of
// 0.0002 while below 3.49979.
Put<float> PutPodrucja2() {
    Put<float> put;
    put.korak = 0.0002;
    put.staraIspred = 3.49979;
    return put;
}

// Domain 3: the concrete at 3.5, the steel strain lowered from its limit in steps of 0.005
// while above the limit of single reinforcement.
Put<float> PutPodrucja3(const GraniceDilatacija& g) {
    Put<float> put;
    put.pocetak = g.epsaMax;
    put.korak = -0.005;
    put.staraIspred = g.epsaLim;
    return put;
}

// The trial of the scan whose reduced moment mu(ea, eb) lies nearest to mu_sd; only positive
// moments take part when samoPozitivne. `stanje(x)` gives the strains (ea, eb) of the trial
// strain x. Returns the strain of the trial kept, or `nista` when none was.
//
// The fast search: along both scans the strain at every depth above the tension steel grows
// (domain 2 raises eb with ea fixed and positive; domain 3 lowers ea with eb at 3.5, ea not
// below 0), so the concrete's moment about the tension steel, mu, does not decrease; the
// values of a stretch of trials lie between those at its ends (widened by their rounding).
template <class Stanje>
float NajbliziMoment(Proracun& c, const Put<float>& put, bool samoPozitivne, float nista,
                     Stanje&& stanje) {
    NajblizaTacka t(c.muSd, samoPozitivne);
    float najbolja = nista;
    IndeksiraniPut<float> ip(put);
    const bool brzo =
        !c.Doslovno() && c.Pogodno() && ip.Broj() > 0 && ip.Broj() <= NajvisePokusajaPuta &&
        stanje(ip.Vrijednost(ip.Broj() - 1)).first >= 0 && stanje(ip.Vrijednost(0)).first > 0;
    if (!brzo) {
        std::int64_t j = 0;
        for (Hod<float> hod(put, c.o.brojac); hod.Sljedeci(); ++j) {
            const auto [ea, eb] = stanje(hod.Vrijednost());
            if (t.Probaj(j, c.mu(ea, eb)))
                najbolja = hod.Vrijednost();
        }
        return najbolja;
    }
    Zapamceno<ZonaZaPretragu> zone;
    auto zona = [&](std::int64_t j) -> const ZonaZaPretragu& {
        return zone.Daj(j, [&](std::int64_t jj) {
            Izbroji(c.o.brojac);
            const auto [ea, eb] = stanje(ip.Vrijednost(jj));
            return ZonaUStanju(c.d, ea, eb);
        });
    };
    auto vrijednost = [&](std::int64_t j) {
        Izbroji(c.o.brojac);
        const auto [ea, eb] = stanje(ip.Vrijednost(j));
        return c.mu(ea, eb);
    };
    auto procjena = [&](std::int64_t j) { return zona(j).mu; };
    auto tacno = [&](std::int64_t j) {
        Izbroji(c.o.brojac);
        const auto [ea, eb] = stanje(ip.Vrijednost(j));
        return nmk::mu(c.d, ea, eb);
    };
    auto granice = [&](std::int64_t i, std::int64_t j) -> std::optional<Raspon> {
        const ZonaZaPretragu a = zona(i);
        const ZonaZaPretragu& b = zona(j);
        if (!a.ispravna || !b.ispravna || (c.zakon && std::max(a.e0, b.e0) > 3.5 - 1e-9))
            return std::nullopt;
        const double g = 2 * std::max(a.gMu, b.gMu);
        return Raspon{a.mu - g, b.mu + g};
    };
    NajblizaBrzo(ip.Broj(), t, vrijednost, procjena, tacno, granice);
    if (const std::optional<std::int64_t> j = t.Indeks())
        najbolja = ip.Vrijednost(*j);
    return najbolja;
}

void Podrucje2(Proracun& c) {
    const float ea = c.g.epsaMax;
    const float eb = NajbliziMoment(c, PutPodrucja2(), true, 0.0f, [ea](float x) {
        return std::pair{ea, x};
    });
    c.d.epsa = ea;
    c.d.epsb = eb;
    ZategnutaArmatura(c);
}

void Podrucje3(Proracun& c) {
    c.d.epsa = NajbliziMoment(c, PutPodrucja3(c.g), false, c.g.epsaMax, [](float x) {
        return std::pair{x, 3.5f};
    });
    c.d.epsb = 3.5;
    ZategnutaArmatura(c);
}

// ---- Fifth domain -----------------------------------------------------------------------------

// The reduced quantities of the fifth domain and what every one of its trials shares.
struct Peto {
    float mu5 = 0;
    float nu5 = 0;
    double krakGore = 0; // top layer above the centroid
    double krakDole = 0; // bottom layer below the centroid
};

// Trial i of the fifth domain; `podatak` is omegaN, the area per b h fB / sigv if accepted.
Pokusaj PetiPokusaj(const Proracun& c, const Peto& s, int i) {
    const TDim& d = c.d;
    const double h = d.h;
    const double sigv = c.p.sigv;
    const StanjePetog st = StanjePetogPodrucja(i);
    const double sTop = c.sigmaA5(Sloj::Pritisnuti, st.eBot, st.eTop);
    const double sBot = c.sigmaA5(Sloj::Zategnuti, st.eBot, st.eTop);
    const double a5 = alfa5(d, st.eBot, st.eTop);
    const double momentBetona = e5(d, st.eBot, st.eTop, c.p.fB) * a5 / h;
    const double nazivnikN = (sBot + sTop) / sigv;
    const double nazivnikM = s.krakGore * sTop - s.krakDole * sBot;
    const float omegaN = nazivnikN != 0 ? static_cast<float>((s.nu5 - a5) / nazivnikN) : 0.0f;
    if (std::fabs(nazivnikM) <= 1e-16)
        return {1, static_cast<float>(s.mu5 - momentBetona), 0, 0, omegaN};
    const float omegaM = static_cast<float>((s.mu5 - momentBetona) / (nazivnikM / (sigv * h)));
    return {2, static_cast<float>(omegaN - omegaM), Znak(nazivnikN), Znak(nazivnikM), omegaN};
}

// Over steps i .. j of the fifth domain the residual's quantities lie in the intervals of
// RasponPetog. With both layers certainly yielding, the denominators are the constants every
// step computes; otherwise they must keep clear of zero (and the moment's denominator of the
// band that makes a step of kind 1).
std::optional<Potpis> IzvjesnostPetog(const Proracun& c, const Peto& s, int i, int j) {
    Izbroji(c.o.brojac);
    const PetoURasponu r = RasponPetog(c.d, c.celik, c.p.fB, i, j);
    if (!r.momentIzvjestan)
        return std::nullopt;
    constexpr double kFloat = 0x1.0p-22;
    const double sigv = c.p.sigv, h = c.d.h;
    Raspon nazivnikN, nazivnikM;
    if (r.sigurnoTeku) {
        const double sv = static_cast<float>(sigv);
        const double nM = s.krakGore * sv - s.krakDole * sv;
        if (std::fabs(nM) <= 1e-16) { // kind 1: the moment alone decides
            const Raspon m = Raspon::Tacka(s.mu5) - r.moment;
            const int z = m.Znak(1e-14 * (std::fabs(s.mu5) + r.moment.Najveci()) + 1e-36);
            if (z == 0 || !m.Konacan())
                return std::nullopt;
            return Potpis{1, z, 0, 0};
        }
        nazivnikN = Raspon::Tacka((sv + sv) / sigv);
        nazivnikM = Raspon::Tacka(nM);
    } else {
        const double pad = 1e-14 * (r.sTop.Najveci() + r.sBot.Najveci()) *
                           (1 + std::fabs(s.krakGore) + std::fabs(s.krakDole));
        nazivnikN = (1 / sigv) * (r.sBot + r.sTop);
        nazivnikM = s.krakGore * r.sTop - s.krakDole * r.sBot;
        if (nazivnikN.Znak(pad / sigv + 1e-300) == 0 || nazivnikM.Znak(1e-16 + pad) == 0)
            return std::nullopt;
    }
    const std::optional<Raspon> omegaN = Podijeli(Raspon::Tacka(s.nu5) - r.a5, nazivnikN);
    const std::optional<Raspon> omegaM =
        Podijeli(Raspon::Tacka(s.mu5) - r.moment, (1 / (sigv * h)) * nazivnikM);
    if (!omegaN || !omegaM)
        return std::nullopt;
    const Raspon oN = omegaN->Prosiren(kFloat * omegaN->Najveci() + 1e-38);
    const Raspon oM = omegaM->Prosiren(kFloat * omegaM->Najveci() + 1e-38);
    const Raspon rez = oN - oM;
    const int z = rez.Znak(kFloat * (oN.Najveci() + oM.Najveci()) + 1e-36);
    if (z == 0 || !rez.Konacan())
        return std::nullopt;
    return Potpis{2, z, Znak(nazivnikN.od), Znak(nazivnikM.od)};
}

// The steps of the fifth domain at which a layer reaches the yield strain: the kind of the
// trials may change there. Each layer's strain is monotone along the steps.
Podjela PrelomiPetog(const Proracun& c) {
    Podjela p;
    const double ev = 1000 * c.p.sigv / c.celik.Es;
    for (Sloj sloj : {Sloj::Pritisnuti, Sloj::Zategnuti}) {
        auto eps = [&](int i) {
            const StanjePetog s = StanjePetogPodrucja(i);
            return DilatacijaSloja5(c.d, sloj, s.eBot, s.eTop);
        };
        const int n = GranicniPutevi::KoraciPetogPodrucja;
        const bool raste = eps(n) > eps(0);
        if ((eps(0) < ev) != (eps(n) < ev)) {
            int lo = 0, hi = n; // the yield strain lies between lo and hi
            while (hi - lo > 1) {
                const int m = lo + (hi - lo) / 2;
                ((eps(m) < ev) == raste ? lo : hi) = m;
            }
            p.Dodaj(hi);
        }
    }
    return p;
}

// The fast search proves its ranges on a section whose layers lie inside it.
bool PogodnoPeto(const Proracun& c) {
    const TDim& d = c.d;
    return c.Pogodno() && d.d1 > 0 && d.d1 < d.h && d.d2 > 0;
}

// Fifth domain, symmetric: the strain turns about the pivot from 3.5 at the top down to
// 2 per mille over the whole depth. Returns false when no state was accepted; the areas and
// strains are then 0.
bool PetoPodrucje(Proracun& c) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    p.Status |= sfPetoPodrucje;
    const double h = d.h;
    const Peto s{UFloat(d.M * 1000 / (h * h * d.b * p.fB)), UFloat(-p.Nu * 10 / (d.b * h * p.fB)),
                 h - c.yc() - d.d1, c.yc() - d.d2};
    PromjenaZnaka t(PromjenaZnaka::Pravilo::Proizvod, true);
    constexpr int kKoraka = GranicniPutevi::KoraciPetogPodrucja + 1;
    std::optional<int> nadjen;
    float omegaN = 0;
    if (c.Doslovno() || !PogodnoPeto(c)) {
        BrojPuta broj(c.o.brojac);
        for (int i = 0; i < kKoraka; ++i) {
            broj.Jos();
            const Pokusaj t1 = PetiPokusaj(c, s, i);
            if (t.Prihvati(t1)) {
                nadjen = i;
                omegaN = static_cast<float>(t1.podatak);
                break;
            }
        }
    } else {
        auto proba = [&](std::int64_t i) {
            Izbroji(c.o.brojac);
            return PetiPokusaj(c, s, static_cast<int>(i));
        };
        auto izvjesno = [&](std::int64_t i, std::int64_t j) {
            return IzvjesnostPetog(c, s, static_cast<int>(i), static_cast<int>(j));
        };
        auto uzmi = [&](std::int64_t i, const Pokusaj& t1) {
            nadjen = static_cast<int>(i);
            omegaN = static_cast<float>(t1.podatak);
            return true;
        };
        auto priblizno = [&](std::int64_t i) { return proba(i).r; };
        PrvaPromjena(kKoraka, t, proba, izvjesno, uzmi, false, SlutnjaPromjene(kKoraka, priblizno),
                     PrelomiPetog(c));
    }
    if (!nadjen) {
        d.AsC = d.AsT = d.epsa = d.epsb = 0;
        return false;
    }
    const StanjePetog st = StanjePetogPodrucja(*nadjen);
    d.epsa = st.eBot;
    d.epsb = st.eTop;
    d.AsT = Konacno(omegaN * d.b * h * p.fB / p.sigv);
    if (!(d.AsT > 0))
        d.AsT = d.epsa = d.epsb = 0;
    d.AsC = d.AsT;
    return true;
}

// ---- Symmetric design, domains 1 to 4 ---------------------------------------------------------

// The reduced quantities of the symmetric design in domains 1 to 4.
struct Simetricni {
    float mu = 0;
    float nu = 0;
    double yc = 0; // the gross centroid above the bottom face
};

// One trial state of the symmetric design; `podatak` is omegaM, the area per b d fB / sigv if
// it is accepted.
Pokusaj SimetricniPokusaj(const Proracun& c, const Simetricni& s, float ea, float eb) {
    const TDim& d = c.d;
    const double sigv = c.p.sigv;
    const double dd = c.dd();
    const double y = s.yc;
    const double sT = c.sigmaA(Sloj::Zategnuti, eb, ea);
    const double sC = c.sigmaA(Sloj::Pritisnuti, eb, ea);
    // The concrete's coefficients; with the law's messages off in one pass (the same values).
    KoeficijentiZone k;
    if (c.zakon) {
        k.omegaB = c.omegaB(ea, eb);
        k.alfaT = alfaT(d, ea, eb, c.zakon);
        if (k.alfaT != 0)
            k.mT = mT(d, ea, eb, c.zakon);
    } else {
        k = Koeficijenti(d, ea, eb);
    }
    const double om = k.omegaB;
    // Depth of the concrete resultant per compressed depth, of the actual compressed zone
    // (for a rectangle kp(eb); for a T section with the axis in the web it is deeper).
    const double a = k.alfaT;
    const double dubina = a != 0 ? k.mT / a : 0;
    const double nazivnikM = ((d.h - y - d.d1) * sC + (y - d.d2) * sT) / (dd * sigv);
    const double momentBetona = om * ((d.h - y) / dd - dubina * eb / (ea + eb));
    const float omegaM =
        nazivnikM != 0 ? static_cast<float>((s.mu - momentBetona) / nazivnikM) : 0.0f;
    if (std::fabs(sT - sC) <= 1e-16)
        return {1, static_cast<float>(s.nu - om), 0, 0, omegaM};
    const float omegaN = static_cast<float>((s.nu - om) * sigv / (sC - sT));
    return {2, static_cast<float>(omegaN - omegaM), Znak(sC - sT), Znak(nazivnikM), omegaM};
}

// The paths of the symmetric search from the steel strain ea0.
struct SimetricniPutevi {
    float ea0 = 0;
    float ebPocetak = 0;     // path 1 starts where the compression layer is unstrained
    bool dubokiSloj = false; // that start lies above 3.5: path 1 is empty
    Put<float> put1;         // the steel at ea0, the concrete strain raised
    Put<float> put2;         // the concrete at 3.5, the steel strain lowered
    Put<float> dopuna1;      // the steel at ea0, the concrete strain from 0 to path 1's start
    Put<float> dopuna2;      // the concrete at 3.5, the steel strain from ea0 to path 2's start
};

SimetricniPutevi PuteviSimetricni(const Proracun& c, float ea0) {
    const TDim& d = c.d;
    SimetricniPutevi s;
    s.ea0 = ea0;
    s.ebPocetak = UFloat(d.d1 * ea0 / (d.h - d.d1 - d.d2));
    s.dubokiSloj = s.ebPocetak > 3.5;
    s.put1.pocetak = s.ebPocetak;
    s.put1.korak = 0.001;
    s.put1.staraIspred = 3.4989;
    // Path 2 goes on past a zero steel strain, into the states in which the bottom steel is
    // compressed while the bottom face is not yet, down to the state in which the neutral
    // axis reaches the bottom face, where the fifth domain takes over; its last trial lies
    // within one step beyond it, so that a balance right at the junction is not lost between
    // the two searches.
    s.put2.pocetak = s.dubokiSloj ? UFloat((d.h - d.d1 - d.d2) / d.d1 * 3.5) : ea0;
    s.put2.korak = -0.001;
    s.put2.staraIspred = -3.5 * d.d2 / d.h; // ea at which the bottom face strain is zero
    s.dopuna1.korak = 0.001;
    s.dopuna1.staraIspred = std::min(static_cast<double>(s.ebPocetak), 3.4989);
    s.dopuna1.novaIspred = s.ebPocetak;
    s.dopuna2.pocetak = ea0;
    s.dopuna2.korak = -0.001;
    s.dopuna2.redoslijed = Redoslijed::ProbaPaKorak;
    s.dopuna2.novaIspred = s.put2.pocetak;
    return s;
}

Simetricni NormiranoSimetricno(const Proracun& c) {
    const TDim& d = c.d;
    const double dd = c.dd();
    return {UFloat(d.M * 1000 / (dd * dd * d.b * c.p.fB)),
            UFloat(-c.p.Nu * 10 / (dd * d.b * c.p.fB)), c.yc()};
}

// Takes an accepted trial (ea, eb); `samoSaArmaturom` takes it only when it needs
// reinforcement.
bool UzmiSimetricno(Proracun& c, float ea, float eb, const Pokusaj& pokusaj, bool samoSaArmaturom) {
    TDim& d = c.d;
    const double As = Konacno(pokusaj.podatak * d.b * c.dd() * c.p.fB / c.p.sigv);
    if (samoSaArmaturom && !(As > 0))
        return false;
    d.epsa = ea;
    d.epsb = eb;
    // A negative area means the faces need no reinforcement.
    d.AsT = d.AsC = std::max(As, 0.0);
    return true;
}

// The symmetric search over domains 1 to 4 from the steel strain ea0, trial by trial.
// Returns false when no state balances the forces.
bool SimetricnaPretragaDoslovno(Proracun& c, float ea0) {
    const Simetricni s = NormiranoSimetricno(c);
    const SimetricniPutevi putevi = PuteviSimetricni(c, ea0);
    PromjenaZnaka t(PromjenaZnaka::Pravilo::Proizvod, true);
    auto probaj = [&](float ea, float eb, bool samoSaArmaturom) {
        const Pokusaj pokusaj = SimetricniPokusaj(c, s, ea, eb);
        return t.Prihvati(pokusaj) && UzmiSimetricno(c, ea, eb, pokusaj, samoSaArmaturom);
    };
    // Path 1: the steel at ea0, the concrete strain raised from the state in which the
    // compression layer is unstrained.
    for (Hod<float> hod(putevi.put1, c.o.brojac); hod.Sljedeci();)
        if (probaj(ea0, hod.Vrijednost(), false))
            return true;
    // Path 2: the concrete at 3.5, the steel strain lowered; below about zero (the extension
    // past the states the two families share) a state is taken only when it needs
    // reinforcement, otherwise the fifth domain decides.
    for (Hod<float> hod(putevi.put2, c.o.brojac); hod.Sljedeci();)
        if (probaj(hod.Vrijednost(), 3.5f, hod.Prethodna() <= 0.0011))
            return true;
    // Neither path found a state. A tension with a moment may balance with the top layer in
    // tension too while the top concrete is still compressed: the states below the start of
    // path 1, with the steel at ea0 and the concrete strain between 0 and that start. They
    // are tried only here, with a fresh residual history, and a state is taken only when it
    // needs reinforcement, so every state the two paths find stays as it was. Where that
    // start lies above the ultimate strain (a deep compression layer), the scan stops where
    // path 1 stops: beyond 3.5 per mille the concrete law has no stress, and such a state is
    // no balance.
    t.Obrisi();
    for (Hod<float> hod(putevi.dopuna1, c.o.brojac); hod.Sljedeci();)
        if (probaj(ea0, hod.Vrijednost(), true))
            return true;
    // With such a deep compression layer path 1 is empty and path 2 starts below ea0, so the
    // states with the concrete at 3.5 and the steel between ea0 and that start were never
    // tried. The scan above goes on along them, from the corner at ea0 down to where path 2
    // began, under the same rule.
    if (putevi.dubokiSloj)
        for (Hod<float> hod(putevi.dopuna2, c.o.brojac); hod.Sljedeci();)
            if (probaj(hod.Vrijednost(), 3.5f, true))
                return true;
    return false;
}

// What bounds the symmetric residual at one state: the compressed zone, the stresses of
// the two layers with the bound of their rounding, and the layers' strains.
struct MjeraSimetricna {
    ZonaZaPretragu zona;
    double sC = 0;
    double sT = 0;
    double gC = 0;
    double gT = 0;
    double epsC = 0;
    double epsT = 0;
};

MjeraSimetricna IzmjeriSimetricno(const Proracun& c, float ea, float eb) {
    Izbroji(c.o.brojac);
    MjeraSimetricna m;
    m.zona = ZonaUStanju(c.d, ea, eb);
    m.sC = c.sigmaA(Sloj::Pritisnuti, eb, ea);
    m.sT = c.sigmaA(Sloj::Zategnuti, eb, ea);
    m.epsC = DilatacijaSloja(c.d, Sloj::Pritisnuti, eb, ea);
    m.epsT = DilatacijaSloja(c.d, Sloj::Zategnuti, eb, ea);
    m.gC = GreskaNapona(c.celik, m.epsC, GreskaDilatacije(eb, ea, c.d.d1 / c.dd()));
    m.gT = GreskaNapona(c.celik, m.epsT, 0); // the tension layer's strain is ea itself
    return m;
}

// Between two states of a path of the symmetric search every quantity of the residual lies
// between its values there: the concrete force and its moment about the top face grow along
// every path (the strain at every depth grows), and each layer's strain is linear along it.
// With both layers certainly yielding the trials are of kind 1 (the force alone decides);
// otherwise they are certainly of kind 2 when the two stresses keep apart, and the quotients
// of the residual are bounded when their denominators keep clear of zero. Nothing is
// certain where the concrete law could show its message.
std::optional<Potpis> IzvjesnostSimetricnog(const Proracun& c, const Simetricni& s,
                                            const MjeraSimetricna& a, const MjeraSimetricna& b) {
    if (!a.zona.ispravna || !b.zona.ispravna)
        return std::nullopt;
    if (c.zakon && std::max(a.zona.e0, b.zona.e0) > 3.5 - 1e-9)
        return std::nullopt;
    constexpr double kFloat = 0x1.0p-22; // rounding of a float result, with room
    const Raspon om = Raspon::Od(a.zona.omegaB, b.zona.omegaB)
                          .Prosiren(2 * std::max(a.zona.gOmega, b.zona.gOmega));
    const Raspon Q = Raspon::Od(a.zona.Q, b.zona.Q).Prosiren(2 * std::max(a.zona.gQ, b.zona.gQ));
    const Raspon sC = Raspon::Od(a.sC, b.sC).Prosiren(2 * std::max(a.gC, b.gC));
    const Raspon sT = Raspon::Od(a.sT, b.sT).Prosiren(2 * std::max(a.gT, b.gT));
    const Raspon sila = Raspon::Tacka(s.nu) - om;
    if (SigurnoTece(c.celik, std::min(a.epsC, b.epsC)) &&
        SigurnoTece(c.celik, std::min(a.epsT, b.epsT))) {
        const int z = sila.Znak(1e-14 * (std::fabs(s.nu) + om.Najveci()) + 1e-36);
        if (z == 0 || !sila.Konacan())
            return std::nullopt;
        return Potpis{1, z, 0, 0};
    }
    const Raspon razlika = sC - sT;
    const int znak1 = razlika.Znak(1e-16 + 1e-12 * (sC.Najveci() + sT.Najveci()));
    const TDim& d = c.d;
    const double dd = c.dd(), sigv = c.p.sigv, y = s.yc;
    const double kC = d.h - y - d.d1, kT = y - d.d2;
    const Raspon nazivnikM = (1 / (dd * sigv)) * (kC * sC + kT * sT);
    const int znak2 = nazivnikM.Znak(
        1e-14 * (std::fabs(kC) * sC.Najveci() + std::fabs(kT) * sT.Najveci()) / (dd * sigv) +
        1e-300);
    if (znak1 == 0 || znak2 == 0)
        return std::nullopt;
    const double c0 = (d.h - y) / dd;
    const Raspon moment =
        (c0 * om - Q).Prosiren(1e-14 * (std::fabs(c0) * om.Najveci() + Q.Najveci()));
    const std::optional<Raspon> omegaN = Podijeli(sigv * sila, razlika);
    const std::optional<Raspon> omegaM = Podijeli(Raspon::Tacka(s.mu) - moment, nazivnikM);
    if (!omegaN || !omegaM)
        return std::nullopt;
    const Raspon oN = omegaN->Prosiren(kFloat * omegaN->Najveci() + 1e-38);
    const Raspon oM = omegaM->Prosiren(kFloat * omegaM->Najveci() + 1e-38);
    const Raspon r = oN - oM;
    const int z = r.Znak(kFloat * (oN.Najveci() + oM.Najveci()) + 1e-36);
    if (z == 0 || !r.Konacan())
        return std::nullopt;
    return Potpis{2, z, znak1, znak2};
}

// The symmetric search by the fast search along each path: the same trials are accepted and
// taken as by the literal walk.
bool SimetricnaPretragaBrzo(Proracun& c, float ea0) {
    const Simetricni s = NormiranoSimetricno(c);
    const SimetricniPutevi putevi = PuteviSimetricni(c, ea0);
    PromjenaZnaka t(PromjenaZnaka::Pravilo::Proizvod, true);
    // One path: stanje(x) gives the state of the trial strain x, samoSa(j) whether trial j
    // is taken only when it needs reinforcement, prelomi the strains at which a layer starts
    // or stops yielding (the kind of the trials may change there).
    auto put = [&](const Put<float>& putanja, auto stanje, auto samoSa,
                   std::initializer_list<double> prelomi) {
        IndeksiraniPut<float> ip(putanja);
        Podjela podjela;
        for (double x : prelomi)
            if (std::isfinite(x))
                podjela.Dodaj(ip.PrviNePrije(x));
        Zapamceno<MjeraSimetricna> mjere;
        auto mjera = [&](std::int64_t j) -> const MjeraSimetricna& {
            return mjere.Daj(j, [&](std::int64_t jj) {
                const auto [ea, eb] = stanje(ip.Vrijednost(jj));
                return IzmjeriSimetricno(c, ea, eb);
            });
        };
        auto proba = [&](std::int64_t j) {
            Izbroji(c.o.brojac);
            const auto [ea, eb] = stanje(ip.Vrijednost(j));
            return SimetricniPokusaj(c, s, ea, eb);
        };
        auto izvjesno = [&](std::int64_t i, std::int64_t j) {
            const MjeraSimetricna a = mjera(i);
            return IzvjesnostSimetricnog(c, s, a, mjera(j));
        };
        auto uslov = [&](std::int64_t j, const Pokusaj& pokusaj) {
            const auto [ea, eb] = stanje(ip.Vrijednost(j));
            return UzmiSimetricno(c, ea, eb, pokusaj, samoSa(ip, j));
        };
        return PrvaPromjenaNaPutu(ip, t, proba, izvjesno, uslov, false, std::nullopt, podjela)
            .has_value();
    };
    // The yield strain, and where each layer reaches it (in tension or compression): with ea0
    // fixed the compression layer's strain eb (1 - d1/d) - ea0 d1/d; at 3.5 the tension
    // layer's is ea and the compression layer's 3.5 - (3.5 + ea) d1/d.
    const double ev = 1000 * c.p.sigv / c.celik.Es;
    const double r = c.d.d1 / c.dd();
    const double eb1 = (ev + ea0 * r) / (1 - r), eb2 = (-ev + ea0 * r) / (1 - r);
    const double ea1 = (3.5 - ev) / r - 3.5, ea2 = (3.5 + ev) / r - 3.5;
    auto naEa0 = [ea0](float x) { return std::pair{ea0, x}; };
    auto na35 = [](float x) { return std::pair{x, 3.5f}; };
    auto nikad = [](IndeksiraniPut<float>&, std::int64_t) { return false; };
    auto uvijek = [](IndeksiraniPut<float>&, std::int64_t) { return true; };
    auto produzetak = [](IndeksiraniPut<float>& ip, std::int64_t j) {
        return ip.Prethodna(j) <= 0.0011;
    };
    if (put(putevi.put1, naEa0, nikad, {eb1, eb2}) ||
        put(putevi.put2, na35, produzetak, {ev, -ev, ea1, ea2}))
        return true;
    t.Obrisi();
    if (put(putevi.dopuna1, naEa0, uvijek, {eb1, eb2}))
        return true;
    return putevi.dubokiSloj && put(putevi.dopuna2, na35, uvijek, {ev, -ev, ea1, ea2});
}

// The symmetric search over domains 1 to 4 from the steel strain ea0. Returns false when no
// state balances the forces. The fast search proves its ranges for a positive ea0 (path 1
// then keeps the neutral axis above the tension steel).
bool SimetricnaPretraga(Proracun& c, float ea0) {
    if (c.Doslovno() || !c.Pogodno() || !(ea0 > 0) || !std::isfinite(ea0))
        return SimetricnaPretragaDoslovno(c, ea0);
    return SimetricnaPretragaBrzo(c, ea0);
}

// Symmetric design in domains 1 to 4, falling back to the fifth domain when no state
// balances the forces.
void Simetricno(Proracun& c, float ea0) {
    c.p.Status |= sfSimetricno;
    if (!SimetricnaPretraga(c, ea0))
        PetoPodrucje(c);
}

// A compression inside the kern of the concrete section: the fifth domain. The kern is that
// of the concrete alone, so the balance of the reinforced section may still lie where the
// bottom face is not compressed. When the fifth domain finds no state, the symmetric search
// of domains 1 to 4 runs, and its state is taken when it needs reinforcement, rather than
// reporting a section without any.
void PetoPodrucjeIzJezgra(Proracun& c, float ea0) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    if (PetoPodrucje(c))
        return;
    const std::uint16_t prije = p.Status;
    p.Status = static_cast<std::uint16_t>((p.Status & ~sfPetoPodrucje) | sfSimetricno);
    if (SimetricnaPretraga(c, ea0) && d.AsT > 0)
        return;
    p.Status = prije;
    d.AsC = d.AsT = d.epsa = d.epsb = 0;
}

// Symmetric reinforcement with both layers in tension.
void SimetricnoZategnuto(Proracun& c) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    p.Status |= sfZategnut;
    const double h = d.h;
    const float nu = UFloat(p.Nu * 10 / (p.fB * h * d.b));
    const float muS = UFloat(d.M * 1000 / (h * h * d.b * p.fB));
    // The bottom layer yields; the moment about the top layer gives its force.
    const float omega = UFloat(((h - c.yc() - d.d1) * nu / h + muS) / ((h - d.d1 - d.d2) / h));
    d.AsC = d.AsT = Konacno(h * omega * d.b * p.fB / p.sigv);
    d.epsa = p.epsv;
    d.epsb = Konacno((nu / static_cast<double>(omega) - 1) * p.sigv / c.celik.Es * 1000);
}

// Tension and compression reinforcement at the limit of single reinforcement. Returns false
// when the compression area would not be smaller than the tension area.
bool Dvostruko(Proracun& c, float omegaLim, float zetaLim) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    const double dd = c.dd();
    const double z = d.h - d.d1 - d.d2;
    const double sC = c.sigmaA(Sloj::Pritisnuti, 3.5, c.g.epsaLim);
    const double sT = c.sigmaA(Sloj::Zategnuti, 3.5, c.g.epsaLim);
    const double MbLim = dd * dd * (static_cast<double>(omegaLim) * zetaLim) * d.b * p.fB * 0.1;
    const double dM = c.Ma - MbLim;
    const double AsC = Konacno(dM / (z * sC * 0.1));
    const double AsT =
        Konacno(MbLim / (zetaLim * dd * sT * 0.1) + p.Nu / (sT * 0.1) + dM / (sT * 0.1 * z));
    // A compression layer that the state (3.5, epsaLim) puts in tension (a top cover deeper
    // than that state's neutral axis) would be given a negative area: that section, like one
    // that would need more steel on the compressed face, takes the symmetric design.
    if (!(AsC > 0) || AsC >= AsT)
        return false;
    d.AsC = AsC;
    d.AsT = AsT;
    d.epsa = c.g.epsaLim;
    d.epsb = 3.5;
    return true;
}

// Kern test: a compressive force inside the kern compresses the whole section.
bool UJezgru(const Proracun& c) {
    const TPresjek& p = c.p;
    if (!(p.Nu <= -1e-5))
        return false;
    const double jezgro = MomentInercijeBruto(c.d) / (PovrsinaBruto(c.d) * c.yc());
    return std::fabs(Konacno(p.Mu * 100 / p.Nu)) < Konacno(jezgro);
}

} // namespace

Grana IzaberiGranu(float muSd, bool simetricno, float omega10, float zeta10, float omegaLim,
                   float zetaLim) {
    if (simetricno)
        return muSd < 0 ? Grana::SimetricnoZategnuto : Grana::Simetricno;
    if (muSd < 0)
        return Grana::ObaZategnuta;
    if (muSd > static_cast<double>(omegaLim) * zetaLim)
        return Grana::Dvostruko;
    if (muSd < static_cast<double>(omega10) * zeta10)
        return Grana::Podrucje2;
    return Grana::Podrucje3;
}

namespace {

void Savijanje(Proracun& c) {
    TPresjek& p = c.p;
    TDim& d = c.d;
    c.g = Granice(p, c.o.katalozi, c.o.betonEx);
    const float em = c.g.epsaMax, el = c.g.epsaLim;
    const float omega10 = c.omegaB(em, 3.5), zeta10 = c.zeta(em, 3.5);
    const float omegaLim = c.omegaB(el, 3.5), zetaLim = c.zeta(el, 3.5);
    if (JeNula(p.Mu)) {
        CistaNormalnaSila(c);
        return;
    }
    const double dd = c.dd();
    c.Ma = UFloat(d.M * 100 - (c.yc() - d.d2) * p.Nu);
    c.muSd = UFloat(c.Ma / (dd * dd * d.b * p.fB * 0.1));
    if (UJezgru(c)) {
        PetoPodrucjeIzJezgra(c, em);
        return;
    }
    switch (IzaberiGranu(c.muSd, p.ima(sfSimetricno), omega10, zeta10, omegaLim, zetaLim)) {
    case Grana::SimetricnoZategnuto:
        SimetricnoZategnuto(c);
        break;
    case Grana::Simetricno:
        Simetricno(c, em);
        break;
    case Grana::ObaZategnuta:
        ObaZategnuta(c);
        break;
    case Grana::Dvostruko:
        if (!Dvostruko(c, omegaLim, zetaLim))
            Simetricno(c, em);
        break;
    case Grana::Podrucje2:
        Podrucje2(c);
        break;
    case Grana::Podrucje3:
        Podrucje3(c);
        break;
    }
}

// Inputs the design divides by or compares: a value that is not a number ends it at once
// instead of slipping through a comparison.
void ProvjeriUlaz(const TPresjek& p) {
    for (double x :
         {p.b, p.b0, p.h, p.h0, p.d1, p.d2, p.Mu, p.Nu, p.Qu, p.fB, p.sigv, p.epsv, p.alfa, p.beta})
        if (!std::isfinite(x))
            throw GreskaProracuna(PorukaNeispravanBroj);
}

void Dizajn(TPresjek& p, TDim& d, const Okruzenje& o) {
    ProvjeriUlaz(p);
    PripremiDim(p, o.katalozi, true, true);
    Proracun c{p,
               d,
               o,
               o.PrikaziPoruke ? &o.poruke : nullptr,
               ZakonCelikaPresjeka(p, o.katalozi),
               GraniceDilatacija{}};
    if (std::fabs(d.M) < 0.01 && std::fabs(p.Nu) < 0.01) {
        // Unloaded: no reinforcement; the strains are not written.
        p.Aa1 = p.Aa2 = 0;
        ProracunSmicanja(p, d, o);
        return;
    }
    Savijanje(c);
    for (double x : {d.AsC, d.AsT, d.epsa, d.epsb})
        Konacno(x);
    if (o.MinMaxArmatura)
        MinMaxArmatura(c);
    ProracunSmicanja(p, d, o);
    const bool okrenut = p.ima(sfNegativan);
    p.Aa1 = okrenut ? d.AsT : d.AsC;
    p.Aa2 = okrenut ? d.AsC : d.AsT;
    p.epsa = d.epsa;
    p.epsb = d.epsb;
}

} // namespace

void Dimenzioniraj(TPresjek& p, const Okruzenje& o) {
    // On an error the section gets back everything it held before the call; the working
    // object is released by its guard in either case.
    const TPresjek prije = p;
    try {
        RadniObjekat dim(p);
        Dizajn(p, *dim, o);
    } catch (...) {
        p = prije;
        throw;
    }
}

} // namespace nmk
