#include "data/pokretanje.h"

#include "data/fajl.h"
#include "data/konzolne_poruke.h"
#include "data/razmjena.h"
#include "data/sistem.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace nmk {

namespace {

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
    return izlazPokretanje;
}

// A start-up error, already on stderr: the box too for the interactive program.
int GreskaPokretanja(const std::string& tekst, bool serija, const Prozori& prozori) {
    if (!serija && prozori.greska)
        prozori.greska(tekst);
    return izlazPokretanje;
}

// NMK_PRETRAGA=doslovno makes every calculation of this process run the literal scans of
// every trial state instead of the fast searches: the same results, for comparison.
NacinPretrage NacinIzOkruzenja() {
    const char* v = std::getenv("NMK_PRETRAGA");
    return v && std::string_view(v) == "doslovno" ? NacinPretrage::Doslovna : NacinPretrage::Brza;
}

} // namespace

int Pokreni(int argc, char** argv, const std::filesystem::path& folder, Projekat& pr,
            const Prozori& prozori) {
    const std::optional<Rezim> rezim =
        argc > 1 ? RezimIzArgumenta(argv[1]) : std::optional<Rezim>{};
    // 1. Project state, extra concrete data, catalogues, one section.
    try {
        KreirajProjekat(pr, folder);
    } catch (const GreskaFajla& e) {
        KonzolnePoruke().Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return GreskaPokretanja(e.what(), rezim.has_value(), prozori);
    }
    pr.pretraga = NacinIzOkruzenja();
    // 2. and 3. The required files; the interactive program's toolkit starts there.
    if (!PostojeKatalozi(pr)) {
        KonzolnePoruke().SaNaslovom(NaslovGreskePrograma, PorukaNedostajuKatalozi(pr));
        return GreskaPokretanja(PorukaNedostajuKatalozi(pr), rezim.has_value(), prozori);
    }
    // 4. The mode switch, exact and case-sensitive.
    if (rezim)
        return PokreniRezim(*rezim, pr);
    // 5. Otherwise the interactive program.
    if (!prozori.interaktivno)
        return izlazPokretanje;
    return prozori.interaktivno(argc, argv, pr);
}

} // namespace nmk
