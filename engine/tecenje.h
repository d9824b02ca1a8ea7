#pragma once
// Final creep coefficient and final shrinkage strain from their tables, by the age of the
// concrete at loading, the relative humidity and the notional size of the member.

#include "engine/okruzenje.h"
#include "engine/presjek.h"

#include <optional>

namespace nmk {

// Notional size 2 Ac / u in mm of the section as entered (not turned): the concrete area over
// half the perimeter of the enclosing rectangle. Throws GreskaProracuna for b + h = 0.
double KarakteristicnaDebljina(const TPresjek& p);

// Final creep coefficient for the age t0 at loading (whole days), the relative humidity RH (%)
// and the notional size h0 (mm): interpolation in t0 and h0 in the 50 % and the 80 % table,
// linear extrapolation beyond them, then linear in RH. An age below one day, or a non-finite
// value, or a humidity outside 0..100 %, throws GreskaProracuna; a result that the
// extrapolation makes negative is 0.
double KoeficijentTecenja(int t0, double RH, double h0);

// Final shrinkage strain in per mille for the relative humidity RH (%) and the notional size
// h0 (mm), linear in h0 (no limits) and in RH. Non-finite values and a humidity outside
// 0..100 % throw GreskaProracuna; a negative result is 0.
double KoeficijentSkupljanja(double RH, double h0);

// Message for an age at loading below one day.
inline constexpr const char* PorukaStarostBetona =
    "Starost betona pri opterećenju mora biti najmanje jedan dan";

// The physical ranges of the service data. Each check answers the message for a value outside
// its range (a value that is not a number included), or nothing; the calculations that use a
// value throw it as GreskaProracuna, the windows show it, the file readers refuse the file.
// Each message is one object, so the answer of a check is that very text.
inline constexpr char PorukaKoeficijentTecenja[] = "Koeficijent tecenja ne moze biti negativan";
inline constexpr char PorukaSkupljanje[] =
    "Relativna deformacija skupljanja ne moze biti negativna";
inline constexpr char PorukaRaspon[] = "Raspon mora biti veci od nule";
inline constexpr char PorukaVlaznost[] = "Vlaznost mora biti izmedju 0 i 100 %";

// The creep coefficient and the shrinkage strain: neither may be negative (shrinkage
// shortens the concrete; a negative strain would be swelling), and both must be finite.
std::optional<const char*> GreskaPodatakaBetona(const TBetonEx& bx);
// A span in any unit: finite and greater than zero.
std::optional<const char*> GreskaRaspona(double l);
// A relative humidity in %: from 0 to 100.
std::optional<const char*> GreskaVlaznosti(double RH);
// An age at loading in days: at least one.
std::optional<const char*> GreskaStarosti(int t0);

// Throws GreskaProracuna with the message of a failed check.
void Provjeri(std::optional<const char*> greska);

} // namespace nmk
