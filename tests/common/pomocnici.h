#pragma once
// Shared test helpers: a message sink that records and a tolerance matcher that prints the
// difference. The shipped catalogues are in katalozi.h.

#include "engine/katalog.h"
#include "engine/poruke.h"

#include <gmock/gmock.h>

#include <cmath>
#include <string>
#include <vector>

namespace nmk::test {

struct SnimljenaPoruka {
    std::string tekst;
    VrstaPoruke vrsta = VrstaPoruke::Upozorenje;
    unsigned dugmad = 0;
    bool obicna = false;
};

// Records every message; answers with `odgovor` (OK by default).
class SnimajucePoruke : public Poruke {
public:
    int odgovor = odgOK;
    std::vector<SnimljenaPoruka> poruke;

    int Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) override {
        poruke.push_back({tekst, vrsta, dugmad, false});
        return odgovor;
    }
    void Obicna(const std::string& tekst) override { poruke.push_back({tekst, {}, dgOK, true}); }
    void Obrisi() { poruke.clear(); }
};

// |arg - expected| <= tolerance, printing the difference on failure.
MATCHER_P2(IsNear, expected, tolerance,
           "is within " + ::testing::PrintToString(tolerance) + " of " +
               ::testing::PrintToString(expected)) {
    const double razlika = static_cast<double>(arg) - static_cast<double>(expected);
    *result_listener << "which differs by " << razlika;
    return std::fabs(razlika) <= static_cast<double>(tolerance);
}

// Relative tolerance for closed forms: 1e-6 (1 + |a| + |b|).
inline double Relativno(double a, double b) {
    return 1e-6 * (1 + std::fabs(a) + std::fabs(b));
}

} // namespace nmk::test
