#pragma once
// Final creep coefficient and final shrinkage strain from their tables, by the age of the
// concrete at loading, the relative humidity and the notional size of the member.

#include "engine/presjek.h"

namespace nmk {

// Notional size 2 Ac / u in mm of the section as entered (not turned): the concrete area over
// half the perimeter of the enclosing rectangle. Throws GreskaProracuna for b + h = 0.
double KarakteristicnaDebljina(const TPresjek& p);

// Final creep coefficient for the age t0 at loading (whole days), the relative humidity RH (%)
// and the notional size h0 (mm): interpolation in t0 and h0 in the 50 % and the 80 % table,
// linear extrapolation beyond them, then linear in RH. An age below one day, or a non-finite
// value, throws GreskaProracuna; a result that the extrapolation makes negative is 0.
double KoeficijentTecenja(int t0, double RH, double h0);

// Final shrinkage strain in per mille for the relative humidity RH (%) and the notional size
// h0 (mm), linear in h0 (no limits) and in RH. Non-finite values throw GreskaProracuna; a
// negative result is 0.
double KoeficijentSkupljanja(double RH, double h0);

// Message for an age at loading below one day.
inline constexpr const char* PorukaStarostBetona =
    "Starost betona pri opterećenju mora biti najmanje jedan dan";

} // namespace nmk
