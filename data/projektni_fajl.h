#pragma once
// The project file ("*.nmk"): all sections with their inputs and ultimate-limit-state
// results, and the user-defined materials, as a tagged value stream that begins with the
// magic "NOSIVOMETRIK16"; then the extension block with the serviceability data, the chosen
// bars and the deflection and crack results (data/dodatak_projekta.h).

#include "data/projekat.h"
#include "engine/poruke.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace nmk {

inline constexpr const char* MagijaProjekta = "NOSIVOMETRIK16";
inline constexpr const char* PorukaNepoznatFajl = "Nosivometrik 1.6 ne moze otvoriti ovaj fajl";

// Writes the project to the file (through a temporary file and a rename, so a failed save
// never destroys the previous file). Changes nothing in memory. Throws GreskaFajla.
void SnimiProjekat(const Projekat& pr, const std::filesystem::path& putanja);

// Reads the bytes of a whole project file (its magic is not tested again) into `novi`, whose
// catalogues hold the records of the catalogue files. Throws GreskaCitanja when the bytes
// are not a whole project; every count is bounded by what the rest of the file can hold
// before anything is sized for it.
void CitajProjekat(Projekat& novi, std::string_view bajtovi);

// True when the file's bytes 2 to 15 read "NOSIVOMETRIK16" (a shorter file fails).
bool ProvjeriMagiju(const std::filesystem::path& putanja);

// Check-and-load. A wrong magic shows the warning "Nosivometrik 1.6 ne moze otvoriti ovaj
// fajl" and answers false; a file that passes the magic check but cannot be read whole shows
// the read error and answers false. In both cases nothing in memory or on disk changes. On
// success the project's section list and catalogues (and, when the file holds the extension,
// its TBetonEx values and PodaciServisa) are those of the file, the temporary
// catalogue copies are written and in use, IzabraniPresjek is 0, the working section (the
// last entry) is current, and the answer is true. The caller then applies the project.
bool ProvjeriIUcitaj(Projekat& pr, const std::filesystem::path& putanja, Poruke& poruke);

// The data side of applying a loaded project: ImeFajla becomes the path.
void PrimijeniUcitani(Projekat& pr, const std::filesystem::path& putanja);

// "Nosivometrik - [" + path + "]"
std::string NaslovProzora(const std::filesystem::path& putanja);

// Names of the stored sections (entries 0 to BrojPresjeka - 2), for the section list.
std::vector<std::string> NaziviSacuvanih(const Projekat& pr);

// The new-project reset, data side: one new default section (current, IzabraniPresjek 0);
// the temporary catalogue copies deleted when in use; ImeFajla and Izmijenjen cleared; Alfa
// 0.85; PrivremeniMaterijali cleared; both catalogues reloaded from the program's folder.
// The options and TBetonEx are kept. Throws GreskaFajla when a catalogue cannot be read.
void NoviProjekat(Projekat& pr);

} // namespace nmk
