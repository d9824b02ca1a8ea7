#include "engine/materijali.h"

#include "engine/greska.h"
#include "engine/propisi.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace nmk {

namespace {

void Prikazi(Poruke* poruke, const char* tekst) {
    if (poruke)
        poruke->Obicna(tekst);
}

// Effective depth d = h - d2 of the working object.
double StatickaVisina(const TDim& d) {
    return d.h - d.d2;
}

// Antiderivative of the relative concrete stress over the strain: integral of
// e (4 - e) / 4 up to 2 per mille, then of the constant 1.
double IntegralNapona(double e) {
    if (e <= 0)
        return 0;
    if (e <= 2)
        return e * e / 2 - e * e * e / 12;
    return e - 2.0 / 3.0;
}

// Mean relative concrete stress over a depth along which the strain runs linearly from e1 to
// e2: the integral over the strain divided by the strain range.
double SrednjiNapon(double e1, double e2) {
    if (std::fabs(e2 - e1) < 1e-9)
        return NaponBetonaRelativno((e1 + e2) / 2);
    return (IntegralNapona(e2) - IntegralNapona(e1)) / (e2 - e1);
}

// What the compressed zone below the flange looks like for the strains ea, eb: the compressed
// depth x and the strain e0 at the underside of the flange.
struct ZonaIspodPloce {
    double x = 0;
    double e0 = 0;
};

ZonaIspodPloce Zona(const TDim& d, double ea, double eb) {
    const double dd = StatickaVisina(d);
    return {eb / (ea + eb) * dd, (dd - d.h0) * (eb + ea) / dd - ea};
}

} // namespace

// ---- Concrete -------------------------------------------------------------------------------

float alfaF(double eb, Poruke* poruke) {
    if (eb <= 0)
        return 0;
    if (eb <= 2)
        return static_cast<float>(eb * (6 - eb) / 12);
    if (eb <= 3.5)
        return static_cast<float>((3 * eb - 2) / (3 * eb));
    Prikazi(poruke, PorukaAlfaF);
    return 0;
}

float kp(double eb, Poruke* poruke) {
    if (eb <= 0)
        return 0;
    if (eb <= 2)
        return static_cast<float>((8 - eb) / (24 - 4 * eb));
    if (eb <= 3.5)
        return static_cast<float>((3 * eb * eb - 4 * eb + 2) / (6 * eb * eb - 4 * eb));
    Prikazi(poruke, PorukaKp);
    return 0;
}

double NaponBetonaRelativno(double e) {
    if (e <= 0)
        return 0;
    if (e <= 2)
        return e * (4 - e) / 4;
    return 1;
}

float NaponBetonaJednostruko(double fB, double eps) {
    const float f = static_cast<float>(fB);
    const float e = static_cast<float>(eps);
    if (e <= 0.0f)
        return 0;
    if (e >= 2.0f)
        return f;
    return f * e * (1.0f - e / 4.0f);
}

float alfaT(const TDim& d, double ea, double eb, Poruke* poruke) {
    if (eb <= 0)
        return 0;
    const ZonaIspodPloce z = Zona(d, ea, eb);
    const double a0 = z.e0 > 0 ? alfaF(z.e0, poruke) : 0.0;
    const double rebro = 1 - d.b0 / d.b;
    return static_cast<float>(alfaF(eb, poruke) - rebro * a0 * (1 - d.h0 / z.x));
}

float omegaB(const TDim& d, double ea, double eb, Poruke* poruke) {
    if (eb <= 0)
        return 0;
    return static_cast<float>(alfaT(d, ea, eb, poruke) * eb / (ea + eb));
}

float mT(const TDim& d, double ea, double eb, Poruke* poruke) {
    if (eb <= 0)
        return 0;
    const ZonaIspodPloce z = Zona(d, ea, eb);
    const double pravougaonik = static_cast<double>(alfaF(eb, poruke)) * kp(eb, poruke);
    if (z.e0 <= 0)
        return static_cast<float>(pravougaonik);
    // The part beside the web below the flange, which the full width b would wrongly count:
    // its force per b x fB and the depth of its resultant per x.
    const double rebro = 1 - d.b0 / d.b;
    const double ostatak = 1 - d.h0 / z.x;
    const double sila = rebro * alfaF(z.e0, poruke) * ostatak;
    const double dubina = d.h0 / z.x + ostatak * kp(z.e0, poruke);
    return static_cast<float>(pravougaonik - sila * dubina);
}

