// The sweep of trial states: the indexed paths give exactly the values of the literal walk,
// the trackers keep the literal semantics, the fast drivers pick the literal trial.

#include "engine/pretraga.h"

#include "engine/greska.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace nmk {
namespace {

// Every value of the literal stepping from `pocetak` equals the indexed value, up to the
// stall (and a little beyond it).
template <class T> void ProvjeriNiz(T pocetak, double korak, std::int64_t koraka) {
    NizKoraka<T> niz(pocetak, korak);
    T x = pocetak;
    for (std::int64_t k = 0; k <= koraka; ++k) {
        ASSERT_EQ(niz[k], x) << "start " << pocetak << " step " << korak << " index " << k;
        const T n = Korak(x, korak);
        ASSERT_EQ(niz.Zastao(k + 1), n == x) << "start " << pocetak << " index " << k;
        x = n;
    }
}

TEST(NizKoraka, FloatValuesByIndexEqualTheLiteralSteps) {
    for (double korak : {0.0002, 0.001, -0.001, 0.005, -0.005})
        for (float pocetak : {0.0f, 20.0f, 10.0f, 3.4989f, -0.28f, 1e-30f, 123.456f, -92020.0f,
                              32767.9f, -32767.9f, 16383.99f, 131071.9f, 1e6f, -3.5f, 7.77e-3f})
            ProvjeriNiz(pocetak, korak, 120000);
}

TEST(NizKoraka, DoubleValuesByIndexEqualTheLiteralSteps) {
    for (double korak : {0.0005, -0.0005})
        for (double pocetak : {0.0, 60.0, 123.456789, 0.3, 1e-3, 1e13, 1e300, 4096.0, 2.0})
            ProvjeriNiz(pocetak, korak, 300000);
}

TEST(NizKoraka, RandomStartsAndSteps) {
    std::mt19937_64 gen(17);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int i = 0; i < 200; ++i) {
        const double korak = (i % 2 ? 1 : -1) * std::exp(-3 - 7 * std::fabs(u(gen)));
        ProvjeriNiz(static_cast<float>(std::ldexp(u(gen), i % 20)), korak, 20000);
        ProvjeriNiz(std::ldexp(u(gen), i % 30), korak, 20000);
    }
}

// A path counts its trials as the literal walk does, for every kind of end.
template <class T> void ProvjeriPut(const Put<T>& put) {
    std::vector<T> vrijednosti, prethodne;
    for (Hod<T> hod(put, nullptr); hod.Sljedeci();) {
        vrijednosti.push_back(hod.Vrijednost());
        prethodne.push_back(hod.Prethodna());
    }
    IndeksiraniPut<T> ip(put);
    ASSERT_EQ(ip.Broj(), static_cast<std::int64_t>(vrijednosti.size())) << put.pocetak;
    for (std::size_t j = 0; j < vrijednosti.size(); ++j) {
        ASSERT_EQ(ip.Vrijednost(static_cast<std::int64_t>(j)), vrijednosti[j]);
        if (put.redoslijed == Redoslijed::KorakPaProba) {
            ASSERT_EQ(ip.Prethodna(static_cast<std::int64_t>(j)), prethodne[j]);
        }
    }
}

TEST(IndeksiraniPut, CountsAndValuesEqualTheLiteralWalk) {
    const double nema = std::numeric_limits<double>::quiet_NaN();
    struct Red {
        float pocetak;
        double korak;
        Redoslijed r;
        double stara, nova;
        bool ukljucena;
    };
    const Redoslijed K = Redoslijed::KorakPaProba, P = Redoslijed::ProbaPaKorak;
    for (const Red& red : {
             Red{0, 0.0002, K, 3.49979, nema, false},  // domain 2
             Red{20, -0.005, K, 4.2777, nema, false},  // domain 3
             Red{3, -0.005, K, 4.2777, nema, false},   // domain 3 without trials
             Red{1e6, -0.005, K, 4.2777, nema, false}, // stalls at once
             Red{0.7, 0.001, K, 3.4989, nema, false},  // symmetric path 1
             Red{-92020, 0.001, K, 3.4989, nema, false},
             Red{20, -0.001, K, -0.28, nema, false},  // path 2 to the bottom face
             Red{10, -0.001, K, nema, -0.35, true},   // mode 1 path 2
             Red{0, 0.001, K, 0.5, 0.5, false},       // the continuation below path 1
             Red{20, -0.001, P, nema, 12.5, false},   // the continuation along 3.5
             Red{12.5, -0.001, P, nema, 12.5, false}, // none
         }) {
        Put<float> put;
        put.pocetak = red.pocetak;
        put.korak = red.korak;
        put.redoslijed = red.r;
        put.staraIspred = red.stara;
        put.novaIspred = red.nova;
        put.novaUkljucena = red.ukljucena;
        ProvjeriPut(put);
    }
    for (double h : {0.5, 60.0, 60.0001, 333.3})
        for (int smjer : {1, -1}) {
            Put<double> put;
            put.pocetak = smjer > 0 ? 0.0 : h;
            put.korak = smjer * 0.0005;
            put.staraIspred = smjer > 0 ? h : 0.0;
            ProvjeriPut(put);
        }
}

