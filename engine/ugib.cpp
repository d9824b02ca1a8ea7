#include "engine/ugib.h"

#include "engine/armatura.h"
#include "engine/dim.h"
#include "engine/greska.h"
#include "engine/servis.h"
#include "engine/tecenje.h"

namespace nmk {

namespace {

// One stage of the age-adjusted effective modulus method: the concrete part (gross section in
// stage I, compressed zone in stage II) restrained by the bars.
struct Stadij {
    double Acon = 0; // concrete area, cm2
    double ycon = 0; // depth of its centroid, cm
    double Jcon = 0; // its own moment of inertia, cm4
    double Ji = 0;   // transformed moment of inertia of the stage, cm4
};

struct Ugibi {
    double VE = 0; // initial
    double VF = 0; // creep
    double VS = 0; // shrinkage
    double Ukupno() const { return VE + VF + VS; }
};

struct Ulaz {
    double n = 0;   // modular ratio
    double As = 0;  // all bars, single-precision sum
    double ys = 0;  // depth of the bars' centroid
    double SJ = 0;  // n times the bars' moment of inertia about their own centroid
    double d = 0;   // effective depth
    double Jc = 0;  // gross moment of inertia
    double Fi = 0;  // 1 + chi phi
    double fi = 0;  // creep coefficient
    double ecs = 0; // shrinkage strain, plain ratio
};

Ugibi UgibStadija(const Ulaz& u, const Stadij& s, const TPresjek& p, double k, double l) {
    const double alfa = u.n * u.As / s.Acon;
    const double rho = u.SJ / s.Jcon;
    const double es = u.ys - s.ycon;
    const double D =
        1 + alfa * u.Fi * (1 + es * es * s.Acon / s.Jcon) + rho * u.Fi * (1 + alfa * u.Fi);
    const double C = ((1 - alfa * rho * u.Fi) * (1 + alfa * u.Fi) / D + alfa) / (alfa + 1);
    const double kapa = es * (u.n * u.As / s.Jcon) * u.d * u.Fi / D;
    Ugibi v;
    v.VE = Konacno(p.vb * u.Jc / s.Ji);
    v.VF = Konacno((u.Jc / s.Ji) * C * u.fi * p.vbd);
    v.VS = Konacno(kapa * u.ecs * k * l * l / u.d);
    return v;
}

Ulaz Pripremi(const TPresjek& p, const Okruzenje& o) {
    const TDim& d = *p.Dim;
    const float AsC = PovrsinaArmature(d.ArmC);
    const float AsT = PovrsinaArmature(d.ArmT);
    Ulaz u;
    u.n = d.n;
    u.As = static_cast<float>(AsC + AsT);
    u.ys = TezisteArmature(d);
    const double dole = d.h - d.d2 - u.ys;
    const double gore = u.ys - d.d1;
    u.SJ = d.n * (AsT * dole * dole + AsC * gore * gore);
    u.d = d.h - d.d2;
    u.Jc = Bruto(d).Jc;
    u.fi = o.betonEx.fi;
    u.Fi = 1 + o.betonEx.hi * o.betonEx.fi;
    u.ecs = o.betonEx.ebs;
    return u;
}

// What the listing needs besides the terms of the two stages.
struct Stanje {
    Ugibi vI;
    Ugibi vII;
    double zeta = 0;
    bool cijeliPritisnut = false;
    double Jc = 0;
    double JI = 0;
    double JII = 0;
};

// Fills the deflection fields of the record; the crack fields stay as the caller left them.
void Zapisi(TDodatniPodaci& dp, const TPresjek& p, const Okruzenje& o, const Stanje& s) {
    const CvrstoceZatezanja c = CvrstoceNaZatezanje(p, o.katalozi);
    const double z = s.zeta;
    dp.fct = c.fct;
    dp.fctfl = c.fctfl;
    dp.XII = p.Dim->XII;
    dp.J = s.Jc;
    dp.JIXI = s.JI;
    dp.JIXII0 = s.JII;
    dp.C = z;
    dp.Mr = MomenatNastajanjaPrslina(p, o);
    dp.VEI = s.vI.VE;
    dp.VFI = s.vI.VF;
    dp.VSI = s.vI.VS;
    dp.VEII = s.vII.VE;
    dp.VFII = s.vII.VF;
    dp.VSII = s.vII.VS;
    dp.VE = (1 - z) * s.vI.VE + z * s.vII.VE;
    dp.VF = (1 - z) * s.vI.VF + z * s.vII.VF;
    dp.VS = (1 - z) * s.vI.VS + z * s.vII.VS;
    dp.CijeliPritisnut = s.cijeliPritisnut;
}

} // namespace

void ProracunUgiba(TPresjek& p, const Okruzenje& o, TDodatniPodaci* dp, double k, double l) {
    Provjeri(GreskaPodatakaBetona(o.betonEx));
    Provjeri(GreskaRaspona(l));
    RadniObjekat dim(p);
    PripremiDim(p, o.katalozi, true, false);
    if (dim->ArmT.empty()) {
        p.Status = sfNemaArmature;
        return;
    }
    ProvjeriArmaturu(*dim);
    Konacno(k);
    const std::optional<double> x = VisinaPritisnuteZone(p, o);
    const bool cijeliPritisnut = !x;
    // Whole section compressed: no neutral axis inside it, so stage I holds and zeta = 0.
    dim->XII = cijeliPritisnut ? dim->h : *x;
    dim->Zeta = cijeliPritisnut ? 0.0 : KoeficijentSadejstva(p, o);
    const double zeta = dim->Zeta;

    const Ulaz u = Pripremi(p, o);
    const BrutoPresjek g = Bruto(*dim);
    const StadijI s1 = IdealniPresjekI(*dim);
    const Ugibi vI = UgibStadija(u, {g.Ac, g.yc, g.Jc, s1.JI}, p, k, l);
    Ugibi vII = vI;
    StadijII s2;
    if (!cijeliPritisnut) {
        s2 = IdealniPresjekII(*dim);
        vII = UgibStadija(u, {s2.Acc, s2.ycII, s2.JcII, s2.JII}, p, k, l);
    }
    const double v = Konacno((1 - zeta) * vI.Ukupno() + zeta * vII.Ukupno());

    TDodatniPodaci zapis = dp ? *dp : TDodatniPodaci{};
    if (dp)
        Zapisi(zapis, p, o,
               {vI, vII, zeta, cijeliPritisnut, g.Jc, s1.JI, cijeliPritisnut ? s1.JI : s2.JII});
    // Nothing of the section or the record changes before every value is known.
    p.vI = vI.Ukupno();
    p.vII = vII.Ukupno();
    p.v = v;
    if (dp)
        *dp = zapis;
}

} // namespace nmk