float zeta(const TDim& d, double ea, double eb, Poruke* poruke) {
    const double a = alfaT(d, ea, eb, poruke);
    // Without a compressed zone there is no concrete force, so its lever arm is immaterial;
    // 1 keeps mu = omegaB zeta at 0 without a division by zero.
    if (a == 0)
        return 1;
    return static_cast<float>(1 - mT(d, ea, eb, poruke) * (eb / (ea + eb)) / a);
}

float mu(const TDim& d, double ea, double eb, Poruke* poruke) {
    if (!poruke) // nothing can be shown: the coefficients in one pass, the same bit for bit
        return Koeficijenti(d, ea, eb).mu;
    return static_cast<float>(static_cast<double>(omegaB(d, ea, eb, poruke)) *
                              zeta(d, ea, eb, poruke));
}

KoeficijentiZone Koeficijenti(const TDim& d, double ea, double eb) {
    KoeficijentiZone k;
    if (eb <= 0) {
        k.zeta = 1; // no compressed zone: mu = omegaB zeta stays 0
        return k;
    }
    // The expressions of alfaT, omegaB, mT and zeta, each part formed once.
    const ZonaIspodPloce z = Zona(d, ea, eb);
    const float aF = alfaF(eb);
    const double rebro = 1 - d.b0 / d.b;
    const double a0 = z.e0 > 0 ? alfaF(z.e0) : 0.0;
    k.alfaT = static_cast<float>(aF - rebro * a0 * (1 - d.h0 / z.x));
    k.omegaB = static_cast<float>(k.alfaT * eb / (ea + eb));
    const double pravougaonik = static_cast<double>(aF) * kp(eb);
    if (z.e0 <= 0) {
        k.mT = static_cast<float>(pravougaonik);
    } else {
        const double ostatak = 1 - d.h0 / z.x;
        const double sila = rebro * alfaF(z.e0) * ostatak;
        const double dubina = d.h0 / z.x + ostatak * kp(z.e0);
        k.mT = static_cast<float>(pravougaonik - sila * dubina);
    }
    const double a = k.alfaT;
    k.zeta = a == 0 ? 1.0f : static_cast<float>(1 - k.mT * (eb / (ea + eb)) / a);
    k.mu = static_cast<float>(static_cast<double>(k.omegaB) * k.zeta);
    return k;
}

// ---- Gross section --------------------------------------------------------------------------

double yc(const TDim& d) {
    const double ispod = d.h - d.h0;
    return (ispod * ispod * d.b0 / 2 + d.h0 * d.b * (d.h - d.h0 / 2)) / (d.h0 * d.b + ispod * d.b0);
}

double PovrsinaBruto(const TDim& d) {
    return d.b * d.h0 + (d.h - d.h0) * d.b0;
}

double MomentInercijeBruto(const TDim& d) {
    const double preko = d.b - d.b0; // the flange beyond the web
    const double yt = (d.h0 * d.h0 * preko + d.b0 * d.h * d.h) / (2 * (d.h0 * preko + d.b0 * d.h));
    const double ploca = ((yt - d.h0 / 2) * (yt - d.h0 / 2) + d.h0 * d.h0 / 12) * d.h0 * preko;
    const double rebro = ((d.h / 2 - yt) * (d.h / 2 - yt) + d.h * d.h / 12) * d.b0 * d.h;
    return ploca + rebro;
}

// ---- Steel ----------------------------------------------------------------------------------

ZakonCelika ZakonCelikaPresjeka(const TPresjek& p, const Katalozi& k) {
    return {k.celik.at(static_cast<std::size_t>(p.Celik)).E, p.sigv};
}

float NaponCelika(const ZakonCelika& c, double eps) {
    const double s = c.Es * eps / 1000;
    if (s > c.sigv)
        return static_cast<float>(c.sigv);
    if (s < -c.sigv)
        return static_cast<float>(-c.sigv);
    return static_cast<float>(s);
}