// The longest legal paths stay under the bound: a float step of 0.001 from the largest
// strains at which it still advances, of 0.005 likewise, and the neutral-axis scan of the
// deepest section a batch accepts (100 m).
TEST(NajvisePokusajaPuta, LiesAboveTheLongestLegalPaths) {
    auto broj = [](auto pocetak, double korak, double kraj) {
        Put<decltype(pocetak)> put;
        put.pocetak = pocetak;
        put.korak = korak;
        put.staraIspred = kraj;
        return IndeksiraniPut<decltype(pocetak)>(put).Broj();
    };
    for (const std::int64_t n : {broj(32767.99f, -0.001, -3.5), broj(-32767.99f, 0.001, 3.5),
                                 broj(131071.9f, -0.005, 0.0), broj(10000.0, -0.0005, 0.0)}) {
        EXPECT_GT(n, 15'000'000);
        EXPECT_LT(n, NajvisePokusajaPuta);
    }
    EXPECT_EQ(broj(40000.0f, -0.001, -3.5), 0); // the step stalls at once
}

// The trackers as the scans used them: a table of residual sequences and the trial each
// accepts.
TEST(PromjenaZnaka, AcceptsAsTheScansDo) {
    using P = PromjenaZnaka::Pravilo;
    struct Red {
        P pravilo;
        bool polovi;
        std::vector<Pokusaj> niz;
        int prihvacen; // index, or -1
    };
    const std::vector<Red> redovi = {
        {P::Ravnoteza, false, {{1, 2}, {1, 1}, {1, -1}}, 2},
        {P::Ravnoteza, false, {{1, 2}, {1, 0}}, 1},          // zero is the balance
        {P::Ravnoteza, false, {{1, 0}, {1, 1}, {1, -1}}, 2}, // a first zero is no record
        {P::Proizvod, false, {{1, 2}, {1, 0}, {1, -1}}, -1}, // zero is never accepted
        {P::Proizvod, true, {{1, 2}, {2, -1, 1, 1}, {2, 1, 1, 1}}, 2},
        {P::Proizvod, true, {{2, 2, 1, 1}, {2, -1, -1, 1}, {2, -3, -1, 1}}, -1}, // a pole
        {P::Proizvod, true, {{2, 2, 1, 0}, {2, -1, 1, 0}}, -1}, // a zero denominator sign
        {P::Proizvod, true, {{1, 2}, {1, -2}}, 1},
    };
    for (const Red& r : redovi) {
        PromjenaZnaka t(r.pravilo, r.polovi);
        int prihvacen = -1;
        for (std::size_t i = 0; i < r.niz.size() && prihvacen < 0; ++i)
            if (t.Prihvati(r.niz[i]))
                prihvacen = static_cast<int>(i);
        EXPECT_EQ(prihvacen, r.prihvacen) << r.niz.size();
    }
}

