#include "render/crtez.h"

#include "engine/armatura.h"
#include "engine/format.h"
#include "engine/napon_betona.h"

#include <algorithm>
#include <cmath>

namespace nmk::render {

int ZaokruziParno(double x) {
    // A dimension typed as 0 or a tiny number gives an infinite or huge scale while the user
    // is still typing: such lengths are held to a million pixels, and no length is NaN.
    constexpr double granica = 1e6;
    if (std::isnan(x))
        return 0;
    x = std::clamp(x, -granica, granica);
    // nearbyint rounds in the current mode; the program never leaves round-to-nearest-even.
    return static_cast<int>(std::nearbyint(x));
}

namespace {

// 130 pixels for the given length in cm, as a single-precision scale: the quotient is taken
// with the length as it is and rounded once. Rounding the length to single precision first
// moves the scale by one unit in the last place for lengths such as 38.4 cm, and with it
// lengths that lie at half a pixel.
float Mjerilo(double duzina) {
    return static_cast<float>(130.0 / duzina);
}

} // namespace

Mjere IzracunajMjere(const TPresjek& p) {
    Mjere m;
    // Single-precision scale; the products are taken in double with that scale, so that
    // S * 15 for S = 130/60 lies just above 32.5 and rounds up.
    m.S = p.h > p.b ? Mjerilo(p.h) : Mjerilo(p.b);
    const double s = m.S;
    m.W = p.h <= p.b ? 130 : ZaokruziParno(s * p.b);
    m.H = p.h > p.b ? 130 : ZaokruziParno(s * p.h);
    m.B0 = ZaokruziParno(s * p.b0);
    m.H0 = ZaokruziParno(s * p.h0);
    m.D1 = std::max(ZaokruziParno(s * p.d1), 5);
    m.D2 = std::max(ZaokruziParno(s * p.d2), 5);
    return m;
}

Tacka Ishodiste(int visina, bool monohromno) {
    if (monohromno)
        return {0, 0};
    return {97, visina / 2 - 3};
}

namespace {

// Edges of the outline in logical pixels.
struct Obris {
    int top = 0, bottom = 0;       // y of the flange top and the web bottom
    int left = 0, right = 0;       // x of the flange edges
    int webLeft = 0, webRight = 0; // x of the web edges
    int flangeBottom = 0;          // y of the flange's underside
};

Obris RacunajObris(const Mjere& m, int x0, int y0) {
    Obris o;
    o.top = y0 - m.H / 2;
    o.bottom = y0 + m.H / 2;
    o.left = x0 - m.W / 2;
    o.right = x0 + m.W / 2;
    o.webLeft = x0 - m.B0 / 2;
    o.webRight = x0 + m.B0 / 2;
    o.flangeBottom = o.top + m.H0;
    return o;
}

// Collects primitives in logical coordinates and shifts them to device coordinates.
class Platno {
public:
    explicit Platno(Tacka ishodiste) : ishodiste_(ishodiste) {}

