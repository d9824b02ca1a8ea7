// The extension block of the project file: what it keeps comes back, a file or a section
// without it opens with the bits of the missing values cleared, and a damaged block is a read
// error that changes nothing.
#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/dodatak_projekta.h"
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
constexpr std::uint16_t kSve = sfIzracunat | BitoviDodatka;

class DodatakProjekta : public ::testing::Test {
public:
    fs::path folder = fs::temp_directory_path() / ("nmk_dodatak_" + std::to_string(getpid()));
    Projekat pr;
    test::SnimajucePoruke poruke;
    std::string prviDio; // the saved file without its block

    // A beam with bars, cracks and deflections, a slab without them, the working section,
    // and the project's serviceability data away from their defaults; saved.
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* ime : {BetonFajl, CelikFajl})
            fs::copy_file(test::ProgramskiFolder() / ime, folder / ime);
        pr.folder = folder;
        NoviProjekat(pr);
        TPresjek a;
        a.Status = kSve;
        PrimijeniDodatak(a, {120.5,
                             -15,
                             8,
                             1.25,
                             0.75,
                             2.1,
                             5.3,
                             4.9,
                             124.6,
                             0.1762,
                             0.2996,
                             60,
                             30,
                             {{12, 2}},
                             {{16, 4}, {20, 2}}});
        TPresjek b;
        b.Status = kSve;
        b.ArmDonja = {{10, 7}};
        pr.presjeci = {a, b, TPresjek{}};
        pr.betonEx = {.fi = 1.9, .hi = 0.75, .ebs = 4.2e-4, .alfa_st = 0.7, .B1 = 0.9, .B2 = 1};
        pr.servis = {640, 3, 2.5, 90, 65, 55};
        SnimiProjekat(pr, folder / "p.nmk");
        const std::string bajtovi = ProcitajFajl(folder / "p.nmk");
        prviDio = bajtovi.substr(0, bajtovi.find(std::string("\x06\x14") + OznakaDodatka));
    }
    void TearDown() override { fs::remove_all(folder); }

    // Opens the bytes into `novi`, a new project with the default serviceability data.
    bool Otvori(const std::string& bajtovi, Projekat& novi) {
        std::ofstream(folder / "o.nmk", std::ios::binary | std::ios::trunc) << bajtovi;
        novi.folder = folder;
        NoviProjekat(novi);
        poruke.Obrisi();
        const bool ok = ProvjeriIUcitaj(novi, folder / "o.nmk", poruke);
        ObrisiPrivremeneKopije(novi);
        return ok;
    }
};

TEST_F(DodatakProjekta, EveryValueAndBarComesBackBehindTheUnchangedFirstPart) {
    PisacToka blok;
    PisiDodatak(blok, pr);
    EXPECT_EQ(ProcitajFajl(folder / "p.nmk"), prviDio + blok.Bajtovi());
    Projekat novi;
    ASSERT_TRUE(Otvori(prviDio + blok.Bajtovi(), novi));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(DodatakIz(novi.presjeci[i]), DodatakIz(pr.presjeci[i])) << i;
        EXPECT_EQ(novi.presjeci[i].Status, pr.presjeci[i].Status) << i;
    }
    EXPECT_EQ(novi.servis, pr.servis);
    EXPECT_EQ(novi.betonEx.B2, 1.0);
    EXPECT_EQ(novi.betonEx.ebs, 4.2e-4);
}

TEST_F(DodatakProjekta, SectionsWithoutValuesLoseTheirBitsAndTheirDefaultsStay) {
    PisacToka prvi, kasniji;
    pr.presjeci.resize(1); // a block with a record for the first section only
    PisiDodatak(prvi, pr);
    kasniji.Tekst(OznakaDodatka);
    kasniji.Cijeli(VerzijaDodatka + 1); // a later version: its values are not understood
    kasniji.Realni(1);
    // {bytes after the first part, sections that keep their values}
    using Slucaj = std::pair<std::string, int>;
    for (auto [blok, sa] :
         {Slucaj{"", 0}, Slucaj{prvi.Bajtovi(), 1}, Slucaj{kasniji.Bajtovi(), 0}}) {
        Projekat novi;
        ASSERT_TRUE(Otvori(prviDio + blok, novi)) << sa;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(novi.presjeci[i].Status, i < sa ? kSve : sfIzracunat) << sa;
            EXPECT_EQ(novi.presjeci[i].ArmDonja.empty(), i >= sa) << sa;
        }
        EXPECT_EQ(novi.servis == PodaciServisa{}, sa == 0);
    }
}

TEST_F(DodatakProjekta, EveryDamagedBlockIsAReadErrorThatChangesNothing) {
    using Pisi = std::function<void(PisacToka&)>;
    const auto R = [](double x) -> Pisi { return [x](PisacToka& t) { t.Realni(x); }; };
    const auto C = [](std::int64_t v) -> Pisi { return [v](PisacToka& t) { t.Cijeli(v); }; };
    // A good block with one record, value by value: marker, version, 12 project values,
    // m = 1, 13 reals, top bars (12 mm x 2), bottom bars (16 x 4, 20 x 2), the end.
    std::vector<Pisi> dobar{[](PisacToka& t) { t.Tekst(OznakaDodatka); }, C(1)};
    for (Pisi v : {R(1.9), R(0.75), R(4e-4), R(0.7), R(0.9), R(1), R(640), C(3), R(2.5), C(90),
                   R(65), R(55), C(1)})
        dobar.push_back(v);
    for (int i = 0; i < 13; ++i)
        dobar.push_back(R(i));
    for (std::int64_t v : {1, 12, 2, 2, 16, 4, 20, 2})
        dobar.push_back(C(v));
    dobar.push_back([](PisacToka&) {});
    const std::pair<int, Pisi> kvarovi[] = {
        {0, [](PisacToka& t) { t.Tekst("NOSIVOMETRIK DODATAK2"); }},
        {0, R(1)},
        {1, C(0)},
        {2, R(-0.1)},
        {4, R(-4e-4)},
        {8, R(0)},
        {9, C(4)},
        {11, C(0)},
        {12, R(101)},
        {13, R(-1)},
        {14, C(4)},
        {14, C(-1)},
        {28, C(1000)},
        {29, C(0)},
        {30, C(0)},
        {30, C(32768)},
        {34, C(16)},
        {36, C(0)}};
    const auto blok = [&](int mjesto, const Pisi& umjesto) {
        PisacToka t;
        t.Sirovo(prviDio);
        for (int i = 0; i < static_cast<int>(dobar.size()); ++i)
            (i == mjesto ? umjesto : dobar[static_cast<std::size_t>(i)])(t);
        return t.Bajtovi();
    };
    Projekat novi;
    ASSERT_TRUE(Otvori(blok(-1, {}), novi));
    EXPECT_EQ(novi.presjeci[0].ArmDonja, (TUsvojenaArmatura{{16, 4}, {20, 2}}));
    for (const auto& [mjesto, umjesto] : kvarovi) {
        const Projekat prije = novi;
        std::ofstream(folder / "los.nmk", std::ios::binary | std::ios::trunc)
            << blok(mjesto, umjesto);
        poruke.Obrisi();
        EXPECT_FALSE(ProvjeriIUcitaj(novi, folder / "los.nmk", poruke)) << mjesto;
        ASSERT_EQ(poruke.poruke.size(), 1u) << mjesto;
        EXPECT_EQ(novi.servis, prije.servis) << mjesto;
        EXPECT_EQ(DodatakIz(novi.presjeci[0]), DodatakIz(prije.presjeci[0])) << mjesto;
    }
}

} // namespace
} // namespace nmk
