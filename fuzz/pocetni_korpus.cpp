// Writes the initial corpus of every fuzz target with the program's own writers: exchange
// files of the three modes, project files, catalogue records and files, texts for the code
// page, and streams with every kind of value. The golden batch cases are added beside them by
// the build (korpus_iz_zlatnih.cmake).
//
//   nmk_fuzz_korpus OUTPUT_FOLDER PROGRAM_FOLDER
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/projektni_fajl.h"
#include "data/tok.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace nmk;
namespace fs = std::filesystem;

fs::path gIzlaz;

void Zapisi(const char* cilj, const std::string& ime, const std::string& bajtovi) {
    fs::create_directories(gIzlaz / cilj);
    ZapisiAtomski(gIzlaz / cilj / ime, bajtovi);
}

// ---- exchange files -------------------------------------------------------------------------

void Geometrija(PisacToka& t, double b, double b0, double h, double h0, double d1, double d2) {
    for (double x : {b, b0, h, h0, d1, d2})
        t.Realni(x);
}

void Cijeli(PisacToka& t, std::initializer_list<std::int64_t> vrijednosti) {
    for (std::int64_t v : vrijednosti)
        t.Cijeli(v);
}

void Dim() {
    // Both codes, both shapes, both moment signs, symmetric and fifth-domain sections.
    PisacToka t;
    t.Realni(1.5);
    t.Realni(1.15);
    t.Cijeli(2);
    t.Cijeli(3);
    Geometrija(t, 30, 30, 50, 50, 4, 4);
    for (double x : {120.0, -50.0, 90.0})
        t.Realni(x);
    Cijeli(t, {0, 3, 1, 0, 0});
    Geometrija(t, 100, 25, 60, 12, 4, 5);
    for (double x : {-250.0, 0.0, 150.0})
        t.Realni(x);
    Cijeli(t, {1, 14, 3, 1, 0});
    Geometrija(t, 40, 40, 40, 40, 4, 4);
    for (double x : {30.0, -2500.0, 20.0})
        t.Realni(x);
    Cijeli(t, {1, 12, 3, 0, 1});
    t.Cijeli(1);
    Geometrija(t, 25, 25, 45, 45, 3, 3);
    for (double x : {60.0, 400.0, 80.0})
        t.Realni(x);
    Cijeli(t, {0, 5, 2, 0, 0});
    Zapisi("dim", "pisac_mjesavina.prs", t.Bajtovi());
    // Integers where reals are expected, the smallest form of a section.
    PisacToka m;
    Cijeli(m, {1, 1, 1, 1, 30, 30, 60, 60, 5, 5, 150, 0, 100, 0, 3, 1, 0, 0});
    Zapisi("dim", "pisac_cijeli.prs", m.Bajtovi());
}

void ServisGlava(PisacToka& t) {
    for (double x : {2.5, 0.8, 0.0003, 0.8, 1.0, 0.5})
        t.Realni(x);
}

void Ugib() {
    PisacToka t;
    ServisGlava(t);
    t.Realni(0.6);
    t.Cijeli(3);
    t.Cijeli(1);
    Geometrija(t, 30, 30, 50, 50, 4, 4);
    for (double x : {80.0, 0.0, 1.2, 0.104, 500.0})
        t.Realni(x);
    Cijeli(t, {1, 14, 3, 0, 0, 12, 2, 16, 4});
    t.Cijeli(0);
    t.Cijeli(1);
    Geometrija(t, 100, 30, 60, 15, 4, 5);
    for (double x : {-60.0, -100.0, 0.9, 0.125, 450.0})
        t.Realni(x);
    Cijeli(t, {0, 3, 1, 1, 0, 14, 3, 12, 2});
    Zapisi("ugib", "pisac_stavke.prs", t.Bajtovi());
}

void Prsline() {
    PisacToka t;
    ServisGlava(t);
    t.Cijeli(3);
    t.Cijeli(1);
    Geometrija(t, 30, 30, 50, 50, 4, 4);
    for (double x : {3.0, 90.0, 0.0})
        t.Realni(x);
    Cijeli(t, {1, 14, 3, 0, 0, 12, 2, 16, 4});
    t.Cijeli(2);
    t.Cijeli(1);
    Geometrija(t, 100, 30, 60, 15, 4, 5);
    for (double x : {2.5, -120.0, 80.0})
        t.Realni(x);
    Cijeli(t, {0, 3, 1, 1, 0, 14, 3, 12, 2});
    Zapisi("prsline", "pisac_stavke.prs", t.Bajtovi());
}

// ---- project files ---------------------------------------------------------------------------

