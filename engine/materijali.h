#pragma once
// Material laws of concrete and steel and the coefficients of the compressed concrete zone.
//
// Every function reads the working object TDim, whose top face is the compressed one, and the
// section values it needs (fB, sigv, Es). Strains are in per mille: concrete compression
// positive, tension-side steel (ea) tension positive. Lengths in cm, stresses in N/mm2.
//
// Single precision: the coefficient functions return 4-byte floats. Their intermediate values
// are formed in double and rounded to float where a coefficient is returned, so a caller that
// accumulates the results in float sees the same numbers as a careful hand calculation.

#include "engine/katalog.h"
#include "engine/okruzenje.h"
#include "engine/poruke.h"
#include "engine/presjek.h"

namespace nmk {

// ---- Concrete, parabola-rectangle law ----------------------------------------------------

// Text of the plain message box for a top strain above 3.5 per mille.
inline constexpr const char* PorukaAlfaF = "alfaF: eb vise od 3.5 !";
inline constexpr const char* PorukaKp = "kp: eb više od 3.5";

// Fullness of the compressed zone of a rectangle (force / (b x fB)) for the top strain eb.
// eb <= 0 gives 0; eb above 3.5 shows PorukaAlfaF through `poruke` (when not null) and gives 0.
float alfaF(double eb, Poruke* poruke = nullptr);

// Depth of the resultant from the compressed face as a fraction of the compressed depth.
// eb <= 0 gives 0; eb above 3.5 shows PorukaKp (when `poruke` is not null) and gives 0.
float kp(double eb, Poruke* poruke = nullptr);

// Concrete stress divided by fB at the strain e (0 below zero strain, 1 from 2 per mille on).
double NaponBetonaRelativno(double e);

// ---- Compressed zone, neutral axis inside the section (domains 1 to 4) -------------------
// ea = strain of the tension-side steel, eb = strain of the top face; d = h - d2.

// Fullness of the compressed zone of the (T) section, per b x fB; 0 when eb <= 0.
float alfaT(const TDim& d, double ea, double eb, Poruke* poruke = nullptr);
// Force coefficient: the concrete force is omegaB b d fB / 10 kN.
float omegaB(const TDim& d, double ea, double eb, Poruke* poruke = nullptr);
// Moment of the compressed zone about the top face, per b x^2 fB. mT / alfaT is the depth of
// the resultant as a fraction of x, for a rectangle and for a T section alike.
float mT(const TDim& d, double ea, double eb, Poruke* poruke = nullptr);
// Lever arm of the concrete force about the tension steel, as a fraction of d.
float zeta(const TDim& d, double ea, double eb, Poruke* poruke = nullptr);
// Reduced moment of the concrete force about the tension steel: omegaB zeta.
float mu(const TDim& d, double ea, double eb, Poruke* poruke = nullptr);

// ---- Gross section ------------------------------------------------------------------------

// Centroid of the gross section, measured from the bottom face, cm.
double yc(const TDim& d);
// Gross area b h0 + (h - h0) b0, cm2.
double PovrsinaBruto(const TDim& d);
// Second moment of the gross area about its centroid, cm4.
double MomentInercijeBruto(const TDim& d);

// ---- Steel, elastic-perfectly plastic ----------------------------------------------------

struct ZakonCelika {
    double Es = 0;   // modulus of elasticity, N/mm2
    double sigv = 0; // design yield stress, N/mm2
};

// Es of the section's steel record and the section's sigv.
ZakonCelika ZakonCelikaPresjeka(const TPresjek& p, const Katalozi& k);

// Stress for a strain: Es eps / 1000, held within -sigv .. sigv.
float NaponCelika(const ZakonCelika& c, double eps);

// The two reinforcement layers of the working object.
enum class Sloj {
    Zategnuti, // bottom, tension side, at d2 above the bottom face
    Pritisnuti // top, compression side, at d1 below the top face
};

// Strain of a layer in domains 1 to 4: the tension layer has ea (tension positive), the
// compression layer eb - (eb + ea) d1 / d (compression positive).
double DilatacijaSloja(const TDim& d, Sloj sloj, double eb, double ea);
// Stress of a layer in domains 1 to 4, with the sign convention of its strain.
float sigmaA(const TDim& d, const ZakonCelika& c, Sloj sloj, double eb, double ea);

// Strain of a layer in the fifth domain (both compressive, compression positive): bottom
// eBot + (eTop - eBot) d2 / h, top eTop - (eTop - eBot) d1 / h.
double DilatacijaSloja5(const TDim& d, Sloj sloj, double eBot, double eTop);
// Stress of a layer in the fifth domain, compression positive.
float sigmaA5(const TDim& d, const ZakonCelika& c, Sloj sloj, double eBot, double eTop);

// ---- Fifth domain (the whole section compressed) -----------------------------------------
// The pivot: 2 per mille at 3h/7 below the top, so eBot = (14 - 4 eTop) / 3.

// Bottom strain that goes with the top strain eTop through the pivot.
double DonjaDilatacija5(double eTop);
// Fullness of a fully compressed rectangle, (64 e + 125 - 16 e^2) / 189.
float alfa5r(double e);
// Concrete force of the fully compressed section per b h fB: the rectangle b x h minus the
// two strips beside the web (width b - b0, from h0 to h) at their own strains, integrated
// exactly for the linear strain profile through eTop and eBot.
float alfa5(const TDim& d, double eBot, double eTop);
// Parabola deficit (1 - e/2)^2 fB for e <= 2, else 0; N/mm2.
float par(double e, double fB);
// Eccentricity of the concrete force about the centroid, cm (positive towards the top face).
float e5(const TDim& d, double eBot, double eTop, double fB);

// ---- Strain limits ------------------------------------------------------------------------

struct GraniceDilatacija {
    float epsaMax = 0; // limit strain of the tension steel
    float epsaLim = 0; // tension steel strain at the limit of single reinforcement
};

// PBAB 87: 10 and 3. EC 2: esu and 3.5 (1 - ksi) / ksi, ksi = Ksi35 for fck <= 35, else Ksi45.
// Throws GreskaProracuna for a code the program does not know.
GraniceDilatacija Granice(const TPresjek& p, const Katalozi& k, const TBetonEx& ex);
// The first of the two alone (it needs no concrete record).
float epsaMax(const TPresjek& p, const TBetonEx& ex);

} // namespace nmk
