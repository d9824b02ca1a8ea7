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
#include "engine/napon_betona.h"
#include "engine/okruzenje.h"
#include "engine/poruke.h"
#include "engine/presjek.h"
#include "engine/pretraga.h"

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

// The stress law itself (NaponBetonaRelativno) is in engine/napon_betona.h.

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

// alfaT, omegaB, mT, zeta and mu of one state in one pass, each equal bit for bit to its own
// function. It shows nothing, so it serves where the concrete law's messages are off.
struct KoeficijentiZone {
    float alfaT = 0;
    float omegaB = 0;
    float mT = 0;
    float zeta = 1;
    float mu = 0;
};
KoeficijentiZone Koeficijenti(const TDim& d, double ea, double eb);

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
// The parabola deficit of the fifth domain, in N/mm2 cm2: F1 below the pivot over the web
// width, its centroid h/7 above the bottom face; F2 of the parts beside the web between the
// pivot and the flange's underside (non-zero only when the flange reaches below the pivot),
// its centroid y2 above the bottom face.
struct ManjakParabole {
    double F1 = 0;
    double F2 = 0;
    double y2 = 0;
};
ManjakParabole ManjakPetog(const TDim& d, double eBot, double eTop, double fB);
// Eccentricity of the concrete force about the centroid, cm (positive towards the top face):
// the deficit's moment about the centroid per alfa5 b h fB; 0 while F1 is at most 1e-4.
float e5(const TDim& d, double eBot, double eTop, double fB);

// ---- For the fast searches ----------------------------------------------------------------

// Mean relative concrete stress over a depth along which the strain runs linearly from e1 to
// e2 (the exact integral, or the stress at the mean strain when they nearly coincide).
double SrednjiNaponBetona(double e1, double e2);

// The compressed zone of the state (ea, eb) of domains 1 to 4 for the searches: the exact
// integrals (in double) of omegaB (the force per b d fB), Q = omegaB (mT / alfaT) eb /
// (ea + eb) (the moment about the top face per b d^2 fB) and mu (the moment about the tension
// steel, omegaB - Q), with bounds of how far the float coefficients of a trial lie from them. Along
// a path on which the strain at every depth grows (ea fixed and eb rising, or eb fixed and ea
// falling) the exact integrals do not decrease, so over a stretch of the path they lie
// between their values at its ends. e0 is the strain at the flange's underside: above 3.5
// the concrete law would show its message. Nothing is shown here.
struct ZonaZaPretragu {
    double omegaB = 0;
    double Q = 0;
    double mu = 0;
    double gOmega = 0;
    double gQ = 0;
    double gMu = 0;
    double e0 = 0;
    bool ispravna = false; // a compressed zone with finite values
};
ZonaZaPretragu ZonaUStanju(const TDim& d, double ea, double eb);

// A bound of how far the float stress of a layer lies from the exact law of its state, for
// a layer strain eps computed with an error of at most greskaEps.
double GreskaNapona(const ZakonCelika& c, double eps, double greskaEps);
// A bound of the rounding of the strain of a layer at d1 below the top, eb - (eb + ea) d1 / d.
double GreskaDilatacije(double eb, double ea, double d1PoD);

// The stress of a layer is certainly the yield stress itself (the law's float of sigv) for
// the strain eps and every larger one.
bool SigurnoTece(const ZakonCelika& c, double eps);

// The fifth domain over its steps i .. j (i <= j): intervals that hold the computed alfa5,
// the stresses of the top and bottom layers, and the concrete moment e5 alfa5 / h of every
// step. Along the steps the top strain falls and the bottom strain rises; each quantity is
// monotone in each of the two (the fullness and the deficit forces as integrals of the
// parabola-rectangle law, a layer's strain as a mean of the two), so its extremes lie at the
// corners. The moment is bounded only where every step takes it from the same branch of e5
// and its deficit forces keep clear of cancelling (momentIzvjestan). Both layers certainly at
// the yield stress: sigurnoTeku.
struct PetoURasponu {
    Raspon a5;
    Raspon sTop;
    Raspon sBot;
    Raspon moment;
    bool momentIzvjestan = false;
    bool sigurnoTeku = false;
};
PetoURasponu RasponPetog(const TDim& d, const ZakonCelika& c, double fB, int i, int j);

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
