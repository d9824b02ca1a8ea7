#include "data/projektni_fajl.h"

#include "data/dodatak_projekta.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/kodna_strana.h"
#include "data/tok.h"
#include "engine/propisi.h"

#include <fstream>
#include <limits>

namespace nmk {

namespace {

// The reals of a section record, in file order (note h0 before h).
void PisiPresjek(PisacToka& t, const TPresjek& p) {
    for (double x : {p.b, p.b0, p.h0, p.h, p.d1, p.d2, p.Mu, p.Nu, p.Qu, p.fB, p.sigv, p.epsa,
                     p.epsb, p.Aa1, p.Aa2, p.Avil, p.gamaC, p.gamaS})
        t.Realni(x);
    t.Cijeli(p.Status);
    t.Logicki(p.Ispravan);
    t.Cijeli(static_cast<int>(p.Propis));
    t.Cijeli(static_cast<int>(p.Oblik));
    t.Cijeli(static_cast<int>(p.Proracun));
    t.Cijeli(p.Beton);
    t.Cijeli(p.Celik);
    t.Tekst(p.Naziv);
}

// An integer that must lie in [od, do_]; anything else is a read error naming the field.
std::int64_t CijeliURasponu(CitacToka& c, std::int64_t od, std::int64_t do_, const char* polje) {
    const std::int64_t v = c.Cijeli();
    if (v < od || v > do_)
        throw GreskaCitanja(std::string("Neispravna vrijednost polja ") + polje + ": " +
                            std::to_string(v));
    return v;
}

// An enumeration stored in 8 bits: the low 8 bits count, and they must name a known value.
std::uint8_t Nabrajanje(CitacToka& c, int najveci, const char* polje) {
    const auto v = static_cast<std::uint8_t>(c.Cijeli() & 0xFF);
    if (v > najveci)
        throw GreskaCitanja(std::string("Neispravna vrijednost polja ") + polje + ": " +
                            std::to_string(v));
    return v;
}

TPresjek CitajPresjek(CitacToka& c) {
    TPresjek p;
    for (double* x : {&p.b, &p.b0, &p.h0, &p.h, &p.d1, &p.d2, &p.Mu, &p.Nu, &p.Qu, &p.fB, &p.sigv,
                      &p.epsa, &p.epsb, &p.Aa1, &p.Aa2, &p.Avil, &p.gamaC, &p.gamaS})
        *x = c.Realni();
    p.Status = static_cast<std::uint16_t>(CijeliURasponu(c, 0, 65535, "Status"));
    p.Ispravan = c.Logicki();
    p.Propis =
        static_cast<TPropis>(Nabrajanje(c, static_cast<int>(Propisi().size()) - 1, "Propis"));
    p.Oblik = static_cast<TOblik>(Nabrajanje(c, 2, "Oblik"));
    p.Proracun = static_cast<TProracun>(Nabrajanje(c, 2, "Proracun"));
    constexpr auto maxInt = std::numeric_limits<std::int32_t>::max();
    p.Beton = static_cast<std::int32_t>(CijeliURasponu(c, 0, maxInt, "Beton"));
    p.Celik = static_cast<std::int32_t>(CijeliURasponu(c, 0, maxInt, "Celik"));
    p.Naziv = c.Tekst();
    return p;
}

// A count at the head of the file: not below najmanji (the records follow, and the budget
// bounds them by what the rest of the file can hold).
std::int64_t Broj(CitacToka& c, std::int64_t najmanji, const char* sta) {
    const std::int64_t n = c.Cijeli();
    if (n < najmanji)
        throw GreskaCitanja(std::string("Neispravan broj ") + sta + ": " + std::to_string(n));
    return n;
}

// The least encoded sizes of the records: a section holds 18 reals, Status, Ispravan, five
// integers and its name; a concrete four reals and its name; a steel three and its name.
constexpr std::size_t kNajmanjiPresjek =
    18 * najmanje::Realni + 6 * najmanje::Cijeli + najmanje::Logicki + najmanje::Tekst;
constexpr std::size_t kNajmanjiBeton = 4 * najmanje::Realni + najmanje::Tekst;
constexpr std::size_t kNajmanjiCelik = 3 * najmanje::Realni + najmanje::Tekst;

} // namespace

void CitajProjekat(Projekat& novi, std::string_view bajtovi) {
    CitacToka c(bajtovi);
    c.Tekst(); // the magic, tested before
    const std::int64_t n = Broj(c, 1, "presjeka");
    const std::int64_t nb = Broj(c, PrviKorisnickiBeton, "betona");
    const std::int64_t nc = Broj(c, PrviKorisnickiCelik, "celika");
    // Every count is bounded by the bytes left before anything is sized for it.
    BudzetZapisa budzet(c);
    budzet.Rezervisi(static_cast<std::uint64_t>(n), kNajmanjiPresjek, "Broj presjeka");
    budzet.Rezervisi(static_cast<std::uint64_t>(nb - PrviKorisnickiBeton), kNajmanjiBeton,
                     "Broj betona");
    budzet.Rezervisi(static_cast<std::uint64_t>(nc - PrviKorisnickiCelik), kNajmanjiCelik,
                     "Broj čelika");
    novi.presjeci.clear();
    for (std::int64_t i = 0; i < n; ++i)
        novi.presjeci.push_back(CitajPresjek(c));
    // The built-in records stay those of the catalogue files; the user records follow as read.
    novi.katalozi.beton.resize(PrviKorisnickiBeton);
    for (std::int64_t i = PrviKorisnickiBeton; i < nb; ++i) {
        TBeton b;
        b.fck = c.Realni();
        b.fb = c.Realni();
        b.trd = c.Realni();
        b.rezervisano = c.Realni();
        b.naziv = PrviZnakovi(c.Tekst(), 6);
        novi.katalozi.beton.push_back(std::move(b));
    }
    novi.katalozi.celik.resize(PrviKorisnickiCelik);
    for (std::int64_t i = PrviKorisnickiCelik; i < nc; ++i) {
        TCelik s;
        s.fyk = c.Realni();
        s.fav = c.Realni();
        s.E = c.Realni();
        s.naziv = PrviZnakovi(c.Tekst(), 9);
        novi.katalozi.celik.push_back(std::move(s));
    }
    // Nothing the file says may make a later calculation index out of range.
    for (const TPresjek& p : novi.presjeci) {
        if (!novi.katalozi.ImaBeton(p.Beton) || !novi.katalozi.ImaCelik(p.Celik))
            throw GreskaCitanja("Presjek \"" + p.Naziv + "\" upućuje na nepostojeći materijal");
    }
    // What follows the first part: the extension block, or nothing.
    CitajDodatak(c, novi);
}

void SnimiProjekat(const Projekat& pr, const std::filesystem::path& putanja) {
    PisacToka t;
    t.Tekst(MagijaProjekta);
    t.Cijeli(pr.BrojPresjeka());
    t.Cijeli(pr.BrojBetona());
    t.Cijeli(pr.BrojCelika());
    for (const TPresjek& p : pr.presjeci)
        PisiPresjek(t, p);
    for (int i = PrviKorisnickiBeton; i < pr.BrojBetona(); ++i) {
        const TBeton& b = pr.katalozi.beton[static_cast<std::size_t>(i)];
        for (double x : {b.fck, b.fb, b.trd, b.rezervisano})
            t.Realni(x);
        t.Tekst(b.naziv);
    }
    for (int i = PrviKorisnickiCelik; i < pr.BrojCelika(); ++i) {
        const TCelik& s = pr.katalozi.celik[static_cast<std::size_t>(i)];
        for (double x : {s.fyk, s.fav, s.E})
            t.Realni(x);
        t.Tekst(s.naziv);
    }
    PisiDodatak(t, pr);
    ZapisiAtomski(putanja, t.Bajtovi());
}

bool ProvjeriMagiju(const std::filesystem::path& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    if (!ulaz)
        return false;
    char pocetak[16] = {};
    ulaz.read(pocetak, sizeof pocetak);
    if (ulaz.gcount() < 16)
        return false;
    return std::string_view(pocetak + 2, 14) == MagijaProjekta;
}

bool ProvjeriIUcitaj(Projekat& pr, const std::filesystem::path& putanja, Poruke& poruke) {
    // Any failure while opening, an allocation failure too, is the error of a damaged file
    // and leaves the open project as it was.
    bool magija = false;
    Projekat novi;
    try {
        magija = ProvjeriMagiju(putanja);
        if (magija) {
            novi = pr;
            CitajProjekat(novi, ProcitajFajl(putanja));
            ZapisiPrivremeneKopije(novi);
        }
    } catch (const std::exception& e) {
        // The copies of the project still open are restored if the failed write touched them.
        if (pr.sistem.PrivremeniMaterijali) {
            try {
                Projekat stari = pr;
                ZapisiPrivremeneKopije(stari);
            } catch (const std::exception&) {
            }
        }
        poruke.Prikazi("Projekat se ne može otvoriti:\n" + PutanjaUtf8(putanja) + "\n" +
                           TekstGreskeFajla(e),
                       VrstaPoruke::Greska, dgOK);
        return false;
    }
    if (!magija) {
        poruke.Prikazi(PorukaNepoznatFajl, VrstaPoruke::Upozorenje, dgOK);
        return false;
    }
    pr.presjeci = std::move(novi.presjeci);
    pr.katalozi = std::move(novi.katalozi);
    pr.betonEx = novi.betonEx;
    pr.servis = novi.servis;
    pr.sistem.PrivremeniMaterijali = true;
    pr.sistem.IzabraniPresjek = 0;
    pr.VratiRadni();
    return true;
}

void PrimijeniUcitani(Projekat& pr, const std::filesystem::path& putanja) {
    pr.sistem.ImeFajla = PutanjaUtf8(putanja);
}

std::string NaslovProzora(const std::filesystem::path& putanja) {
    return "Nosivometrik - [" + PutanjaUtf8(putanja) + "]";
}

std::vector<std::string> NaziviSacuvanih(const Projekat& pr) {
    std::vector<std::string> nazivi;
    for (std::size_t i = 0; i + 1 < pr.presjeci.size(); ++i)
        nazivi.push_back(pr.presjeci[i].Naziv);
    return nazivi;
}

void NoviProjekat(Projekat& pr) {
    pr.presjeci.assign(1, TPresjek{});
    pr.trenutni = 0;
    pr.sistem.IzabraniPresjek = 0;
    ObrisiPrivremeneKopije(pr);
    pr.sistem.ImeFajla.clear();
    pr.sistem.Izmijenjen = false;
    pr.sistem.Alfa = 0.85f;
    pr.sistem.PrivremeniMaterijali = false;
    UcitajBetone(pr);
    UcitajCelike(pr);
}

} // namespace nmk
