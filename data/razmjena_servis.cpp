// The serviceability batch modes UGIB (deflections) and PRSLINE (crack widths) on the
// machinery of the DIM mode.
#include "data/razmjena.h"

#include "data/fajl.h"
#include "engine/greska.h"
#include "engine/prsline.h"
#include "engine/tecenje.h"
#include "engine/ugib.h"

#include <limits>

namespace nmk {

namespace {

using razmjena::CijeliURasponu;
using razmjena::Konacan;

// The six serviceability values of the file head; a creep coefficient or a shrinkage strain
// outside its physical range makes the file unusable for either mode.
void CitajBetonEx(CitacToka& c, TBetonEx& bx) {
    bx.fi = Konacan(c, "fi");
    bx.hi = Konacan(c, "hi");
    bx.ebs = Konacan(c, "ebs");
    bx.alfa_st = Konacan(c, "alfa_st");
    bx.B1 = Konacan(c, "B1");
    bx.B2 = Konacan(c, "B2");
    if (const auto greska = GreskaPodatakaBetona(bx))
        throw GreskaCitanja(*greska);
}

void CitajGeometriju(CitacToka& c, TPresjek& p) {
    p.b = razmjena::Dimenzija(c, "b");
    p.b0 = razmjena::Dimenzija(c, "b0");
    p.h = razmjena::Dimenzija(c, "h");
    p.h0 = razmjena::Dimenzija(c, "h0");
    p.d1 = razmjena::Dimenzija(c, "d1");
    p.d2 = razmjena::Dimenzija(c, "d2");
}

// A diameter and a count (both 16-bit); a positive count makes one group of bars.
TUsvojenaArmatura CitajSipke(CitacToka& c, const char* strana) {
    const std::size_t pocetak = c.Pozicija();
    const auto precnik = CijeliURasponu(c, -32768, 32767, "Prečnik šipki");
    const auto broj = CijeliURasponu(c, -32768, 32767, "Broj šipki");
    if (broj <= 0)
        return {};
    if (precnik <= 0)
        throw GreskaCitanja(std::string("Prečnik šipki ") + strana +
                            " mora biti veći od nule (bajt " + std::to_string(pocetak) + ")");
    return {GrupaSipki{static_cast<std::int16_t>(precnik), static_cast<std::int16_t>(broj)}};
}

// Items shared by both records after their reals: the codes, then the top and bottom bars.
void CitajSifreISipke(CitacToka& c, TPresjek& p, const Projekat& pr) {
    razmjena::CitajSifre(c, p, pr.katalozi);
    p.ArmGornja = CitajSipke(c, "gornje armature");
    p.ArmDonja = CitajSipke(c, "donje armature");
    // The serviceability modes use the section's own partial factors (1.5 and 1.15).
    razmjena::PostaviProracunske(p, pr, p.gamaC, p.gamaS, false);
}

// Least sizes of the records: UGIB 11 reals and 9 integers, PRSLINE 9 reals and 9 integers.
constexpr std::size_t kNajmanjiUgib = 20 * razmjena::NajmanjaVrijednost;
constexpr std::size_t kNajmanjiPrsline = 18 * razmjena::NajmanjaVrijednost;

template <typename CitajZapis>
void CitajStavke(Projekat& pr, CitacToka& c, UlazServis& ulaz, std::size_t najmanjiZapis,
                 CitajZapis citaj) {
    const std::int32_t g = razmjena::Broj(c, razmjena::NajmanjaVrijednost, "Broj stavki");
    for (std::int32_t i = 0; i < g; ++i) {
        const auto m = static_cast<std::int32_t>(
            CijeliURasponu(c, std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max(), "Oznaka stavke"));
        ulaz.stavke.push_back(m);
        if (m != 1)
            continue;
        if (c.Preostalo() < najmanjiZapis)
            throw GreskaCitanja("Neočekivan kraj fajla u zapisu presjeka (bajt " +
                                std::to_string(c.Pozicija()) + ")");
        citaj(pr.presjeci.emplace_back());
    }
    razmjena::ProvjeriKraj(c);
}

// Output: G, then every entry value and, for a section, its bit and its result.
template <typename Rezultat>
std::string PisiStavke(const Projekat& pr, const UlazServis& ulaz, Rezultat rezultat) {
    PisacToka t;
    t.Cijeli(static_cast<std::int64_t>(ulaz.stavke.size()));
    std::size_t i = 0;
    for (std::int32_t m : ulaz.stavke) {
        t.Cijeli(m);
        if (m != 1)
            continue;
        const TPresjek& p = pr.presjeci.at(i++);
        t.Cijeli(p.Status & sfNemaArmature);
        t.Realni(rezultat(p));
    }
    return t.Bajtovi();
}

void NovaLista(Projekat& pr) {
    pr.presjeci.clear();
    pr.trenutni = 0;
}

} // namespace

UlazServis CitajUgib(Projekat& pr, std::string_view bajtovi) {
    NovaLista(pr);
    CitacToka c(bajtovi);
    CitajBetonEx(c, pr.betonEx);
    UlazServis ulaz;
    ulaz.r = Konacan(c, "r");
    CitajStavke(pr, c, ulaz, kNajmanjiUgib, [&](TPresjek& p) {
        CitajGeometriju(c, p);
        p.Mexp = Konacan(c, "Mexp");
        p.Nexp = Konacan(c, "Nexp");
        p.vb = Konacan(c, "vb");
        p.vbd = ulaz.r * p.vb;
        ulaz.k.push_back(Konacan(c, "k"));
        ulaz.l.push_back(Konacan(c, "l"));
        CitajSifreISipke(c, p, pr);
    });
    return ulaz;
}

UlazServis CitajPrsline(Projekat& pr, std::string_view bajtovi) {
    NovaLista(pr);
    CitacToka c(bajtovi);
    CitajBetonEx(c, pr.betonEx);
    UlazServis ulaz;
    CitajStavke(pr, c, ulaz, kNajmanjiPrsline, [&](TPresjek& p) {
        CitajGeometriju(c, p);
        ulaz.a.push_back(Konacan(c, "a"));
        p.Mexp = Konacan(c, "Mexp");
        p.Nexp = Konacan(c, "Nexp");
        CitajSifreISipke(c, p, pr);
    });
    return ulaz;
}

std::string PisiUgib(const Projekat& pr, const UlazServis& ulaz) {
    return PisiStavke(pr, ulaz, [](const TPresjek& p) { return p.v; });
}

std::string PisiPrsline(const Projekat& pr, const UlazServis& ulaz) {
    return PisiStavke(pr, ulaz, [](const TPresjek& p) { return p.Wk; });
}

std::string ObradiUgib(Projekat& pr, std::string_view bajtovi, Poruke& poruke) {
    const UlazServis ulaz = BezIscrpljenja([&] { return CitajUgib(pr, bajtovi); });
    std::size_t i = 0;
    razmjena::ZaSvakiPresjek(pr, poruke, [&](TPresjek& p, const Okruzenje& o) {
        ProracunUgiba(p, o, nullptr, ulaz.k.at(i), ulaz.l.at(i));
        ++i;
        Konacno(p.v);
    });
    return PisiUgib(pr, ulaz);
}

std::string ObradiPrsline(Projekat& pr, std::string_view bajtovi, Poruke& poruke) {
    const UlazServis ulaz = BezIscrpljenja([&] { return CitajPrsline(pr, bajtovi); });
    std::size_t i = 0;
    razmjena::ZaSvakiPresjek(pr, poruke, [&](TPresjek& p, const Okruzenje& o) {
        ProracunPrslina(p, o, nullptr, ulaz.a.at(i));
        ++i;
        Konacno(p.Wk);
    });
    return PisiPrsline(pr, ulaz);
}

int PokreniUgib(Projekat& pr, KonzolnePoruke& poruke) {
    return PokreniSeriju(pr, poruke, ObradiUgib);
}

int PokreniPrsline(Projekat& pr, KonzolnePoruke& poruke) {
    return PokreniSeriju(pr, poruke, ObradiPrsline);
}

} // namespace nmk
