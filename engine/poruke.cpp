#include "engine/poruke.h"

namespace nmk {

const char* NaslovPoruke(VrstaPoruke vrsta) {
    switch (vrsta) {
    case VrstaPoruke::Upozorenje:
        return "Upozorenje";
    case VrstaPoruke::Greska:
        return "Greška";
    case VrstaPoruke::Informacija:
        return "Informacija";
    case VrstaPoruke::Potvrda:
        return "Potvrdi";
    }
    return "";
}

const char* TekstDugmeta(int odgovor) {
    switch (odgovor) {
    case odgOK:
        return "&OK";
    case odgOtkazi:
        return "O&tkaži";
    case odgDa:
        return "&Da";
    case odgNe:
        return "&Ne";
    default:
        return "";
    }
}

} // namespace nmk
