#pragma once
// What the fuzz targets share: the shipped catalogues (read once from the folder of the
// executable, where the build puts them), and a check that ends the run as a crash, so that
// libFuzzer keeps the input that broke a rule.

#include "data/katalog_fajl.h"
#include "data/sistem.h"
#include "engine/katalog.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace nmk::fuzz {

inline std::string_view Bajtovi(const std::uint8_t* podaci, std::size_t velicina) {
    return {reinterpret_cast<const char*>(podaci), velicina};
}

// A broken rule: the message, then abort (libFuzzer reports it and saves the input).
inline void Provjeri(bool uslov, const char* pravilo) {
    if (uslov)
        return;
    std::fprintf(stderr, "nosivometrik fuzz: %s\n", pravilo);
    std::abort();
}

// The catalogues that the program ships, as the batch modes load them.
inline const Katalozi& UgradjeniKatalozi() {
    static const Katalozi k = [] {
        const auto folder = FolderPrograma(nullptr);
        Katalozi r;
        r.beton = CitajBetone(folder / BetonFajl);
        r.celik = CitajCelike(folder / CelikFajl);
        return r;
    }();
    return k;
}

} // namespace nmk::fuzz
