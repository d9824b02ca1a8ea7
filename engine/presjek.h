#pragma once
// The section record TPresjek, its working object TDim and the bar lists.
//
// Units throughout the engine: lengths in cm, areas in cm2 (stirrups in cm2/m), forces in kN,
// moments in kNm, stresses in N/mm2, strains in per mille, angles in degrees. Stress times
// area divided by 10 gives kN; kNm times 100 gives kNcm. A normal force is positive in
// tension, a moment positive when the bottom face is in tension.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nmk {

// Design code.
enum class TPropis : std::uint8_t { PBAB87 = 0, EC2 = 1 };
// Shape of the section. A T section is turned under a negative moment; a rectangle has no
// flange (the calculations take its b and h as b0 and h0); a circle is calculated from its
// four dimensions as given.
enum class TOblik : std::uint8_t { Pravougaoni = 0, T = 1, Kruzni = 2 };
// Calculation mode: bending design, ultimate moment, ultimate section forces.
enum class TProracun : std::uint8_t { Dimenzioniranje = 0, GranicniMomenat = 1, GranicneSile = 2 };

// Bits of TPresjek::Status.
inline constexpr std::uint16_t sfNegativan = 0x0001;     // designed on the turned section
inline constexpr std::uint16_t sfStandardna = 0x0002;    // EC 2 shear by the standard method
inline constexpr std::uint16_t sfArmatura = 0x0004;      // bars chosen in the bar dialog
inline constexpr std::uint16_t sfIzracunat = 0x0008;     // results are present
inline constexpr std::uint16_t sfPetoPodrucje = 0x0010;  // the whole section is compressed
inline constexpr std::uint16_t sfZategnut = 0x0020;      // the whole section is in tension
inline constexpr std::uint16_t sfBit6 = 0x0040;          // never set; cleared for T sections
inline constexpr std::uint16_t sfSimetricno = 0x0080;    // symmetric reinforcement
inline constexpr std::uint16_t sfPrsline = 0x0100;       // crack results are present
inline constexpr std::uint16_t sfUgibi = 0x0200;         // deflection results are present
inline constexpr std::uint16_t sfNemaArmature = 0x0400;  // no bars on the tensioned face
inline constexpr std::uint16_t sfLomDijagonala = 0x0800; // failure of the compressed struts

// One group of equal bars: diameter in mm and number of bars (two 16-bit integers on file).
struct GrupaSipki {
    std::int16_t precnik = 0;
    std::int16_t broj = 0;
    bool operator==(const GrupaSipki&) const = default;
};

// A list of bar groups, at most one per diameter, in the order the diameters were first added.
using TUsvojenaArmatura = std::vector<GrupaSipki>;

// The working object of one calculation: the geometry turned so that the compressed face is
// at the top and the tensioned reinforcement at the bottom.
struct TDim {
    double b = 0;           // width of the top part (the compressed flange)
    double b0 = 0;          // width below it
    double h0 = 0;          // depth of the top part of width b
    double h = 0;           // total depth
    double d1 = 0;          // cover of the compression-side reinforcement, from the top
    double d2 = 0;          // cover of the tension-side reinforcement, from the bottom
    double M = 0;           // design moment, kNm, made non-negative by the turn
    double Mexp = 0;        // service moment, kNm, made non-negative by the turn
    double AsC = 0;         // compression-side area, cm2
    double AsT = 0;         // tension-side area, cm2
    double epsa = 0;        // strain of the tension-side reinforcement, per mille
    double epsb = 0;        // strain of the top face, per mille
    double XII = 0;         // depth of the compressed zone in stage II, cm
    double Zeta = 0;        // distribution coefficient between stage I and stage II
    double n = 0;           // modular ratio Es / Eb
    TUsvojenaArmatura ArmC; // bars on the compression side
    TUsvojenaArmatura ArmT; // bars on the tension side
};

// Holder of the working object inside a section. A copy of a section never shares or copies
// the working object: it exists only while one calculation runs on that very section.
class DimSlot {
public:
    DimSlot() = default;
    DimSlot(const DimSlot&) {}
    DimSlot& operator=(const DimSlot&) { return *this; }
    DimSlot(DimSlot&&) noexcept {}
    DimSlot& operator=(DimSlot&&) noexcept { return *this; }

