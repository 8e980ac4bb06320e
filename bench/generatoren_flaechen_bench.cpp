// Rotation bodies, axis functions, landscape plates and spores at the
// largest field, each reported also as a multiple of one grid copy.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>

#include "bench_hilfen.h"
#include "core/dokument.h"
#include "core/zufall.h"
#include "generators/funktionen.h"
#include "generators/landschaft.h"
#include "generators/rotation.h"

namespace {

std::unique_ptr<gm::Dokument> feld2049() {
    auto dok = std::make_unique<gm::Dokument>();
    gm::bench::gelaendeFuellen(*dok, 2049);
    return dok;
}

// Processor seconds of the whole process (every thread) while `f` runs.
template <class F>
double prozessorZeit(F&& f) {
    const std::clock_t t0 = std::clock();
    f();
    return double(std::clock() - t0) / CLOCKS_PER_SEC;
}

// Runs `erzeugen` per iteration and reports its time in grid copies: on
// the wall clock, and in processor time of all threads, which a busy
// machine disturbs less.
template <class F>
void messen(benchmark::State& state, gm::Dokument& dok, F&& erzeugen) {
    const double kopie = gm::bench::kopierZeit(dok);
    double kopieCpu = 1e9;
    for (int i = 0; i < 20; ++i)
        kopieCpu = std::min(kopieCpu, prozessorZeit([&] { gm::UndoSichern(dok); }));
    erzeugen();  // touches every page of the grids once
    double wand = 0.0, cpu = 0.0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        cpu += prozessorZeit(erzeugen);
        benchmark::DoNotOptimize(dok.Zweitbild(7, 7));
        wand += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    const double n = double(state.iterations());
    state.counters["copies"] = wand / n / kopie;
    state.counters["cpu_copies"] = cpu / n / kopieCpu;
}

void BM_Rotation_2049(benchmark::State& state) {
    auto dok = feld2049();
    gm::RotationParamRec r = gm::RotationKoppeln(gm::RotationAufFeld(
        *dok, gm::recordVorgaben<gm::RotationParamRec>(gm::RotationParameter())));
    r.RadiusX = r.RadiusY = 1500;  // the ellipse covers the whole field
    r.FokusX = 700;
    r.Winkel = 30;
    r.Perioden = 5;
    r.Welle = true;
    r.Kurve = 6;
    messen(state, *dok, [&] { gm::RotationBerechnen(*dok, r); });
}

void BM_Funktionen_2049(benchmark::State& state) {
    auto dok = feld2049();
    auto r = gm::recordVorgaben<gm::FunktionenParamRec>(gm::FunktionenParameter());
    r.Achse[0].Perioden = 7;
    r.Achse[1].Verschiebung2 = 0.5;
    messen(state, *dok, [&] { gm::FunktionenBerechnen(*dok, r); });
}

void BM_Schollen_2049(benchmark::State& state) {
    auto dok = feld2049();
    gm::LandschaftParamRec r = gm::LandschaftStandard();
    r.Anzahl = int(state.range(0));
    r.Faktor = 0.99;
    messen(state, *dok, [&] { gm::LandschaftBerechnen(*dok, r, gm::LandschaftSchollen); });
}

void BM_Quadtree_2049(benchmark::State& state) {
    auto dok = feld2049();
    const gm::LandschaftParamRec r = gm::LandschaftStandard();
    messen(state, *dok, [&] { gm::LandschaftBerechnen(*dok, r, gm::LandschaftQuadtree); });
}

void BM_LandschaftGlaetten_2049(benchmark::State& state) {
    auto dok = feld2049();
    messen(state, *dok, [&] { gm::LandschaftGlaetten(*dok, 0.7); });
}

}  // namespace

BENCHMARK(BM_Rotation_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Funktionen_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Schollen_2049)->Arg(128)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Quadtree_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LandschaftGlaetten_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
