// The fingerprint of every calculation: runs the bending design (every branch, with its shear
// design), the ultimate moment, the ultimate section forces, the deflections and the crack
// widths over a deterministic stream of generated sections and prints one digest per kind of
// calculation. Every double is taken bit for bit, with every Status bit, the validity flag,
// every message the calculation showed (text, kind, buttons, in order) and the text of any
// calculation error. A change of the engine that must keep every result proves it by giving
// the same digests before and after:
//
//   build/tools/otisak [count] [--redovi] [--doslovno]
//
// count     sections per kind of calculation (default 20000);
// --redovi  also prints every row (kind, index, results as hexadecimal floats), for a diff
//           that finds the first section that differs;
// --doslovno runs the literal scans instead of the fast searches (when the engine has both).
//
// The stream never changes: the same count gives the same sections on every build. Every
// section passes the input check of its mode, and its covers leave depth (d1 + d2 < h).

#include "data/katalog_fajl.h"
#include "data/provjera.h"
#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"
#include "engine/dodatni_podaci.h"
#include "engine/granicno.h"
#include "engine/greska.h"
#include "engine/prsline.h"
#include "engine/ugib.h"

#if __has_include("engine/pretraga.h")
#include "engine/pretraga.h"
#define NMK_IMA_NACIN_PRETRAGE 1
#endif

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace nmk;

// ---- Generator: splitmix64, one stream per kind and section ------------------------------

class Generator {
public:
    Generator(std::uint64_t vrsta, std::uint64_t indeks)
        : s_(vrsta * 0x9E3779B97F4A7C15ull ^ (indeks + 0x632BE59BD9B4E019ull)) {
        Sljedeci();
    }
    std::uint64_t Sljedeci() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), 53 bits.
    double U() { return static_cast<double>(Sljedeci() >> 11) * 0x1.0p-53; }
    double Raspon(double od, double do_) { return od + (do_ - od) * U(); }
    // Uniform on a logarithmic scale between two positive bounds.
    double LogRaspon(double od, double do_) { return od * std::exp(std::log(do_ / od) * U()); }
    int Izbor(int n) { return static_cast<int>(Sljedeci() % static_cast<std::uint64_t>(n)); }
    bool Sansa(double p) { return U() < p; }

private:
    std::uint64_t s_;
};

// ---- Digest: FNV-1a over the bytes of every value ------------------------------------------

class Otisak {
public:
    void Bajtovi(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h_ ^= b[i];
            h_ *= 0x100000001B3ull;
        }
    }
    void Realni(double x) {
        std::uint64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        Bajtovi(&bits, sizeof bits);
    }
    void Cijeli(std::int64_t x) { Bajtovi(&x, sizeof x); }
    void Tekst(const std::string& s) {
        Cijeli(static_cast<std::int64_t>(s.size()));
        Bajtovi(s.data(), s.size());
    }
    std::uint64_t Vrijednost() const { return h_; }

private:
    std::uint64_t h_ = 0xCBF29CE484222325ull;
};

// Records every message with its kind and buttons; answers OK (or Yes).
class Snimac : public Poruke {
public:
    std::vector<std::string> zapis;
    int Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) override {
        zapis.push_back("box " + std::to_string(static_cast<int>(vrsta)) + " " +
                        std::to_string(dugmad) + " " + tekst);
        return (dugmad & dgOK) ? odgOK : odgDa;
    }
    void Obicna(const std::string& tekst) override { zapis.push_back("plain " + tekst); }
};

// One row of results: the values of a calculation in order, then its messages.
struct Red {
    std::string ulaz; // the section in short, printed with the rows (not part of the digest)
    std::vector<double> realni;
    std::vector<std::int64_t> cijeli;
    std::vector<std::string> tekstovi;
};

// ---- What every kind of calculation shares --------------------------------------------------

struct Postavke {
    Katalozi katalozi;
    bool doslovno = false;
};

