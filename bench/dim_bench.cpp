// The DIM batch over 10,000 generated sections of every kind (both codes, rectangles and
// T sections, both signs of moment, tension and compression, symmetric designs, the fifth
// domain), read, designed and written in memory. Reported as sections per second; by the
// fast searches and, DimSerija_Doslovno, by the literal scans.
#include "data/katalog_fajl.h"
#include "data/razmjena.h"
#include "dim_ulaz.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace nmk;

constexpr int kPresjeka = 10000;

void Serija(benchmark::State& state, NacinPretrage nacin) {
    const std::string ulaz = bench::GenerisiDim(kPresjeka);
    Projekat pr;
    pr.pretraga = nacin;
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
void DimSerija(benchmark::State& state) {
    Serija(state, NacinPretrage::Brza);
}
void DimSerija_Doslovno(benchmark::State& state) {
    Serija(state, NacinPretrage::Doslovna);
}
BENCHMARK(DimSerija)->Unit(benchmark::kMillisecond);
BENCHMARK(DimSerija_Doslovno)->Unit(benchmark::kMillisecond);

} // namespace
