// One ultimate-moment calculation (mode 1) under each code, on a beam whose state lies on
// the 3.5 per mille line, so that the scan runs through the whole of path 1 and part of path 2;
// by the fast search and, _Doslovno, by the literal scan.

#include "data/katalog_fajl.h"
#include "engine/cvrstoce.h"
#include "engine/granicno.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace nmk;

const Katalozi& Kat() {
    static const Katalozi k = [] {
        const std::filesystem::path folder(NMK_BIN_DIR);
        return Katalozi{CitajBetone(folder / BetonFajl), CitajCelike(folder / CelikFajl)};
    }();
    return k;
}

// A 30/50 beam with 4 cm2 at the top and 20 cm2 at the bottom under 400 kN of compression.
TPresjek Greda(TPropis propis) {
    TPresjek p;
    p.Propis = propis;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.d1 = p.d2 = 4;
    p.Beton = propis == TPropis::PBAB87 ? 3 : 14;
    p.Celik = propis == TPropis::PBAB87 ? 1 : EC2Celik;
    PostaviProracunskeCvrstoce(p, Kat(), 0.85f, p.gamaC, p.gamaS);
    p.Aa1 = 4;
    p.Aa2 = 20;
    p.Nu = -400;
    p.Proracun = TProracun::GranicniMomenat;
    return p;
}

void GranicniMomenatPoPropisu(benchmark::State& stanje, TPropis propis,
                              NacinPretrage nacin = NacinPretrage::Brza) {
    const TBetonEx betonEx;
    TihePoruke poruke;
    Okruzenje o{Kat(), betonEx, poruke};
    o.pretraga = nacin;
    const TPresjek polazni = Greda(propis);
    for (auto _ : stanje) {
        TPresjek p = polazni;
        GranicniMomenat(p, o);
        benchmark::DoNotOptimize(p.Mu);
    }
    TPresjek p = polazni;
    GranicniMomenat(p, o);
    stanje.counters["epsa"] = p.epsa;
    stanje.counters["epsb"] = p.epsb;
}

void BM_GranicniMomenat_PBAB87(benchmark::State& stanje) {
    GranicniMomenatPoPropisu(stanje, TPropis::PBAB87);
}
void BM_GranicniMomenat_EC2(benchmark::State& stanje) {
    GranicniMomenatPoPropisu(stanje, TPropis::EC2);
}

void BM_GranicniMomenat_PBAB87_Doslovno(benchmark::State& stanje) {
    GranicniMomenatPoPropisu(stanje, TPropis::PBAB87, NacinPretrage::Doslovna);
}
void BM_GranicniMomenat_EC2_Doslovno(benchmark::State& stanje) {
    GranicniMomenatPoPropisu(stanje, TPropis::EC2, NacinPretrage::Doslovna);
}

BENCHMARK(BM_GranicniMomenat_PBAB87)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GranicniMomenat_EC2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GranicniMomenat_PBAB87_Doslovno)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GranicniMomenat_EC2_Doslovno)->Unit(benchmark::kMicrosecond);

} // namespace
