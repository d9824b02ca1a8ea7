// The sweep of trial states: the indexed paths give exactly the values of the literal walk,
// the trackers keep the literal semantics, the fast drivers pick the literal trial.

#include "engine/pretraga.h"

#include "engine/greska.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

} // namespace
} // namespace nmk
