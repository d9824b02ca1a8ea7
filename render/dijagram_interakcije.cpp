#include "render/dijagram_interakcije.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace nmk::render {

namespace {

// Room for the labels around the plot, pixels.
constexpr double kLijevo = 16, kDesno = 16, kGore = 30, kDolje = 30;
constexpr double kPodioka = 4; // half the length of a tick

// A number with a fixed count of decimals and the given separator (no exponent form).
std::string Fiksno(double x, int decimale, char separator) {
    if (x == 0 || std::fabs(x) < 0.5 * std::pow(10.0, -decimale))
        x = 0; // no "-0"
    char b[64];
    std::snprintf(b, sizeof b, "%.*f", decimale, x);
    std::string s(b);
    std::replace(s.begin(), s.end(), '.', separator);
    return s;
}

int DecimaleKoraka(double korak) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(korak) + 1e-9)));
}

struct Opseg {
    double od = 0, do_ = 0;
    void Obuhvati(double x) {
        od = std::min(od, x);
        do_ = std::max(do_, x);
    }
    // Widened by a share of the span on both sides (a span of nothing becomes one unit).
    void Prosiri(double udio) {
        const double r = do_ - od > 0 ? do_ - od : 1;
        od -= udio * r;
        do_ += udio * r;
    }
};

std::vector<double> Vrijednosti(const Opseg& o, double korak) {
    std::vector<double> v;
    for (double x = std::ceil(o.od / korak) * korak; x <= o.do_ + 1e-9 * korak; x += korak)
        v.push_back(std::fabs(x) < 1e-9 * korak ? 0 : x);
    return v;
}

std::string Broj(double x, char separator) {
    if (std::isinf(x))
        return "izvan krive";
    return Fiksno(x, 2, separator);
}

} // namespace

double OkrugliKorak(double raspon, int najvise) {
    if (!(raspon > 0) || !std::isfinite(raspon) || najvise < 1)
        return 1;
    const double sirovo = raspon / najvise;
    const double p = std::pow(10.0, std::floor(std::log10(sirovo)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * p >= sirovo * (1 - 1e-12))
            return m * p;
    return 10 * p;
}

DijagramInterakcije NacrtajDijagram(const KrivaInterakcije& k, std::optional<double> Nsd,
                                    std::optional<double> Msd, int sirina, int visina,
                                    char separator) {
    DijagramInterakcije d;
    d.sirina = sirina;
    d.visina = visina;
    Opseg m, n;
    for (const TackaKrive& t : k.tacke) {
        m.Obuhvati(t.M);
        n.Obuhvati(t.N);
    }
    const bool imaTacku = Nsd && Msd && std::isfinite(*Nsd) && std::isfinite(*Msd);
    if (imaTacku) {
        m.Obuhvati(*Msd);
        n.Obuhvati(*Nsd);
    }
    m.Prosiri(0.08);
    n.Prosiri(0.05);
    const double L = kLijevo, R = std::max(L + 1, sirina - kDesno);
    const double T = kGore, B = std::max(T + 1, visina - kDolje);
    d.kx = (R - L) / (m.do_ - m.od);
    d.x0 = L - d.kx * m.od;
    d.ky = (B - T) / (n.do_ - n.od);
    d.y0 = T - d.ky * n.od;
    const TackaD o = d.UPiksele(0, 0);
    d.osaM = {{L, o.y}, {R, o.y}};
    d.osaN = {{o.x, T}, {o.x, B}};

    const double korakM = OkrugliKorak(m.do_ - m.od, std::max(2, static_cast<int>((R - L) / 70)));
    const double korakN = OkrugliKorak(n.do_ - n.od, std::max(2, static_cast<int>((B - T) / 35)));
    for (const double v : Vrijednosti(m, korakM)) {
        const double x = d.UPiksele(0, v).x;
        d.podioke.push_back({{x, o.y - kPodioka}, {x, o.y + kPodioka}});
        if (v != 0)
            d.tekst.push_back({{x, o.y + kPodioka + 1},
                               Fiksno(v, DecimaleKoraka(korakM), separator),
                               Sidro::GoreSredina});
    }
    for (const double v : Vrijednosti(n, korakN)) {
        const double y = d.UPiksele(v, 0).y;
        d.podioke.push_back({{o.x - kPodioka, y}, {o.x + kPodioka, y}});
        if (v != 0)
            d.tekst.push_back({{o.x - kPodioka - 2, y},
                               Fiksno(v, DecimaleKoraka(korakN), separator),
                               Sidro::DesnoSredina});
    }
    d.tekst.push_back({{o.x - kPodioka - 2, o.y + kPodioka + 1}, "0", Sidro::LijevoGore});
    d.tekst.push_back({{R, o.y - kPodioka - 2}, "M [kNm]", Sidro::DoljeSredina});
    d.tekst.push_back({{o.x + 6, T - 22}, "N [kN], pritisak (-)", Sidro::LijevoGore});
    d.tekst.push_back({{o.x + 6, B + 8}, "zatezanje (+)", Sidro::LijevoGore});
    // The sign of the moment in the lower corners, away from the curve's labels.
    d.tekst.push_back({{L, visina - 2.0}, "M < 0: zategnuta gornja strana", Sidro::LijevoDolje});
    d.tekst.push_back({{R, visina - 2.0}, "M > 0: zategnuta donja strana", Sidro::DoljeSredina});

    for (const TackaKrive& t : k.tacke)
        d.kriva.push_back(d.UPiksele(t.N, t.M));
    if (imaTacku) {
        d.tacka = d.UPiksele(*Nsd, *Msd);
        const Iskoristenost i = Iskoristenje(k, *Nsd, *Msd);
        if (std::isfinite(i.poZraku) && i.poZraku > 0)
            d.kapacitet = d.UPiksele(*Nsd / i.poZraku, *Msd / i.poZraku);
    }
    return d;
}

std::optional<std::size_t> NajblizaTacka(const DijagramInterakcije& d, TackaD piksel) {
    std::optional<std::size_t> najbliza;
    double najmanje = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < d.kriva.size(); ++i) {
        const double r = std::hypot(d.kriva[i].x - piksel.x, d.kriva[i].y - piksel.y);
        if (r < najmanje) {
            najmanje = r;
            najbliza = i;
        }
    }
    return najbliza;
}

