#include "data/provjera.h"

#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace nmk {
namespace {

using test::SnimajucePoruke;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A section that passes every row of its mode.
TPresjek Ispravan(TProracun mod, TOblik oblik = TOblik::Pravougaoni) {
    TPresjek p;
    p.Proracun = mod;
    p.Oblik = oblik;
    p.Mu = 150;
    p.Aa1 = 2;
    p.Aa2 = 6;
    p.epsb = 3.5;
    p.epsa = 5;
    if (oblik == TOblik::T) {
        p.b = 100;
        p.b0 = 30;
        p.h0 = 15;
        p.h = 60;
    }
    if (oblik == TOblik::Kruzni)
        p.d2 = 10;
    return p;
}

struct Red {
    const char* naziv;
    TProracun mod;
    TOblik oblik;
    std::function<void(TPresjek&)> izmjena;
    std::string poruka;
    VrstaPoruke vrsta;
};

const std::string kStatickaVisina = "Statička visina presjeka mora biti veća od nule !";
const std::string kIznadSredine =
    "Donja armatura se nalazi iznad sredine\nili u sredini poprečnog presjeka !";

constexpr auto G = VrstaPoruke::Greska;
constexpr auto U = VrstaPoruke::Upozorenje;
constexpr auto D = TProracun::Dimenzioniranje;
constexpr auto GM = TProracun::GranicniMomenat;
constexpr auto GS = TProracun::GranicneSile;
constexpr auto P = TOblik::Pravougaoni;
constexpr auto T = TOblik::T;
constexpr auto K = TOblik::Kruzni;

// Every row that stops the calculation, with the smallest change that trips it.
const std::vector<Red>& Redovi() {
    static const std::vector<Red> redovi = {
        {"h zero", D, P, [](TPresjek& p) { p.h = 0; }, "Visina h0 mora biti veća od nule !", G},
        {"T h0 zero", D, T, [](TPresjek& p) { p.h0 = 0; }, "Visina h0 mora biti veća od nule !", G},
        {"h0 NaN", GM, K, [](TPresjek& p) { p.h0 = kNaN; }, "Visina h0 mora biti veća od nule !",
         G},
        {"d2 negative", D, T, [](TPresjek& p) { p.d2 = -1; },
         "Položaj armature d2 mora biti veći od nule !", G},
        {"b zero", D, P, [](TPresjek& p) { p.b = 0; }, "Širina b mora biti veća od nule !", G},
        {"b NaN", D, T, [](TPresjek& p) { p.b = kNaN; }, "Širina b mora biti veća od nule !", G},
        {"d1 zero", D, P, [](TPresjek& p) { p.d1 = 0; },
         "Položaj armature d1 mora biti veći od nule !", G},
        {"T h zero", D, T, [](TPresjek& p) { p.h = 0; }, "Visina do mora biti veća od nule !", G},
        {"T b0 zero", D, T, [](TPresjek& p) { p.b0 = 0; },
         "Širina rebra bo mora biti veća od nule !", G},
        {"rect d2 = h", D, P, [](TPresjek& p) { p.d2 = p.h; }, kStatickaVisina, G},
        {"rect d2 = h/2", D, P, [](TPresjek& p) { p.d2 = p.h / 2; }, kIznadSredine, G},
        {"rect d2 = h/2 below a deeper flange", D, P,
         [](TPresjek& p) {
             p.h = 8;
             p.h0 = 40;
             p.d1 = 4;
             p.d2 = 4.000000000003;
         },
         kIznadSredine, G},
        {"T d2 above h", D, T, [](TPresjek& p) { p.d2 = p.h + 1; }, kStatickaVisina, G},
        {"T d2 = h/2", D, T, [](TPresjek& p) { p.d2 = p.h / 2; }, kIznadSredine, G},
        {"circle d2 = h0/4", D, K, [](TPresjek& p) { p.d2 = p.h0 / 4; },
         "Prečnik položaja armature manji od 1/2 prečnika presjeka", G},
        {"covers beyond the depth", D, P,
         [](TPresjek& p) {
             p.h = 50;
             p.d1 = 46.01;
             p.d2 = 4;
         },
         PorukaPokrivanjeBezVisine, G},
        {"covers meet", GM, P, [](TPresjek& p) { p.d1 = p.h - p.d2; }, PorukaPokrivanjeBezVisine,
         G},
        {"T covers meet", GS, T, [](TPresjek& p) { p.d1 = p.h - p.d2; }, PorukaPokrivanjeBezVisine,
         G},
        {"circle covers meet", D, K, [](TPresjek& p) { p.d1 = p.h - p.d2; },
         PorukaPokrivanjeBezVisine, G},
        {"alfa 44", D, P, [](TPresjek& p) { p.alfa = 44.9; },
         "Nagib smičuće armature treba da je izmedu\n45 i 90 stepeni", G},
        {"alfa 91", D, P, [](TPresjek& p) { p.alfa = 90.5; },
         "Nagib smičuće armature treba da je izmedu\n45 i 90 stepeni", G},
        {"beta 56 PBAB", D, P, [](TPresjek& p) { p.beta = 56; },
         "Nagib pritisnutih betonskih dijagonala prema PBAB87\nbira se u granicama izmedu 25 i "
         "55 stepeni",
         G},
        {"beta 21 EC2", D, P,
         [](TPresjek& p) {
             p.Propis = TPropis::EC2;
             p.beta = 21.7;
         },
         "Nagib pritisnutih betonskih dijagonala prema EC2\nbira se u granicama izmedu 21,8 i "
         "68,2 stepeni",
         G},
        {"unloaded", D, P, [](TPresjek& p) { p.Mu = 1e-12; }, "Presjek je neopterećen !", U},
        {"Aa1 > Aa2", GM, P,
         [](TPresjek& p) {
             p.Aa1 = 5;
             p.Aa2 = 3;
         },
         "Zategnuta armatura treba da bude donja tj. Aa2 !", G},
        {"not reinforced", GS, P,
         [](TPresjek& p) {
             p.Aa1 = 0;
             p.Aa2 = 0;
         },
         "Presjek nije armiran !", G},
        {"strains zero", GS, P,
         [](TPresjek& p) {
             p.epsa = 0;
             p.epsb = -1e-13;
         },
         "Presjek je neopterecen !", G},
        {"epsb 3.6", GS, P, [](TPresjek& p) { p.epsb = 3.6; },
         "Dilatacije betona nemogu biti vece od 3,50 ‰", G},
        {"fifth domain epsb 4", GS, P,
         [](TPresjek& p) {
             p.Status |= sfPetoPodrucje;
             p.epsb = 4;
         },
         "Dilatacije betona nemogu biti vece od 3,50 ‰", G},
        {"fifth domain epsb 1.5", GS, P,
         [](TPresjek& p) {
             p.Status |= sfPetoPodrucje;
             p.epsb = 1.5;
         },
         "U petom podrucju eb1 treba da je izmedu 2 i 3,5 promila", G},
        {"axis below the section", GS, P, [](TPresjek& p) { p.epsa = -0.3; },
         "Za zadate dilatacije neutralna osa je izvan presjeka !", G},
    };
    return redovi;
}

TEST(ProvjeriUlaz, StopsAtEveryRowWithItsMessageAndKind) {
    for (const Red& r : Redovi()) {
        TPresjek p = Ispravan(r.mod, r.oblik);
        r.izmjena(p);
        SnimajucePoruke poruke;
        ProvjeriUlaz(p, TBetonEx{}, poruke);
        ASSERT_EQ(poruke.poruke.size(), 1u) << r.naziv;
        EXPECT_EQ(poruke.poruke[0].tekst, r.poruka) << r.naziv;
        EXPECT_EQ(poruke.poruke[0].vrsta, r.vrsta) << r.naziv;
        EXPECT_EQ(poruke.poruke[0].dugmad, dgOK) << r.naziv;
        EXPECT_FALSE(p.Ispravan) << r.naziv;
    }
}

TEST(ProvjeriUlaz, PassesTheValidSectionOfEveryModeAndShapeSilently) {
    for (TProracun mod : {D, GM, GS})
        for (TOblik oblik : {P, T, K}) {
            TPresjek p = Ispravan(mod, oblik);
            SnimajucePoruke poruke;
            ProvjeriUlaz(p, TBetonEx{}, poruke);
            EXPECT_TRUE(poruke.poruke.empty()) << poruke.poruke[0].tekst;
            EXPECT_TRUE(p.Ispravan);
        }
}

TEST(ProvjeriUlaz, ChangesNoFieldButIspravan) {
    TPresjek p = Ispravan(D);
    p.b = 0;
    TPresjek ocekivano = p;
    ocekivano.Ispravan = false;
    SnimajucePoruke poruke;
    ProvjeriUlaz(p, TBetonEx{}, poruke);
    EXPECT_EQ(p.b, ocekivano.b);
    EXPECT_EQ(p.Status, ocekivano.Status);
    EXPECT_EQ(p.Ispravan, ocekivano.Ispravan);
}

TEST(ProvjeriUlaz, ComparesTheEffectiveDepthInSinglePrecision) {
    // A positive difference below the smallest float becomes 0 and fails the row.
    TPresjek p = Ispravan(D);
    p.h = 3e-46;
    p.d2 = 1e-46;
    p.d1 = 1e-46;
    ASSERT_TRUE(PrviNalazProvjere(p, TBetonEx{}).has_value());
    EXPECT_EQ(PrviNalazProvjere(p, TBetonEx{})->tekst, kStatickaVisina);
    p.h = 3e-40;
    p.d2 = 1e-40;
    EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value());
    p.d1 = p.h - p.d2 - 1e-46; // a depth between the layers that single precision loses
    EXPECT_EQ(PrviNalazProvjere(p, TBetonEx{})->tekst, PorukaPokrivanjeBezVisine);
}