void Projekti(const fs::path& program) {
    Projekat pr;
    pr.folder = gIzlaz / "radni";
    fs::create_directories(pr.folder);
    pr.katalozi.beton = CitajBetone(program / BetonFajl);
    pr.katalozi.celik = CitajCelike(program / CelikFajl);
    pr.presjeci.assign(1, TPresjek{});
    SnimiProjekat(pr, gIzlaz / "projekat" / "novi.nmk");

    TPresjek a;
    a.Naziv = "Greda 1";
    a.b = 30, a.h = a.h0 = 50, a.d1 = 4, a.d2 = 5.5, a.Mu = 150, a.Nu = -20, a.Qu = 80;
    a.fB = 17, a.sigv = 434.78, a.epsa = 10.5, a.epsb = 3.5, a.Aa2 = 8.765, a.Avil = 3.21;
    a.Status = sfIzracunat | sfUgibi | sfArmatura | sfPrsline, a.Propis = TPropis::EC2;
    a.Beton = 14, a.Celik = 3, a.Mexp = 120, a.Nexp = -40, a.v = 1.234, a.Wk = 0.21;
    a.ArmDonja = {{20, 4}, {12, 2}}, a.ArmGornja = {{12, 2}};
    TPresjek b;
    b.Naziv = "Ploča ž";
    b.Oblik = TOblik::T, b.b = 100, b.b0 = 25, b.h0 = 12, b.h = 60, b.Mu = -80;
    b.Status = sfIzracunat | sfNegativan | sfLomDijagonala, b.Ispravan = false;
    b.Proracun = TProracun::GranicniMomenat, b.Beton = 19, b.Celik = 4;
    TPresjek c;
    c.Naziv = std::string(300, 'S'); // a long name: tag 0x0C
    c.Oblik = TOblik::Kruzni, c.Proracun = TProracun::GranicneSile, c.epsb = 3.5;
    c.epsa = std::numeric_limits<double>::infinity(), c.Aa1 = c.Aa2 = 4;
    pr.presjeci = {a, b, c, TPresjek{}};
    pr.katalozi.beton.push_back({"Moj ž1", 33, 0, 0.35, 1e-300});
    pr.katalozi.celik.push_back({"Čelik 600", 600, 0, 200000});
    pr.betonEx.fi = 1.8, pr.servis.l = 650, pr.servis.StatickiSistem = 2;
    SnimiProjekat(pr, gIzlaz / "projekat" / "materijali.nmk");
    // The project files are tagged streams too.
    for (const char* ime : {"novi.nmk", "materijali.nmk"})
        Zapisi("tok", ime, ProcitajFajl(gIzlaz / "projekat" / ime));
    fs::remove_all(pr.folder);
}

// ---- catalogues, texts, streams --------------------------------------------------------------

void KataloskiFajlovi(const fs::path& program) {
    Zapisi("katalog", "Beton.mtr", ProcitajFajl(program / BetonFajl));
    Zapisi("katalog", "Celik.mtr", ProcitajFajl(program / CelikFajl));
    Zapisi("katalog", "korisnicki.mtr",
           KodirajBeton({"Moj ž1", 33, 25, 0.35, 0}) + KodirajCelik({"Čelik 600", 600, 0, 2e5}));
}

void Tekstovi() {
    std::string sviBajtovi;
    for (int b = 0; b < 256; ++b)
        sviBajtovi += static_cast<char>(b);
    Zapisi("kodna_strana", "svi_bajtovi.bin", sviBajtovi);
    Zapisi("kodna_strana", "slova.txt", "Čelik ž, ćevap, Đurđa, šuma: ČĆŽŠĐ čćžšđ");
    Zapisi("kodna_strana", "cetiri_bajta.txt", "\xF0\x9F\x99\x82 \xF4\x8F\xBF\xBF \xEF\xBF\xBD");
    Zapisi("kodna_strana", "cp1250.bin",
           "\xC8"
           "elik \x9E\x8A\x8E\x80");
}

void Tokovi() {
    PisacToka t;
    for (std::int64_t v :
         std::initializer_list<std::int64_t>{0, -128, 127, -32768, 32767, -2147483648LL, 2147483647,
                                             1LL << 40, std::numeric_limits<std::int64_t>::min()})
        t.Cijeli(v);
    for (double x : {0.0, -0.0, 1.5, 1e-310, -1e308, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
        t.Realni(x);
    t.Logicki(true);
    t.Logicki(false);
    t.Tekst("NOSIVOMETRIK16");
    t.Tekst(std::string(256, 'x'));
    t.Tekst("Ploča ž");
    t.SirovTekst(tag::Utf16Tekst, std::string("\x0D\x01"
                                              "a\x00\x3D\xD8\x42\xDE",
                                              8));
    t.SirovTekst(tag::KratkiTekst, "\xC8"
                                   "elik");
    Zapisi("tok", "svi_oblici.prs", t.Bajtovi());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Upotreba: nmk_fuzz_korpus IZLAZNI_FOLDER FOLDER_PROGRAMA\n");
        return 2;
    }
    try {
        gIzlaz = argv[1];
        const fs::path program = argv[2];
        fs::create_directories(gIzlaz / "projekat");
        Dim();
        Ugib();
        Prsline();
        Projekti(program);
        KataloskiFajlovi(program);
        Tekstovi();
        Tokovi();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "nmk_fuzz_korpus: %s\n", e.what());
        return 1;
    }
    return 0;
}
