// Process entry: start-up, the required files, the mode switch and the end of the process.
//
// No window-toolkit object exists before the mode switch: a batch mode runs without a
// display. The exit status is 0 only when a batch wrote its results (or the interactive
// program ended normally), so a failure never looks like success to a calling program.

#include "data/fajl.h"
#include "data/konzolne_poruke.h"
#include "data/razmjena.h"
#include "data/sistem.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string_view>

#ifdef NMK_WITH_UI
#include "ui/interaktivno.h"
#endif

namespace {

using namespace nmk;

constexpr int kIzlazGreska = 1;

// The interactive program: the main window (in a build without windows, a short usage text
// and a non-zero status).
int Interaktivno(int argc, char** argv, Projekat& pr) {
#ifdef NMK_WITH_UI
    return ui::PokreniInteraktivno(argc, argv, pr);
#else
    (void)argc;
    (void)pr;
    std::cerr << "Upotreba: " << (argv[0] ? argv[0] : "nosivometrik") << " DIM | UGIB | PRSLINE\n"
              << "  DIM      dimenzioniranje presjeka iz ~Presjeci.prs\n"
              << "  UGIB     ugibi presjeka iz ~Presjeci.prs\n"
              << "  PRSLINE  sirine prslina presjeka iz ~Presjeci.prs\n"
              << "Fajl ~Presjeci.prs je u folderu programa; rezultati se upisuju u isti fajl.\n";
    return kIzlazGreska;
#endif
}

// The required catalogue files are missing: the message names both full paths. A batch
// writes it to stderr; the interactive program shows it as a box.
int NedostajuFajlovi(const Projekat& pr, bool serija) {
    KonzolnePoruke().SaNaslovom(NaslovGreskePrograma, PorukaNedostajuKatalozi(pr));
#ifdef NMK_WITH_UI
    if (!serija)
        ui::PrikaziGreskuPokretanja(PorukaNedostajuKatalozi(pr));
#else
    (void)serija;
#endif
    return kIzlazGreska;
}

int PokreniRezim(Rezim rezim, Projekat& pr) {
    KonzolnePoruke poruke;
    switch (rezim) {
    case Rezim::Dim:
        return PokreniDim(pr, poruke);
    case Rezim::Ugib:
        return PokreniUgib(pr, poruke);
    case Rezim::Prsline:
        return PokreniPrsline(pr, poruke);
    }
    return kIzlazGreska;
}

// NMK_PRETRAGA=doslovno makes every calculation of this process run the literal scans of
// every trial state instead of the fast searches: the same results, for comparison.
NacinPretrage NacinIzOkruzenja() {
    const char* v = std::getenv("NMK_PRETRAGA");
    return v && std::string_view(v) == "doslovno" ? NacinPretrage::Doslovna : NacinPretrage::Brza;
}

int Pokreni(int argc, char** argv, Projekat& pr) {
    // 1. Project state, extra concrete data, catalogues, one section.
    try {
        KreirajProjekat(pr, FolderPrograma(argc > 0 ? argv[0] : nullptr));
    } catch (const GreskaFajla& e) {
        KonzolnePoruke().Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return kIzlazGreska;
    }
    pr.pretraga = NacinIzOkruzenja();
    const std::optional<Rezim> rezim =
        argc > 1 ? RezimIzArgumenta(argv[1]) : std::optional<Rezim>{};
    // 2. and 3. The required files; the interactive program's toolkit starts there.
    if (!PostojeKatalozi(pr))
        return NedostajuFajlovi(pr, rezim.has_value());
    // 4. The mode switch, exact and case-sensitive.
    if (rezim)
        return PokreniRezim(*rezim, pr);
    // 5. Otherwise the interactive program.
    return Interaktivno(argc, argv, pr);
}

} // namespace

int main(int argc, char** argv) {
    nmk::Projekat pr;
    // 6. The end of the process runs on every path: temporary catalogue copies deleted.
    nmk::KrajProcesa kraj(pr);
    try {
        return Pokreni(argc, argv, pr);
    } catch (const std::exception& e) {
        nmk::KonzolnePoruke().Prikazi(e.what(), nmk::VrstaPoruke::Greska, nmk::dgOK);
        return kIzlazGreska;
    }
}
