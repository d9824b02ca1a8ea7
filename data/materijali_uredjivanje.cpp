#include "data/materijali_uredjivanje.h"

#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/kodna_strana.h"

namespace nmk {

namespace {

// What differs between a concrete and a steel. The editor works on the raw 40-byte records,
// so that records it does not add or delete reach the rewritten file byte for byte.
struct VrstaZapisa {
    int prviKorisnicki;
    std::int32_t TPresjek::*polje; // the section's index of this kind
    const char* pridruzen;         // " je pridruzen beton "
    const char* nemozeObrisan;     // "Pridruzeni beton nemoze biti obrisan!"
    const char* pitanje;           // the confirmation, with its two trailing blanks
    std::string (*naziv)(std::string_view zapis40);
};

std::string NazivBetona(std::string_view zapis) {
    return DekodirajBeton(zapis).naziv;
}
std::string NazivCelika(std::string_view zapis) {
    return DekodirajCelik(zapis).naziv;
}

const VrstaZapisa kBeton{PrviKorisnickiBeton,
                         &TPresjek::Beton,
                         " je pridruzen beton ",
                         "Pridruzeni beton nemoze biti obrisan!",
                         "Jeste li sigurni da zelite izbrisati beton  ",
                         &NazivBetona};
const VrstaZapisa kCelik{PrviKorisnickiCelik,
                         &TPresjek::Celik,
                         " je pridruzena armatura ",
                         "Pridruzena armatura nemoze biti obrisana!",
                         "Jeste li sigurni da zelite izbrisati celik  ",
                         &NazivCelika};

bool DobroZadan(const NoviMaterijal& novi, std::size_t maxZnakova, Poruke& poruke) {
    if (PrviZnakovi(novi.naziv, maxZnakova).empty() || !novi.prvi || !novi.drugi) {
        poruke.Prikazi(PorukaLosiPodaciMaterijala, VrstaPoruke::Greska, dgOK);
        return false;
    }
    return true;
}

// The whole catalogue file; throws GreskaFajla when its size is no multiple of a record.
std::string CitajKatalog(const std::filesystem::path& fajl) {
    std::string sve = ProcitajFajl(fajl);
    if (sve.size() % VelicinaZapisa != 0) {
        throw GreskaFajla("Neispravan fajl materijala (veličina nije višekratnik od 40 bajtova): " +
                          PutanjaUtf8(fajl));
    }
    return sve;
}

void DodajZapis(const std::filesystem::path& fajl, const std::string& zapis40) {
    ZapisiAtomski(fajl, CitajKatalog(fajl) + zapis40);
}

// The stored sections: every entry of the list but the last, the working section.
std::size_t BrojSacuvanih(const Projekat& pr) {
    return pr.presjeci.empty() ? 0 : pr.presjeci.size() - 1;
}

const TPresjek* KoristiZapis(const Projekat& pr, int indeks, const VrstaZapisa& vrsta) {
    for (std::size_t s = 0; s < BrojSacuvanih(pr); ++s) {
        if (pr.presjeci[s].*vrsta.polje == indeks) {
            return &pr.presjeci[s];
        }
    }
    return nullptr;
}

void PomjeriIndekse(Projekat& pr, int obrisan, const VrstaZapisa& vrsta) {
    for (std::size_t s = 0; s < BrojSacuvanih(pr); ++s) {
        std::int32_t& i = pr.presjeci[s].*vrsta.polje;
        if (i > obrisan) {
            --i;
        }
    }
}

bool Obrisi(Projekat& pr, const std::filesystem::path& fajl, int indeks,
            const std::string& prikazaniNaziv, const VrstaZapisa& vrsta, Poruke& poruke) {
    std::string sve = CitajKatalog(fajl);
    const auto broj = static_cast<int>(sve.size() / VelicinaZapisa);
    // Only user-defined records that exist can go. (Checked before the use: an index outside
    // them deletes nothing, so no message about it is due.)
    if (indeks < vrsta.prviKorisnicki || indeks >= broj) {
        return false;
    }
    const std::size_t pocetak = static_cast<std::size_t>(indeks) * VelicinaZapisa;
    if (const TPresjek* p = KoristiZapis(pr, indeks, vrsta)) {
        const std::string ime = vrsta.naziv(std::string_view(sve).substr(pocetak, VelicinaZapisa));
        poruke.Prikazi("Presjeku " + p->Naziv + vrsta.pridruzen + ime + "\n" + vrsta.nemozeObrisan,
                       VrstaPoruke::Greska, dgOK);
        return false;
    }
    if (poruke.Prikazi(vrsta.pitanje + prikazaniNaziv, VrstaPoruke::Potvrda, dgDaNe) == odgNe) {
        return false;
    }
    // The later records move down by one; the file is replaced whole, so an interrupted
    // deletion leaves the old catalogue, and the sections change only once it is written.
    sve.erase(pocetak, VelicinaZapisa);
    ZapisiAtomski(fajl, sve);
    PomjeriIndekse(pr, indeks, vrsta);
    return true;
}

} // namespace

bool DodajBeton(const Projekat& pr, const NoviMaterijal& novi, Poruke& poruke) {
    if (!DobroZadan(novi, MaxZnakovaBetona, poruke)) {
        return false;
    }
    TBeton b; // a zeroed record: fb and the reserved field stay 0
    b.naziv = PrviZnakovi(novi.naziv, MaxZnakovaBetona);
    b.fck = *novi.prvi;
    b.trd = *novi.drugi;
    DodajZapis(FajlBetona(pr), KodirajBeton(b));
    return true;
}

bool DodajCelik(const Projekat& pr, const NoviMaterijal& novi, Poruke& poruke) {
    if (!DobroZadan(novi, MaxZnakovaCelika, poruke)) {
        return false;
    }
    TCelik c; // a zeroed record: fav stays 0
    c.naziv = PrviZnakovi(novi.naziv, MaxZnakovaCelika);
    c.fyk = *novi.prvi;
    c.E = *novi.drugi;
    DodajZapis(FajlCelika(pr), KodirajCelik(c));
    return true;
}

bool ObrisiBeton(Projekat& pr, int indeks, const std::string& prikazaniNaziv, Poruke& poruke) {
    return Obrisi(pr, FajlBetona(pr), indeks, prikazaniNaziv, kBeton, poruke);
}

bool ObrisiCelik(Projekat& pr, int indeks, const std::string& prikazaniNaziv, Poruke& poruke) {
    return Obrisi(pr, FajlCelika(pr), indeks, prikazaniNaziv, kCelik, poruke);
}

std::optional<int> IndeksNakonBrisanja(int indeks, const std::vector<int>& izbrisani) {
    for (int i : izbrisani) {
        if (i == indeks)
            return std::nullopt;
        if (i < indeks)
            --indeks;
    }
    return indeks;
}

} // namespace nmk