double DilatacijaSloja(const TDim& d, Sloj sloj, double eb, double ea) {
    if (sloj == Sloj::Zategnuti)
        return ea;
    return eb - (eb + ea) * d.d1 / StatickaVisina(d);
}

float sigmaA(const TDim& d, const ZakonCelika& c, Sloj sloj, double eb, double ea) {
    return NaponCelika(c, DilatacijaSloja(d, sloj, eb, ea));
}

double DilatacijaSloja5(const TDim& d, Sloj sloj, double eBot, double eTop) {
    if (sloj == Sloj::Zategnuti)
        return eBot + (eTop - eBot) * d.d2 / d.h;
    return eTop - (eTop - eBot) * d.d1 / d.h;
}

float sigmaA5(const TDim& d, const ZakonCelika& c, Sloj sloj, double eBot, double eTop) {
    return NaponCelika(c, DilatacijaSloja5(d, sloj, eBot, eTop));
}

// ---- Fifth domain ---------------------------------------------------------------------------

double DonjaDilatacija5(double eTop) {
    return (14 - 4 * eTop) / 3;
}

float alfa5r(double e) {
    return static_cast<float>((64 * e + 125 - 16 * e * e) / 189);
}

float alfa5(const TDim& d, double eBot, double eTop) {
    const float pravougaonik = alfa5r(eTop);
    if (d.b0 == d.b || d.h0 >= d.h)
        return pravougaonik;
    // The strips beside the web carry the stress of the strains between the flange's
    // underside and the bottom face; the rectangle counted them at full width b.
    const double ePloce = eTop + (eBot - eTop) * d.h0 / d.h;
    const double trake = (1 - d.b0 / d.b) * (1 - d.h0 / d.h) * SrednjiNapon(ePloce, eBot);
    return static_cast<float>(pravougaonik - trake);
}

float par(double e, double fB) {
    if (e > 2)
        return 0;
    const double manjak = 1 - e / 2;
    return static_cast<float>(manjak * manjak * fB);
}

ManjakParabole ManjakPetog(const TDim& d, double eBot, double eTop, double fB) {
    const double h = d.h;
    ManjakParabole m;
    // The parabola deficit below the pivot over the web width; its centroid is h/7 above the
    // bottom face.
    m.F1 = par(eBot, fB) * (1.0 / 3.0) * 4 / 7 * h * d.b0;
    // The deficit of the parts beside the web between the pivot and the flange's underside.
    const double e0 = eTop - (d.h0 / h) * (7 * eTop - 14) / 3;
    m.F2 = par(e0, fB) * (1.0 / 3.0) * (d.h0 - 3 * h / 7) * (d.b - d.b0);
    m.y2 = 25 * h / 28 - 0.75 * d.h0;
    return m;
}

float e5(const TDim& d, double eBot, double eTop, double fB) {
    const double h = d.h;
    const ManjakParabole m = ManjakPetog(d, eBot, eTop, fB);
    if (std::fabs(m.F1) <= 1e-4)
        return 0;
    const double y = (m.F1 * h / 7 + m.F2 * m.y2) / (m.F1 + m.F2);
    return static_cast<float>((yc(d) - y) * (m.F1 + m.F2) / (alfa5(d, eBot, eTop) * d.b * h * fB));
}

// ---- For the fast searches ----------------------------------------------------------------

double SrednjiNaponBetona(double e1, double e2) {
    return SrednjiNapon(e1, e2);
}

namespace {

// The parabola-rectangle coefficients in double, for the bounds of the searches.
double AlfaFTacno(double e) {
    if (e <= 0 || e > 3.5)
        return 0;
    return e <= 2 ? e * (6 - e) / 12 : (3 * e - 2) / (3 * e);
}
double KpTacno(double e) {
    if (e <= 0 || e > 3.5)
        return 0;
    return e <= 2 ? (8 - e) / (24 - 4 * e) : (3 * e * e - 4 * e + 2) / (6 * e * e - 4 * e);
}

} // namespace

