#pragma once
// The project in memory: the project state TSistem, the extra concrete data, the two
// catalogues and the section list with its working section.

#include "engine/katalog.h"
#include "engine/okruzenje.h"
#include "engine/presjek.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace nmk {

struct TSistem {
    std::int32_t IzabraniPresjek = 0;  // the stored section the drawing and dialogs act on
    bool Izmijenjen = false;           // changed since last saved or created
    bool AutomatskiProracun = true;    // option "Automatski proracun"
    bool MinMaxArmatura = true;        // option "Proracun min/max armature"
    bool PrikaziPoruke = true;         // option "Prikazi Poruke"; the batch modes clear it
    std::string ImeFajla;              // project file last opened (UTF-8 path)
    bool PrivremeniMaterijali = false; // the temporary catalogue copies are in use
    float Alfa = 0.85f;                // factor of the EC 2 design strength of concrete
};

// What the deflection and crack windows read besides the section and TBetonEx, kept by the
// project (and its file) so that a reopened project calculates as before: the span and the
// static system of the deflections, the concrete cover of the cracks, and the inputs from
// which the creep coefficient and the shrinkage strain were derived. Each value is taken over
// from a calculation that succeeded with it, so it always lies in its physical range.
struct PodaciServisa {
    double l = 100;                   // span of the deflections, cm
    std::int32_t StatickiSistem = 1;  // static system of the deflections (simply supported)
    double a = 3;                     // concrete cover of the cracks, cm
    std::int32_t StarostTecenja = 28; // age at loading of the creep coefficient, days
    double VlaznostTecenja = 80;      // relative humidity of the creep coefficient, %
    double VlaznostSkupljanja = 80;   // relative humidity of the shrinkage strain, %
    bool operator==(const PodaciServisa&) const = default;
};

// The whole project. In the interactive program the section list always ends with the
// working section; the entries before it are the stored sections. In the batch modes the
// list holds exactly the sections of the exchange file.
struct Projekat {
    std::filesystem::path folder; // the executable's folder: catalogue and exchange files
    TSistem sistem;
    TBetonEx betonEx;
    PodaciServisa servis;
    Katalozi katalozi;
    std::vector<TPresjek> presjeci;
    std::size_t trenutni = 0; // index of the current section
    // How the calculations find their states: the fast searches, or the literal scans of
    // every trial state (the same results, slower; the program takes it from NMK_PRETRAGA).
    NacinPretrage pretraga = NacinPretrage::Brza;

    std::int32_t BrojPresjeka() const { return static_cast<std::int32_t>(presjeci.size()); }
    std::int32_t BrojBetona() const { return katalozi.BrojBetona(); }
    std::int32_t BrojCelika() const { return katalozi.BrojCelika(); }

    TPresjek& Trenutni() { return presjeci.at(trenutni); }
    const TPresjek& Trenutni() const { return presjeci.at(trenutni); }
    // The working section: the last entry of the list.
    TPresjek& Radni() { return presjeci.back(); }
    // Makes the working section (the last entry) the current one again.
    void VratiRadni() { trenutni = presjeci.empty() ? 0 : presjeci.size() - 1; }

    // What the calculations read besides the section.
    Okruzenje okruzenje(Poruke& poruke) const {
        return Okruzenje{.katalozi = katalozi,
                         .betonEx = betonEx,
                         .poruke = poruke,
                         .Alfa = sistem.Alfa,
                         .MinMaxArmatura = sistem.MinMaxArmatura,
                         .PrikaziPoruke = sistem.PrikaziPoruke,
                         .pretraga = pretraga};
    }
};

// Whether entry i is a stored section (not the working section, the list's last entry).
bool JeSacuvan(const Projekat& pr, std::int32_t i);

// Takes stored section i out of the list. The selection goes to the stored section that takes
// its place, else to the one before it, else (none left) to the working section; the working
// section is current again. Answers the new selection. Any other i changes nothing.
std::int32_t IzbrisiPresjek(Projekat& pr, std::int32_t i);

// Paths of the files the program names, in its folder.
std::filesystem::path Putanja(const Projekat& pr, const char* ime);

} // namespace nmk
