#include "engine/sirina_ploce.h"

#include "engine/format.h"

#include <array>

namespace nmk {

float FaktorSistemaPloce(int sistem) {
    static constexpr std::array<float, BrojSistemaPloce> alfa = {1.0f, 0.85f, 0.7f};
    if (sistem < 0 || sistem >= BrojSistemaPloce)
        return alfa[0];
    return alfa[static_cast<std::size_t>(sistem)];
}

float SirinaPloce(int sistem, float L, float e, float b0) {
    float b = FaktorSistemaPloce(sistem) * L / 5.0f + b0;
    if (b > e)
        b = e;
    return b;
}

std::string TekstSirinePloce(float b, char separator) {
    return FormatirajBroj(b, 6, 2, separator);
}

} // namespace nmk
