#pragma once
// The extension block of the project file: what a project holds beyond the section records
// and the user-defined materials of the file's first part. It follows the last record of that
// part, so a reader that knows only the first part stops before it, and a file that ends after
// the first part opens as before.
//
// Layout (values of the tagged stream):
//   marker        string "NOSIVOMETRIK DODATAK"
//   version       integer, 1
//   fi, hi, ebs, alfa_st, B1, B2                   6 reals: TBetonEx (fi >= 0, ebs >= 0)
//   l             real, span of the deflections in cm (> 0)
//   system        integer, static system of the deflections (0..3)
//   a             real, concrete cover of the cracks in cm
//   age           integer, age at loading of the creep coefficient in days (>= 1)
//   humidity      real, of the creep coefficient in % (0..100)
//   humidity      real, of the shrinkage strain in % (0..100)
//   m             integer, section records that follow (0..n): those of sections 0..m-1
//   m records     Mexp, Nexp, Vilica, vb, vbd, vI, vII, v, am, Wm, Wk, alfa, beta (13 reals);
//                 the top bars, then the bottom bars, each a count g and g pairs of integers
//                 (diameter in mm, number of bars), both 1..32767, one pair per diameter
//   end of file
//
// A later version than 1 is read as no extension at all (its values are not understood).

#include "data/projekat.h"
#include "data/tok.h"

#include <cstdint>

namespace nmk {

inline constexpr const char* OznakaDodatka = "NOSIVOMETRIK DODATAK";
inline constexpr std::int64_t VerzijaDodatka = 1;

// The result bits whose values only the extension holds: the chosen bars, the crack widths
// and the deflections.
inline constexpr std::uint16_t BitoviDodatka = sfArmatura | sfPrsline | sfUgibi;

// What a section holds beyond its record in the first part of the file.
struct DodatakPresjeka {
    double Mexp = 0;
    double Nexp = 0;
    double Vilica = 10;
    double vb = 0;
    double vbd = 0;
    double vI = 0;
    double vII = 0;
    double v = 0;
    double am = 0;
    double Wm = 0;
    double Wk = 0;
    double alfa = 90;
    double beta = 45;
    TUsvojenaArmatura ArmGornja;
    TUsvojenaArmatura ArmDonja;
    bool operator==(const DodatakPresjeka&) const = default;
};

DodatakPresjeka DodatakIz(const TPresjek& p);
void PrimijeniDodatak(TPresjek& p, const DodatakPresjeka& d);

// Appends the extension of the whole project (a record for every section).
void PisiDodatak(PisacToka& t, const Projekat& pr);

// Reads what follows the first part into `pr`, whose sections are those just read. Nothing
// left: no extension, and every section loses the bits of BitoviDodatka, since the values
// they describe are missing. A section without a record loses them likewise. Anything else
// than a whole extension of a known version, ending the file, is a read error (GreskaCitanja);
// `pr` is then a scratch copy the caller throws away.
void CitajDodatak(CitacToka& c, Projekat& pr);

} // namespace nmk
