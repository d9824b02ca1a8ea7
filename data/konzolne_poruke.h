#pragma once
// The message sink of the batch modes: every message becomes one line "caption: text" on
// the error stream (stderr unless told otherwise). Whether a calculation's informative
// messages are shown at all (PrikaziPoruke) is decided by the callers.

#include "engine/poruke.h"

#include <iosfwd>
#include <string>

namespace nmk {

// Caption of the boxes that the start-up and the batch modes show for their own failures.
inline constexpr const char* NaslovGreskePrograma = "Greska !!!";

class KonzolnePoruke : public Poruke {
public:
    KonzolnePoruke();                             // writes to std::cerr
    explicit KonzolnePoruke(std::ostream& izlaz); // writes to the given stream

    // "caption: text" with the kind's caption; answers OK, or Yes where OK is not offered.
    int Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) override;
    // The plain box has no caption of its own: the text alone.
    void Obicna(const std::string& tekst) override;
    // A box with a caption of its own ("Greska !!!").
    void SaNaslovom(const std::string& naslov, const std::string& tekst);

private:
    void Red(const std::string& naslov, const std::string& tekst);
    std::ostream& izlaz_;
};

} // namespace nmk
