#include "engine/osnovni_ugib.h"

#include "engine/cvrstoce.h"
#include "engine/greska.h"
#include "engine/servis.h"
#include "engine/tecenje.h"

#include <array>

namespace nmk {

namespace {

constexpr std::array<float, BrojStatickihSistema> KoefSistema = {0.5f, 0.125f, 0.09f, 0.065f};

// [load case][static system]
constexpr std::array<std::array<float, BrojStatickihSistema>, BrojOpterecenja> KoefUgiba = {{
    {0.10417f, 0.02083f, 0.00932f, 0.00521f},
    {0.33333f, 0.0f, 0.0f, 0.0f},
    {0.125f, 0.01302f, 0.005416f, 0.0026f},
    {0.05729f, 0.00833f, 0.00356f, 0.00182f},
    {0.03333f, 0.00652f, 0.00238f, 0.00131f},
    {0.09167f, 0.00652f, 0.00305f, 0.00131f},
}};

constexpr const char* PorukaSistem = "Nepoznat statički sistem ili slučaj opterećenja";

void ProvjeriSistem(int sistem) {
    if (sistem < 0 || sistem >= BrojStatickihSistema)
        throw GreskaProracuna(PorukaSistem);
}

} // namespace

float KoefStatickogSistema(int sistem) {
    ProvjeriSistem(sistem);
    return KoefSistema[static_cast<std::size_t>(sistem)];
}

float KoefOsnovnogUgiba(int opterecenje, int sistem) {
    ProvjeriSistem(sistem);
    if (opterecenje < 0 || opterecenje >= BrojOpterecenja)
        throw GreskaProracuna(PorukaSistem);
    return KoefUgiba[static_cast<std::size_t>(opterecenje)][static_cast<std::size_t>(sistem)];
}

OsnovniUgib ProracunOsnovnogUgiba(const TPresjek& p, const Katalozi& k, double raspon,
                                  double opterecenje, double stalno, int slucaj, int sistem) {
    Provjeri(GreskaRaspona(raspon));
    const float c = KoefOsnovnogUgiba(slucaj, sistem);
    const double E = ModulBetona(p, k) / 10.0; // kN/cm2
    TPresjek kopija = p;                       // as entered: no working object, not turned
    const double J = MomenatInercijeBetona(kopija);
    const float L = static_cast<float>(raspon * 100.0);
    const bool linijsko = slucaj >= 2;
    const double L3 = static_cast<double>(L) * L * L;
    const double f = (linijsko ? L3 * L : L3) * c / (E * J);
    OsnovniUgib u;
    u.vb = static_cast<float>(opterecenje * f);
    u.vbd = static_cast<float>(stalno * f);
    if (linijsko) { // kN/m into kN/cm
        u.vb /= 100.0f;
        u.vbd /= 100.0f;
    }
    Konacno(u.vb);
    Konacno(u.vbd);
    return u;
}

} // namespace nmk
