#include "engine/servis.h"

#include "engine/armatura.h"
#include "engine/cvrstoce.h"
#include "engine/dim.h"
#include "engine/format.h"
#include "engine/greska.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nmk {
namespace {

using test::IsNear;

const Katalozi& Kat() {
    static const Katalozi k = test::UgradjeniKatalozi();
    return k;
}

// The worked section: EC 2, C30/37, B500, 30 x 50 cm, covers 5 cm, four 16 mm bars at the
// bottom, Mexp = 100 kNm.
TPresjek Primjer() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Beton = 14;
    p.Celik = 3;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.d1 = p.d2 = 5;
    p.ArmDonja = {{16, 4}};
    p.Mexp = 100;
    return p;
}

// Rounds as the program displays: p significant digits, d decimals.
std::string Prikaz(double x, int d) {
    return FormatirajBroj(x, 15, d);
}

class Servis : public ::testing::Test {
protected:
    void Postavi() {
        dim.emplace(p);
        PripremiDim(p, Kat(), true, false);
        (*dim)->XII = VisinaPritisnuteZone(p).value();
    }
    TPresjek p = Primjer();
    test::SnimajucePoruke poruke;
    TBetonEx ex;
    Okruzenje o{Kat(), ex, poruke};
    std::optional<RadniObjekat> dim;
};

TEST_F(Servis, WorkedCaseMatchesThePrintedDigits) {
    Postavi();
    const TDim& d = *p.Dim;
    const BrutoPresjek g = Bruto(d);
    const StadijI s1 = IdealniPresjekI(d);
    const CvrstoceZatezanja c = CvrstoceNaZatezanje(p, Kat());
    EXPECT_EQ(Prikaz(ModulBetona(p, Kat()), 1), "31938.8");
    EXPECT_EQ(Prikaz(d.n, 4), "6.2620");
    EXPECT_EQ(Prikaz(g.yc, 3), "25.000");
    EXPECT_EQ(Prikaz(g.Jc, 0), "312500");
    EXPECT_EQ(Prikaz(s1.yI, 3), "25.650");
    EXPECT_EQ(Prikaz(s1.JI, 0), "331990");
    EXPECT_EQ(Prikaz(d.XII, 3), "10.727");
    EXPECT_THAT(IdealniMomenatInercijeII(p), IsNear(71500, 50)); // printed to three digits
    EXPECT_EQ(Prikaz(c.fct, 4), "2.8965");
    EXPECT_EQ(Prikaz(c.fctfl, 4), "3.1157");
    EXPECT_EQ(Prikaz(MomenatNastajanjaPrslina(p, o), 2), "33.98");
    EXPECT_EQ(Prikaz(NaponUBetonu(p), 2), "15.00");
    EXPECT_EQ(Prikaz(NaponUArmaturi(p), 1), "300.2");
    EXPECT_EQ(Prikaz(NaponUArmaturiPriMr(p, o), 1), "102.0");
    EXPECT_EQ(Prikaz(KoeficijentSadejstva(p, o), 4), "0.9423");
}

} // namespace
} // namespace nmk