TEST(ProvjeriUlaz, ChecksARectangleOnItsOwnWidthAndDepthWhateverItsFlangeFieldsHold) {
    for (double b0 : {0.0, -5.0, 20.0, kNaN})
        for (double h0 : {0.0, -1.0, 8.0, 600.0, kNaN})
            for (TProracun mod : {D, GM, GS}) {
                TPresjek p = Ispravan(mod);
                p.b0 = b0;
                p.h0 = h0;
                EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value()) << b0 << " " << h0;
            }
}

TEST(ProvjeriUlaz, DoesNotTestWidthAndTopCoverOfACircle) {
    TPresjek p = Ispravan(D, K);
    p.b = 0;
    p.d1 = -3;
    EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value());
}

TEST(ProvjeriUlaz, AcceptsBetaOf56UnderEc2Only) {
    TPresjek p = Ispravan(D);
    p.beta = 56;
    EXPECT_TRUE(PrviNalazProvjere(p, TBetonEx{}).has_value());
    p.Propis = TPropis::EC2;
    EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value());
}

TEST(ProvjeriUlaz, TreatsAnglesThatAreNotNumbersAsOutOfRange) {
    TPresjek p = Ispravan(D);
    p.alfa = kNaN;
    EXPECT_TRUE(PrviNalazProvjere(p, TBetonEx{}).has_value());
    p = Ispravan(D);
    p.beta = kNaN;
    EXPECT_TRUE(PrviNalazProvjere(p, TBetonEx{}).has_value());
}

