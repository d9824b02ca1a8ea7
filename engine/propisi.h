#pragma once
// The design codes: one description per code holds everything in which the codes differ, so
// no other source asks which code a section is designed to. A description is plain data plus
// the few formulas that differ; the calculations, the input check, the readers of files, the
// window, the listings and the report all ask it.
//
// Adding a code: a value of TPropis, one more entry in the table of propisi.cpp (its texts,
// limits, factors, catalogue grades and the functions of its formulas), and a radio button of
// the window; the test of the descriptions checks that every entry is complete.

#include "engine/cvrstoce.h"
#include "engine/katalog.h"
#include "engine/okruzenje.h"
#include "engine/presjek.h"
#include "engine/prsline.h"
#include "engine/smicanje.h"

#include <span>

namespace nmk {

// The catalogue grades of a code: its own fixed region [od, do_) of the shipped catalogue,
// followed in its lists by every user-defined grade (from the catalogue's first user index on).
struct GradeKataloga {
    int od = 0;
    int do_ = 0;
    int prviKorisnicki = 0;

    int Broj() const { return do_ - od; }
    // The catalogue index of list position i.
    int IzPozicije(int i) const { return i < Broj() ? od + i : i - Broj() + prviKorisnicki; }
    // The list position of catalogue index k (below 0 or past the list when k is not one of
    // the code's grades).
    int Pozicija(int k) const { return k < do_ ? k - od : k - prviKorisnicki + Broj(); }
    bool Vlastita(int k) const { return k >= od && k < do_; }
};

struct OpisPropisa {
    TPropis propis{};
    const char* naziv = nullptr; // the code's name as the window shows it

    // ---- Labels of the window: the design forces and the crack spacing ----
    const char* oznakaMu = nullptr;
    const char* oznakaNu = nullptr;
    const char* oznakaQu = nullptr;
    const char* oznakaRazmaka = nullptr;

    // ---- Strain limits, per mille ----
    // The limiting strain of the tension steel.
    double (*granicnaDilatacija)(const TBetonEx& ex) = nullptr;
    // The tension steel strain below which the compressed zone is too deep (the design then
    // adds compression reinforcement); reads the concrete grade where the code needs it.
    float (*dilatacijaOgranicenja)(const TPresjek& p, const Katalozi& k,
                                   const TBetonEx& ex) = nullptr;
    // The strain written when both layers are in tension (the lever rule).
    double dilatacijaZategnutog = 0;

    // ---- Design strengths and moduli ----
    // fB and sigv of the section from its grades (epsv is formed by the caller).
    void (*proracunskeCvrstoce)(TPresjek& p, const TBeton& beton, const TCelik& celik, float Alfa,
                                double gamaC, double gamaS, PbabFb pbab) = nullptr;
    // The partial factors the window offers, the first being the default; empty when the
    // code has none (its strengths come from the catalogue).
    std::span<const double> koeficijentiBetona;
    std::span<const double> koeficijentiCelika;
    // Eb = modulFaktor (fck + modulDodatak)^(1/3), N/mm2.
    double modulFaktor = 0;
    double modulDodatak = 0;
    // fct = faktorZatezanja fck^(2/3), N/mm2.
    double faktorZatezanja = 0;

    // ---- Shear ----
    void (*smicanje)(UlazSmicanja& u) = nullptr;
    // The window offers the choice between the standard method and the variable strut angle.
    bool izborMetodeSmicanja = false;
    // The range of the strut angle that the input check allows, and its message.
    double betaOd = 0;
    double betaDo = 0;
    const char* porukaBeta = nullptr;

    // ---- Cracks ----
    double (*efektivnaVisina)(const TPresjek& p, const TDim& d, const RasporedSipki& r) = nullptr;
    float (*razmakPrslina)(const TPresjek& p, const TDim& d, const RasporedSipki& r, double hef,
                           const StanjeIIPrslina& st) = nullptr;

    // ---- Catalogue grades ----
    GradeKataloga betoni;
    GradeKataloga celici;

    // ---- Labels of the listings (52 characters each) ----
    const char* oznakaFct = nullptr;
    const char* oznakaFctfl = nullptr;
    const char* oznakaModula = nullptr;
    const char* oznakaSigC = nullptr;
    const char* oznakaSigS = nullptr;

    // ---- The report's material lines: the design strengths' labels ----
    const char* oznakaFb = nullptr;
    const char* oznakaSigv = nullptr;

    bool ImaKoeficijente() const { return !koeficijentiBetona.empty(); }
};

// The number of described codes.
inline constexpr std::size_t BrojPropisa = 2;

// Every described code, in the order of their values (entry i describes value i).
std::span<const OpisPropisa> Propisi();

// The description of a code, or null when the value has none.
const OpisPropisa* NadjiPropis(TPropis propis);

// The description of a code; throws GreskaProracuna for a value that has none.
const OpisPropisa& Opis(TPropis propis);

// The text of that error.
std::string PorukaNepoznatPropis(int vrijednost);

} // namespace nmk
