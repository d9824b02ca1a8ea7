#pragma once
// The exchange file "~Presjeci.prs" and the batch modes: another program writes a batch of
// sections into the file next to the executable, starts the program with DIM, UGIB or
// PRSLINE, and reads the results back from the same file.
//
// Every run reads the whole file into a fresh section list first, calculates every section,
// and only then writes the output through a temporary file and a rename. On any failure the
// file is left byte for byte as it was and the exit status is not 0.

#include "data/konzolne_poruke.h"
#include "data/projekat.h"
#include "data/tok.h"
#include "engine/poruke.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nmk {

inline constexpr const char* RazmjenaFajl = "~Presjeci.prs";
// Shown by all three modes when the exchange file is missing.
inline constexpr const char* PorukaNemaRazmjene = "Dimenzioniranje nemoze biti izvrseno!";

enum class Rezim { Dim, Ugib, Prsline };

// The mode word of a first argument, compared exactly and case-sensitively in the order
// "DIM", "UGIB", "PRSLINE"; nothing for any other text.
std::optional<Rezim> RezimIzArgumenta(std::string_view argument);

// Exit statuses of a batch run.
inline constexpr int izlazUspjeh = 0;    // results written
inline constexpr int izlazNemaFajla = 2; // no exchange file
inline constexpr int izlazCitanje = 3;   // the file cannot be read or understood
inline constexpr int izlazProracun = 4;  // a calculation failed
inline constexpr int izlazPisanje = 5;   // the results could not be written

// One batch's work on the bytes of the file: read, calculate, and return the output bytes.
// Throws GreskaCitanja for a read error and GreskaProracuna for a failed calculation.
using ObradaSerije = std::function<std::string(Projekat&, std::string_view, Poruke&)>;

// The batch loop around a mode: checks the file, prepares the project (a fresh section list,
// PrikaziPoruke off), runs the work, writes the output atomically, reports every failure
// on the sink, and answers the exit status.
int PokreniSeriju(Projekat& pr, KonzolnePoruke& poruke, const ObradaSerije& obrada);

// DIM: the head (gamma_c, gamma_s) and the group sizes of the input.
struct UlazDim {
    double gamaC = 1.5;
    double gamaS = 1.15;
    std::vector<std::int32_t> grupe;
};

// Reads a DIM input into the project's section list (replacing it) with the design values
// derived; throws GreskaCitanja.
UlazDim CitajDim(Projekat& pr, std::string_view bajtovi);
// Designs every section of the list in order; throws GreskaProracuna naming the section.
void IzracunajDim(Projekat& pr, Poruke& poruke);
// The DIM output: G, then per group its size and per section Aa1, Aa2, Avil and the
// strut-failure bit (0 or 2048).
std::string PisiDim(const Projekat& pr, const UlazDim& ulaz);
// All three in turn.
std::string ObradiDim(Projekat& pr, std::string_view bajtovi, Poruke& poruke);
// The whole DIM run on the project's folder.
int PokreniDim(Projekat& pr, KonzolnePoruke& poruke);

// UGIB and PRSLINE: the entry values of the input and, per section, the extra argument of
// the calculation (UGIB: k and l; PRSLINE: the cover a).
struct UlazServis {
    std::vector<std::int32_t> stavke; // entry values m; m = 1 carries a section
    double r = 0;                     // UGIB: vbd = r * vb
    std::vector<double> k, l, a;      // per section, in list order
};

UlazServis CitajUgib(Projekat& pr, std::string_view bajtovi);
UlazServis CitajPrsline(Projekat& pr, std::string_view bajtovi);
// Output: G, then per entry m and, for m = 1, (Status AND 0x0400) and v (UGIB) or Wk.
std::string PisiUgib(const Projekat& pr, const UlazServis& ulaz);
std::string PisiPrsline(const Projekat& pr, const UlazServis& ulaz);
std::string ObradiUgib(Projekat& pr, std::string_view bajtovi, Poruke& poruke);
std::string ObradiPrsline(Projekat& pr, std::string_view bajtovi, Poruke& poruke);
int PokreniUgib(Projekat& pr, KonzolnePoruke& poruke);
int PokreniPrsline(Projekat& pr, KonzolnePoruke& poruke);

// Pieces that the readers of all three modes share.
namespace razmjena {

// A real that must be a finite number.
double Konacan(CitacToka& c, const char* polje);
// A length of the section in cm: finite and at most NajvecaDimenzija in magnitude. The
// serviceability searches step through the depth, so an absurd depth would be a hang.
inline constexpr double NajvecaDimenzija = 10000; // 100 m
double Dimenzija(CitacToka& c, const char* polje);
// An integer within [od, do_].
std::int64_t CijeliURasponu(CitacToka& c, std::int64_t od, std::int64_t do_, const char* polje);
// A count of items that need at least bajtovaPoStavci bytes each: not negative, and not more
// than the rest of the file can hold.
std::int32_t Broj(CitacToka& c, std::size_t bajtovaPoStavci, const char* sta);
// Items 10 to 14 of a DIM record: code, concrete and steel indices, shape, symmetric flag.
void CitajSifre(CitacToka& c, TPresjek& p, const Katalozi& k);
// The design values of a batch section, then Proracun 0 and sfStandardna.
void PostaviProracunske(TPresjek& p, const Projekat& pr, double gamaC, double gamaS, bool dimRezim);
// A read error when bytes are left after the last value.
void ProvjeriKraj(const CitacToka& c);
// Runs the one calculation (the batch's input check, then racunaj) for every section in list
// order; turns any failure into GreskaProracuna with the section's position in the file.
using Racunanje = std::function<void(TPresjek&, const Okruzenje&)>;
void ZaSvakiPresjek(Projekat& pr, Poruke& poruke, const Racunanje& racunaj);
// The least number of bytes of a real or an integer value (a tag and one byte).
inline constexpr std::size_t NajmanjaVrijednost = 2;

} // namespace razmjena

} // namespace nmk