TEST(ProvjeriUlaz, ChecksTheOrderOfTheReinforcementBeforeItsPresence) {
    TPresjek p = Ispravan(GM);
    p.Aa1 = 5;
    p.Aa2 = 3;
    EXPECT_EQ(PrviNalazProvjere(p, TBetonEx{})->tekst,
              "Zategnuta armatura treba da bude donja tj. Aa2 !");
}

TEST(ProvjeriUlaz, WarnsButStillCalculatesWhenNoStrainIsAtItsLimit) {
    struct Slucaj {
        TPropis propis;
        double epsb, epsa;
        bool upozorenje;
    };
    const std::vector<Slucaj> slucajevi = {
        {TPropis::PBAB87, 3.5, 5, false}, {TPropis::PBAB87, 3.0, 10, false},
        {TPropis::PBAB87, 3.0, 5, true},  {TPropis::EC2, 3.0, 20, false},
        {TPropis::EC2, 3.0, 10, true},
    };
    for (const auto& s : slucajevi) {
        TPresjek p = Ispravan(GS);
        p.Propis = s.propis;
        p.epsb = s.epsb;
        p.epsa = s.epsa;
        SnimajucePoruke poruke;
        ProvjeriUlaz(p, TBetonEx{}, poruke);
        EXPECT_TRUE(p.Ispravan);
        ASSERT_EQ(poruke.poruke.size(), s.upozorenje ? 1u : 0u) << s.epsb << " " << s.epsa;
        if (s.upozorenje) {
            EXPECT_EQ(poruke.poruke[0].tekst, "Nijedna dilatacija nije jednaka granicnoj");
            EXPECT_EQ(poruke.poruke[0].vrsta, VrstaPoruke::Upozorenje);
        }
    }
}

