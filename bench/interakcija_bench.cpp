// One interaction curve of a section (both moment signs, every ultimate state), under each
// code: the window redraws it while the engineer types.

#include "data/katalog_fajl.h"
#include "engine/cvrstoce.h"
#include "engine/interakcija.h"

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

// A 40/60 column with 12 cm2 at the top and 20 cm2 at the bottom, or a T beam of the same depth.
TPresjek Stub(TPropis propis, int beton, int celik, TOblik oblik) {
    TPresjek p;
    p.Propis = propis;
    p.Oblik = oblik;
    p.b = oblik == TOblik::T ? 120 : 40;
    p.b0 = 40;
    p.h = 60;
    p.h0 = oblik == TOblik::T ? 15 : 60;
    p.d1 = p.d2 = 5;
    p.Beton = beton;
    p.Celik = celik;
    PostaviProracunskeCvrstoce(p, Kat(), 0.85f, p.gamaC, p.gamaS);
    p.Aa1 = 12;
    p.Aa2 = 20;
    return p;
}

void Kriva(benchmark::State& stanje, const TPresjek& p) {
    const TBetonEx betonEx;
    TihePoruke poruke;
    const Okruzenje o{Kat(), betonEx, poruke};
    std::size_t tacaka = 0;
    for (auto _ : stanje) {
        const KrivaInterakcije k = IzracunajKrivu(p, p.Aa1, p.Aa2, o);
        tacaka = k.tacke.size();
        benchmark::DoNotOptimize(k.tacke.data());
    }
    stanje.counters["tacaka"] = static_cast<double>(tacaka);
}

void BM_KrivaInterakcije_PBAB87(benchmark::State& s) {
    Kriva(s, Stub(TPropis::PBAB87, 3, 1, TOblik::Pravougaoni));
}
void BM_KrivaInterakcije_EC2(benchmark::State& s) {
    Kriva(s, Stub(TPropis::EC2, 14, EC2Celik, TOblik::Pravougaoni));
}
void BM_KrivaInterakcije_EC2_T(benchmark::State& s) {
    Kriva(s, Stub(TPropis::EC2, 14, EC2Celik, TOblik::T));
}
BENCHMARK(BM_KrivaInterakcije_PBAB87)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KrivaInterakcije_EC2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KrivaInterakcije_EC2_T)->Unit(benchmark::kMicrosecond);

} // namespace
