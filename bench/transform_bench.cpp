// The transforms at 2049 points beside a plain grid copy measured in the same
// run: the counter "copies" is the time of one run in grid copies. The
// combination of the mirrors and rotations is measured apart ("combination")
// so their own share can be read off.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>

#include "bench_hilfen.h"
#include "core/dokument.h"
#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "filters/trace.h"
#include "filters/transformieren.h"
#include "filters/verschieben.h"

namespace {

using namespace gm;

constexpr int Punkte = 2049;

std::unique_ptr<Dokument> gelaende() {
    auto dok = std::make_unique<Dokument>();
    bench::gelaendeFuellen(*dok, Punkte);
    return dok;
}

// Runs `lauf` on a fresh copy of the field each iteration and reports the
// time per run in milliseconds and in grid copies.
void messen(benchmark::State& state, const std::function<void(Dokument&)>& lauf) {
    auto dok = gelaende();
    auto vorlage = gelaende();
    // The yardstick is a copy of the 2049-point field the run starts from,
    // not of its result, which is smaller after a crop.
    const double kopie = bench::kopierZeit(*dok);
    double summe = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy_n(vorlage->Hoehenfeld.daten(), FeldZellen, dok->Hoehenfeld.daten());
        dok->MaxX = vorlage->MaxX;
        dok->MaxY = vorlage->MaxY;
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        lauf(*dok);
        benchmark::ClobberMemory();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        summe += d.count();
    }
    const double proLauf = summe / double(state.iterations());
    state.counters["ms"] = 1e3 * proLauf;
    state.counters["copies"] = proLauf / kopie;
}

// Argument 1: with the modifier on, curve 6 ("f=cos(x*2pi)") over three periods.
void BM_Combination(benchmark::State& state) {
    const bool modifikator = state.range(0) != 0;
    messen(state, [modifikator](Dokument& d) {
        d.ModEinstellungen.Aktiv = modifikator;
        d.ModEinstellungen.Modus = 6;
        d.ModEinstellungen.Iterationen = 3;
        ZweitbildKopieren(d);
        ZweitbildVerknuepfen(d);
    });
}
BENCHMARK(BM_Combination)->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Abbilden(benchmark::State& state) {
    const Abbild a = Abbild(state.range(0));
    messen(state, [a](Dokument& d) { Abbilden(d, a); });
}
BENCHMARK(BM_Abbilden)->DenseRange(0, 6)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Polar(benchmark::State& state) {
    messen(state, KartesischPolar);
}
BENCHMARK(BM_Polar)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Twirl(benchmark::State& state) {
    const TwirlRec rec{1024, 1024, 90.0, double(state.range(0))};
    messen(state, [&rec](Dokument& d) { TwirlAnwenden(d, rec); });
}
BENCHMARK(BM_Twirl)->Arg(150)->Arg(2049)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Wellen(benchmark::State& state) {
    messen(state, [](Dokument& d) { WellenAnwenden(d, WellenRec{}); });
}
BENCHMARK(BM_Wellen)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Trace999(benchmark::State& state) {
    messen(state, [](Dokument& d) { TraceAnwenden(d, TraceRec{0.1, 999, 3, false}); });
}
BENCHMARK(BM_Trace999)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Verschieben(benchmark::State& state) {
    messen(state, [](Dokument& d) { BildVerschieben(d, VerschiebenRec{300, int(1), false}); });
}
BENCHMARK(BM_Verschieben)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Erweitern(benchmark::State& state) {
    messen(state, [](Dokument& d) { (void)BildErweitern(d, ErweiternRec{1800, 2000, 5}); });
}
BENCHMARK(BM_Erweitern)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
