// Core grid operations at the largest field size, beside a plain grid copy as
// the memory-bandwidth yardstick.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstring>
#include <filesystem>

#include "core/kombination.h"
#include "core/nativdatei.h"
#include "core/puffer.h"
#include "core/zufall.h"

namespace {

using namespace gm;

Dokument& grosses() {
    static Dokument* dok = [] {
        auto* d = new Dokument;
        NeueGroesse(*d, 2048, 2048, true);
        setzeSeed(*d, 7);
        for (int x = 0; x <= d->MaxX; ++x)
            for (int y = 0; y <= d->MaxY; ++y) {
                d->Hoehenfeld(x, y) = Random(*d);
                d->Zweitbild(x, y) = Random(*d) * 3.0;
            }
        return d;
    }();
    return *dok;
}

void BM_GridCopy(benchmark::State& state) {
    Dokument& dok = grosses();
    for (auto _ : state) {
        std::memcpy(dok.UndoBild.daten(), dok.Hoehenfeld.daten(), FeldZellen * sizeof(double));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridCopy)->Unit(benchmark::kMillisecond);

void BM_ZweitbildVerknuepfen(benchmark::State& state) {
    Dokument& dok = grosses();
    dok.Verknuepfungsmodus = int(state.range(0));
    for (auto _ : state) {
        ZweitbildVerknuepfen(dok);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ZweitbildVerknuepfen)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_Umrechnen_1025_to_2049(benchmark::State& state) {
    Dokument& dok = grosses();
    for (auto _ : state) {
        NeueGroesse(dok, 2048, 2048, false);
        Umrechnen(dok, 1024, 1024);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Umrechnen_1025_to_2049)->Unit(benchmark::kMillisecond);

std::string benchDatei() {
    return (std::filesystem::temp_directory_path() /
            ("gm_bench_" + std::to_string(getpid()) + ".fla"))
        .string();
}

void BM_NativSchreiben(benchmark::State& state) {
    Dokument& dok = grosses();
    const std::string pfad = benchDatei();
    for (auto _ : state) {
        if (!NativSchreiben(dok, pfad).ok()) state.SkipWithError("save failed");
    }
    std::filesystem::remove(pfad);
}
BENCHMARK(BM_NativSchreiben)->Unit(benchmark::kMillisecond);

void BM_NativLesen(benchmark::State& state) {
    Dokument& dok = grosses();
    const std::string pfad = benchDatei();
    if (!NativSchreiben(dok, pfad).ok()) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!NativLesen(dok, pfad).ok()) state.SkipWithError("open failed");
    }
    std::filesystem::remove(pfad);
}
BENCHMARK(BM_NativLesen)->Unit(benchmark::kMillisecond);

}  // namespace