    TDim* get() const { return dim_.get(); }
    TDim* operator->() const { return dim_.get(); }
    TDim& operator*() const { return *dim_; }
    explicit operator bool() const { return dim_ != nullptr; }
    void create() { dim_ = std::make_unique<TDim>(); }
    void reset() { dim_.reset(); }

private:
    std::unique_ptr<TDim> dim_;
};

// One reinforced-concrete cross-section with its inputs, options and results.
struct TPresjek {
    DimSlot Dim;         // working object of the running calculation; empty outside it
    double b = 40;       // width; for a T section the effective flange width, cm
    double b0 = 40;      // web width; equal to b for a rectangle, cm
    double h = 60;       // total depth, cm
    double h0 = 60;      // flange thickness; equal to h for a rectangle, cm
    double d1 = 5;       // top face to the centroid of Aa1, cm
    double d2 = 5;       // bottom face to the centroid of Aa2, cm
    double Mu = 0;       // design moment, kNm (result of modes 1 and 2)
    double Nu = 0;       // design normal force, kN, tension positive (result of mode 2)
    double Qu = 0;       // design shear force, kN
    double Mexp = 0;     // service moment, kNm
    double Nexp = 0;     // service normal force, kN
    double Vilica = 10;  // stirrup diameter, mm
    double vb = 0;       // basic deflection, cm
    double vbd = 0;      // basic deflection under permanent load, cm
    double vI = 0;       // lower calculated deflection, cm
    double vII = 0;      // upper calculated deflection, cm
    double v = 0;        // probable deflection, cm
    double am = 0;       // mean crack spacing, mm
    double Wm = 0;       // mean crack width, mm
    double Wk = 0;       // characteristic crack width, mm
    double alfa = 90;    // angle of the stirrups to the beam axis, degrees
    double beta = 45;    // angle of the compressed struts, degrees
    double fB = 0;       // design compressive strength of the concrete, N/mm2
    double sigv = 0;     // design yield stress of the reinforcement, N/mm2
    double epsv = 0;     // yield strain, per mille
    double epsa = 0;     // tension steel strain (fifth domain: bottom face strain), per mille
    double epsb = 0;     // concrete strain at the compressed face, per mille
    double Aa1 = 0;      // top reinforcement, cm2
    double Aa2 = 0;      // bottom reinforcement, cm2
    double Avil = 0;     // stirrups, cm2/m
    double gamaC = 1.5;  // partial factor of concrete (EC 2)
    double gamaS = 1.15; // partial factor of steel (EC 2)
    TPropis Propis = TPropis::PBAB87;
    TOblik Oblik = TOblik::Pravougaoni;
    TProracun Proracun = TProracun::Dimenzioniranje;
    TUsvojenaArmatura ArmGornja; // bars chosen for the top
    TUsvojenaArmatura ArmDonja;  // bars chosen for the bottom
    std::int32_t Beton = 0;      // index into the concrete catalogue
    std::int32_t Celik = 0;      // index into the steel catalogue
    std::uint16_t Status = 0;    // sf* bits
    bool Ispravan = true;        // input valid and no strut failure
    std::string Naziv;           // name, UTF-8

    bool ima(std::uint16_t bit) const { return (Status & bit) != 0; }
};

// The web width and the flange depth that the calculations use. A rectangle has no flange:
// it is calculated on its own b and h, whatever its flange fields hold (the window sets them
// to b and h, an exchange file may send anything).
inline double SirinaRebra(const TPresjek& p) {
    return p.Oblik == TOblik::Pravougaoni ? p.b : p.b0;
}
inline double VisinaPloce(const TPresjek& p) {
    return p.Oblik == TOblik::Pravougaoni ? p.h : p.h0;
}

// The reset that precedes every interactive calculation: results, loads and flags cleared.
void ResetujRezultate(TPresjek& p);

// A value counts as zero when its magnitude is at most 1e-12.
inline bool JeNula(double x) {
    return x <= 1e-12 && x >= -1e-12;
}

} // namespace nmk
