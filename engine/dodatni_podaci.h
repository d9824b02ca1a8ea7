#pragma once
// Intermediate results of the deflection and crack calculations, for the "Detalji" listings.

#include <cstdint>

namespace nmk {

struct TDodatniPodaci {
    double fct = 0;                      // mean tensile strength, N/mm2
    double fctfl = 0;                    // flexural tensile strength, N/mm2
    double SigS = 0;                     // steel stress in stage II, N/mm2
    double SigC = 0;                     // concrete stress in stage II, N/mm2
    double XII = 0;                      // depth of the compressed zone in stage II, cm
    double J = 0;                        // gross moment of inertia, cm4
    double JIXI = 0;                     // stage I, cm4
    double JIXII0 = 0;                   // stage II, cm4
    double Mr = 0;                       // cracking moment, kNm
    double SigAr = 0;                    // steel stress under the cracking moment, N/mm2
    double hEf = 0;                      // effective height of the tensioned zone, cm
    double VEI = 0, VFI = 0, VSI = 0;    // stage I: initial, creep, shrinkage, cm
    double VEII = 0, VFII = 0, VSII = 0; // pure stage II, cm
    double VE = 0, VF = 0, VS = 0;       // probable, cm
    double C = 0;                        // distribution coefficient
    double D = 0;                        // axial spacing of the tensioned bars, mm
    std::int32_t nSipki = 0;             // greatest number of bars in one layer
    std::int32_t mSlojeva = 0;           // number of layers
    // The whole section is compressed under the service forces (no neutral axis inside it):
    // stage I holds, there are no cracks, and the stage II values are those of stage I.
    bool CijeliPritisnut = false;
};

} // namespace nmk
