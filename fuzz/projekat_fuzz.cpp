// The project file, read into a fresh project with the shipped catalogues as an open reads it
// (after the magic check). A project that reads whole is saved, opened again, and must give
// the same sections, user materials and service data by every field the file stores, and the same
// bytes when saved once more.
#include "zajednicko.h"

#include "data/dodatak_projekta.h"
#include "data/fajl.h"
#include "data/projektni_fajl.h"

#include <unistd.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

using namespace nmk;
using fuzz::Provjeri;

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() /
                 ("nmk_fuzz_projekat_" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

bool IstiBitovi(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool IstiPresjek(const TPresjek& a, const TPresjek& b) {
    const double ra[] = {a.b,  a.b0,   a.h0,   a.h,    a.d1,  a.d2,  a.Mu,   a.Nu,    a.Qu,
                         a.fB, a.sigv, a.epsa, a.epsb, a.Aa1, a.Aa2, a.Avil, a.gamaC, a.gamaS};
    const double rb[] = {b.b,  b.b0,   b.h0,   b.h,    b.d1,  b.d2,  b.Mu,   b.Nu,    b.Qu,
                         b.fB, b.sigv, b.epsa, b.epsb, b.Aa1, b.Aa2, b.Avil, b.gamaC, b.gamaS};
    for (std::size_t i = 0; i < std::size(ra); ++i)
        if (!IstiBitovi(ra[i], rb[i]))
            return false;
    return a.Status == b.Status && a.Ispravan == b.Ispravan && a.Propis == b.Propis &&
           a.Oblik == b.Oblik && a.Proracun == b.Proracun && a.Beton == b.Beton &&
           a.Celik == b.Celik && a.Naziv == b.Naziv;
}

// What the extension block keeps of a section: its service inputs and results, bit for bit,
// and its bars.
bool IstiDodatak(const TPresjek& a, const TPresjek& b) {
    const DodatakPresjeka x = DodatakIz(a), y = DodatakIz(b);
    const double rx[] = {x.Mexp, x.Nexp, x.Vilica, x.vb, x.vbd,  x.vI,  x.vII,
                         x.v,    x.am,   x.Wm,     x.Wk, x.alfa, x.beta};
    const double ry[] = {y.Mexp, y.Nexp, y.Vilica, y.vb, y.vbd,  y.vI,  y.vII,
                         y.v,    y.am,   y.Wm,     y.Wk, y.alfa, y.beta};
    for (std::size_t i = 0; i < std::size(rx); ++i)
        if (!IstiBitovi(rx[i], ry[i]))
            return false;
    return x.ArmGornja == y.ArmGornja && x.ArmDonja == y.ArmDonja;
}

// The project's own values that the extension keeps.
bool IstiPodaciProjekta(const Projekat& a, const Projekat& b) {
    const TBetonEx &x = a.betonEx, &y = b.betonEx;
    const double rx[] = {x.fi,
                         x.hi,
                         x.ebs,
                         x.alfa_st,
                         x.B1,
                         x.B2,
                         a.servis.l,
                         a.servis.a,
                         a.servis.VlaznostTecenja,
                         a.servis.VlaznostSkupljanja};
    const double ry[] = {y.fi,
                         y.hi,
                         y.ebs,
                         y.alfa_st,
                         y.B1,
                         y.B2,
                         b.servis.l,
                         b.servis.a,
                         b.servis.VlaznostTecenja,
                         b.servis.VlaznostSkupljanja};
    for (std::size_t i = 0; i < std::size(rx); ++i)
        if (!IstiBitovi(rx[i], ry[i]))
            return false;
    return a.servis.StatickiSistem == b.servis.StatickiSistem &&
           a.servis.StarostTecenja == b.servis.StarostTecenja;
}

bool IstiMaterijali(const Katalozi& a, const Katalozi& b) {
    if (a.beton.size() != b.beton.size() || a.celik.size() != b.celik.size())
        return false;
    for (std::size_t i = 0; i < a.beton.size(); ++i) {
        const TBeton &x = a.beton[i], &y = b.beton[i];
        if (!IstiBitovi(x.fck, y.fck) || !IstiBitovi(x.fb, y.fb) || !IstiBitovi(x.trd, y.trd) ||
            !IstiBitovi(x.rezervisano, y.rezervisano) || x.naziv != y.naziv)
            return false;
    }
    for (std::size_t i = 0; i < a.celik.size(); ++i) {
        const TCelik &x = a.celik[i], &y = b.celik[i];
        if (!IstiBitovi(x.fyk, y.fyk) || !IstiBitovi(x.fav, y.fav) || !IstiBitovi(x.E, y.E) ||
            x.naziv != y.naziv)
            return false;
    }
    return true;
}

// A fresh project with the shipped catalogues, and the bytes read into it; false for a file
// that does not read whole.
bool Procitaj(Projekat& pr, std::string_view bajtovi) {
    pr.katalozi = fuzz::UgradjeniKatalozi();
    try {
        CitajProjekat(pr, bajtovi);
        return true;
    } catch (const GreskaFajla&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* podaci, std::size_t velicina) {
    const std::string_view bajtovi = fuzz::Bajtovi(podaci, velicina);
    // The check of the magic that precedes every open: bytes 2 to 15.
    if (velicina < 16 || bajtovi.substr(2, 14) != MagijaProjekta)
        return 0;
    Projekat prvi;
    if (!Procitaj(prvi, bajtovi))
        return 0;
    const auto putanja = Folder() / "p.nmk";
    SnimiProjekat(prvi, putanja);
    const std::string snimljeno = ProcitajFajl(putanja);
    Projekat drugi;
    Provjeri(Procitaj(drugi, snimljeno), "a saved project does not open");
    Provjeri(prvi.presjeci.size() == drugi.presjeci.size(), "a saved project lost sections");
    for (std::size_t i = 0; i < prvi.presjeci.size(); ++i) {
        Provjeri(IstiPresjek(prvi.presjeci[i], drugi.presjeci[i]),
                 "a saved section opens with other values");
        Provjeri(IstiDodatak(prvi.presjeci[i], drugi.presjeci[i]),
                 "a saved section opens with other bars or service values");
    }
    Provjeri(IstiPodaciProjekta(prvi, drugi), "a saved project opens with other service data");
    Provjeri(IstiMaterijali(prvi.katalozi, drugi.katalozi),
             "a saved material opens with other values");
    SnimiProjekat(drugi, putanja);
    Provjeri(ProcitajFajl(putanja) == snimljeno, "a project saved again gives other bytes");
    return 0;
}