struct Opcije {
    TBetonEx ex;
    float Alfa = 0.85f;
    bool MinMax = true;
    bool Poruke = true;
};

Okruzenje NapraviOkruzenje(const Postavke& s, const Opcije& op, Poruke& poruke) {
    Okruzenje o{s.katalozi, op.ex, poruke};
    o.Alfa = op.Alfa;
    o.MinMaxArmatura = op.MinMax;
    o.PrikaziPoruke = op.Poruke;
#ifdef NMK_IMA_NACIN_PRETRAGE
    o.pretraga = s.doslovno ? NacinPretrage::Doslovna : NacinPretrage::Brza;
#endif
    return o;
}

// Code, grades and partial factors; the design strengths derived as the window does.
void Materijal(Generator& g, TPresjek& p, const Katalozi& k, float Alfa) {
    p.Propis = g.Sansa(0.5) ? TPropis::EC2 : TPropis::PBAB87;
    if (p.Propis == TPropis::EC2) {
        p.Beton = PrviEC2Beton + g.Izbor(9);
        p.Celik = EC2Celik;
        const double gc[] = {1.5, 1.5, 1.35, 1.0, 1.6};
        const double gs[] = {1.15, 1.15, 1.0};
        p.gamaC = gc[g.Izbor(5)];
        p.gamaS = gs[g.Izbor(3)];
    } else {
        p.Beton = g.Izbor(10);
        p.Celik = g.Izbor(3);
    }
    PostaviProracunskeCvrstoce(p, k, Alfa, p.gamaC, p.gamaS);
}

// Geometry: rectangles and T sections (now and then an odd but accepted one: a web wider
// than the flange, a flange as deep as the section), normal and deep covers; d1 + d2 < h.
void Geometrija(Generator& g, TPresjek& p, double hNajvise) {
    const bool t = g.Sansa(0.35);
    p.Oblik = t ? TOblik::T : TOblik::Pravougaoni;
    p.h = g.LogRaspon(15, hNajvise);
    if (t) {
        p.b = g.LogRaspon(30, 300);
        p.b0 = g.Sansa(0.05) ? p.b * g.Raspon(1.0, 2.0) : g.Raspon(8, std::min(60.0, p.b));
        p.h0 = g.Sansa(0.03) ? p.h * g.Raspon(1.0, 1.2) : p.h * g.Raspon(0.05, 0.6);
    } else {
        p.b = g.LogRaspon(12, 150);
        p.b0 = p.b;
        p.h0 = p.h;
    }
    const int pokrov = g.Izbor(10);
    if (pokrov < 6) { // ordinary covers
        p.d1 = g.Raspon(1.5, std::min(8.0, 0.2 * p.h));
        p.d2 = g.Raspon(1.5, std::min(8.0, 0.2 * p.h));
    } else if (pokrov < 8) { // a deep top layer
        p.d2 = g.Raspon(1.5, std::min(8.0, 0.2 * p.h));
        p.d1 = g.Raspon(0.1, 0.6) * (p.h - p.d2);
    } else if (pokrov < 9) { // a deep bottom layer (the check wants it below mid-depth)
        p.d1 = g.Raspon(1.5, std::min(8.0, 0.2 * p.h));
        p.d2 = g.Raspon(0.2, 0.49) * p.h;
    } else { // both deep, depth still left between them
        p.d2 = g.Raspon(0.05, 0.45) * p.h;
        p.d1 = g.Raspon(0.3, 0.97) * (p.h - p.d2);
    }
}

