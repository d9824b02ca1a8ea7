#include "data/proracun.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"
#include "engine/granicno.h"
#include "engine/greska.h"
#include "engine/propisi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace nmk {
namespace {

using test::SnimajucePoruke;

class JedanProracun : public ::testing::Test {
protected:
    void SetUp() override { pr.katalozi = test::UgradjeniKatalozi(); }

    // A rectangle under a code's first own grades, loaded for its mode.
    TPresjek Presjek(TPropis propis, TProracun mod) const {
        TPresjek p;
        p.Propis = propis;
        p.Proracun = mod;
        p.Beton = Opis(propis).betoni.od + 2;
        p.Celik = Opis(propis).celici.do_ - 1;
        PostaviProracunskeCvrstoce(p, pr.katalozi, pr.sistem.Alfa, p.gamaC, p.gamaS);
        p.Mu = 120;
        p.Nu = -300;
        p.Qu = 80;
        p.Aa1 = 3;
        p.Aa2 = 9;
        p.epsb = 3.5;
        p.epsa = 4;
        return p;
    }

    Projekat pr;
    SnimajucePoruke poruke;
};

bool IstiBitovi(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every code and mode: the one calculation gives exactly what the engine's own call gives,
// with the same messages, and marks the section calculated.
TEST_F(JedanProracun, GivesTheEngineResultOfTheSectionsOwnMode) {
    for (const OpisPropisa& o : Propisi())
        for (TProracun mod :
             {TProracun::Dimenzioniranje, TProracun::GranicniMomenat, TProracun::GranicneSile}) {
            SCOPED_TRACE(std::string(o.naziv) + " mode " + std::to_string(static_cast<int>(mod)));
            TPresjek ocekivan = Presjek(o.propis, mod);
            TPresjek p = ocekivan;
            SnimajucePoruke direktne;
            const Okruzenje okr = pr.okruzenje(direktne);
            if (mod == TProracun::Dimenzioniranje)
                Dimenzioniraj(ocekivan, okr);
            else if (mod == TProracun::GranicniMomenat)
                GranicniMomenat(ocekivan, okr);
            else
                GranicneSile(ocekivan, okr);
            poruke.Obrisi();
            const IshodProracuna ishod = IzracunajPresjek(p, pr, poruke);
            ASSERT_TRUE(ishod.Izracunat());
            EXPECT_FALSE(ishod.nalaz.has_value());
            EXPECT_EQ(p.Status, ocekivan.Status | sfIzracunat);
            for (auto polje : {&TPresjek::Mu, &TPresjek::Nu, &TPresjek::Aa1, &TPresjek::Aa2,
                               &TPresjek::Avil, &TPresjek::epsa, &TPresjek::epsb})
                EXPECT_TRUE(IstiBitovi(p.*polje, ocekivan.*polje));
            ASSERT_EQ(poruke.poruke.size(), direktne.poruke.size());
            for (std::size_t i = 0; i < poruke.poruke.size(); ++i)
                EXPECT_EQ(poruke.poruke[i].tekst, direktne.poruke[i].tekst);
        }
}

// The window fills the section after the reset: nothing of the earlier results survives.
TEST_F(JedanProracun, ResetsTheResultsBeforeTheCallerFillsTheSection) {
    TPresjek p = Presjek(TPropis::EC2, TProracun::Dimenzioniranje);
    const TPresjek unos = p;
    p.Aa1 = p.Aa2 = p.Avil = 99;
    p.Status = sfUgibi | sfPrsline;
    p.Ispravan = false;
    NacinProracuna nacin;
    nacin.unos = [&](TPresjek& x) {
        EXPECT_EQ(x.Status, 0);
        EXPECT_TRUE(x.Ispravan);
        EXPECT_EQ(x.Aa1 + x.Aa2 + x.Avil + x.Mu, 0);
        x.Mu = unos.Mu;
        x.Nu = unos.Nu;
        x.Qu = unos.Qu;
    };
    ASSERT_TRUE(IzracunajPresjek(p, pr, poruke, nacin).Izracunat());
    TPresjek ocekivan = unos;
    ASSERT_TRUE(IzracunajPresjek(ocekivan, pr, poruke).Izracunat());
    EXPECT_TRUE(IstiBitovi(p.Aa2, ocekivan.Aa2));
    EXPECT_EQ(p.Status, ocekivan.Status);
}

// The check's findings: how the window and a batch treat each, and that nothing is
// calculated after a stop.
TEST_F(JedanProracun, TreatsTheCheckAsTheWindowOrABatchDoes) {
    struct Slucaj {
        const char* naziv;
        void (*izmjena)(TPresjek&);
        bool prozorRacuna; // the window calculates
        bool serijaRacuna; // a batch calculates
    };
    const std::vector<Slucaj> slucajevi = {
        {"valid", [](TPresjek&) {}, true, true},
        {"unloaded (a warning)", [](TPresjek& p) { p.Mu = p.Nu = p.Qu = 0; }, false, true},
        {"no depth (an error)", [](TPresjek& p) { p.d1 = p.d2 = 30; }, false, false},
        {"strut angle outside the code's range",
         [](TPresjek& p) { p.beta = Opis(p.Propis).betaDo + 1; }, false, false},
        {"a code without a description",
         [](TPresjek& p) { p.Propis = static_cast<TPropis>(BrojPropisa); }, false, false},
    };
    for (const Slucaj& s : slucajevi)
        for (NacinProvjere provjera : {NacinProvjere::Prozor, NacinProvjere::Serija}) {
            SCOPED_TRACE(s.naziv);
            const bool prozor = provjera == NacinProvjere::Prozor;
            TPresjek p = Presjek(TPropis::PBAB87, TProracun::Dimenzioniranje);
            s.izmjena(p);
            poruke.Obrisi();
            NacinProracuna nacin;
            nacin.provjera = provjera;
            const IshodProracuna ishod = IzracunajPresjek(p, pr, poruke, nacin);
            const bool racuna = prozor ? s.prozorRacuna : s.serijaRacuna;
            EXPECT_EQ(ishod.provjeraProsla, racuna);
            EXPECT_EQ(p.ima(sfIzracunat), racuna);
            EXPECT_EQ(ishod.nalaz.has_value(), !s.prozorRacuna);
            // Only the window shows the finding, always first and with its own text.
            if (prozor && ishod.nalaz) {
                ASSERT_FALSE(poruke.poruke.empty());
                EXPECT_EQ(poruke.poruke[0].tekst, ishod.nalaz->tekst);
            }
            if (!prozor && ishod.nalaz) {
                for (const auto& m : poruke.poruke)
                    EXPECT_NE(m.tekst, ishod.nalaz->tekst);
            }
        }
    TPresjek p = Presjek(TPropis::PBAB87, TProracun::Dimenzioniranje);
    p.Propis = static_cast<TPropis>(BrojPropisa);
    EXPECT_EQ(IzracunajPresjek(p, pr, poruke).nalaz->tekst,
              PorukaNepoznatPropis(static_cast<int>(BrojPropisa)));
}

// A calculation that ends by an error answers its text, keeps what it had not yet written,
// and does not mark the section.
TEST_F(JedanProracun, AnswersTheErrorOfAFailedCalculation) {
    TPresjek p = Presjek(TPropis::EC2, TProracun::Dimenzioniranje);
    p.Aa2 = 7;
    NacinProracuna nacin;
    nacin.racunaj = [](TPresjek&, const Okruzenje&) {
        Konacno(std::numeric_limits<double>::infinity());
    };
    const IshodProracuna ishod = IzracunajPresjek(p, pr, poruke, nacin);
    EXPECT_TRUE(ishod.provjeraProsla);
    ASSERT_TRUE(ishod.greska.has_value());
    EXPECT_EQ(*ishod.greska, PorukaDijeljenjeNulom);
    EXPECT_FALSE(ishod.Izracunat());
    EXPECT_FALSE(p.ima(sfIzracunat));
    EXPECT_EQ(p.Aa2, 7);
}

} // namespace
} // namespace nmk
