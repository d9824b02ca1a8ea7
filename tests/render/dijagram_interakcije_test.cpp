#include "render/dijagram_interakcije.h"

#include "common/katalozi.h"
#include "engine/cvrstoce.h"
#include "render/rtf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace nmk::render {
namespace {

const Katalozi& Kat() {
    static const Katalozi k = test::UgradjeniKatalozi();
    return k;
}

// A 30/50 column of EC 2 grades with more steel at the bottom than at the top.
KrivaInterakcije Kriva() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Beton = 14;
    p.Celik = EC2Celik;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.d1 = p.d2 = 4;
    PostaviProracunskeCvrstoce(p, Kat(), 0.85f, p.gamaC, p.gamaS);
    const TBetonEx ex;
    TihePoruke poruke;
    return IzracunajKrivu(p, 6, 15, Okruzenje{Kat(), ex, poruke});
}

TEST(OkrugliKorak, IsOneTwoOrFiveTimesAPowerOfTenAndFitsTheTicks) {
    struct Red {
        double raspon;
        int najvise;
        double korak;
    };
    for (const Red& r : {Red{1000, 5, 200}, Red{7, 7, 1}, Red{0.35, 4, 0.1}, Red{4500, 8, 1000},
                         Red{3217, 10, 500}, Red{0, 5, 1}}) {
        const double k = OkrugliKorak(r.raspon, r.najvise);
        EXPECT_DOUBLE_EQ(k, r.korak) << r.raspon;
        EXPECT_LE(r.raspon / k, r.najvise + 1e-9);
    }
}

TEST(NacrtajDijagram, CompressionIsUpSaggingIsRightAndEverythingStaysInTheBox) {
    const KrivaInterakcije k = Kriva();
    const DijagramInterakcije d = NacrtajDijagram(k, -800.0, 120.0, 600, 400, ',');
    ASSERT_EQ(d.kriva.size(), k.tacke.size());
    for (const TackaD& t : d.kriva) {
        EXPECT_GE(t.x, 0);
        EXPECT_LE(t.x, 600);
        EXPECT_GE(t.y, 0);
        EXPECT_LE(t.y, 400);
    }
    const TackaD o = d.UPiksele(0, 0);
    EXPECT_EQ(d.osaM.a.y, o.y);
    EXPECT_EQ(d.osaN.a.x, o.x);
    EXPECT_LT(d.kriva[k.pritisak].y, o.y);
    EXPECT_GT(d.kriva.front().y, o.y);
    EXPECT_GT(d.kriva[k.pritisak / 2].x, o.x);
    ASSERT_TRUE(d.tacka && d.kapacitet);
    EXPECT_NEAR(d.tacka->x, d.UPiksele(-800, 120).x, 1e-9);
    // The ray from the origin through the design point reaches the curve beyond it.
    EXPECT_GT(std::hypot(d.kapacitet->x - o.x, d.kapacitet->y - o.y),
              std::hypot(d.tacka->x - o.x, d.tacka->y - o.y));
}

// Consecutive labels of an axis differ by one step of 1, 2 or 5 times a power of ten, each
// label is a multiple of it and sits at its own tick.
void ProvjeriOsu(const std::vector<double>& v) {
    ASSERT_GE(v.size(), 3u);
    const double korak = v[1] - v[0];
    const double mantisa = korak / std::pow(10.0, std::floor(std::log10(korak)));
    EXPECT_TRUE(std::fabs(mantisa - 1) < 1e-9 || std::fabs(mantisa - 2) < 1e-9 ||
                std::fabs(mantisa - 5) < 1e-9)
        << korak;
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_NEAR(std::remainder(v[i], korak), 0, 1e-9 * korak) << v[i];
        if (i > 0) {
            EXPECT_NEAR(v[i] - v[i - 1], korak, 1e-9 * korak);
        }
    }
}

TEST(NacrtajDijagram, TickLabelsAreRoundValuesAtTheirTicks) {
    const DijagramInterakcije d =
        NacrtajDijagram(Kriva(), std::nullopt, std::nullopt, 500, 350, '.');
    std::vector<double> m, n;
    for (const TekstDijagrama& t : d.tekst) {
        char* kraj = nullptr;
        const double v = std::strtod(t.tekst.c_str(), &kraj);
        if (*kraj != '\0' || v == 0)
            continue;
        const bool naM = t.sidro == Sidro::GoreSredina;
        EXPECT_NEAR(naM ? t.mjesto.x : t.mjesto.y, naM ? d.x0 + d.kx * v : d.y0 + d.ky * v, 1e-6);
        (naM ? m : n).push_back(v);
    }
    // The zero between the negative and the positive labels is the origin's.
    for (std::vector<double>* v : {&m, &n}) {
        v->push_back(0);
        std::sort(v->begin(), v->end());
        ProvjeriOsu(*v);
    }
}