TEST(ProvjeriUlaz, TakesTheEc2LimitStrainFromTheProject) {
    TPresjek p = Ispravan(GS);
    p.Propis = TPropis::EC2;
    p.epsb = 3.0;
    p.epsa = 12;
    TBetonEx bx;
    bx.esu = 12;
    EXPECT_FALSE(PrviNalazProvjere(p, bx).has_value());
}

TEST(ProvjeriUlaz, LetsTheNeutralAxisReachExactlyTheBottomFace) {
    // epsa = -epsb d2 / h puts the axis at the bottom face; a little less moves it below.
    TPresjek p = Ispravan(GS);
    p.epsb = 3.5;
    p.epsa = -3.5 * p.d2 / p.h0;
    EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value());
    p.epsa -= 1e-9;
    EXPECT_EQ(PrviNalazProvjere(p, TBetonEx{})->tekst,
              "Za zadate dilatacije neutralna osa je izvan presjeka !");
    p.Status |= sfPetoPodrucje; // the fifth domain is the whole section compressed
    p.epsb = 3;
    p.epsa = 1;
    EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value());
}

TEST(ProvjeriUlaz, RefusesEveryStateWithACompressedBottomFaceOutsideTheFifthDomain) {
    // 30 x 50, d2 = 4: the bottom face is compressed exactly when epsa < -epsb d2 / h,
    // whatever the sign of epsb; both faces at or below zero leave the steel alone.
    const struct {
        double epsa, epsb;
        bool odbijeno;
    } stanja[] = {{-1, 0, true},    {-0.5, -2, true},  {-3.2, 3.5, true}, {-0.001, 0, true},
                  {0.5, -1, false}, {0.16, -2, false}, {10, -1, false},   {-0.28, 3.5, false}};
    for (const auto& s : stanja) {
        TPresjek p = Ispravan(GS);
        p.h = p.h0 = 50;
        p.d2 = 4;
        p.epsa = s.epsa;
        p.epsb = s.epsb;
        const auto nalaz = PrviNalazProvjere(p, TBetonEx{});
        EXPECT_EQ(nalaz && nalaz->tekst == "Za zadate dilatacije neutralna osa je izvan presjeka !",
                  s.odbijeno)
            << s.epsa << ", " << s.epsb;
    }
}

TEST(ProvjeriUlaz, RunsOnlyTheRowsOfTheSectionsMode) {
    TPresjek p = Ispravan(GM);
    p.Mu = p.Nu = p.Qu = 0; // unloaded does not matter for the ultimate moment
    p.epsa = p.epsb = 0;    // nor do strains
    p.beta = 80;
    EXPECT_FALSE(PrviNalazProvjere(p, TBetonEx{}).has_value());
    TPresjek d = Ispravan(D);
    d.Aa1 = 9; // reinforcement is a result of the design
    EXPECT_FALSE(PrviNalazProvjere(d, TBetonEx{}).has_value());
}

} // namespace
} // namespace nmk
