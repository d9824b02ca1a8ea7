#pragma once
// The shipped catalogues for tests that link the data library.

#include "data/katalog_fajl.h"
#include "engine/katalog.h"

#include <filesystem>

namespace nmk::test {

inline std::filesystem::path ProgramskiFolder() {
    return std::filesystem::path(NMK_BIN_DIR);
}

inline Katalozi UgradjeniKatalozi() {
    Katalozi k;
    k.beton = CitajBetone(ProgramskiFolder() / BetonFajl);
    k.celik = CitajCelike(ProgramskiFolder() / CelikFajl);
    return k;
}

} // namespace nmk::test
