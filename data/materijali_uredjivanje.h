#pragma once
// The data side of the materials editor: adding a user-defined concrete or steel to the
// editor's catalogue file and deleting one, with the check that no stored section uses it and
// the re-indexing of the stored sections that refer to later records. The editor's files are
// the catalogue files, or their temporary copies while a project is open (FajlBetona /
// FajlCelika of data/katalog_fajl.h).

#include "data/projekat.h"
#include "engine/poruke.h"

#include <optional>
#include <string>
#include <vector>

namespace nmk {

inline constexpr const char* PorukaLosiPodaciMaterijala = "Podaci nisu dobro zadani";

// Longest names the records hold, in characters.
inline constexpr std::size_t MaxZnakovaBetona = 6;
inline constexpr std::size_t MaxZnakovaCelika = 9;

// A new entry as typed: the name and the two numbers (nothing where the text is no number).
// For a concrete the numbers are fck and trd, for a steel fyk and E.
struct NoviMaterijal {
    std::string naziv;
    std::optional<double> prvi;
    std::optional<double> drugi;
};

// Appends the entry to the editor's concrete (steel) file as a zeroed record with the name cut
// to 6 (9) characters. An empty name or a missing number shows PorukaLosiPodaciMaterijala as
// an error and leaves the file untouched. Answers whether the file was changed; a file that
// cannot be read or written throws GreskaFajla and is left as it was.
bool DodajBeton(const Projekat& pr, const NoviMaterijal& novi, Poruke& poruke);
bool DodajCelik(const Projekat& pr, const NoviMaterijal& novi, Poruke& poruke);

// Deletes user-defined concrete (steel) record `indeks` from the editor's file:
//  - an index of a built-in grade or beyond the file's last record does nothing;
//  - when a stored section (every entry of the list but the working one) uses the record,
//    the error naming the section and the grade is shown and nothing is deleted;
//  - the confirmation "Jeste li sigurni da zelite izbrisati beton  " + `prikazaniNaziv` is
//    asked; "No" keeps the record;
//  - the file is rewritten without the record (through a temporary file and a rename), and
//    every stored section that refers to a later record is moved down by one.
// Answers whether the file was changed. A file that cannot be read or written throws
// GreskaFajla; the file and the sections are then left as they were.
bool ObrisiBeton(Projekat& pr, int indeks, const std::string& prikazaniNaziv, Poruke& poruke);
bool ObrisiCelik(Projekat& pr, int indeks, const std::string& prikazaniNaziv, Poruke& poruke);

// A catalogue index after the deletions `izbrisani` (the index each deleted record had when it
// was deleted, in the order of the deletions): one lower for every deleted record before it,
// nothing when the record itself was deleted.
std::optional<int> IndeksNakonBrisanja(int indeks, const std::vector<int>& izbrisani);

} // namespace nmk
