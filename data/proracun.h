#pragma once
// One calculation of a section, below the windows: the main window and the three batch modes
// run every section through it. It resets the results (when the caller fills the section),
// checks the input, runs the calculation, and marks the section calculated; the messages go
// to the caller's sink.

#include "data/projekat.h"
#include "data/provjera.h"
#include "engine/okruzenje.h"
#include "engine/poruke.h"
#include "engine/presjek.h"

#include <functional>
#include <optional>
#include <string>

namespace nmk {

// How the input check's finding is treated.
enum class NacinProvjere {
    // The window: the finding is shown on the sink; one that does not let the section be
    // calculated (an error, or the warning of an unloaded section) stops, and clears Ispravan.
    Prozor,
    // A batch: the finding is not shown; only an error stops (a warning does not stop a
    // batch), and Ispravan is left as it is.
    Serija,
};

struct NacinProracuna {
    // Fills the section after its results were reset (the window reads its fields). When
    // empty, the section is calculated as it stands and nothing is reset (a batch's sections
    // come from the exchange file).
    std::function<void(TPresjek&)> unos;
    NacinProvjere provjera = NacinProvjere::Prozor;
    // The calculation; when empty, the section's own mode (the bending design, the ultimate
    // moment or the ultimate section forces).
    std::function<void(TPresjek&, const Okruzenje&)> racunaj;
};

struct IshodProracuna {
    std::optional<NalazProvjere> nalaz; // the input check's finding, if any
    bool provjeraProsla = false;        // the check let the calculation run
    std::optional<std::string> greska;  // the text of the error that ended the calculation
    // Results are present: the check passed and the calculation ended without an error.
    bool Izracunat() const { return provjeraProsla && !greska; }
};

// Runs the section's own calculation mode.
void RacunajPoRezimu(TPresjek& p, const Okruzenje& o);

// The one calculation of a section of the project (its catalogues, options and sink). A
// failed calculation leaves the section's earlier results in place and answers its text; the
// section is then not marked calculated.
IshodProracuna IzracunajPresjek(TPresjek& p, const Projekat& pr, Poruke& poruke,
                                const NacinProracuna& nacin = {});

} // namespace nmk
