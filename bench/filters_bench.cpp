// Rain erosion over 150 cycles at 1025 and 2049 points, beside a plain grid
// copy of the same size measured in the same run as the yardstick: the
// counter "copies_per_cycle" is the time of one cycle in grid copies.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "bench_hilfen.h"
#include "core/dokument.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "filters/regen_erosion.h"

namespace {

using namespace gm;

std::unique_ptr<Dokument> gelaende(int punkte) {
    auto dok = std::make_unique<Dokument>();
    bench::gelaendeFuellen(*dok, punkte);
    return dok;
}

void BM_GridCopy(benchmark::State& state) {
    auto dok = gelaende(int(state.range(0)));
    for (auto _ : state) {
        UndoSichern(*dok);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridCopy)->Arg(1025)->Arg(2049)->Unit(benchmark::kMillisecond);

void BM_RegenErosion150(benchmark::State& state) {
    auto dok = gelaende(int(state.range(0)));
    auto vorlage = gelaende(int(state.range(0)));
    const RegenRec rec;  // 150 cycles, the defaults
    double summe = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        UndoSichern(*vorlage);
        std::copy_n(vorlage->UndoBild.daten(), FeldZellen, dok->Hoehenfeld.daten());
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        RegenErosionAnwenden(*dok, rec);
        benchmark::ClobberMemory();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        summe += d.count();
    }
    const double proLauf = summe / double(state.iterations());
    const double kopie = bench::kopierZeit(*dok);
    state.counters["s_per_150_cycles"] = proLauf;
    state.counters["ms_per_cycle"] = 1e3 * proLauf / rec.Zyklen;
    state.counters["ms_per_copy"] = 1e3 * kopie;
    state.counters["copies_per_cycle"] = proLauf / rec.Zyklen / kopie;
}
BENCHMARK(BM_RegenErosion150)->Arg(1025)->Arg(2049)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
