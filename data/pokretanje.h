#pragma once
// The start of the process: the project state and the catalogues, the required files, the
// mode switch, then a batch mode or the interactive program. The windows are handed in, so
// that the start runs (and is tested) without a window toolkit, and a batch never makes one.

#include "data/projekat.h"

#include <filesystem>
#include <functional>
#include <string>

namespace nmk {

// What the start calls outside the data layer; either may be empty.
struct Prozori {
    // The interactive program; answers the exit status.
    std::function<int(int argc, char** argv, Projekat& pr)> interaktivno;
    // Shows a start-up error of the interactive program in a box (it is on stderr already).
    std::function<void(const std::string& tekst)> greska;
};

// Exit status of a start-up failure (and of a missing interactive program).
inline constexpr int izlazPokretanje = 1;

// The whole run after main: creates the project in `folder` (the executable's), checks that
// "Beton.mtr" and "Celik.mtr" exist, and runs the mode of the first argument or else the
// interactive program. A catalogue that is missing or cannot be read ends the run with status
// 1 and its message on stderr, and, when no mode word was given, in the error box too.
int Pokreni(int argc, char** argv, const std::filesystem::path& folder, Projekat& pr,
            const Prozori& prozori);

} // namespace nmk