// Project options: mostly the defaults, now and then absurd but accepted values.
Opcije NapraviOpcije(Generator& g) {
    Opcije op;
    const int e = g.Izbor(1000);
    if (e < 700)
        op.ex.esu = 20;
    else if (e < 800)
        op.ex.esu = 10;
    else if (e < 860)
        op.ex.esu = g.Raspon(2, 60);
    else if (e < 900)
        op.ex.esu = 3; // below the limit of single reinforcement
    else if (e < 960)
        op.ex.esu = g.LogRaspon(60, 3000);
    else if (e < 985)
        op.ex.esu = g.LogRaspon(0.05, 2);
    else if (e < 994)
        op.ex.esu = g.Sansa(0.5) ? 0.0 : -g.Raspon(0.5, 8);
    else if (e < 999)
        op.ex.esu = 1e6; // so large that the float steps stall at once
    else
        op.ex.esu = g.LogRaspon(5000, 30000);
    if (g.Sansa(0.2)) {
        op.ex.Ksi35 = g.Raspon(0.05, 1.0);
        op.ex.Ksi45 = g.Raspon(0.05, 1.0);
    }
    const float alfe[] = {0.85f, 0.85f, 1.0f, 0.8f};
    op.Alfa = alfe[g.Izbor(4)];
    op.MinMax = g.Sansa(0.7);
    op.Poruke = g.Sansa(0.5);
    return op;
}

// The serviceability data of the project: mostly the defaults.
void ServisneOpcije(Generator& g, TBetonEx& ex) {
    if (g.Sansa(0.7))
        return;
    ex.fi = g.Raspon(0, 4);
    ex.hi = g.Raspon(0.5, 1);
    ex.ebs = g.Raspon(0, 0.0008);
    ex.alfa_st = g.Raspon(0.5, 1);
    ex.B1 = g.Sansa(0.5) ? 1.0 : 0.5;
    ex.B2 = g.Sansa(0.5) ? 0.5 : 1.0;
}

bool ProlaziProvjeru(const TPresjek& p, const TBetonEx& ex) {
    const auto nalaz = PrviNalazProvjere(p, ex);
    return !nalaz || nalaz->ispravan;
}

std::string Opis(const TPresjek& p, const Opcije& op) {
    char t[512];
    std::snprintf(t, sizeof t,
                  "[code %d shape %d b %.17g b0 %.17g h %.17g h0 %.17g d1 %.17g d2 %.17g Mu %.17g "
                  "Nu %.17g Qu %.17g Aa1 %.17g Aa2 %.17g Mexp %.17g Nexp %.17g status %d "
                  "concrete %d steel %d esu %.17g]",
                  static_cast<int>(p.Propis), static_cast<int>(p.Oblik), p.b, p.b0, p.h, p.h0, p.d1,
                  p.d2, p.Mu, p.Nu, p.Qu, p.Aa1, p.Aa2, p.Mexp, p.Nexp, p.Status, p.Beton, p.Celik,
                  op.ex.esu);
    return t;
}

void Greska(Red& r, const std::exception& e) {
    r.tekstovi.push_back(std::string("error ") + e.what());
}

// ---- Bending design ------------------------------------------------------------------------

