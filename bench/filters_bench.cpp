// Rain erosion over 150 cycles at 1025 and 2049 points, beside a plain grid
// copy of the same size measured in the same run as the yardstick: the
// counter "copies_per_cycle" is the time of one cycle in grid copies.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "core/dokument.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "filters/regen_erosion.h"

namespace {

using namespace gm;

std::unique_ptr<Dokument> gelaende(int punkte) {
    auto dok = std::make_unique<Dokument>();
    NeueGroesse(*dok, punkte - 1, punkte - 1, true);
    setzeSeed(*dok, 7);
    for (int x = 0; x <= dok->MaxX; ++x)
        for (int y = 0; y <= dok->MaxY; ++y)
            dok->Hoehenfeld(x, y) = 0.5 * x / punkte + 0.2 * y / punkte + 0.3 * Random(*dok);
    return dok;
}

// Seconds for one copy of the active area (UndoSichern), best of several.
double kopierZeit(Dokument& dok) {
    double beste = 1e9;
    for (int i = 0; i < 20; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        UndoSichern(dok);
        benchmark::ClobberMemory();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        beste = std::min(beste, d.count());
    }
    return beste;
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
    const double kopie = kopierZeit(*dok);
    state.counters["s_per_150_cycles"] = proLauf;
    state.counters["ms_per_cycle"] = 1e3 * proLauf / rec.Zyklen;
    state.counters["ms_per_copy"] = 1e3 * kopie;
    state.counters["copies_per_cycle"] = proLauf / rec.Zyklen / kopie;
}
BENCHMARK(BM_RegenErosion150)->Arg(1025)->Arg(2049)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
