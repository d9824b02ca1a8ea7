// The extension block of the project file: the serviceability data of the project and, per
// section, the service inputs, the chosen bars, the shear angles and the deflection and crack
// results come back; a file without it opens as before with those result bits cleared; a
// damaged extension is a read error that changes nothing.
#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/dodatak_projekta.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/projektni_fajl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <unistd.h>

namespace nmk {
namespace {

namespace fs = std::filesystem;

class DodatakProjekta : public ::testing::Test {
public:
    fs::path folder;
    Projekat pr;
    test::SnimajucePoruke poruke;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 (std::string("nmk_dodatak_") + info->name() + "_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* ime : {BetonFajl, CelikFajl})
            fs::copy_file(test::ProgramskiFolder() / ime, folder / ime);
        pr.folder = folder;
        NoviProjekat(pr);
        Dnevnik();
    }
    void TearDown() override {
        ObrisiPrivremeneKopije(pr);
        fs::remove_all(folder);
    }

    // A day's work: a beam with bars, cracks and deflections, a slab with bars only, and the
    // working section; the project's serviceability data away from their defaults.
    void Dnevnik() {
        TPresjek a;
        a.Naziv = "Greda";
        a.Status = sfIzracunat | sfArmatura | sfUgibi | sfPrsline;
        a.Mexp = 120.5, a.Nexp = -15, a.Vilica = 8, a.vb = 1.25, a.vbd = 0.75;
        a.vI = 2.1, a.vII = 5.3, a.v = 4.9, a.am = 124.6, a.Wm = 0.1762, a.Wk = 0.2996;
        a.alfa = 60, a.beta = 30;
        a.ArmGornja = {{12, 2}};
        a.ArmDonja = {{16, 4}, {20, 2}};
        TPresjek b;
        b.Naziv = "Ploča";
        b.Status = sfIzracunat | sfArmatura;
        b.ArmDonja = {{10, 7}};
        pr.presjeci = {a, b, TPresjek{}};
        pr.VratiRadni();
        pr.betonEx.fi = 1.9, pr.betonEx.hi = 0.75, pr.betonEx.ebs = 0.00042;
        pr.betonEx.alfa_st = 0.7, pr.betonEx.B1 = 0.9, pr.betonEx.B2 = 1.0;
        pr.servis = {.l = 640,
                     .StatickiSistem = 3,
                     .a = 2.5,
                     .StarostTecenja = 90,
                     .VlaznostTecenja = 65,
                     .VlaznostSkupljanja = 55};
    }

    fs::path Fajl(const char* ime = "p.nmk") const { return folder / ime; }
    void Pisi(const std::string& bajtovi, const char* ime = "p.nmk") const {
        std::ofstream(Fajl(ime), std::ios::binary | std::ios::trunc) << bajtovi;
    }
    std::string Snimljeno() {
        SnimiProjekat(pr, Fajl());
        return ProcitajFajl(Fajl());
    }
    // The bytes before the extension: the whole file of the first part.
    static std::string PrviDio(const std::string& bajtovi) {
        const std::size_t i = bajtovi.find(std::string("\x06\x14") + OznakaDodatka);
        EXPECT_NE(i, std::string::npos);
        return bajtovi.substr(0, i);
    }
    // Opens the bytes into a fresh project whose serviceability data are the defaults.
    bool Otvori(const std::string& bajtovi, Projekat& novi) {
        Pisi(bajtovi, "o.nmk");
        novi.folder = folder;
        NoviProjekat(novi);
        poruke.Obrisi();
        const bool ok = ProvjeriIUcitaj(novi, Fajl("o.nmk"), poruke);
        ObrisiPrivremeneKopije(novi);
        return ok;
    }
};

TEST_F(DodatakProjekta, EveryValueAndBarComesBackWithItsResultBits) {
    const Projekat prije = pr;
    Projekat novi;
    ASSERT_TRUE(Otvori(Snimljeno(), novi));
    ASSERT_EQ(novi.BrojPresjeka(), 3);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(DodatakIz(novi.presjeci[i]), DodatakIz(prije.presjeci[i])) << i;
        EXPECT_EQ(novi.presjeci[i].Status, prije.presjeci[i].Status) << i;
    }
    EXPECT_EQ(novi.servis, prije.servis);
    for (double TBetonEx::*x : {&TBetonEx::fi, &TBetonEx::hi, &TBetonEx::ebs, &TBetonEx::alfa_st,
                                &TBetonEx::B1, &TBetonEx::B2})
        EXPECT_EQ(novi.betonEx.*x, prije.betonEx.*x);
}

TEST_F(DodatakProjekta, ANewFileIsTheOldLayoutWithTheBlockAppended) {
    const std::string bajtovi = Snimljeno();
    PisacToka dodatak;
    PisiDodatak(dodatak, pr);
    EXPECT_EQ(PrviDio(bajtovi) + dodatak.Bajtovi(), bajtovi);
}

TEST_F(DodatakProjekta, AFileWithoutTheBlockOpensAndClearsTheBitsOfTheMissingValues) {
    const std::string stari = PrviDio(Snimljeno());
    Projekat novi;
    ASSERT_TRUE(Otvori(stari, novi));
    const DodatakPresjeka prazan = DodatakIz(TPresjek{});
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(novi.presjeci[i].Status, pr.presjeci[i].Status & ~BitoviDodatka) << i;
        EXPECT_EQ(DodatakIz(novi.presjeci[i]), prazan) << i;
    }
    EXPECT_EQ(novi.servis, PodaciServisa{}); // the project's own data are kept
    EXPECT_TRUE(poruke.poruke.empty());
}

