#pragma once
// The catalogue files "Beton.mtr" and "Celik.mtr": flat files of 40-byte little-endian
// records with no header, and their temporary copies "~Beton.mtr" and "~Celik.mtr" that are
// in use while a project is open.

#include "data/projekat.h"
#include "engine/katalog.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace nmk {

inline constexpr std::size_t VelicinaZapisa = 40;
inline constexpr const char* BetonFajl = "Beton.mtr";
inline constexpr const char* CelikFajl = "Celik.mtr";
inline constexpr const char* PrivremeniBetonFajl = "~Beton.mtr";
inline constexpr const char* PrivremeniCelikFajl = "~Celik.mtr";

// One record as its 40 bytes: the name in the 8-bit code page (cut to 6 or 9 characters),
// zero bytes after it, then the doubles.
std::string KodirajBeton(const TBeton& b);
std::string KodirajCelik(const TCelik& c);
TBeton DekodirajBeton(std::string_view zapis40);
TCelik DekodirajCelik(std::string_view zapis40);

// All records of a catalogue's bytes; throws GreskaFajla naming the file `ime` when their
// size is not a multiple of 40 (or they do not fit in memory).
std::vector<TBeton> DekodirajBetone(std::string_view sve, const std::string& ime);
std::vector<TCelik> DekodirajCelike(std::string_view sve, const std::string& ime);
// All records of a catalogue file; throws GreskaFajla when it cannot be read or its size is
// not a multiple of 40.
std::vector<TBeton> CitajBetone(const std::filesystem::path& putanja);
std::vector<TCelik> CitajCelike(const std::filesystem::path& putanja);
// Writes a whole catalogue file (through a temporary file and a rename).
void ZapisiBetone(const std::filesystem::path& putanja, const std::vector<TBeton>& zapisi);
void ZapisiCelike(const std::filesystem::path& putanja, const std::vector<TCelik>& zapisi);

// The file a catalogue load reads: the temporary copy while PrivremeniMaterijali is set.
std::filesystem::path FajlBetona(const Projekat& pr);
std::filesystem::path FajlCelika(const Projekat& pr);

// Loads a catalogue into the project. A missing file changes nothing and answers false;
// an unreadable or malformed file throws GreskaFajla and changes nothing.
bool UcitajBetone(Projekat& pr);
bool UcitajCelike(Projekat& pr);

// Writes both catalogues from memory into the temporary copies and sets PrivremeniMaterijali.
void ZapisiPrivremeneKopije(Projekat& pr);
// Deletes the temporary copies when they are in use (the flag itself is left to the caller).
void ObrisiPrivremeneKopije(const Projekat& pr);

} // namespace nmk
