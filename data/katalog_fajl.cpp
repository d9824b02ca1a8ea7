#include "data/katalog_fajl.h"

#include "data/fajl.h"
#include "data/kodna_strana.h"

#include <system_error>

namespace nmk {

namespace {

// Name field: a length byte and the characters in the 8-bit code page, zero-padded.
void DodajIme(std::string& zapis, const std::string& ime, std::size_t maxZnakova,
              std::size_t polje) {
    const std::string bajtovi = Utf8UCp1250(PrviZnakovi(ime, maxZnakova));
    zapis += static_cast<char>(bajtovi.size());
    zapis += bajtovi;
    zapis.append(polje - bajtovi.size(), '\0');
}

std::string CitajIme(std::string_view zapis, std::size_t polje) {
    std::size_t duzina = static_cast<unsigned char>(zapis[0]);
    if (duzina > polje)
        duzina = polje;
    return Cp1250UUtf8(zapis.substr(1, duzina));
}

const unsigned char* Bajtovi(std::string_view zapis, std::size_t pomak) {
    return reinterpret_cast<const unsigned char*>(zapis.data()) + pomak;
}

// The records of a catalogue's bytes; `ime` names the file in the error. An allocation
// failure is the error of a damaged file.
template <typename T, typename Dekoder>
std::vector<T> DekodirajZapise(std::string_view sve, const std::string& ime, Dekoder dekodiraj) {
    if (sve.size() % VelicinaZapisa != 0)
        throw GreskaFajla("Neispravan fajl materijala (veličina nije višekratnik od 40 bajtova): " +
                          ime);
    return BezIscrpljenja([&] {
        std::vector<T> zapisi;
        zapisi.reserve(sve.size() / VelicinaZapisa);
        for (std::size_t i = 0; i < sve.size(); i += VelicinaZapisa)
            zapisi.push_back(dekodiraj(sve.substr(i, VelicinaZapisa)));
        return zapisi;
    });
}

template <typename T, typename Dekoder>
std::vector<T> CitajZapise(const std::filesystem::path& putanja, Dekoder dekodiraj) {
    return BezIscrpljenja(
        [&] { return DekodirajZapise<T>(ProcitajFajl(putanja), PutanjaUtf8(putanja), dekodiraj); });
}

} // namespace

std::string KodirajBeton(const TBeton& b) {
    std::string zapis;
    DodajIme(zapis, b.naziv, 6, 7);
    DodajDouble(zapis, b.fck);
    DodajDouble(zapis, b.fb);
    DodajDouble(zapis, b.trd);
    DodajDouble(zapis, b.rezervisano);
    return zapis;
}

std::string KodirajCelik(const TCelik& c) {
    std::string zapis;
    DodajIme(zapis, c.naziv, 9, 9);
    zapis.append(6, '\0');
    DodajDouble(zapis, c.fyk);
    DodajDouble(zapis, c.fav);
    DodajDouble(zapis, c.E);
    return zapis;
}

TBeton DekodirajBeton(std::string_view zapis) {
    TBeton b;
    b.naziv = CitajIme(zapis, 7);
    b.fck = CitajDouble(Bajtovi(zapis, 8));
    b.fb = CitajDouble(Bajtovi(zapis, 16));
    b.trd = CitajDouble(Bajtovi(zapis, 24));
    b.rezervisano = CitajDouble(Bajtovi(zapis, 32));
    return b;
}

TCelik DekodirajCelik(std::string_view zapis) {
    TCelik c;
    c.naziv = CitajIme(zapis, 9);
    c.fyk = CitajDouble(Bajtovi(zapis, 16));
    c.fav = CitajDouble(Bajtovi(zapis, 24));
    c.E = CitajDouble(Bajtovi(zapis, 32));
    return c;
}

std::vector<TBeton> DekodirajBetone(std::string_view sve, const std::string& ime) {
    return DekodirajZapise<TBeton>(sve, ime, DekodirajBeton);
}

std::vector<TCelik> DekodirajCelike(std::string_view sve, const std::string& ime) {
    return DekodirajZapise<TCelik>(sve, ime, DekodirajCelik);
}

std::vector<TBeton> CitajBetone(const std::filesystem::path& putanja) {
    return CitajZapise<TBeton>(putanja, DekodirajBeton);
}

std::vector<TCelik> CitajCelike(const std::filesystem::path& putanja) {
    return CitajZapise<TCelik>(putanja, DekodirajCelik);
}

void ZapisiBetone(const std::filesystem::path& putanja, const std::vector<TBeton>& zapisi) {
    std::string sve;
    for (const auto& b : zapisi)
        sve += KodirajBeton(b);
    ZapisiAtomski(putanja, sve);
}

void ZapisiCelike(const std::filesystem::path& putanja, const std::vector<TCelik>& zapisi) {
    std::string sve;
    for (const auto& c : zapisi)
        sve += KodirajCelik(c);
    ZapisiAtomski(putanja, sve);
}

std::filesystem::path FajlBetona(const Projekat& pr) {
    return Putanja(pr, pr.sistem.PrivremeniMaterijali ? PrivremeniBetonFajl : BetonFajl);
}

std::filesystem::path FajlCelika(const Projekat& pr) {
    return Putanja(pr, pr.sistem.PrivremeniMaterijali ? PrivremeniCelikFajl : CelikFajl);
}

bool UcitajBetone(Projekat& pr) {
    return BezIscrpljenja([&] {
        const auto putanja = FajlBetona(pr);
        std::error_code ec;
        if (!std::filesystem::exists(putanja, ec))
            return false;
        pr.katalozi.beton = CitajBetone(putanja);
        return true;
    });
}

bool UcitajCelike(Projekat& pr) {
    return BezIscrpljenja([&] {
        const auto putanja = FajlCelika(pr);
        std::error_code ec;
        if (!std::filesystem::exists(putanja, ec))
            return false;
        pr.katalozi.celik = CitajCelike(putanja);
        return true;
    });
}

void ZapisiPrivremeneKopije(Projekat& pr) {
    ZapisiBetone(Putanja(pr, PrivremeniBetonFajl), pr.katalozi.beton);
    ZapisiCelike(Putanja(pr, PrivremeniCelikFajl), pr.katalozi.celik);
    pr.sistem.PrivremeniMaterijali = true;
}

void ObrisiPrivremeneKopije(const Projekat& pr) {
    if (!pr.sistem.PrivremeniMaterijali)
        return;
    std::error_code ec;
    std::filesystem::remove(Putanja(pr, PrivremeniBetonFajl), ec);
    std::filesystem::remove(Putanja(pr, PrivremeniCelikFajl), ec);
}

} // namespace nmk
