// Generators at the largest field: noise (fBm1 with eleven levels,
// RidgedMultifractal), the noise preview, and midpoint displacement at full depth.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/dokument.h"
#include "core/zufall.h"
#include "generators/midpoint.h"
#include "generators/noise.h"
#include "generators/noise_raster.h"

namespace {

std::unique_ptr<gm::NoiseTabellen> tabellen() {
    auto t = std::make_unique<gm::NoiseTabellen>();
    gm::NoiseTabellenAufbau(*t, 15360);
    return t;
}

void noiseFeld(benchmark::State& state, int methode) {
    auto dok = std::make_unique<gm::Dokument>();
    dok->MaxX = dok->MaxY = 2048;
    auto t = tabellen();
    gm::NoiseParamRec p = gm::NoiseStandard();
    p.Methode = methode;
    for (auto _ : state) {
        gm::NoiseBerechnen(*dok, p, *t);
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
    const double aufrufe = 2049.0 * 2049.0 * (methode == 10 ? 12 : 11);
    state.counters["noise/s"] =
        benchmark::Counter(aufrufe, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_NoiseFbm1_2049(benchmark::State& state) {
    noiseFeld(state, 0);
}
void BM_NoiseRidged_2049(benchmark::State& state) {
    noiseFeld(state, 10);
}

void BM_NoiseRasterEinKern(benchmark::State& state) {
    // One thread and one kernel, to see the per-core rate of each kernel.
    const auto kern = gm::NoiseKern(state.range(0));
    if (!gm::NoiseKernVerfuegbar(kern)) {
        state.SkipWithError("kernel not supported");
        return;
    }
    auto t = tabellen();
    const gm::NoiseParamRec p = gm::NoiseStandard();
    std::vector<double> xs(512), ys(2049), aus(512 * 2049);
    for (int i = 0; i < 512; ++i)
        xs[i] = i / 2048.0 + 0.0001;
    for (int j = 0; j < 2049; ++j)
        ys[j] = j / 2048.0 + 0.0001;
    for (auto _ : state) {
        gm::NoiseRaster(p, *t, xs, ys, aus.data(), 2049, kern, 1);
        benchmark::DoNotOptimize(aus[5]);
    }
    state.counters["noise/s"] =
        benchmark::Counter(512.0 * 2049 * 11, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_NoiseVorschau(benchmark::State& state) {
    auto t = tabellen();
    const gm::NoiseParamRec p = gm::NoiseStandard();
    auto v = std::make_unique<gm::Vorschaufeld>();
    for (auto _ : state)
        benchmark::DoNotOptimize(gm::NoiseVorschau(p, *t, *v));
}

void BM_MittelpunktVolleTiefe_2049(benchmark::State& state) {
    auto dok = std::make_unique<gm::Dokument>();
    dok->MaxX = dok->MaxY = 2048;
    gm::setzeSeed(*dok, 1);
    gm::MittelpunktParamRec p = gm::MittelpunktStandard();
    p.Ebenen = 11;
    for (auto _ : state) {
        gm::MittelpunktBerechnen(*dok, p);
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
}

void BM_MittelpunktEbenen8_2049(benchmark::State& state) {
    auto dok = std::make_unique<gm::Dokument>();
    dok->MaxX = dok->MaxY = 2048;
    gm::setzeSeed(*dok, 1);
    const gm::MittelpunktParamRec p = gm::MittelpunktStandard();
    for (auto _ : state) {
        gm::MittelpunktBerechnen(*dok, p);
        benchmark::DoNotOptimize(dok->Zweitbild(7, 7));
    }
}

}  // namespace

BENCHMARK(BM_NoiseFbm1_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NoiseRidged_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NoiseRasterEinKern)
    ->Arg(int(gm::NoiseKern::Skalar))
    ->Arg(int(gm::NoiseKern::Avx2))
    ->Arg(int(gm::NoiseKern::Avx512))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_NoiseVorschau)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MittelpunktVolleTiefe_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MittelpunktEbenen8_2049)->Unit(benchmark::kMillisecond)->UseRealTime();
