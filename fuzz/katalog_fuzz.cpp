// The catalogue files, read as concretes and as steels. A size that is no multiple of 40 is
// a clean file error; otherwise every record reads, its numbers are the file's bits, its
// name is valid text that fits its field (7 or 9 characters), and a record written
// back by the program reads and writes back to the same 40 bytes.
#include "zajednicko.h"

#include "data/fajl.h"
#include "data/kodna_strana.h"

#include <string>

namespace {

using namespace nmk;
using fuzz::Provjeri;

template <typename T, typename Citaj, typename Kodiraj, typename Dekodiraj>
void Katalog(std::string_view bajtovi, Citaj citaj, Kodiraj kodiraj, Dekodiraj dekodiraj,
             std::size_t maxZnakova, std::size_t pocetakBrojeva) {
    std::vector<T> zapisi;
    try {
        zapisi = citaj(bajtovi, "fuzz.mtr");
    } catch (const GreskaFajla&) {
        Provjeri(bajtovi.size() % VelicinaZapisa != 0, "a whole catalogue is refused");
        return;
    }
    Provjeri(zapisi.size() * VelicinaZapisa == bajtovi.size(), "records lost or invented");
    for (std::size_t i = 0; i < zapisi.size(); ++i) {
        const std::string_view zapis = bajtovi.substr(i * VelicinaZapisa, VelicinaZapisa);
        Provjeri(JeIspravanUtf8(zapisi[i].naziv), "a name read as ill-formed UTF-8");
        Provjeri(BrojZnakova(zapisi[i].naziv) <= maxZnakova, "a name longer than its field");
        const std::string napisan = kodiraj(zapisi[i]);
        Provjeri(napisan.size() == VelicinaZapisa, "a record written in other than 40 bytes");
        Provjeri(napisan.substr(pocetakBrojeva) == zapis.substr(pocetakBrojeva),
                 "the numbers of a record do not come back bit for bit");
        Provjeri(kodiraj(dekodiraj(napisan)) == napisan, "a written record reads as another");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* podaci, std::size_t velicina) {
    const std::string_view bajtovi = fuzz::Bajtovi(podaci, velicina);
    Katalog<TBeton>(bajtovi, DekodirajBetone, KodirajBeton, DekodirajBeton, 7, 8);
    Katalog<TCelik>(bajtovi, DekodirajCelike, KodirajCelik, DekodirajCelik, 9, 16);
    return 0;
}
