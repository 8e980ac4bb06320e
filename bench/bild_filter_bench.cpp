// The point, neighbourhood, smoothing, pass and scatter filters at 2049 x 2049
// through their catalogue runs (undo copy and apply, as the dialog's
// "Übernehmen" does), with a plain grid copy measured in the same run as the
// yardstick: the counter "copies" is the time of one run in grid copies.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "bench_hilfen.h"
#include "core/dokument.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "script/operationen.h"

namespace {

using namespace gm;

constexpr int kPunkte = 2049;

std::unique_ptr<Sitzung> gelaende() {
    auto s = std::make_unique<Sitzung>();
    bench::gelaendeFuellen(s->dok, kPunkte);
    return s;
}

double prozessZeit() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

void filterLauf(benchmark::State& state, const char* name, std::vector<std::string> zuweisungen) {
    auto s = gelaende();
    const Operation* op = OperationSuchen(OperationsArt::Filter, name);
    Werte werte;
    if (!op || !WerteLesen(op->parameter, zuweisungen, werte)) {
        state.SkipWithError("unknown filter or values");
        return;
    }
    double summe = 0.0, beste = 1e9, cpu = 0.0;
    for (auto _ : state) {
        const double c0 = prozessZeit();
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(op->ausfuehren(*s, *op, werte));
        benchmark::ClobberMemory();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        cpu += prozessZeit() - c0;
        summe += d.count();
        beste = std::min(beste, d.count());
        // Keep the field from converging to a flat one over the iterations.
        state.PauseTiming();
        UndoZurueck(s->dok);
        state.ResumeTiming();
    }
    const double kopie = bench::kopierZeit(s->dok);
    state.counters["ms_best"] = 1e3 * beste;
    // CPU time of all threads per run: on a loaded machine, half of it is
    // what two free cores would take.
    state.counters["ms_cpu"] = 1e3 * cpu / double(state.iterations());
    state.counters["ms_per_copy"] = 1e3 * kopie;
    state.counters["copies"] = summe / double(state.iterations()) / kopie;
}

BENCHMARK_CAPTURE(filterLauf, terrace, "terrace", {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, terrace_gammas, "terrace",
                  {"GammaUnten=2.5", "GammaOben=0.5", "Anstieg=1.5"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, crater, "crater",
                  {"Schnittlevel=0.5", "Randbreite=0.2", "Zufall=0.5"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, sharpen, "sharpen", {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, soften, "soften", {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, erosion, "erosion", {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, dilation, "dilation", {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, blur_standard, "blur", {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, pass_low, "pass", {"PassTyp=2"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, pass_high, "pass", {"PassTyp=-2", "PassParameter2=3"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterLauf, scatter, "noise", {"Noiseweite=9"})->Unit(benchmark::kMillisecond);

}  // namespace