    void Popuni(Boja b) { primitivi_.push_back(Popuna{b}); }
    void Poligon(Uloga u, std::vector<Tacka> tacke, Olovka olovka, Boja cetka = Bijela) {
        for (Tacka& t : tacke)
            t = Pomakni(t);
        primitivi_.push_back(render::Poligon{u, std::move(tacke), olovka, cetka});
    }
    void Linija(Uloga u, Tacka a, Tacka b, Olovka olovka) {
        primitivi_.push_back(render::Linija{u, Pomakni(a), Pomakni(b), olovka});
    }
    std::vector<Primitiv> Uzmi() { return std::move(primitivi_); }

private:
    Tacka Pomakni(Tacka t) const { return {t.x + ishodiste_.x, t.y + ishodiste_.y}; }
    Tacka ishodiste_;
    std::vector<Primitiv> primitivi_;
};

void CrtajObris(Platno& c, const Obris& o) {
    c.Poligon(Uloga::Obris,
              {{o.left, o.top},
               {o.right, o.top},
               {o.right, o.flangeBottom},
               {o.webRight, o.flangeBottom},
               {o.webRight, o.bottom},
               {o.webLeft, o.bottom},
               {o.webLeft, o.flangeBottom},
               {o.left, o.flangeBottom}},
              Olovka{Crna, 1, StilLinije::Puna}, Bijela);
}

Olovka OlovkaArmature(const Obris& o, const Mjere& m, bool monohromno) {
    Olovka olovka = monohromno ? Olovka{Crna, 2, StilLinije::Puna} : Olovka{Plava, 3};
    const int visina = o.bottom - o.top;
    // A section wider than tall gets thinner bar lines as it gets flatter.
    if (!monohromno && visina <= o.right - o.left && visina > 0) {
        const int k = m.W / visina;
        olovka.sirina = k >= 6 ? 1 : k >= 3 ? 2 : 3;
    }
    return olovka;
}

void CrtajArmaturu(Platno& c, const TPresjek& p, const Obris& o, const Mjere& m, bool monohromno) {
    const Olovka olovka = OlovkaArmature(o, m, monohromno);
    if (p.Aa2 > 1e-9)
        c.Linija(Uloga::DonjaArmatura, {o.webLeft + 10, o.bottom - m.D2},
                 {o.webRight - 10, o.bottom - m.D2}, olovka);
    if (p.Aa1 > 1e-9)
        c.Linija(Uloga::GornjaArmatura, {o.left + 10, o.top + m.D1}, {o.right - 10, o.top + m.D1},
                 olovka);
}

// The strain diagram's lengths: es at the lower level, ec at the top, in pixels.
struct Deformacije {
    int yLow = 0;
    int es = 0;
    int ec = 0;
    int yNa = 0; // the axis lies at -yNa
};

Deformacije RacunajDeformacije(const TPresjek& p, const Obris& o, const Mjere& m) {
    Deformacije d;
    if (p.ima(sfPetoPodrucje))
        d.yLow = o.bottom;
    else if (p.ima(sfNegativan))
        d.yLow = o.bottom - m.D1;
    else
        d.yLow = o.bottom - m.D2;

    // 60 pixels stand for the larger strain. When the larger signed strain is zero (both
    // strains at most zero) the larger magnitude sets the scale instead of a division by zero.
    double najveca = std::fabs(std::max(p.epsa, p.epsb));
    if (JeNula(najveca))
        najveca = std::max(std::fabs(p.epsa), std::fabs(p.epsb));
    const double F = 60.0 / najveca;
    if (std::fabs(p.epsa) > std::fabs(p.epsb)) {
        d.es = 60;
        d.ec = ZaokruziParno(std::fabs(p.epsb) * F);
    } else {
        d.ec = 60;
        d.es = ZaokruziParno(std::fabs(p.epsa) * F);
    }
    if (p.ima(sfPetoPodrucje))
        d.es = -d.es;
    if (p.ima(sfZategnut))
        d.ec = -d.ec;
    d.yNa = d.ec + d.es != 0 ? o.bottom - ((d.yLow - o.top) * d.ec) / (d.ec + d.es) : 0;
    return d;
}

void CrtajDilatacije(Platno& c, const TPresjek& p, const Obris& o, const Deformacije& d, int r) {
    c.Poligon(
        Uloga::Dilatacije,
        {{160, o.top * r}, {160, d.yLow * r}, {160 - d.es, d.yLow * r}, {160 + d.ec, o.top * r}},
        Olovka{Crna, 1, StilLinije::Puna}, Bijela);
    if (!p.ima(sfPetoPodrucje) && !p.ima(sfZategnut))
        c.Linija(Uloga::NeutralnaOsa, {-80, -d.yNa * r}, {380, -d.yNa * r},
                 Olovka{Crna, 1, StilLinije::CrtaTacka});
}

// 60 pixels times the parabola of a strain.
double Parabola60(double eps) {
    return 60.0 * eps * (1.0 - eps / 4.0);
}

// Parabola and rectangle: the concrete edge strain is beyond 2 per mille.
std::vector<Tacka> ParabolaIPravougaonik(const TPresjek& p, const Obris& o, const Deformacije& d,
                                         float S, double dubina, int& yNivo2) {
    const int xc = o.bottom - d.yNa;
    const double zbir = p.epsb + p.epsa;
    const int Hp = JeNula(zbir) ? 0 : ZaokruziParno(2.0 * dubina * S / zbir);
    const int Hr = std::max(xc - Hp, 0);
    const int t = Hp / 8;
    std::vector<Tacka> tacke{{280, -d.yNa}};
    for (int i = 1; i <= 7; ++i) {
        const double eps = Hp == 0 ? 0.0 : 2.0 * i * t / Hp;
        tacke.push_back({280 + ZaokruziParno(Parabola60(eps)), tacke.back().y - t});
    }
    tacke.push_back({340, o.top + Hr});
    tacke.push_back({340, o.top});
    tacke.push_back({280, o.top});
    yNivo2 = o.top + Hr;
    return tacke;
}

// Parabola only: the concrete edge strain is at most 2 per mille.
std::vector<Tacka> SamoParabola(const TPresjek& p, const Obris& o, const Deformacije& d) {
    const int xc = o.bottom - d.yNa;
    const int t = xc / 9;
    std::vector<Tacka> tacke{{280, -d.yNa}};
    for (int i = 1; i <= 8; ++i) {
        const double eps = xc == 0 ? 0.0 : static_cast<double>(i) * t * p.epsb / xc;
        tacke.push_back({280 + static_cast<int>(std::ceil(Parabola60(eps))), tacke.back().y - t});
    }
    tacke.push_back({280 + static_cast<int>(std::ceil(Parabola60(p.epsb))), o.top});
    tacke.push_back({280, o.top});
    return tacke;
}

// The fifth domain: the whole section compressed.
std::vector<Tacka> PetoPodrucje(const TPresjek& p, const Obris& o, float S) {
    const double razlika = p.epsb - p.epsa;
    if (std::fabs(razlika) <= 1e-16)
        return {{280, o.top}, {340, o.top}, {340, o.bottom}, {280, o.bottom}};
    const int Q = ZaokruziParno((p.epsb - 2.0) * S * p.h0 / razlika);
    const int raspon = 2 * o.bottom - Q;
    const int t = raspon / 7;
    std::vector<Tacka> tacke{{280, o.bottom}, {280 + ZaokruziParno(Parabola60(p.epsa)), o.bottom}};
    for (int i = 2; i <= 7; ++i) {
        const double eps = raspon == 0 ? p.epsa : (2.0 - p.epsa) * (i - 1) * t / raspon + p.epsa;
        tacke.push_back({280 + ZaokruziParno(Parabola60(eps)), tacke.back().y - t});
    }
    tacke.push_back({340, Q - o.bottom});
    tacke.push_back({340, o.top});
    tacke.push_back({280, o.top});
    return tacke;
}

void CrtajNapone(Platno& c, const TPresjek& p, const Obris& o, const Deformacije& d, int r) {
    if (p.ima(sfZategnut))
        return;
    const bool tPresjek = p.Oblik == TOblik::T;
    const float S = tPresjek ? Mjerilo(std::max(p.h, p.b)) : Mjerilo(std::max(p.h0, p.b));
    const double dubina = tPresjek ? p.h : p.h0;
    const Olovka olovka{Crna, 1, StilLinije::Puna};

    std::vector<Tacka> tacke;
    int yNivo2 = 0;
    bool nivo2 = false;
    if (p.ima(sfPetoPodrucje)) {
        tacke = PetoPodrucje(p, o, S);
    } else if (p.epsb > 2) {
        tacke = ParabolaIPravougaonik(p, o, d, S, dubina, yNivo2);
        nivo2 = true;
    } else {
        tacke = SamoParabola(p, o, d);
    }
    for (Tacka& t : tacke)
        t.y *= r;
    c.Poligon(Uloga::Naponi, std::move(tacke), olovka, Bijela);
    if (nivo2)
        c.Linija(Uloga::Nivo2Promila, {280, yNivo2 * r}, {340, yNivo2 * r}, olovka);
}

bool ImaDijagrame(const TPresjek& p) {
    const bool bezArmature = JeNula(p.Aa1) && JeNula(p.Aa2);
    const bool bezDeformacija = JeNula(p.epsa) && JeNula(p.epsb);
    return !bezArmature && !bezDeformacija;
}

} // namespace

std::vector<Primitiv> Crtaj(const TPresjek& p, int /*sirina*/, int visina, const OpcijeCrteza& o) {
    const int r = p.ima(sfNegativan) ? -1 : 1;
    Platno c(Ishodiste(visina, o.monohromno));
    if (o.kutija)
        c.Popuni(*o.kutija);

    const Mjere m = IzracunajMjere(p);
    const Obris obris = RacunajObris(m, o.xPomak, o.yPomak);
    CrtajObris(c, obris);
    if (o.samoObris || !p.ima(sfIzracunat))
        return c.Uzmi();

    CrtajArmaturu(c, p, obris, m, o.monohromno);
    if (ImaDijagrame(p)) {
        const Deformacije d = RacunajDeformacije(p, obris, m);
        CrtajDilatacije(c, p, obris, d, r);
        CrtajNapone(c, p, obris, d, r);
    }
    return c.Uzmi();
}

// ---------------------------------------------------------------------------------------------
// Labels

const char* ImeNatpisa(Natpis n) {
    static constexpr const char* imena[BrojNatpisa] = {"lblAvil", "lblAa1",  "lblAa2",
                                                       "lblAa1D", "lblAa2D", "lblDilatacije",
                                                       "lbleb",   "lblea",   "lblNaponiPritiska",
                                                       "lblsig1", "lblsig2"};
    return imena[static_cast<int>(n)];
}

Tacka MjestoNatpisa(Natpis n) {
    static constexpr Tacka mjesta[BrojNatpisa] = {{40, 5},   {40, 20},  {40, 214}, {40, 36},
                                                  {40, 232}, {200, 5},  {200, 20}, {200, 214},
                                                  {360, 5},  {360, 20}, {360, 214}};
    return mjesta[static_cast<int>(n)];
}

bool UokvirenNatpis(Natpis n) {
    return n == Natpis::Aa1D || n == Natpis::Aa2D;
}

namespace {

constexpr const char* Promil = "‰";

StanjeNatpisa& N(Natpisi& n, Natpis koji) {
    return n[static_cast<int>(koji)];
}

// The framed text of one layer's chosen bars; hidden when none are chosen.
void OznaciSipke(StanjeNatpisa& natpis, const TUsvojenaArmatura& lista, const char* oznaka,
                 char sep) {
    natpis.vidljiv = !lista.empty();
    if (lista.empty())
        return;
    natpis.tekst = OpisArmature(lista, true) + " (" + oznaka + " = " +
                   FormatirajBroj(PovrsinaArmature(lista), 12, 2, sep) + " cm2)";
    natpis.hint = "|" + OpisArmature(lista, false);
}

void OznaciDeformacije(Natpisi& n, const TPresjek& p, char sep) {
    auto broj = [sep](double x) { return FormatirajBroj(x, 6, 2, sep); };
    auto napon = [&](double eps) { return broj(NaponBetonaJednostruko(p.fB, eps)) + " N/mm2"; };
    const bool negativan = p.ima(sfNegativan);
    const bool zategnut = p.ima(sfZategnut);
    const std::string dva = std::string("  ") + Promil;
    const std::string jedan = std::string(" ") + Promil;

    const double gore = negativan ? p.epsa : p.epsb; // the strain written at the top label
    const double dolje = negativan ? p.epsb : p.epsa;
    N(n, Natpis::eb).tekst = (negativan ? "eps_s= " : "eps_c= ") + broj(gore) + dva;
    N(n, Natpis::ea).tekst = (negativan ? "eps_c= " : "eps_s= ") + broj(dolje) + dva;
    if (!zategnut) {
        N(n, negativan ? Natpis::sig2 : Natpis::sig1).tekst = napon(p.epsb);
        N(n, Natpis::NaponiPritiska).tekst = "Naponi pritiska u betonu";
    } else {
        N(n, Natpis::eb).tekst = "eps_s1= " + broj(gore) + dva;
        N(n, Natpis::ea).tekst = "eps_s2= " + broj(dolje) + dva;
    }
    if (p.ima(sfPetoPodrucje)) {
        N(n, Natpis::eb).tekst = "eps_c1= " + broj(gore) + jedan;
        N(n, Natpis::ea).tekst = "eps_c2= " + broj(dolje) + jedan;
        N(n, negativan ? Natpis::sig1 : Natpis::sig2).tekst = napon(p.epsa);
        N(n, Natpis::Aa1).tekst = "Aa1= " + broj(p.Aa1) + " cm2 ";
    }
}

} // namespace

Natpisi PrazniNatpisi() {
    Natpisi n;
    N(n, Natpis::Aa1D).vidljiv = false;
    N(n, Natpis::Aa2D).vidljiv = false;
    return n;
}

Natpisi Oznaci(const TPresjek& p, bool prikazi, char sep) {
    Natpisi n = PrazniNatpisi();
    if (!prikazi || !p.ima(sfIzracunat) || !p.Ispravan)
        return n;
    auto broj = [sep](double x) { return FormatirajBroj(x, 6, 2, sep); };

    // Only the bending design computes stirrups; the other modes leave Avil at zero.
    if (std::fabs(p.Qu) > 1e-4 && p.Proracun == TProracun::Dimenzioniranje)
        N(n, Natpis::Avil).tekst = "Avil= " + broj(p.Avil) + " cm2/m´";
    if (p.Aa1 < 1e-4 && p.Aa2 < 1e-4)
        return n;
    OznaciSipke(N(n, Natpis::Aa1D), p.ArmGornja, "stvAa1", sep);
    OznaciSipke(N(n, Natpis::Aa2D), p.ArmDonja, "stvAa2", sep);
    if (p.Aa2 > 1e-4)
        N(n, Natpis::Aa2).tekst = "Aa2= " + broj(p.Aa2) + " cm2 ";
    if (p.Aa1 > 1e-4)
        N(n, Natpis::Aa1).tekst = "Aa1= " + broj(p.Aa1) + " cm2 ";

    if (JeNula(p.epsa) && JeNula(p.epsb))
        return n;
    N(n, Natpis::Dilatacije).tekst = "Dilatacije";
    OznaciDeformacije(n, p, sep);
    return n;
}

} // namespace nmk::render