Red Dizajn(const Postavke& s, int i) {
    Generator g(1, static_cast<std::uint64_t>(i));
    Opcije op = NapraviOpcije(g);
    TPresjek p;
    for (int pokusaj = 0;; ++pokusaj) {
        p = TPresjek{};
        Geometrija(g, p, 250);
        Materijal(g, p, s.katalozi, op.Alfa);
        const double d = p.h - p.d2;
        const double nN = p.b0 * d * p.fB / 10;    // kN
        const double nM = nN * d / 100;            // kNm
        const double sila = p.b * p.h * p.fB / 10; // what the concrete alone carries, kN
        const int vrsta = g.Izbor(20);
        double mu = 0, nu = 0;
        if (vrsta < 5) { // bending with a small force: domains 2 and 3, double reinforcement
            mu = g.Raspon(0.005, 0.6);
            nu = g.Raspon(-0.1, 0.1);
        } else if (vrsta < 9) { // a moment with compression, up to the fifth domain
            mu = g.Raspon(0.005, 0.5);
            nu = -g.Raspon(0.1, 1.8);
        } else if (vrsta < 11) { // compression inside or near the kern
            mu = g.Raspon(0, 0.08);
            nu = -g.Raspon(0.3, 2.5);
        } else if (vrsta < 14) { // tension with a moment: one or both layers in tension
            mu = g.Raspon(0.001, 0.3);
            nu = g.Raspon(0.01, 1.0);
        } else if (vrsta < 16) { // pure normal force, either sign
            mu = 0;
            nu = g.Raspon(-2.5, 1.0);
        } else if (vrsta < 17) { // practically unloaded; the shear still runs
            mu = g.Raspon(-0.009, 0.009) / std::max(nM, 1.0);
            nu = g.Raspon(-0.009, 0.009) / std::max(nN, 1.0);
        } else { // anything
            mu = g.Raspon(-0.7, 0.7);
            nu = g.Raspon(-2.5, 1.5);
        }
        p.Mu = (g.Sansa(0.3) ? -mu : mu) * nM;
        p.Nu = nu * (vrsta < 9 ? nN : sila * 0.6);
        p.Qu = g.Sansa(0.1) ? 0.0 : g.LogRaspon(1, 0.8 * sila);
        p.alfa = g.Sansa(0.7) ? 90 : g.Raspon(45, 90);
        p.beta = p.Propis == TPropis::EC2 ? g.Raspon(21.8, 68.2) : g.Raspon(25, 55);
        if (p.Propis == TPropis::EC2 && g.Sansa(0.5))
            p.Status |= sfStandardna;
        if (g.Sansa(0.4))
            p.Status |= sfSimetricno;
        p.Proracun = TProracun::Dimenzioniranje;
        if (ProlaziProvjeru(p, op.ex) && p.d1 + p.d2 < p.h)
            break;
        if (pokusaj > 100)
            std::abort(); // the generator no longer makes acceptable sections
    }
    Red r;
    r.ulaz = Opis(p, op);
    Snimac poruke;
    const Okruzenje o = NapraviOkruzenje(s, op, poruke);
    try {
        Dimenzioniraj(p, o);
    } catch (const std::exception& e) {
        Greska(r, e);
    }
    r.realni = {p.Aa1, p.Aa2, p.epsa, p.epsb, p.Avil};
    r.cijeli = {p.Status, p.Ispravan};
    for (auto& t : poruke.zapis)
        r.tekstovi.push_back(t);
    return r;
}

// ---- Ultimate moment and ultimate section forces --------------------------------------------

// A section with given reinforcement (Aa1 <= Aa2) for the two analysis modes.
TPresjek Armirani(Generator& g, const Postavke& s, const Opcije& op, TProracun mod) {
    TPresjek p;
    for (int pokusaj = 0;; ++pokusaj) {
        p = TPresjek{};
        Geometrija(g, p, 250);
        Materijal(g, p, s.katalozi, op.Alfa);
        const double d = p.h - p.d2;
        const double As = p.b0 * d * g.LogRaspon(0.0005, 0.06);
        p.Aa2 = As;
        p.Aa1 = g.Sansa(0.3) ? 0.0 : As * g.U();
        if (g.Sansa(0.01))
            p.Aa1 = -As * g.U();                 // odd but accepted
        p.Proracun = TProracun::GranicniMomenat; // the rows of the given reinforcement
        if (ProlaziProvjeru(p, op.ex) && p.d1 + p.d2 < p.h)
            break;
        if (pokusaj > 100)
            std::abort();
    }
    p.Proracun = mod;
    return p;
}

