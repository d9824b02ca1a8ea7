#pragma once
// The one error a calculation raises: a degenerate state (a division by zero, a non-finite
// value, an impossible bar layout). It ends the calculation; the section keeps its previous
// results and the working object is released.

#include <cmath>
#include <stdexcept>
#include <string>

namespace nmk {

class GreskaProracuna : public std::runtime_error {
public:
    explicit GreskaProracuna(const std::string& poruka) : std::runtime_error(poruka) {}
};

// Text of the error raised for a division by zero or another non-finite intermediate value.
inline constexpr const char* PorukaDijeljenjeNulom =
    "Proračun nije moguć: dijeljenje nulom (neodgovarajući podaci presjeka)";

// Throws GreskaProracuna when x is not finite; returns x otherwise.
inline double Konacno(double x) {
    if (!std::isfinite(x))
        throw GreskaProracuna(PorukaDijeljenjeNulom);
    return x;
}

} // namespace nmk
