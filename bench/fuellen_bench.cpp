// The fractal, crater, dune and cell generators at the largest field, each
// with the time of one grid copy as yardstick.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench_hilfen.h"
#include "generators/duenen.h"
#include "generators/fraktal.h"
#include "generators/krater.h"
#include "generators/zellen.h"

namespace {

using gm::Dokument;

std::unique_ptr<Dokument> feld(int punkte = 2049) {
    auto dok = std::make_unique<Dokument>();
    gm::bench::gelaendeFuellen(*dok, punkte);
    return dok;
}

// The yardstick beside the run's time.
void inKopien(benchmark::State& state, Dokument& dok) {
    state.counters["ms_per_copy"] = 1e3 * gm::bench::kopierZeit(dok);
}

// range(0): 0 default view; windows inside the set at Tiefe 1000: 1 in the
// main cardioid, 2 in the bulb of period 3 (the cycle test ends the points),
// 3 in the Siegel disc of a Julia set (every point runs all 1000 steps).
gm::FraktalParamRec fraktal(int fall) {
    gm::FraktalParamRec p = gm::FraktalStandard();
    const gm::FraktalAusschnitt innen[] = {
        {-0.3, -0.2, 0.1, 0.2, 0, 0},
        {-0.15, 0.71, -0.10, 0.76, 0, 0},
        {-0.47, -0.44, -0.27, -0.24, -0.390540870218399, -0.586787907346969},
    };
    if (fall >= 1 && fall <= 3) {
        const gm::FraktalAusschnitt& a = innen[fall - 1];
        p.XMin = a.XMin, p.YMin = a.YMin, p.XMax = a.XMax, p.YMax = a.YMax;
        p.CX = a.CX, p.CY = a.CY, p.Tiefe = 1000, p.Art = fall == 3 ? 2 : 1;
    }
    return p;
}

void BM_Fraktal_2049(benchmark::State& state) {
    auto dok = feld();
    const auto p = fraktal(int(state.range(0)));
    for (auto _ : state) {
        gm::FraktalBerechnen(*dok, p);
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
    inKopien(state, *dok);
}
BENCHMARK(BM_Fraktal_2049)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FraktalVorschau(benchmark::State& state) {
    const auto p = fraktal(int(state.range(0)));
    auto v = std::make_unique<gm::Vorschaufeld>();
    for (auto _ : state) {
        gm::FraktalVorschau(p, *v);
        benchmark::DoNotOptimize(v->werte[7][7]);
    }
}
BENCHMARK(BM_FraktalVorschau)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

// range(0): number of craters; the draw sequence starts at the same seed.
// The pass empties Zweitbild itself.
void BM_Krater_2049(benchmark::State& state) {
    auto dok = feld();
    gm::KraterParamRec p = gm::KraterStandard();
    p.Anzahl = int(state.range(0));
    for (auto _ : state) {
        gm::setzeSeed(*dok, 7);
        gm::KraterBerechnen(*dok, p);
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
    inKopien(state, *dok);
}
BENCHMARK(BM_Krater_2049)->Arg(800)->Arg(8000)->Unit(benchmark::kMillisecond)->UseRealTime();

// range(0): Iterationen.
void BM_Duenen_2049(benchmark::State& state) {
    auto dok = feld();
    gm::DuenenZustand z;
    gm::DuenenParamRec p = gm::DuenenStandard();
    p.Iterationen = int(state.range(0));
    p.GammaL1 = 0.7;
    p.GammaL2 = 2.0;
    const auto& tabellen = gm::DuenenBereit(*dok, z);
    for (auto _ : state) {
        gm::DuenenBerechnen(*dok, p, gm::DuenenKurvenBauen(p, tabellen));
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
    inKopien(state, *dok);
}
BENCHMARK(BM_Duenen_2049)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// range(0): the measure, with all 999 points.
void BM_Zellen_2049(benchmark::State& state) {
    auto dok = feld();
    gm::ZellenZustand z;
    gm::ZellenParamRec p = gm::ZellenStandard();
    p.Anzahl = 999;
    p.Verknuepfung = int(state.range(0));
    const auto& punkte = gm::ZellenBereit(*dok, z);
    for (auto _ : state) {
        gm::ZellenBerechnen(*dok, p, punkte);
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
    inKopien(state, *dok);
}
BENCHMARK(BM_Zellen_2049)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