Red GranicniMomenatRed(const Postavke& s, int i) {
    Generator g(2, static_cast<std::uint64_t>(i));
    const Opcije op = NapraviOpcije(g);
    TPresjek p = Armirani(g, s, op, TProracun::GranicniMomenat);
    // From a tension the bars cannot carry to a compression beyond the section's capacity.
    const double celik = (std::fabs(p.Aa1) + p.Aa2) * p.sigv / 10;
    const double beton = p.b * p.h * p.fB / 10;
    const int vrsta = g.Izbor(10);
    if (vrsta < 6)
        p.Nu = -g.Raspon(-0.3, 1.0) * (beton + celik);
    else if (vrsta < 8)
        p.Nu = g.Raspon(0, 1.3) * celik;
    else if (vrsta < 9)
        p.Nu = -g.Raspon(0.9, 1.5) * (beton + celik);
    else
        p.Nu = 0;
    // What the section held before (kept when no state is found), and the form's bit.
    p.Mu = g.Sansa(0.5) ? 0.0 : g.Raspon(-100, 100);
    p.epsa = g.Sansa(0.5) ? 0.0 : g.Raspon(-1, 10);
    p.epsb = g.Sansa(0.5) ? 0.0 : g.Raspon(0, 3.5);
    if (g.Sansa(0.2))
        p.Status |= sfPetoPodrucje;
    Red r;
    r.ulaz = Opis(p, op);
    Snimac poruke;
    const Okruzenje o = NapraviOkruzenje(s, op, poruke);
    try {
        GranicniMomenat(p, o);
    } catch (const std::exception& e) {
        Greska(r, e);
    }
    r.realni = {p.Mu, p.epsa, p.epsb};
    r.cijeli = {p.Status, p.Ispravan};
    for (auto& t : poruke.zapis)
        r.tekstovi.push_back(t);
    return r;
}

Red GranicneSileRed(const Postavke& s, int i) {
    Generator g(3, static_cast<std::uint64_t>(i));
    const Opcije op = NapraviOpcije(g);
    TPresjek p;
    for (int pokusaj = 0;; ++pokusaj) {
        p = Armirani(g, s, op, TProracun::GranicneSile);
        p.Status = 0;
        const double h = p.Oblik == TOblik::T ? p.h : p.h0;
        if (g.Sansa(0.25)) {
            p.Status |= sfPetoPodrucje;
            p.epsb = g.Raspon(2, 3.5);
            p.epsa = (14 - 4 * p.epsb) / 3;
        } else if (g.Sansa(0.1)) {
            p.epsb = -g.Raspon(0, 5);
            p.epsa = g.Raspon(0, 20);
        } else {
            p.epsb = g.Sansa(0.3) ? 3.5 : g.Raspon(0.01, 3.5);
            p.epsa = g.Raspon(-p.epsb * p.d2 / h, g.Sansa(0.5) ? 3 : 25);
        }
        if (ProlaziProvjeru(p, op.ex))
            break;
        if (pokusaj > 100)
            std::abort();
    }
    Red r;
    r.ulaz = Opis(p, op);
    Snimac poruke;
    const Okruzenje o = NapraviOkruzenje(s, op, poruke);
    try {
        GranicneSile(p, o);
    } catch (const std::exception& e) {
        Greska(r, e);
    }
    r.realni = {p.Nu, p.Mu};
    r.cijeli = {p.Status, p.Ispravan};
    for (auto& t : poruke.zapis)
        r.tekstovi.push_back(t);
    return r;
}

// ---- Deflections and crack widths ------------------------------------------------------------

TUsvojenaArmatura Sipke(Generator& g, int grupaNajvise) {
    const std::int16_t precnici[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40};
    TUsvojenaArmatura a;
    const int n = 1 + g.Izbor(grupaNajvise);
    for (int k = 0; k < n; ++k) {
        const std::int16_t f = precnici[g.Izbor(14)];
        bool ima = false;
        for (const auto& x : a)
            ima = ima || x.precnik == f;
        if (!ima)
            a.push_back({f, static_cast<std::int16_t>(1 + g.Izbor(9))});
    }
    return a;
}

