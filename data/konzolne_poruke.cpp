#include "data/konzolne_poruke.h"

#include <iostream>

namespace nmk {

KonzolnePoruke::KonzolnePoruke() : izlaz_(std::cerr) {}

KonzolnePoruke::KonzolnePoruke(std::ostream& izlaz) : izlaz_(izlaz) {}

int KonzolnePoruke::Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) {
    Red(NaslovPoruke(vrsta), tekst);
    return (dugmad & dgOK) ? odgOK : (dugmad & dgDa) ? odgDa : odgOK;
}

void KonzolnePoruke::Obicna(const std::string& tekst) {
    izlaz_ << tekst << '\n' << std::flush;
}

void KonzolnePoruke::SaNaslovom(const std::string& naslov, const std::string& tekst) {
    Red(naslov, tekst);
}

void KonzolnePoruke::Red(const std::string& naslov, const std::string& tekst) {
    // A line break inside a text stays a line break: the caller reads the text as shown.
    izlaz_ << naslov << ": " << tekst << '\n' << std::flush;
}

} // namespace nmk
