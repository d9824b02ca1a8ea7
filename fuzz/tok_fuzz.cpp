// The tagged value stream, value by value as the companion command prints it. Every whole
// value written back in its exact form gives the same bytes; a real read as a double comes
// back bit for bit through the writer; a string reads as valid UTF-8, and the program's own
// writing of that text reads back as the same text.
#include "zajednicko.h"

#include "data/kodna_strana.h"
#include "data/tok.h"

#include <bit>
#include <cmath>
#include <string>

namespace {

using namespace nmk;
using fuzz::Provjeri;

void ProvjeriRealni(std::string_view vrijednost) {
    CitacToka c(vrijednost);
    const double x = c.Realni();
    PisacToka t;
    t.Realni(x);
    CitacToka nazad(t.Bajtovi());
    Provjeri(std::bit_cast<std::uint64_t>(nazad.Realni()) == std::bit_cast<std::uint64_t>(x),
             "a real written by the program reads back as another double");
}

void ProvjeriTekst(std::string_view vrijednost) {
    CitacToka c(vrijednost);
    const std::string tekst = c.Tekst();
    Provjeri(JeIspravanUtf8(tekst), "a string was read as ill-formed UTF-8");
    PisacToka t;
    t.Tekst(tekst);
    const auto [oznaka, payload] = CitacToka(t.Bajtovi()).SirovTekst();
    Provjeri(oznaka != tag::Utf8Tekst || JeIspravanUtf8(payload),
             "the program wrote ill-formed UTF-8");
    CitacToka nazad(t.Bajtovi());
    Provjeri(nazad.Tekst() == tekst, "a string written by the program reads back as another");
}

// One value at the reader's position, written back in its exact form; false at a tag that
// starts no value.
bool Prepisi(CitacToka& c, PisacToka& t) {
    const std::uint8_t oznaka = c.SljedeciTag();
    switch (oznaka) {
    case tag::Int8:
    case tag::Int16:
    case tag::Int32:
    case tag::Int64:
        t.CijeliUObliku(oznaka, c.Cijeli64());
        return true;
    case tag::Real80:
        t.Realni80(c.Realni80());
        return true;
    case tag::Tacno:
    case tag::Netacno:
        t.Logicki(c.Logicki());
        return true;
    case tag::KratkiTekst:
    case tag::DugiTekst:
    case tag::Utf16Tekst:
    case tag::Utf8Tekst: {
        const auto [t2, payload] = c.SirovTekst();
        t.SirovTekst(t2, payload);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* podaci, std::size_t velicina) {
    const std::string_view bajtovi = fuzz::Bajtovi(podaci, velicina);
    CitacToka c(bajtovi);
    PisacToka t;
    while (!c.Kraj()) {
        const std::size_t pocetak = c.Pozicija();
        try {
            if (!Prepisi(c, t))
                break;
        } catch (const GreskaCitanja&) {
            break; // a damaged tail
        }
        const std::string_view vrijednost = bajtovi.substr(pocetak, c.Pozicija() - pocetak);
        switch (static_cast<std::uint8_t>(vrijednost[0])) {
        case tag::Tacno:
        case tag::Netacno:
            break;
        case tag::KratkiTekst:
        case tag::DugiTekst:
        case tag::Utf16Tekst:
        case tag::Utf8Tekst:
            ProvjeriTekst(vrijednost);
            break;
        default: // an integer or a real
            ProvjeriRealni(vrijednost);
        }
    }
    Provjeri(t.Bajtovi() == bajtovi.substr(0, c.Pozicija()),
             "the values written back in their exact form give other bytes");
    return 0;
}