TEST(NajblizaTacka, FindsEveryCurvePointAtItsOwnPixel) {
    const DijagramInterakcije d =
        NacrtajDijagram(Kriva(), std::nullopt, std::nullopt, 800, 600, ',');
    for (std::size_t i = 0; i < d.kriva.size(); ++i) {
        const std::optional<std::size_t> j = NajblizaTacka(d, {d.kriva[i].x + 0.1, d.kriva[i].y});
        ASSERT_TRUE(j);
        EXPECT_LE(std::hypot(d.kriva[*j].x - d.kriva[i].x, d.kriva[*j].y - d.kriva[i].y), 0.2);
    }
}

// Reading the CSV back, with the separators its header row names, gives every point.
TEST(CsvKrive, ReadsBackIntoTheCurvesPointsUnderBothSeparators) {
    const KrivaInterakcije k = Kriva();
    for (const char separator : {',', '.'}) {
        const std::string csv = CsvKrive(k, separator);
        std::istringstream ulaz(csv.substr(3)); // after the UTF-8 mark
        std::string red;
        std::getline(ulaz, red);
        EXPECT_NE(red.find(separator == ',' ? "zarez" : "tacka"), std::string::npos);
        const char polje = separator == ',' ? ';' : ',';
        std::size_t i = 0;
        while (std::getline(ulaz, red)) {
            std::replace(red.begin(), red.end(), separator, '.');
            std::replace(red.begin(), red.end(), polje, ' ');
            std::istringstream r(red);
            double N, M, eg, ed;
            ASSERT_TRUE(r >> N >> M >> eg >> ed) << red;
            ASSERT_LT(i, k.tacke.size());
            EXPECT_NEAR(N, k.tacke[i].N, 5e-4);
            EXPECT_NEAR(M, k.tacke[i].M, 5e-4);
            EXPECT_NEAR(eg, k.tacke[i].eGore, 5e-5);
            EXPECT_NEAR(ed, k.tacke[i].eDolje, 5e-5);
            ++i;
        }
        EXPECT_EQ(i, k.tacke.size());
    }
}

TEST(OpisIskoristenja, NamesPointsOutsideTheCurve) {
    const KrivaInterakcije k = Kriva();
    EXPECT_NE(OpisIskoristenja(Iskoristenje(k, k.Nmax * 2, 0), ',').find("van nosivosti"),
              std::string::npos);
    const std::string unutra = OpisIskoristenja(Iskoristenje(k, 0, 10), ',');
    EXPECT_EQ(unutra.find("izvan"), std::string::npos);
    EXPECT_NE(unutra.find("0,"), std::string::npos);
}

} // namespace
} // namespace nmk::render

namespace nmk::render {
namespace {

// The diagram goes into a section's block before its closing line, and its picture into the
// RTF as a PNG whose bytes read back from the hexadecimal.
TEST(DodajDijagram, SitsBeforeTheClosingLineAndItsPictureReadsBackFromTheRtf) {
    const KrivaInterakcije k = Kriva();
    Izvjestaj iz;
    TPresjek p;
    StampajPresjek(iz, p, Kat(), ',');
    const std::size_t redova = iz.redovi.size();
    const Slika slika{std::string("\x89PNG\r\n\x1a\n\x00\xff", 10), 300, 200, 240, 160};
    DodajDijagram(iz, ArmaturaZaKrivu(p), Iskoristenje(k, -500, 50), slika, ',');
    ASSERT_GT(iz.redovi.size(), redova);
    EXPECT_EQ(iz.redovi.back().Tekst(), Crta);
    const auto sa = std::find_if(iz.redovi.begin(), iz.redovi.end(),
                                 [](const Red& r) { return r.slika.has_value(); });
    ASSERT_NE(sa, iz.redovi.end());
    EXPECT_EQ(*sa->slika, slika);
    const std::string rtf = UpisiRtf(iz);
    const std::size_t pict =
        rtf.find("{\\pict\\pngblip\\picw300\\pich200\\picwgoal4800\\pichgoal3200");
    ASSERT_NE(pict, std::string::npos);
    std::string heks;
    for (std::size_t i = rtf.find('\n', pict); rtf[i] != '}'; ++i)
        if (rtf[i] != '\n')
            heks += rtf[i];
    std::string bajtovi;
    for (std::size_t i = 0; i + 1 < heks.size(); i += 2)
        bajtovi += static_cast<char>(std::stoi(heks.substr(i, 2), nullptr, 16));
    EXPECT_EQ(bajtovi, slika.png);
}

} // namespace
} // namespace nmk::render