// A section with chosen bars under service forces: bending alone, compression and tension,
// small and large, of either sign of moment.
TPresjek Servisni(Generator& g, const Postavke& s, Opcije& op) {
    TPresjek p;
    for (int pokusaj = 0;; ++pokusaj) {
        p = TPresjek{};
        Geometrija(g, p, 160);
        Materijal(g, p, s.katalozi, op.Alfa);
        p.ArmDonja = g.Sansa(0.03) ? TUsvojenaArmatura{} : Sipke(g, 3);
        p.ArmGornja = g.Sansa(0.3) ? TUsvojenaArmatura{} : Sipke(g, 2);
        const double d = p.h - p.d2;
        const double nM = p.b0 * d * d * p.fB / 1000 / 100; // kNm
        p.Mexp = (g.Sansa(0.2) ? -1 : 1) * g.LogRaspon(0.002, 0.4) * nM;
        const double beton = p.b * p.h * p.fB / 10;
        // A force by its eccentricity about the section (kN), or by what the concrete carries.
        const double poEkscentricitetu = std::fabs(p.Mexp) * 100 / (p.h * g.LogRaspon(0.02, 30));
        const int vrsta = g.Izbor(10);
        if (vrsta < 3)
            p.Nexp = 0;
        else if (vrsta < 4)
            p.Nexp = g.Sansa(0.5) ? 1e-12 : 2e-12;
        else if (vrsta < 6)
            p.Nexp = -poEkscentricitetu;
        else if (vrsta < 7)
            p.Nexp = -g.LogRaspon(0.001, 1.2) * beton;
        else if (vrsta < 9)
            p.Nexp = poEkscentricitetu;
        else
            p.Nexp = g.LogRaspon(0.0005, 0.2) * beton;
        p.vb = g.Raspon(0.1, 3);
        p.vbd = p.vb * g.Raspon(0.2, 0.9);
        p.Vilica = 6 + 2 * g.Izbor(4);
        // Only the geometry rows of the check apply; the loads of the design are given.
        TPresjek q = p;
        q.Proracun = TProracun::Dimenzioniranje;
        q.Qu = 1;
        if (ProlaziProvjeru(q, op.ex) && p.d1 + p.d2 < p.h)
            break;
        if (pokusaj > 100)
            std::abort();
    }
    ServisneOpcije(g, op.ex);
    return p;
}

void DodatniPodaci(Red& r, const TDodatniPodaci& dp) {
    for (double x : {dp.fct,  dp.fctfl, dp.SigS, dp.SigC, dp.XII, dp.J,   dp.JIXI, dp.JIXII0,
                     dp.Mr,   dp.SigAr, dp.hEf,  dp.VEI,  dp.VFI, dp.VSI, dp.VEII, dp.VFII,
                     dp.VSII, dp.VE,    dp.VF,   dp.VS,   dp.C,   dp.D})
        r.realni.push_back(x);
    r.cijeli.push_back(dp.nSipki);
    r.cijeli.push_back(dp.mSlojeva);
    r.cijeli.push_back(dp.CijeliPritisnut);
}

Red UgibRed(const Postavke& s, int i) {
    Generator g(4, static_cast<std::uint64_t>(i));
    Opcije op = NapraviOpcije(g);
    TPresjek p = Servisni(g, s, op);
    const double ks[] = {0.5, 0.125, 0.09, 0.065};
    const double k = ks[g.Izbor(4)];
    const double l = g.Raspon(150, 1500);
    Red r;
    r.ulaz = Opis(p, op);
    Snimac poruke;
    const Okruzenje o = NapraviOkruzenje(s, op, poruke);
    TDodatniPodaci dp;
    try {
        ProracunUgiba(p, o, &dp, k, l);
    } catch (const std::exception& e) {
        Greska(r, e);
    }
    r.realni = {p.vI, p.vII, p.v};
    r.cijeli = {p.Status, p.Ispravan};
    DodatniPodaci(r, dp);
    for (auto& t : poruke.zapis)
        r.tekstovi.push_back(t);
    return r;
}

