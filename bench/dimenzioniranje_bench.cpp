// One bending design (with its shear design) of a 30/50 beam of "MB 30" and "RA400/500",
// for each kind of result: a domain-2 scan, a domain-3 scan, double reinforcement, the
// symmetric search and the fifth-domain search. Messages are off, as in the batch mode.
// Each by the fast search (the program's default) and, _Doslovno, by the literal scan.

#include "data/katalog_fajl.h"
#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"

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

TPresjek Greda(double Mu, double Nu, bool simetricno) {
    TPresjek p;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.Beton = 3;
    p.Celik = 1;
    p.Mu = Mu;
    p.Nu = Nu;
    p.Qu = 150;
    if (simetricno)
        p.Status |= sfSimetricno;
    PostaviProracunskeCvrstoce(p, Kat(), 0.85f, 1.5, 1.15);
    return p;
}

void Dizajn(benchmark::State& state, double Mu, double Nu, bool simetricno,
            NacinPretrage nacin = NacinPretrage::Brza) {
    const TBetonEx ex;
    TihePoruke poruke;
    Okruzenje o{Kat(), ex, poruke};
    o.PrikaziPoruke = false;
    o.pretraga = nacin;
    const TPresjek ulaz = Greda(Mu, Nu, simetricno);
    for (auto _ : state) {
        TPresjek p = ulaz;
        Dimenzioniraj(p, o);
        benchmark::DoNotOptimize(p.Aa2);
    }
}

constexpr NacinPretrage L = NacinPretrage::Doslovna;

void BM_DimenzionirajPodrucje2(benchmark::State& s) {
    Dizajn(s, 80, 0, false);
}
void BM_DimenzionirajPodrucje3(benchmark::State& s) {
    Dizajn(s, 250, 0, false);
}
void BM_DimenzionirajDvostruko(benchmark::State& s) {
    Dizajn(s, 500, 0, false);
}
void BM_DimenzionirajSimetricno(benchmark::State& s) {
    Dizajn(s, 300, 0, true);
}
void BM_DimenzionirajPetoPodrucje(benchmark::State& s) {
    Dizajn(s, 60, -3000, false);
}
void BM_DimenzionirajPodrucje2_Doslovno(benchmark::State& s) {
    Dizajn(s, 80, 0, false, L);
}
void BM_DimenzionirajPodrucje3_Doslovno(benchmark::State& s) {
    Dizajn(s, 250, 0, false, L);
}
void BM_DimenzionirajSimetricno_Doslovno(benchmark::State& s) {
    Dizajn(s, 300, 0, true, L);
}
void BM_DimenzionirajPetoPodrucje_Doslovno(benchmark::State& s) {
    Dizajn(s, 60, -3000, false, L);
}

BENCHMARK(BM_DimenzionirajPodrucje2);
BENCHMARK(BM_DimenzionirajPodrucje3);
BENCHMARK(BM_DimenzionirajDvostruko);
BENCHMARK(BM_DimenzionirajSimetricno);
BENCHMARK(BM_DimenzionirajPetoPodrucje);
BENCHMARK(BM_DimenzionirajPodrucje2_Doslovno);
BENCHMARK(BM_DimenzionirajPodrucje3_Doslovno);
BENCHMARK(BM_DimenzionirajSimetricno_Doslovno);
BENCHMARK(BM_DimenzionirajPetoPodrucje_Doslovno);

} // namespace