TEST_F(DodatakProjekta, SectionsWithoutARecordLoseOnlyTheirOwnBits) {
    PisacToka t;
    t.Sirovo(PrviDio(Snimljeno()));
    PisacToka cijeli;
    PisiDodatak(cijeli, pr);
    // the same block with a record for the first section only
    pr.presjeci.resize(1);
    PisiDodatak(t, pr);
    Projekat novi;
    ASSERT_TRUE(Otvori(t.Bajtovi(), novi));
    EXPECT_EQ(novi.presjeci[0].Status, sfIzracunat | sfArmatura | sfUgibi | sfPrsline);
    EXPECT_EQ(novi.presjeci[0].ArmDonja, (TUsvojenaArmatura{{16, 4}, {20, 2}}));
    EXPECT_EQ(novi.presjeci[1].Status, sfIzracunat);
    EXPECT_TRUE(novi.presjeci[1].ArmDonja.empty());
}

TEST_F(DodatakProjekta, ALaterVersionIsReadAsNoBlock) {
    PisacToka t;
    t.Sirovo(PrviDio(Snimljeno()));
    t.Tekst(OznakaDodatka);
    t.Cijeli(VerzijaDodatka + 1);
    t.Realni(12345); // whatever that version holds
    Projekat novi;
    ASSERT_TRUE(Otvori(t.Bajtovi(), novi));
    EXPECT_EQ(novi.presjeci[0].Status, sfIzracunat);
    EXPECT_EQ(novi.servis, PodaciServisa{});
}

TEST_F(DodatakProjekta, EveryDamagedBlockIsAReadErrorThatChangesNothing) {
    const std::string dobar = Snimljeno();
    const std::string prvi = PrviDio(dobar);
    // A block with a record for the first section, written value by value so that any value
    // can be replaced: {what is wrong, position of the value, its replacement}.
    struct Kvar {
        const char* sta;
        int mjesto;
        std::function<void(PisacToka&)> umjesto;
    };
    const auto realni = [](double x) { return [x](PisacToka& t) { t.Realni(x); }; };
    const auto cijeli = [](std::int64_t v) { return [v](PisacToka& t) { t.Cijeli(v); }; };
    const Kvar kvarovi[] = {
        {"another marker", 0, [](PisacToka& t) { t.Tekst("NOSIVOMETRIK DODATAK2"); }},
        {"a number instead of the marker", 0, realni(1)},
        {"version 0", 1, cijeli(0)},
        {"negative creep coefficient", 2, realni(-0.1)},
        {"negative shrinkage strain", 4, realni(-0.0003)},
        {"span 0", 8, realni(0)},
        {"static system 4", 9, cijeli(4)},
        {"age 0", 11, cijeli(0)},
        {"humidity 101", 12, realni(101)},
        {"humidity -1", 13, realni(-1)},
        {"more records than sections", 14, cijeli(4)},
        {"a negative record count", 14, cijeli(-1)},
        {"more bar groups than bytes", 28, cijeli(1000)},
        {"diameter 0", 29, cijeli(0)},
        {"count 0", 30, cijeli(0)},
        {"count 32768", 30, cijeli(32768)},
        {"the same diameter twice", 34, cijeli(16)},
        {"a byte after the block", 36, [](PisacToka& t) { t.Cijeli(0); }},
    };
    // The good values in order: marker, version, 12 project values, m = 1, 13 reals, the top
    // bars (1 group: 12 mm x 2), the bottom bars (2 groups: 16 x 4, 20 x 2), the end.
    const auto pisi = [&](int kvarno, const std::function<void(PisacToka&)>& umjesto) {
        PisacToka t;
        t.Sirovo(prvi);
        std::vector<std::function<void(PisacToka&)>> v;
        v.push_back([](PisacToka& t) { t.Tekst(OznakaDodatka); });
        v.push_back(cijeli(VerzijaDodatka));
        for (double x : {1.9, 0.75, 0.00042, 0.7, 0.9, 1.0, 640.0})
            v.push_back(realni(x));
        v.push_back(cijeli(3));
        v.push_back(realni(2.5));
        v.push_back(cijeli(90));
        v.push_back(realni(65));
        v.push_back(realni(55));
        v.push_back(cijeli(1));
        for (int i = 0; i < 13; ++i)
            v.push_back(realni(i));
        for (std::int64_t x : {1, 12, 2, 2, 16, 4, 20, 2})
            v.push_back(cijeli(x));
        v.push_back([](PisacToka&) {});
        for (int i = 0; i < static_cast<int>(v.size()); ++i)
            (i == kvarno ? umjesto : v[static_cast<std::size_t>(i)])(t);
        return t.Bajtovi();
    };
    Projekat novi;
    ASSERT_TRUE(Otvori(pisi(-1, {}), novi)) << poruke.poruke.at(0).tekst;
    EXPECT_EQ(novi.presjeci[0].ArmDonja, (TUsvojenaArmatura{{16, 4}, {20, 2}}));
    for (const Kvar& k : kvarovi) {
        Pisi(pisi(k.mjesto, k.umjesto), "los.nmk");
        const Projekat prije = pr;
        poruke.Obrisi();
        EXPECT_FALSE(ProvjeriIUcitaj(pr, Fajl("los.nmk"), poruke)) << k.sta;
        ASSERT_EQ(poruke.poruke.size(), 1u) << k.sta;
        EXPECT_EQ(poruke.poruke[0].vrsta, VrstaPoruke::Greska) << k.sta;
        EXPECT_EQ(pr.servis, prije.servis) << k.sta;
        EXPECT_EQ(pr.betonEx.fi, prije.betonEx.fi) << k.sta;
        EXPECT_EQ(DodatakIz(pr.presjeci[0]), DodatakIz(prije.presjeci[0])) << k.sta;
        EXPECT_FALSE(pr.sistem.PrivremeniMaterijali) << k.sta;
    }
}

} // namespace
} // namespace nmk
