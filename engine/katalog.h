#pragma once
// Catalogue records of concrete and steel grades, as the engine reads them.

#include <cstdint>
#include <string>
#include <vector>

namespace nmk {

// Concrete grade (a 40-byte record on file). Name in UTF-8, at most 6 characters.
struct TBeton {
    std::string naziv;
    double fck = 0;         // characteristic compressive strength, N/mm2
    double fb = 0;          // tabulated design strength of PBAB 87, N/mm2
    double trd = 0;         // shear reference stress, N/mm2
    double rezervisano = 0; // not used by any calculation; carried through files
    bool operator==(const TBeton&) const = default;
};

// Steel grade (a 40-byte record on file). Name in UTF-8, at most 9 characters.
struct TCelik {
    std::string naziv;
    double fyk = 0; // yield stress, N/mm2
    double fav = 0; // shown on the PBAB87 tab only; not used by any calculation
    double E = 0;   // modulus of elasticity Es, N/mm2
    bool operator==(const TCelik&) const = default;
};

// Fixed index regions of the shipped catalogues.
inline constexpr int PrviEC2Beton = 10;        // concretes 0-9 are PBAB 87, 10-18 EC 2
inline constexpr int PrviKorisnickiBeton = 19; // user-defined concretes from here on
inline constexpr int EC2Celik = 3;             // steels 0-2 are PBAB 87, 3 is EC 2
inline constexpr int PrviKorisnickiCelik = 4;  // user-defined steels from here on

// The two catalogues in memory; their sizes are BrojBetona and BrojCelika.
struct Katalozi {
    std::vector<TBeton> beton;
    std::vector<TCelik> celik;

    int BrojBetona() const { return static_cast<int>(beton.size()); }
    int BrojCelika() const { return static_cast<int>(celik.size()); }
    bool ImaBeton(std::int64_t i) const { return i >= 0 && i < BrojBetona(); }
    bool ImaCelik(std::int64_t i) const { return i >= 0 && i < BrojCelika(); }
};

} // namespace nmk