Red PrslineRed(const Postavke& s, int i) {
    Generator g(5, static_cast<std::uint64_t>(i));
    Opcije op = NapraviOpcije(g);
    TPresjek p = Servisni(g, s, op);
    const double a = g.Raspon(1.5, 6);
    Red r;
    r.ulaz = Opis(p, op);
    Snimac poruke;
    const Okruzenje o = NapraviOkruzenje(s, op, poruke);
    TDodatniPodaci dp;
    try {
        ProracunPrslina(p, o, &dp, a);
    } catch (const std::exception& e) {
        Greska(r, e);
    }
    r.realni = {p.am, p.Wm, p.Wk};
    r.cijeli = {p.Status, p.Ispravan};
    DodatniPodaci(r, dp);
    for (auto& t : poruke.zapis)
        r.tekstovi.push_back(t);
    return r;
}

// ---- The run ---------------------------------------------------------------------------------

struct Vrsta {
    const char* naziv;
    Red (*racunaj)(const Postavke&, int);
};

const std::array<Vrsta, 5> kVrste{{
    {"dimenzioniranje", Dizajn},
    {"granicni_momenat", GranicniMomenatRed},
    {"granicne_sile", GranicneSileRed},
    {"ugibi", UgibRed},
    {"prsline", PrslineRed},
}};

void IspisiRed(const char* vrsta, int i, const Red& r) {
    std::printf("%s %d %s", vrsta, i, r.ulaz.c_str());
    for (double x : r.realni)
        std::printf(" %a", x);
    for (std::int64_t x : r.cijeli)
        std::printf(" %lld", static_cast<long long>(x));
    for (std::string t : r.tekstovi) {
        for (std::size_t k = t.find_first_of("\r\n"); k != std::string::npos;
             k = t.find_first_of("\r\n", k))
            t.replace(k, 1, t[k] == '\n' ? "\\n" : "\\r");
        std::printf(" | %s", t.c_str());
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    int broj = 20000;
    bool redovi = false;
    Postavke s;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--redovi")
            redovi = true;
        else if (a == "--doslovno")
            s.doslovno = true;
        else
            broj = std::atoi(argv[i]);
    }
#ifndef NMK_IMA_NACIN_PRETRAGE
    if (s.doslovno) {
        std::fprintf(stderr, "otisak: this engine has only the literal scans\n");
        s.doslovno = false;
    }
#endif
    const std::filesystem::path folder(NMK_BIN_DIR);
    s.katalozi.beton = CitajBetone(folder / BetonFajl);
    s.katalozi.celik = CitajCelike(folder / CelikFajl);
    std::printf("otisak: %d sections per kind\n", broj);
    for (const Vrsta& v : kVrste) {
        Otisak o;
        int greske = 0, poruke = 0;
        std::array<int, 16> bitovi{}; // rows with each Status bit set
        for (int i = 0; i < broj; ++i) {
            const Red r = v.racunaj(s, i);
            o.Cijeli(i);
            for (double x : r.realni)
                o.Realni(x);
            for (std::int64_t x : r.cijeli)
                o.Cijeli(x);
            for (const auto& t : r.tekstovi) {
                o.Tekst(t);
                if (t.rfind("error ", 0) == 0)
                    ++greske;
                else
                    ++poruke;
            }
            for (int b = 0; b < 16; ++b)
                bitovi[static_cast<std::size_t>(b)] += (r.cijeli.at(0) >> b) & 1;
            if (redovi)
                IspisiRed(v.naziv, i, r);
        }
        std::printf("%-17s %016llx  errors %d messages %d  status bits", v.naziv,
                    static_cast<unsigned long long>(o.Vrijednost()), greske, poruke);
        for (int b = 0; b < 16; ++b)
            if (bitovi[static_cast<std::size_t>(b)] > 0)
                std::printf(" %x:%d", 1 << b, bitovi[static_cast<std::size_t>(b)]);
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
