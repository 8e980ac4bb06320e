// Redraw of the main view, the wait after every command, beside one grid copy
// as a yardstick of memory speed.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/dokument.h"
#include "core/puffer.h"
#include "core/zufall.h"
#include "display/hauptbild.h"

namespace {

std::unique_ptr<gm::Dokument> feld(int punkte) {
    auto dok = std::make_unique<gm::Dokument>();
    dok->MaxX = punkte - 1;
    dok->MaxY = punkte - 1;
    gm::setzeSeed(*dok, 1);
    for (int x = 0; x < punkte; ++x) {
        for (int y = 0; y < punkte; ++y) {
            dok->Hoehenfeld(x, y) =
                0.5 + 0.25 * (gm::Random(*dok) - 0.5) + (x + y) / (4.0 * punkte);
            dok->Maske(x, y) = (x > punkte / 2 && y > punkte / 2) ? 1 : 0;
        }
    }
    return dok;
}

// An eight-point terrain palette, as a user would build one.
gm::ColourState farben(int modus) {
    gm::ColourState f;
    f.Farbmodus = modus;
    for (auto& p : f.Paletten) {
        const double pos[] = {0.0, 0.1, 0.2, 0.35, 0.5, 0.7, 0.85, 1.0};
        p.MaxIndex = 7;
        for (int i = 0; i <= 7; ++i)
            p.Punkte[i] = {pos[i], i / 7.0, (i * 3 % 8) / 7.0, 1 - i / 7.0};
    }
    f.Render.Schnee = true;
    f.Render.Fels = true;
    return f;
}

void Hauptbild(benchmark::State& state, int punkte, double zoom) {
    auto dok = feld(punkte);
    const gm::ColourState f = farben(int(state.range(0)));
    gm::PixelImage bild;
    for (auto _ : state) {
        gm::ZeichneHauptbild(f, *dok, zoom, bild);
        benchmark::DoNotOptimize(bild.pixels.data());
    }
}

void BM_Hauptbild1025Zoom1(benchmark::State& state) {
    Hauptbild(state, 1025, 1.0);
}
void BM_Hauptbild2049ZoomHalb(benchmark::State& state) {
    Hauptbild(state, 2049, 0.5);
}
BENCHMARK(BM_Hauptbild1025Zoom1)
    ->DenseRange(0, 3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hauptbild2049ZoomHalb)
    ->DenseRange(0, 3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void Kopie(benchmark::State& state, int punkte) {
    auto dok = feld(punkte);
    for (auto _ : state) {
        gm::ZweitbildKopieren(*dok);
        benchmark::DoNotOptimize(dok->Zweitbild.daten());
    }
}
void BM_Gitterkopie1025(benchmark::State& state) {
    Kopie(state, 1025);
}
void BM_Gitterkopie2049(benchmark::State& state) {
    Kopie(state, 2049);
}
BENCHMARK(BM_Gitterkopie1025)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gitterkopie2049)->Unit(benchmark::kMillisecond);

}  // namespace
