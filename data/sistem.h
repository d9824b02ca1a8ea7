#pragma once
// Start-up creation and release of the project: the project state with its defaults, the
// extra concrete data, the two catalogues from the program's folder and a section list of
// one section; at the end the temporary catalogue copies are deleted when in use.

#include "data/projekat.h"

#include <filesystem>
#include <string>

namespace nmk {

// The folder of the running executable: /proc/self/exe, else the folder part of argv[0]
// (made absolute), else the working directory.
std::filesystem::path FolderPrograma(const char* argv0);

// Start-up creation, in this order: TSistem and TBetonEx with their defaults, the concrete
// catalogue, then the steel catalogue (a missing file is skipped without a message), then a
// section list of one new section, which is current. Throws GreskaFajla when a catalogue
// file exists but cannot be read or is malformed.
void KreirajProjekat(Projekat& pr, const std::filesystem::path& folder);

// Both "Beton.mtr" and "Celik.mtr" exist in the project's folder.
bool PostojeKatalozi(const Projekat& pr);

// "Program nemoze raditi bez sljedecih fajlova:\n" with the full paths of both catalogue
// files, one a line, whichever of them is missing.
std::string PorukaNedostajuKatalozi(const Projekat& pr);

// Release at the end of the process: the temporary catalogue copies are deleted when in use
// (and the flag cleared); the sections, the catalogues, TBetonEx and TSistem are emptied.
void OslobodiProjekat(Projekat& pr);

// Runs the release when it goes out of scope, on every way out of the process entry.
class KrajProcesa {
public:
    explicit KrajProcesa(Projekat& pr) : pr_(pr) {}
    ~KrajProcesa() { OslobodiProjekat(pr_); }
    KrajProcesa(const KrajProcesa&) = delete;
    KrajProcesa& operator=(const KrajProcesa&) = delete;

private:
    Projekat& pr_;
};

} // namespace nmk
