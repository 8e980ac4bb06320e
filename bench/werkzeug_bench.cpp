// The tools at the largest field: one circle dab of radius 32 (alone, and
// with the redraw of its box at the view's zoom 1/2 next to a whole
// redraw), and the mountains in a 512 x 512 box at the default depth and at the deepest with
// 24 corners.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "bench_hilfen.h"
#include "display/hauptbild.h"
#include "editing/werkzeug.h"

namespace {

std::unique_ptr<gm::Dokument> feld() {
    auto dok = std::make_unique<gm::Dokument>();
    gm::bench::gelaendeFuellen(*dok, 2049);
    return dok;
}

gm::Strich strich(int werkzeug, double radius) {
    gm::Strich s;
    s.Werkzeug = werkzeug;
    s.Box.x1 = 1024 - radius;
    s.Box.y1 = 1000 - radius;
    s.Box.x2 = 1024 + radius;
    s.Box.y2 = 1000 + radius;
    return s;
}

// One dab without redraw; the undo copy is part of it.
void BM_KreisTupfer32_2049(benchmark::State& state) {
    auto dok = feld();
    const gm::Strich s = strich(31, 32);
    for (auto _ : state) {
        gm::FormAnwenden(*dok, s);
        benchmark::DoNotOptimize(dok->Hoehenfeld(1024, 1000));
    }
    state.counters["copy ms"] = gm::bench::kopierZeit(*dok) * 1000.0;
}

// One dab and the redraw of the cells it changed, at the zoom a 2049 field
// opens with; "whole ms" is a whole redraw of that view for comparison.
void BM_KreisTupfer32MitAnsicht_2049(benchmark::State& state) {
    auto dok = feld();
    const gm::ColourState farben;
    gm::PixelImage stueck, bild;
    const gm::Strich s = strich(31, 32);
    for (auto _ : state) {
        const gm::Rechteck r = gm::FormAnwenden(*dok, s);
        benchmark::DoNotOptimize(gm::ZeichneHauptbildBereich(farben, *dok, 0.5, r, stueck));
    }
    const auto t0 = std::chrono::steady_clock::now();
    gm::ZeichneHauptbild(farben, *dok, 0.5, bild);
    const auto t1 = std::chrono::steady_clock::now();
    state.counters["whole ms"] = std::chrono::duration<double, std::milli>(t1 - t0).count();
}

void berg(benchmark::State& state, int level, int ecken) {
    auto dok = feld();
    gm::Strich s = strich(1, 256);  // a 512 x 512 box
    s.Berg.Level = level;
    s.Form.Ecken.Wert = ecken;
    for (auto _ : state) {
        gm::FormAnwenden(*dok, s);
        benchmark::DoNotOptimize(dok->Hoehenfeld(1024, 1000));
    }
}

void BM_Berg1Level5_2049(benchmark::State& state) {
    berg(state, 5, 7);
}
void BM_Berg1Level7Ecken24_2049(benchmark::State& state) {
    berg(state, 7, 24);
}

}  // namespace

BENCHMARK(BM_KreisTupfer32_2049)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KreisTupfer32MitAnsicht_2049)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Berg1Level5_2049)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Berg1Level7Ecken24_2049)->Unit(benchmark::kMillisecond);
