// Process entry: the start of data/pokretanje with the windows of this build, and the end of
// the process.
//
// No window-toolkit object exists before the mode switch: a batch mode runs without a
// display. The exit status is 0 only when a batch wrote its results (or the interactive
// program ended normally), so a failure never looks like success to a calling program.

#include "data/konzolne_poruke.h"
#include "data/pokretanje.h"
#include "data/sistem.h"

#include <exception>
#include <iostream>

#ifdef NMK_WITH_UI
#include "ui/interaktivno.h"
#endif

namespace {

using namespace nmk;

#ifndef NMK_WITH_UI
// A build without windows: a short usage text instead of the interactive program.
int Upotreba(int, char** argv, Projekat&) {
    std::cerr << "Upotreba: " << (argv[0] ? argv[0] : "nosivometrik") << " DIM | UGIB | PRSLINE\n"
              << "  DIM      dimenzioniranje presjeka iz ~Presjeci.prs\n"
              << "  UGIB     ugibi presjeka iz ~Presjeci.prs\n"
              << "  PRSLINE  sirine prslina presjeka iz ~Presjeci.prs\n"
              << "Fajl ~Presjeci.prs je u folderu programa; rezultati se upisuju u isti fajl.\n";
    return izlazPokretanje;
}
#endif

Prozori ProzoriPrograma() {
    Prozori p;
#ifdef NMK_WITH_UI
    p.interaktivno = ui::PokreniInteraktivno;
    p.greska = ui::PrikaziGreskuPokretanja;
#else
    p.interaktivno = Upotreba;
#endif
    return p;
}

} // namespace

int main(int argc, char** argv) {
    nmk::Projekat pr;
    // The end of the process runs on every path: temporary catalogue copies deleted.
    nmk::KrajProcesa kraj(pr);
    try {
        return nmk::Pokreni(argc, argv, nmk::FolderPrograma(argc > 0 ? argv[0] : nullptr), pr,
                            ProzoriPrograma());
    } catch (const std::exception& e) {
        nmk::KonzolnePoruke().Prikazi(e.what(), nmk::VrstaPoruke::Greska, nmk::dgOK);
        return nmk::izlazPokretanje;
    }
}
