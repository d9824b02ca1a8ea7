#pragma once
// The "Detalji" listings of the crack and the deflection calculations as text lines: a label
// of exactly 52 characters, the value and the unit; headings and empty lines stand alone.

#include "engine/dodatni_podaci.h"
#include "engine/presjek.h"

#include <string>
#include <vector>

namespace nmk {

// Eb is the concrete modulus evaluated for the section when the listing is built.
std::vector<std::string> DetaljiPrslina(const TDodatniPodaci& dp, TPropis propis, double Eb,
                                        char separator = '.');
std::vector<std::string> DetaljiUgiba(const TDodatniPodaci& dp, TPropis propis, double Eb,
                                      char separator = '.');

// Shown instead of the depth of the compressed zone when the whole section is compressed.
inline constexpr const char* TekstCijeliPritisnut =
    "cijeli presjek je pritisnut (stadij I, bez prslina)";

} // namespace nmk
