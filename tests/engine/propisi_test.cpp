#include "engine/propisi.h"

#include "engine/cvrstoce.h"
#include "engine/detalji.h"
#include "engine/greska.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace nmk {
namespace {

// Every text and formula of every description is present, and the numbers are usable.
TEST(Propisi, EveryDescriptionIsComplete) {
    ASSERT_EQ(Propisi().size(), BrojPropisa);
    std::set<std::string> nazivi;
    for (std::size_t i = 0; i < Propisi().size(); ++i) {
        const OpisPropisa& o = Propisi()[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(static_cast<std::size_t>(o.propis), i);
        EXPECT_EQ(NadjiPropis(o.propis), &o);
        for (const char* tekst : {o.naziv, o.oznakaMu, o.oznakaNu, o.oznakaQu, o.oznakaRazmaka,
                                  o.porukaBeta, o.oznakaFb, o.oznakaSigv}) {
            ASSERT_NE(tekst, nullptr);
            EXPECT_GT(std::strlen(tekst), 0u);
        }
        for (const char* oznaka :
             {o.oznakaFct, o.oznakaFctfl, o.oznakaModula, o.oznakaSigC, o.oznakaSigS}) {
            ASSERT_NE(oznaka, nullptr);
            EXPECT_EQ(std::strlen(oznaka), 52u) << oznaka;
        }
        EXPECT_TRUE(nazivi.insert(o.naziv).second);
        EXPECT_NE(o.granicnaDilatacija, nullptr);
        EXPECT_NE(o.dilatacijaOgranicenja, nullptr);
        EXPECT_NE(o.proracunskeCvrstoce, nullptr);
        EXPECT_NE(o.smicanje, nullptr);
        EXPECT_NE(o.efektivnaVisina, nullptr);
        EXPECT_NE(o.razmakPrslina, nullptr);
        EXPECT_GT(o.dilatacijaZategnutog, 0);
        EXPECT_GT(o.modulFaktor, 0);
        EXPECT_GT(o.faktorZatezanja, 0);
        EXPECT_TRUE(o.betaOd > 0 && o.betaOd < o.betaDo && o.betaDo < 90);
        // Partial factors come in pairs, each list led by its default.
        EXPECT_EQ(o.koeficijentiBetona.empty(), o.koeficijentiCelika.empty());
        for (auto lista : {o.koeficijentiBetona, o.koeficijentiCelika})
            for (double g : lista)
                EXPECT_GE(g, 1.0);
    }
}

// The codes' own grades split the built-in part of each catalogue without gap or overlap, and
// every code lists the user's grades after its own.
TEST(Propisi, OwnGradesCoverTheBuiltInCatalogueOnce) {
    for (auto grade : {&OpisPropisa::betoni, &OpisPropisa::celici}) {
        std::set<int> svi;
        int korisnicki = -1;
        for (const OpisPropisa& o : Propisi()) {
            const GradeKataloga& g = o.*grade;
            EXPECT_LT(g.od, g.do_);
            EXPECT_LE(g.do_, g.prviKorisnicki);
            EXPECT_TRUE(korisnicki < 0 || g.prviKorisnicki == korisnicki);
            korisnicki = g.prviKorisnicki;
            for (int k = g.od; k < g.do_; ++k)
                EXPECT_TRUE(svi.insert(k).second) << k;
        }
        EXPECT_EQ(static_cast<int>(svi.size()), korisnicki);
        EXPECT_EQ(*svi.begin(), 0);
    }
}

// List position and catalogue index are inverse for every grade a code lists, and a grade of
// another code has no place in the list.
TEST(Propisi, ListPositionsRoundTrip) {
    for (const OpisPropisa& o : Propisi())
        for (const GradeKataloga* g : {&o.betoni, &o.celici}) {
            for (int i = 0; i < g->Broj() + 6; ++i) {
                const int k = g->IzPozicije(i);
                EXPECT_EQ(g->Pozicija(k), i);
                EXPECT_EQ(g->Vlastita(k), i < g->Broj());
            }
            for (int k = 0; k < g->prviKorisnicki; ++k)
                if (!g->Vlastita(k)) {
                    const int i = g->Pozicija(k);
                    EXPECT_TRUE(i < 0 || g->IzPozicije(i) != k) << k;
                }
        }
}

TEST(Propisi, AValueWithoutADescriptionIsAClearError) {
    const auto nepoznat = static_cast<TPropis>(BrojPropisa);
    EXPECT_EQ(NadjiPropis(nepoznat), nullptr);
    try {
        Opis(nepoznat);
        FAIL() << "no error";
    } catch (const GreskaProracuna& e) {
        EXPECT_EQ(e.what(), PorukaNepoznatPropis(static_cast<int>(BrojPropisa)));
    }
    Katalozi k;
    k.beton.push_back({"C", 30, 20, 0.3, 0});
    k.celik.push_back({"S", 400, 0, 200000});
    TPresjek p;
    p.Propis = nepoznat;
    EXPECT_THROW(PostaviProracunskeCvrstoce(p, k, 0.85f, 1.5, 1.15), GreskaProracuna);
    EXPECT_THROW(ModulBetona(p, k), GreskaProracuna);
    EXPECT_THROW(DetaljiPrslina(TDodatniPodaci{}, nepoznat, 30000), GreskaProracuna);
}

// The strain limits order the design's domains: the compressed-zone limit lies below the
// steel's limiting strain for every concrete.
TEST(Propisi, StrainLimitsAreOrdered) {
    const TBetonEx ex;
    Katalozi k;
    for (double fck : {12.0, 20.0, 35.0, 35.5, 50.0})
        k.beton.push_back({"C", fck, 0.7 * fck, 0.3, 0});
    for (const OpisPropisa& o : Propisi())
        for (int b = 0; b < k.BrojBetona(); ++b) {
            TPresjek p;
            p.Propis = o.propis;
            p.Beton = b;
            const double gornja = o.granicnaDilatacija(ex);
            const float donja = o.dilatacijaOgranicenja(p, k, ex);
            EXPECT_GT(donja, 0);
            EXPECT_LT(donja, gornja);
        }
}

} // namespace
} // namespace nmk