ZonaZaPretragu ZonaUStanju(const TDim& d, double ea, double eb) {
    ZonaZaPretragu z;
    if (!(eb > 0) || !(ea + eb > 0))
        return z;
    const ZonaIspodPloce zona = Zona(d, ea, eb);
    z.e0 = zona.e0;
    const double q = eb / (ea + eb);
    const double rebro = 1 - d.b0 / d.b;
    const double aF = AlfaFTacno(eb);
    const double kF = KpTacno(eb);
    // The part beside the web below the flange: its force per b x fB and its moment per
    // b x^2 fB (its resultant lying within the compressed depth, the moment is at most the
    // force).
    double dio = 0, dioM = 0;
    if (zona.e0 > 0) {
        const double ostatak = 1 - d.h0 / zona.x;
        dio = rebro * AlfaFTacno(zona.e0) * ostatak;
        dioM = dio * (d.h0 / zona.x + ostatak * KpTacno(zona.e0));
    }
    z.omegaB = (aF - dio) * q;
    z.Q = (aF * kF - dioM) * q * q;
    z.mu = z.omegaB - z.Q;
    // The float coefficients of a trial lie a few units of 2^-24 of the sizes of their parts
    // (the rectangle and the part beside the web, which may nearly cancel) from these
    // integrals. kRelativno is far above that; the absolute terms cover the double arithmetic
    // of the strains (h0 / x below 1 where the part exists) and float underflow.
    constexpr double kRelativno = 0x1.0p-17;
    const double velicinaA = aF + std::fabs(dio) + 1e-9 * (1 + std::fabs(rebro));
    const double velicinaM = aF * kF + std::fabs(dio) + 1e-9 * (1 + std::fabs(rebro));
    z.gOmega = kRelativno * velicinaA * q + 1e-37;
    z.gQ = kRelativno * (velicinaM + velicinaA) * q * q + 1e-37;
    z.gMu = z.gOmega + z.gQ + kRelativno * std::fabs(z.mu);
    z.ispravna =
        std::isfinite(z.omegaB) && std::isfinite(z.Q) && std::isfinite(z.mu) && std::isfinite(z.e0);
    return z;
}

double GreskaNapona(const ZakonCelika& c, double eps, double greskaEps) {
    // The float stress: a relative 2^-24 of at most sigv.
    const double zaokruzivanje = 0x1.0p-17 * std::fabs(c.sigv) + 1e-37;
    // A strain certainly beyond the yield strain, computed or exact, gives the yield stress.
    if (std::fabs(c.Es) * (std::fabs(eps) - greskaEps) / 1000 > std::fabs(c.sigv) * 1.5)
        return zaokruzivanje;
    return zaokruzivanje + std::fabs(c.Es) / 1000 * greskaEps;
}

double GreskaDilatacije(double eb, double ea, double d1PoD) {
    // eb - (eb + ea) d1 / d in double: a few roundings of its terms, with room.
    return 0x1.0p-40 * (std::fabs(eb) + (std::fabs(eb) + std::fabs(ea)) * std::fabs(d1PoD));
}

bool SigurnoTece(const ZakonCelika& c, double eps) {
    // NaponCelika clamps where Es eps / 1000 exceeds sigv; the margin covers the rounding of
    // the strain at other states of the range.
    return c.Es > 0 && c.Es * eps / 1000 > c.sigv * (1 + 0x1.0p-30) && c.sigv > 0;
}