// The fast driver on generated residual sequences with kinds, poles and zeros, given perfect
// enclosures (found by looking at every trial): it accepts the trial the literal tracker
// accepts, leaves the same record, and evaluates few trials of a long smooth sequence.
TEST(PrvaPromjena, PicksTheLiteralTrialOnGeneratedSequences) {
    std::mt19937_64 gen(5);
    for (int n = 0; n < 400; ++n) {
        const std::int64_t broj = 1 + static_cast<std::int64_t>(gen() % 5000);
        const int korijena = static_cast<int>(gen() % 4);
        std::vector<Pokusaj> niz(static_cast<std::size_t>(broj));
        std::vector<double> korijeni;
        for (int k = 0; k < korijena; ++k)
            korijeni.push_back(static_cast<double>(gen() % static_cast<std::uint64_t>(broj)) + 0.5);
        for (std::int64_t j = 0; j < broj; ++j) {
            double r = 1;
            for (double x : korijeni)
                r *= (static_cast<double>(j) - x) / 100;
            Pokusaj& p = niz[static_cast<std::size_t>(j)];
            p.r = (j % 97 == 13 && n % 3 == 0) ? 0.0 : r;
            p.vrsta = (j / 700) % 2 == 0 ? 1 : 2;
            p.znak1 = 1;
            p.znak2 = (j / 1100) % 2 == 0 ? 1 : -1;
        }
        const PromjenaZnaka::Pravilo pravilo =
            n % 2 ? PromjenaZnaka::Pravilo::Proizvod : PromjenaZnaka::Pravilo::Ravnoteza;
        const bool polovi = n % 4 == 1;
        auto uslov = [&](std::int64_t j, const Pokusaj&) { return j % 5 != 0 || n % 5 != 0; };
        PromjenaZnaka doslovno(pravilo, polovi);
        std::optional<std::int64_t> ocekivano;
        for (std::int64_t j = 0; j < broj && !ocekivano; ++j)
            if (doslovno.Prihvati(niz[static_cast<std::size_t>(j)]) &&
                uslov(j, niz[static_cast<std::size_t>(j)]))
                ocekivano = j;
        PromjenaZnaka brzo(pravilo, polovi);
        std::int64_t proba = 0;
        auto izvjesno = [&](std::int64_t i, std::int64_t j) -> std::optional<Potpis> {
            const Pokusaj& a = niz[static_cast<std::size_t>(i)];
            for (std::int64_t k = i; k <= j; ++k) {
                const Pokusaj& b = niz[static_cast<std::size_t>(k)];
                if (Znak(b.r) == 0 || Znak(b.r) != Znak(a.r) || b.vrsta != a.vrsta ||
                    b.znak2 != a.znak2)
                    return std::nullopt;
            }
            return Potpis{a.vrsta, Znak(a.r), a.znak1, a.znak2};
        };
        auto probaj = [&](std::int64_t j) {
            ++proba;
            return niz[static_cast<std::size_t>(j)];
        };
        const auto nadjen =
            PrvaPromjena(broj, brzo, probaj, izvjesno, uslov, n % 3 == 2,
                         n % 2 ? std::optional<std::int64_t>(broj / 3) : std::nullopt);
        ASSERT_EQ(nadjen, ocekivano) << n;
        // Without roots only the changes of kind and denominator (and zeros) need trials.
        if (!ocekivano && korijena == 0 && n % 3 != 0 && broj > 2000) {
            EXPECT_LT(proba, broj / 4) << n;
        }
        // The records agree: the next trial is judged alike.
        const Pokusaj sljedeci{1, -niz.back().r, 1, 1};
        EXPECT_EQ(brzo.NeMijenja({1, Znak(sljedeci.r), 1, 1}),
                  doslovno.NeMijenja({1, Znak(sljedeci.r), 1, 1}))
            << n;
    }
}

// The nearest-point driver on generated non-decreasing sequences with plateaus and rounding
// noise: the trial the literal tracker keeps, with enclosures from the ends widened by the
// noise.
TEST(NajblizaBrzo, KeepsTheLiteralTrialOnGeneratedSequences) {
    std::mt19937_64 gen(9);
    std::uniform_real_distribution<double> u(0, 1);
    for (int n = 0; n < 400; ++n) {
        const std::int64_t broj = 1 + static_cast<std::int64_t>(gen() % 20000);
        const double sum = n % 4 == 0 ? 1e-6 : 0.0;
        std::vector<float> m(static_cast<std::size_t>(broj));
        double x = -0.01 * u(gen);
        for (auto& v : m) {
            x += (u(gen) < 0.1 ? 0.0 : 1e-5 * u(gen));
            v = static_cast<float>(x + sum * (u(gen) - 0.5));
        }
        const float cilj = static_cast<float>(u(gen) * x * 1.2);
        const bool pozitivne = n % 2 == 0;
        NajblizaTacka doslovno(cilj, pozitivne);
        for (std::int64_t j = 0; j < broj; ++j)
            doslovno.Probaj(j, m[static_cast<std::size_t>(j)]);
        NajblizaTacka brzo(cilj, pozitivne);
        auto v = [&](std::int64_t j) { return m[static_cast<std::size_t>(j)]; };
        auto granice = [&](std::int64_t i, std::int64_t j) -> std::optional<Raspon> {
            return Raspon{v(i) - 2 * sum - 1e-12, v(j) + 2 * sum + 1e-12};
        };
        NajblizaBrzo(broj, brzo, v, v, v, granice);
        ASSERT_EQ(brzo.Indeks(), doslovno.Indeks()) << n;
    }
}

TEST(Raspon, HoldsEveryResultOfItsMembers) {
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> u(-5, 5);
    for (int n = 0; n < 2000; ++n) {
        const Raspon a = Raspon::Od(u(gen), u(gen)), b = Raspon::Od(u(gen), u(gen));
        const double x = a.od + (a.do_ - a.od) * (u(gen) + 5) / 10;
        const double y = b.od + (b.do_ - b.od) * (u(gen) + 5) / 10;
        auto unutra = [](Raspon r, double z) { return z >= r.od - 1e-12 && z <= r.do_ + 1e-12; };
        EXPECT_TRUE(unutra(a + b, x + y));
        EXPECT_TRUE(unutra(a - b, x - y));
        EXPECT_TRUE(unutra(a * b, x * y));
        EXPECT_TRUE(unutra(2.5 * a, 2.5 * x));
        if (const auto q = Podijeli(a, b))
            EXPECT_TRUE(unutra(*q, x / y));
        else
            EXPECT_TRUE(b.od <= 0 && b.do_ >= 0);
    }
}

} // namespace
} // namespace nmk