std::string OpisTacke(const TackaKrive& t, char separator) {
    return "N = " + Fiksno(t.N, 2, separator) + " kN   M = " + Fiksno(t.M, 2, separator) +
           " kNm   εgore = " + Fiksno(t.eGore, 3, separator) +
           " ‰   εdolje = " + Fiksno(t.eDolje, 3, separator) + " ‰";
}

std::string OpisIskoristenja(const Iskoristenost& i, char separator) {
    const std::string poMomentu =
        i.silaUnutar ? Broj(i.poMomentu, separator) : "izvan krive (Nsd van nosivosti)";
    return "Msd / MRd(Nsd) = " + poMomentu +
           "   po zraku iz ishodista = " + Broj(i.poZraku, separator);
}

std::string OpisArmature(const ArmaturaKrive& a, char separator) {
    const char* izvor =
        a.izvor == IzvorArmature::Usvojena ? "Usvojena armatura" : "Potrebna armatura";
    return std::string(izvor) + ": Aa1 = " + Fiksno(a.Aa1, 2, separator) +
           " cm2, Aa2 = " + Fiksno(a.Aa2, 2, separator) + " cm2";
}

std::string CsvKrive(const KrivaInterakcije& k, char separator) {
    const char polje = separator == ',' ? ';' : ',';
    const std::string p(1, polje);
    std::string s = "\xef\xbb\xbf"; // UTF-8 mark: spreadsheets then read the ε and ‰ right
    s += "N [kN]" + p + "M [kNm]" + p + "εgore [‰]" + p + "εdolje [‰]" + p +
         (separator == ',' ? "decimalni separator je zarez" : "decimalni separator je tacka") +
         "\r\n";
    for (const TackaKrive& t : k.tacke)
        s += Fiksno(t.N, 3, separator) + p + Fiksno(t.M, 3, separator) + p +
             Fiksno(t.eGore, 4, separator) + p + Fiksno(t.eDolje, 4, separator) + "\r\n";
    return s;
}

void DodajDijagram(Izvjestaj& iz, const ArmaturaKrive& a, const Iskoristenost& i, Slika slika,
                   char separator) {
    auto red = [](std::string tekst, bool podvuceno = false) {
        Red r;
        Komad k;
        k.tekst = std::move(tekst);
        k.podvuceno = podvuceno;
        r.komadi.push_back(std::move(k));
        return r;
    };
    std::vector<Red> blok;
    blok.push_back(red("Dijagram interakcije:", true));
    blok.push_back(red(OpisArmature(a, separator)));
    Red s = red("");
    s.slika = std::move(slika);
    blok.push_back(std::move(s));
    blok.push_back(red(OpisIskoristenja(i, separator)));
    blok.push_back(red(""));
    // The block's closing line stays last.
    const bool zatvoren = !iz.redovi.empty() && iz.redovi.back().Tekst() == Crta;
    const auto mjesto = zatvoren ? iz.redovi.end() - 1 : iz.redovi.end();
    iz.redovi.insert(mjesto, std::make_move_iterator(blok.begin()),
                     std::make_move_iterator(blok.end()));
}

} // namespace nmk::render