PetoURasponu RasponPetog(const TDim& d, const ZakonCelika& c, double fB, int i, int j) {
    constexpr double kRelativno = 0x1.0p-17;
    const StanjePetog si = StanjePetogPodrucja(i);
    const StanjePetog sj = StanjePetogPodrucja(j);
    // Corners: the least strains (top of step j, bottom of step i) and the largest.
    const double topMin = sj.eTop, topMax = si.eTop, botMin = si.eBot, botMax = sj.eBot;
    PetoURasponu r;
    // alfa5r falls with the top strain between 2 and 3.5.
    const double Rmin = alfa5r(topMax), Rmax = alfa5r(topMin);
    const double gR = 2 * kRelativno * std::fabs(Rmax) + 1e-37;
    if (d.b0 == d.b || d.h0 >= d.h) {
        r.a5 = Raspon{Rmin, Rmax}.Prosiren(gR);
    } else {
        auto trake = [&](double eTop, double eBot) {
            return SrednjiNapon(eTop + (eBot - eTop) * d.h0 / d.h, eBot);
        };
        const double K = (1 - d.b0 / d.b) * (1 - d.h0 / d.h);
        // The mean stress near coinciding strains is the stress at the mean: 1e-6 covers the
        // switch between the two forms.
        const Raspon SN = Raspon{trake(topMin, botMin), trake(topMax, botMax)}.Prosiren(1e-6);
        const Raspon a5 = Raspon{Rmin, Rmax} - K * SN;
        r.a5 =
            a5.Prosiren(gR + 2 * kRelativno * (a5.Najveci() + std::fabs(K)) + 2e-6 * std::fabs(K));
    }
    // A layer's strain is a mean of the top and bottom strains (0 <= d1, d2 <= h), at most
    // 3.5, with the roundings of that mean.
    const double gS = 2 * GreskaNapona(c, 0, GreskaDilatacije(topMax, botMax, 1));
    r.sTop = Raspon::Od(sigmaA5(d, c, Sloj::Pritisnuti, botMin, topMin),
                        sigmaA5(d, c, Sloj::Pritisnuti, botMax, topMax))
                 .Prosiren(gS);
    r.sBot = Raspon::Od(sigmaA5(d, c, Sloj::Zategnuti, botMin, topMin),
                        sigmaA5(d, c, Sloj::Zategnuti, botMax, topMax))
                 .Prosiren(gS);
    r.sigurnoTeku = SigurnoTece(c, DilatacijaSloja5(d, Sloj::Pritisnuti, botMin, topMin)) &&
                    SigurnoTece(c, DilatacijaSloja5(d, Sloj::Zategnuti, botMin, topMin));
    // The deficit below the pivot falls as the bottom strain rises; the one beside the web is
    // a function of the top strain alone, monotone in it.
    const ManjakParabole mMax = ManjakPetog(d, botMin, topMax, fB);
    const ManjakParabole mMin = ManjakPetog(d, botMax, topMin, fB);
    if (std::fabs(mMax.F1) <= 1e-4) {
        r.moment = Raspon::Tacka(0); // e5 is 0 at every step
        r.momentIzvjestan = true;
    } else if (std::fabs(mMin.F1) > 1e-4) {
        const double h = d.h;
        const double osnova = d.b * h * h * fB;
        const double y = yc(d);
        const Raspon F1 = Raspon::Od(mMin.F1, mMax.F1);
        const Raspon F2 = Raspon::Od(mMin.F2, mMax.F2);
        const Raspon M = (1 / osnova) * ((y - h / 7) * F1 + (y - mMax.y2) * F2);
        // e5 forms y = (F1 h/7 + F2 y2) / (F1 + F2) and multiplies (yc - y) by F1 + F2: the
        // rounding grows with |y|, which a web wider than the flange (F2 < 0) can make large.
        const Raspon zbir = F1 + F2;
        const double najmanjiZbir = std::min(std::fabs(zbir.od), std::fabs(zbir.do_));
        if (zbir.Znak(0) != 0 && najmanjiZbir > 0) {
            const double brojnik = F1.Najveci() * h / 7 + F2.Najveci() * std::fabs(mMax.y2);
            const double velicina =
                ((std::fabs(y) + brojnik / najmanjiZbir) * (F1.Najveci() + F2.Najveci()) +
                 brojnik) /
                    std::fabs(osnova) +
                M.Najveci();
            r.moment = M.Prosiren(2 * kRelativno * velicina + 1e-37);
            r.momentIzvjestan = std::isfinite(velicina);
        }
    }
    return r;
}

// ---- Strain limits --------------------------------------------------------------------------

float epsaMax(const TPresjek& p, const TBetonEx& ex) {
    return static_cast<float>(Konacno(Opis(p.Propis).granicnaDilatacija(ex)));
}

GraniceDilatacija Granice(const TPresjek& p, const Katalozi& k, const TBetonEx& ex) {
    GraniceDilatacija g;
    g.epsaMax = epsaMax(p, ex);
    g.epsaLim = Opis(p.Propis).dilatacijaOgranicenja(p, k, ex);
    return g;
}

} // namespace nmk
