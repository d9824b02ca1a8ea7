// The DIM batch over 10,000 generated sections of every kind (both codes, rectangles and
// T sections, both signs of moment, tension and compression, symmetric designs, the fifth
// domain), read, designed and written in memory. Reported as sections per second.
#include "data/katalog_fajl.h"
#include "data/razmjena.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

using namespace nmk;

constexpr int kPresjeka = 10000;

std::string GenerisiDim(int broj) {
    std::mt19937 gen(2026);
    std::uniform_real_distribution<double> u(0, 1);
    PisacToka t;
    t.Realni(1.5);
    t.Realni(1.15);
    const int grupa = 100;
    t.Cijeli(broj / grupa);
    for (int g = 0; g < broj / grupa; ++g) {
        t.Cijeli(grupa);
        for (int i = 0; i < grupa; ++i) {
            const bool ec2 = gen() % 2 == 0;
            const bool tPresjek = gen() % 4 == 0;
            const double b = tPresjek ? 80 + 60 * u(gen) : 25 + 25 * u(gen);
            const double b0 = tPresjek ? 20 + 10 * u(gen) : b;
            const double h = 40 + 40 * u(gen);
            const double h0 = tPresjek ? 10 + 8 * u(gen) : h;
            const double d = 4 + 2 * u(gen);
            const double fd = b * h * 1.5; // kN a section of this size carries by its concrete
            const int vrsta = static_cast<int>(gen() % 5);
            double M = (u(gen) - 0.3) * fd * h / 400; // both signs, mostly sagging
            double N = 0;
            if (vrsta == 1)
                N = -u(gen) * fd * 0.6; // compression, up to the fifth domain
            if (vrsta == 2)
                N = u(gen) * fd * 0.1; // tension
            if (vrsta == 3)
                M *= 3; // double reinforcement
            for (double x : {b, b0, h, tPresjek ? h0 : h, d, d, M, N, 20 + 200 * u(gen)})
                t.Realni(x);
            t.Cijeli(ec2 ? 1 : 0);
            t.Cijeli(ec2 ? 10 + static_cast<int>(gen() % 9) : static_cast<int>(gen() % 10));
            t.Cijeli(ec2 ? 3 : static_cast<int>(gen() % 3));
            t.Cijeli(tPresjek ? 1 : 0);
            t.Cijeli(vrsta == 4 ? 1 : 0);
        }
    }
    return t.Bajtovi();
}

void DimSerija(benchmark::State& state) {
    const std::string ulaz = GenerisiDim(kPresjeka);
    Projekat pr;
    const std::filesystem::path bin(NMK_BIN_DIR);
    pr.katalozi.beton = CitajBetone(bin / BetonFajl);
    pr.katalozi.celik = CitajCelike(bin / CelikFajl);
    pr.sistem.PrikaziPoruke = false;
    TihePoruke tihe;
    for (auto _ : state) {
        std::string izlaz = ObradiDim(pr, ulaz, tihe);
        benchmark::DoNotOptimize(izlaz);
    }
    state.SetItemsProcessed(state.iterations() * kPresjeka);
}
BENCHMARK(DimSerija)->Unit(benchmark::kMillisecond);

} // namespace
