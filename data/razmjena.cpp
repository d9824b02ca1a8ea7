#include "data/razmjena.h"

#include "data/fajl.h"
#include "data/proracun.h"
#include "engine/cvrstoce.h"
#include "engine/greska.h"
#include "engine/propisi.h"

#include <cmath>
#include <exception>
#include <system_error>

namespace nmk {

std::optional<Rezim> RezimIzArgumenta(std::string_view argument) {
    if (argument == "DIM")
        return Rezim::Dim;
    if (argument == "UGIB")
        return Rezim::Ugib;
    if (argument == "PRSLINE")
        return Rezim::Prsline;
    return std::nullopt;
}

namespace razmjena {

namespace {

[[noreturn]] void GreskaPolja(const CitacToka& c, const std::string& tekst) {
    throw GreskaCitanja(tekst + " (bajt " + std::to_string(c.Pozicija()) + ")");
}

} // namespace

double Konacan(CitacToka& c, const char* polje) {
    const std::size_t pocetak = c.Pozicija();
    const double x = c.Realni();
    if (!std::isfinite(x))
        throw GreskaCitanja(std::string("Vrijednost ") + polje + " nije konačan broj (bajt " +
                            std::to_string(pocetak) + ")");
    return x;
}

double Dimenzija(CitacToka& c, const char* polje) {
    const std::size_t pocetak = c.Pozicija();
    const double x = Konacan(c, polje);
    if (std::fabs(x) > NajvecaDimenzija)
        throw GreskaCitanja(std::string("Dimenzija ") + polje + " = " + std::to_string(x) +
                            " cm je izvan granica presjeka (najviše " +
                            std::to_string(static_cast<int>(NajvecaDimenzija)) + " cm) (bajt " +
                            std::to_string(pocetak) + ")");
    return x;
}

std::int64_t CijeliURasponu(CitacToka& c, std::int64_t od, std::int64_t do_, const char* polje) {
    const std::size_t pocetak = c.Pozicija();
    const std::int64_t v = c.Cijeli();
    if (v < od || v > do_)
        throw GreskaCitanja(std::string(polje) + " = " + std::to_string(v) +
                            " nije u dozvoljenim granicama " + std::to_string(od) + " do " +
                            std::to_string(do_) + " (bajt " + std::to_string(pocetak) + ")");
    return v;
}

std::int32_t Broj(CitacToka& c, std::size_t bajtovaPoStavci, const char* sta) {
    const std::size_t pocetak = c.Pozicija();
    const std::int64_t n = c.Cijeli();
    if (n < 0)
        throw GreskaCitanja(std::string(sta) + " ne može biti negativan: " + std::to_string(n) +
                            " (bajt " + std::to_string(pocetak) + ")");
    // Every item needs at least bajtovaPoStavci bytes, so a count beyond what is left is
    // wrong before anything is read or allocated for it.
    BudzetZapisa(c).Rezervisi(static_cast<std::uint64_t>(n), bajtovaPoStavci, sta);
    return static_cast<std::int32_t>(n);
}

void CitajSifre(CitacToka& c, TPresjek& p, const Katalozi& k) {
    p.Propis = static_cast<TPropis>(
        CijeliURasponu(c, 0, static_cast<std::int64_t>(Propisi().size()) - 1, "Propis"));
    p.Beton = static_cast<std::int32_t>(CijeliURasponu(c, 0, k.BrojBetona() - 1, "Indeks betona"));
    p.Celik = static_cast<std::int32_t>(CijeliURasponu(c, 0, k.BrojCelika() - 1, "Indeks čelika"));
    p.Oblik = static_cast<TOblik>(CijeliURasponu(c, 0, 2, "Oblik"));
    if (c.Cijeli() == 1)
        p.Status |= sfSimetricno;
}

void PostaviProracunske(TPresjek& p, const Projekat& pr, double gamaC, double gamaS,
                        bool dimRezim) {
    if (Opis(p.Propis).ImaKoeficijente() &&
        !(gamaC > 0 && gamaS > 0 && std::isfinite(gamaC) && std::isfinite(gamaS)))
        throw GreskaCitanja("Parcijalni koeficijenti sigurnosti moraju biti veći od nule");
    PostaviProracunskeCvrstoce(p, pr.katalozi, pr.sistem.Alfa, gamaC, gamaS,
                               dimRezim ? PbabFb::PoIndeksu : PbabFb::UvijekIzZapisa);
    if (!std::isfinite(p.fB) || !std::isfinite(p.sigv) || !std::isfinite(p.epsv))
        throw GreskaCitanja("Čvrstoće betona ili čelika iz kataloga nisu upotrebljive");
    p.Proracun = TProracun::Dimenzioniranje;
    p.Status |= sfStandardna;
}

void ProvjeriKraj(const CitacToka& c) {
    if (!c.Kraj())
        GreskaPolja(c, "Višak podataka iza posljednjeg presjeka");
}

void ZaSvakiPresjek(Projekat& pr, Poruke& poruke, const Racunanje& racunaj) {
    for (std::size_t i = 0; i < pr.presjeci.size(); ++i) {
        TPresjek& p = pr.presjeci[i];
        const std::string oznaka = "Presjek " + std::to_string(i + 1) + ": ";
        // The engine trusts only what the input check lets through; a warning does not
        // stop a batch.
        NacinProracuna nacin;
        nacin.provjera = NacinProvjere::Serija;
        nacin.racunaj = racunaj;
        const IshodProracuna ishod = IzracunajPresjek(p, pr, poruke, nacin);
        if (!ishod.provjeraProsla)
            throw GreskaProracuna(oznaka + ishod.nalaz->tekst);
        if (ishod.greska)
            throw GreskaProracuna(oznaka + *ishod.greska);
    }
}

} // namespace razmjena

namespace {

// The least size of one DIM section record: 9 reals and 5 integers of two bytes each.
constexpr std::size_t kNajmanjiDimZapis = 14 * razmjena::NajmanjaVrijednost;

void CitajDimPresjek(CitacToka& c, Projekat& pr, const UlazDim& ulaz) {
    TPresjek& p = pr.presjeci.emplace_back();
    p.b = razmjena::Dimenzija(c, "b");
    p.b0 = razmjena::Dimenzija(c, "b0");
    p.h = razmjena::Dimenzija(c, "h");
    p.h0 = razmjena::Dimenzija(c, "h0");
    p.d1 = razmjena::Dimenzija(c, "d1");
    p.d2 = razmjena::Dimenzija(c, "d2");
    p.Mu = razmjena::Konacan(c, "Mu");
    p.Nu = razmjena::Konacan(c, "Nu");
    p.Qu = razmjena::Konacan(c, "Qu");
    razmjena::CitajSifre(c, p, pr.katalozi);
    razmjena::PostaviProracunske(p, pr, ulaz.gamaC, ulaz.gamaS, true);
}

} // namespace

UlazDim CitajDim(Projekat& pr, std::string_view bajtovi) {
    pr.presjeci.clear();
    pr.trenutni = 0;
    CitacToka c(bajtovi);
    UlazDim ulaz;
    ulaz.gamaC = c.Realni();
    ulaz.gamaS = c.Realni();
    const std::int32_t g = razmjena::Broj(c, razmjena::NajmanjaVrijednost, "Broj grupa");
    for (std::int32_t i = 0; i < g; ++i) {
        const std::int32_t n = razmjena::Broj(c, kNajmanjiDimZapis, "Broj presjeka u grupi");
        ulaz.grupe.push_back(n);
        for (std::int32_t j = 0; j < n; ++j)
            CitajDimPresjek(c, pr, ulaz);
    }
    razmjena::ProvjeriKraj(c);
    return ulaz;
}

void IzracunajDim(Projekat& pr, Poruke& poruke) {
    // A DIM section's own mode is the bending design.
    razmjena::ZaSvakiPresjek(pr, poruke, [](TPresjek& p, const Okruzenje& o) {
        RacunajPoRezimu(p, o);
        Konacno(p.Aa1);
        Konacno(p.Aa2);
        Konacno(p.Avil);
    });
}

std::string PisiDim(const Projekat& pr, const UlazDim& ulaz) {
    PisacToka t;
    t.Cijeli(static_cast<std::int64_t>(ulaz.grupe.size()));
    std::size_t i = 0;
    for (std::int32_t n : ulaz.grupe) {
        t.Cijeli(n);
        for (std::int32_t j = 0; j < n; ++j) {
            const TPresjek& p = pr.presjeci.at(i++);
            t.Realni(p.Aa1);
            t.Realni(p.Aa2);
            t.Realni(p.Avil);
            t.Cijeli(p.Status & sfLomDijagonala);
        }
    }
    return t.Bajtovi();
}

std::string ObradiDim(Projekat& pr, std::string_view bajtovi, Poruke& poruke) {
    const UlazDim ulaz = BezIscrpljenja([&] { return CitajDim(pr, bajtovi); });
    IzracunajDim(pr, poruke);
    return PisiDim(pr, ulaz);
}

int PokreniDim(Projekat& pr, KonzolnePoruke& poruke) {
    return PokreniSeriju(pr, poruke, ObradiDim);
}

int PokreniSeriju(Projekat& pr, KonzolnePoruke& poruke, const ObradaSerije& obrada) {
    std::filesystem::path putanja;
    std::string izlaz;
    try {
        putanja = BezIscrpljenja([&] { return Putanja(pr, RazmjenaFajl); });
        std::error_code ec;
        if (!std::filesystem::exists(putanja, ec)) {
            poruke.SaNaslovom(NaslovGreskePrograma, PorukaNemaRazmjene);
            return izlazNemaFajla;
        }
        pr.presjeci.clear();
        pr.trenutni = 0;
        pr.sistem.PrikaziPoruke = false;
        const std::string ulaz = ProcitajFajl(putanja);
        izlaz = obrada(pr, ulaz, poruke);
    } catch (const GreskaFajla& e) {
        poruke.Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return izlazCitanje;
    } catch (const std::exception& e) {
        poruke.Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return izlazProracun;
    }
    try {
        ZapisiAtomski(putanja, izlaz);
    } catch (const std::exception& e) {
        poruke.Prikazi(e.what(), VrstaPoruke::Greska, dgOK);
        return izlazPisanje;
    }
    return izlazUspjeh;
}

} // namespace nmk
