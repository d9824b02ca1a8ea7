#include "data/dodatak_projekta.h"

#include "engine/osnovni_ugib.h"
#include "engine/tecenje.h"

#include <array>
#include <limits>
#include <optional>
#include <string>

namespace nmk {

namespace {

// The reals of a section's record, in file order.
std::array<double DodatakPresjeka::*, 13> RealniPresjeka() {
    using D = DodatakPresjeka;
    return {&D::Mexp, &D::Nexp, &D::Vilica, &D::vb, &D::vbd,  &D::vI,  &D::vII,
            &D::v,    &D::am,   &D::Wm,     &D::Wk, &D::alfa, &D::beta};
}

// The least bytes of a value (a tag and one byte), of a bar group (two integers) and of a
// section's record (13 reals and two counts).
constexpr std::size_t kVrijednost = 2;
constexpr std::size_t kGrupa = 2 * kVrijednost;
constexpr std::size_t kZapis = 15 * kVrijednost;

void PisiSipke(PisacToka& t, const TUsvojenaArmatura& lista) {
    t.Cijeli(static_cast<std::int64_t>(lista.size()));
    for (const GrupaSipki& g : lista) {
        t.Cijeli(g.precnik);
        t.Cijeli(g.broj);
    }
}

[[noreturn]] void Neispravno(const std::string& polje, const std::string& vrijednost) {
    throw GreskaCitanja("Neispravna vrijednost polja " + polje +
                        " u dodatku projekta: " + vrijednost);
}

std::int64_t CijeliURasponu(CitacToka& c, std::int64_t od, std::int64_t do_, const char* polje) {
    const std::int64_t v = c.Cijeli();
    if (v < od || v > do_)
        Neispravno(polje, std::to_string(v));
    return v;
}

// A value checked by its physical range (the check answers the message, or nothing).
void URasponu(std::optional<const char*> greska) {
    if (greska)
        throw GreskaCitanja(std::string("Neispravan dodatak projekta: ") + *greska);
}

// A count of items of at least `najmanje` bytes each: no more than `najvise` and no more than
// the rest of the file can hold.
std::size_t Broj(CitacToka& c, std::size_t najmanje, std::int64_t najvise, const char* sta) {
    const std::int64_t n = c.Cijeli();
    if (n < 0 || n > najvise || static_cast<std::uint64_t>(n) > c.Preostalo() / najmanje)
        throw GreskaCitanja(std::string("Neispravan broj ") + sta +
                            " u dodatku projekta: " + std::to_string(n));
    return static_cast<std::size_t>(n);
}

TUsvojenaArmatura CitajSipke(CitacToka& c) {
    const std::size_t g = Broj(c, kGrupa, std::numeric_limits<std::int64_t>::max(), "grupa šipki");
    TUsvojenaArmatura lista;
    lista.reserve(g);
    for (std::size_t i = 0; i < g; ++i) {
        const auto precnik = static_cast<std::int16_t>(CijeliURasponu(c, 1, 32767, "prečnik"));
        const auto broj = static_cast<std::int16_t>(CijeliURasponu(c, 1, 32767, "broj šipki"));
        for (const GrupaSipki& druga : lista)
            if (druga.precnik == precnik)
                Neispravno("prečnik", std::to_string(precnik) + " (dvaput)");
        lista.push_back({precnik, broj});
    }
    return lista;
}

DodatakPresjeka CitajPresjek(CitacToka& c) {
    DodatakPresjeka d;
    for (double DodatakPresjeka::*x : RealniPresjeka())
        d.*x = c.Realni();
    d.ArmGornja = CitajSipke(c);
    d.ArmDonja = CitajSipke(c);
    return d;
}

void CitajProjektne(CitacToka& c, Projekat& pr) {
    TBetonEx& bx = pr.betonEx;
    for (double* x : {&bx.fi, &bx.hi, &bx.ebs, &bx.alfa_st, &bx.B1, &bx.B2})
        *x = c.Realni();
    URasponu(GreskaPodatakaBetona(bx));
    PodaciServisa& s = pr.servis;
    s.l = c.Realni();
    URasponu(GreskaRaspona(s.l));
    s.StatickiSistem =
        static_cast<std::int32_t>(CijeliURasponu(c, 0, BrojStatickihSistema - 1, "sistem"));
    s.a = c.Realni();
    s.StarostTecenja = static_cast<std::int32_t>(
        CijeliURasponu(c, 1, std::numeric_limits<std::int32_t>::max(), "starost"));
    s.VlaznostTecenja = c.Realni();
    URasponu(GreskaVlaznosti(s.VlaznostTecenja));
    s.VlaznostSkupljanja = c.Realni();
    URasponu(GreskaVlaznosti(s.VlaznostSkupljanja));
}

// Sections from `od` on have no values of the extension: their bits say so.
void BezVrijednosti(Projekat& pr, std::size_t od) {
    for (std::size_t i = od; i < pr.presjeci.size(); ++i)
        pr.presjeci[i].Status &= static_cast<std::uint16_t>(~BitoviDodatka);
}

} // namespace

DodatakPresjeka DodatakIz(const TPresjek& p) {
    return {p.Mexp, p.Nexp, p.Vilica, p.vb,   p.vbd,  p.vI,        p.vII,     p.v,
            p.am,   p.Wm,   p.Wk,     p.alfa, p.beta, p.ArmGornja, p.ArmDonja};
}

void PrimijeniDodatak(TPresjek& p, const DodatakPresjeka& d) {
    p.Mexp = d.Mexp;
    p.Nexp = d.Nexp;
    p.Vilica = d.Vilica;
    p.vb = d.vb;
    p.vbd = d.vbd;
    p.vI = d.vI;
    p.vII = d.vII;
    p.v = d.v;
    p.am = d.am;
    p.Wm = d.Wm;
    p.Wk = d.Wk;
    p.alfa = d.alfa;
    p.beta = d.beta;
    p.ArmGornja = d.ArmGornja;
    p.ArmDonja = d.ArmDonja;
}

void PisiDodatak(PisacToka& t, const Projekat& pr) {
    t.Tekst(OznakaDodatka);
    t.Cijeli(VerzijaDodatka);
    const TBetonEx& bx = pr.betonEx;
    for (double x : {bx.fi, bx.hi, bx.ebs, bx.alfa_st, bx.B1, bx.B2})
        t.Realni(x);
    const PodaciServisa& s = pr.servis;
    t.Realni(s.l);
    t.Cijeli(s.StatickiSistem);
    t.Realni(s.a);
    t.Cijeli(s.StarostTecenja);
    t.Realni(s.VlaznostTecenja);
    t.Realni(s.VlaznostSkupljanja);
    t.Cijeli(pr.BrojPresjeka());
    for (const TPresjek& p : pr.presjeci) {
        const DodatakPresjeka d = DodatakIz(p);
        for (double DodatakPresjeka::*x : RealniPresjeka())
            t.Realni(d.*x);
        PisiSipke(t, d.ArmGornja);
        PisiSipke(t, d.ArmDonja);
    }
}

void CitajDodatak(CitacToka& c, Projekat& pr) {
    if (c.Kraj()) {
        BezVrijednosti(pr, 0);
        return;
    }
    if (c.Tekst() != OznakaDodatka)
        throw GreskaCitanja("Nepoznat sadržaj iza posljednjeg materijala (bajt " +
                            std::to_string(c.Pozicija()) + ")");
    const std::int64_t verzija = c.Cijeli();
    if (verzija < 1)
        Neispravno("verzija", std::to_string(verzija));
    if (verzija > VerzijaDodatka) {
        BezVrijednosti(pr, 0);
        return;
    }
    CitajProjektne(c, pr);
    const std::size_t m = Broj(c, kZapis, pr.BrojPresjeka(), "presjeka");
    for (std::size_t i = 0; i < m; ++i)
        PrimijeniDodatak(pr.presjeci[i], CitajPresjek(c));
    BezVrijednosti(pr, m);
    if (!c.Kraj())
        throw GreskaCitanja("Višak podataka na kraju projekta (bajt " +
                            std::to_string(c.Pozicija()) + ")");
}

} // namespace nmk
