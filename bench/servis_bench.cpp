// Deflection and crack calculations under an eccentric service force: the neutral axis is
// searched twice (under the service moment and under the cracking moment); by the fast
// search and, _Doslovno, by the literal scan.

#include "data/katalog_fajl.h"
#include "engine/poruke.h"
#include "engine/prsline.h"
#include "engine/ugib.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace nmk;

const Katalozi& Kat() {
    static const Katalozi k = [] {
        Katalozi kk;
        kk.beton = CitajBetone(std::filesystem::path(NMK_BIN_DIR) / BetonFajl);
        kk.celik = CitajCelike(std::filesystem::path(NMK_BIN_DIR) / CelikFajl);
        return kk;
    }();
    return k;
}

// A 30 x 60 cm beam, C30/37 and B500 under EC 2, with a compressive service force.
TPresjek Greda() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Beton = 14;
    p.Celik = 3;
    p.b = p.b0 = 30;
    p.h = p.h0 = 60;
    p.d1 = p.d2 = 5;
    p.ArmDonja = {{20, 4}};
    p.ArmGornja = {{12, 2}};
    p.Mexp = 150;
    p.Nexp = -120;
    p.vb = 1;
    p.vbd = 0.6;
    p.Vilica = 8;
    return p;
}

void Ugib(benchmark::State& state, NacinPretrage nacin) {
    TihePoruke poruke;
    const TBetonEx ex;
    Okruzenje o{Kat(), ex, poruke};
    o.pretraga = nacin;
    TPresjek p = Greda();
    for (auto _ : state) {
        ProracunUgiba(p, o, nullptr, 0.125, 600);
        benchmark::DoNotOptimize(p.v);
    }
}

void Prsline(benchmark::State& state, NacinPretrage nacin) {
    TihePoruke poruke;
    const TBetonEx ex;
    Okruzenje o{Kat(), ex, poruke};
    o.pretraga = nacin;
    TPresjek p = Greda();
    for (auto _ : state) {
        ProracunPrslina(p, o, nullptr, 3);
        benchmark::DoNotOptimize(p.Wk);
    }
}

void BM_ProracunUgiba(benchmark::State& s) {
    Ugib(s, NacinPretrage::Brza);
}
void BM_ProracunPrslina(benchmark::State& s) {
    Prsline(s, NacinPretrage::Brza);
}
void BM_ProracunUgiba_Doslovno(benchmark::State& s) {
    Ugib(s, NacinPretrage::Doslovna);
}
void BM_ProracunPrslina_Doslovno(benchmark::State& s) {
    Prsline(s, NacinPretrage::Doslovna);
}
BENCHMARK(BM_ProracunUgiba)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProracunPrslina)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProracunUgiba_Doslovno)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProracunPrslina_Doslovno)->Unit(benchmark::kMicrosecond);

} // namespace
