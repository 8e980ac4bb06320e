// The 3D preview and the profile view: opening (mesh and colours), one frame
// at each detail, and the two profile pictures of a 2049 field.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench_hilfen.h"
#include "display/ansicht3d.h"
#include "display/profilansicht.h"

namespace {

// Hills with a little noise: the seeded test terrain's noise of 0.3 per
// sample would stand every triangle on end, which no user's terrain does.
std::unique_ptr<gm::Dokument> gelaende(int punkte) {
    auto dok = std::make_unique<gm::Dokument>();
    gm::bench::gelaendeFuellen(*dok, punkte);
    for (int x = 0; x < punkte; ++x) {
        for (int y = 0; y < punkte; ++y) {
            double& h = dok->Hoehenfeld(x, y);
            h = 0.5 + 0.25 * std::sin(x / 97.0) * std::cos(y / 131.0) +
                0.15 * std::sin((x + 2 * y) / 37.0) + 0.05 * (h - 0.5);
        }
    }
    return dok;
}

// Target: 10 ms at 2049 points and 101 vertices.
void Oeffnen3D(benchmark::State& state) {
    auto dok = gelaende(2049);
    gm::ColourState farben;
    gm::Landschaft3D l;
    for (auto _ : state) {
        gm::Landschaft3DAufbauen(farben, *dok, int(state.range(0)), l);
        benchmark::DoNotOptimize(l.farben.data());
    }
}
BENCHMARK(Oeffnen3D)->Arg(101)->Arg(513)->Unit(benchmark::kMillisecond);

// Target: 5 ms at 101 vertices (20,000 triangles), 40 ms at 513; range(1)
// switches the shading on.
void Bild3D(benchmark::State& state) {
    auto dok = gelaende(2049);
    gm::ColourState farben;
    gm::Landschaft3D l;
    gm::Landschaft3DAufbauen(farben, *dok, int(state.range(0)), l);
    gm::AnsichtRec a;
    a.WinkelX = 35;
    a.WinkelY = 20;
    a.WinkelZ = -50;
    a.Schattierung = state.range(1) != 0;
    gm::PixelImage hintergrund, bild;
    hintergrund.resize(gm::Ansicht3DKante, gm::Ansicht3DKante);
    gm::Hintergrund3D(hintergrund);
    gm::Ansicht3DPuffer puffer;
    for (auto _ : state) {
        gm::OberflaecheZeichnen(l, a, hintergrund, puffer, bild);
        benchmark::DoNotOptimize(bild.pixels.data());
    }
}
BENCHMARK(Bild3D)->Args({101, 0})->Args({101, 1})->Args({257, 0})->Args({513, 0})->Unit(
    benchmark::kMillisecond);

// Targets: the stack 20 ms, one profile 1 ms, on a 2049 field.
void ProfilStapel(benchmark::State& state) {
    auto dok = gelaende(2049);
    gm::PixelImage bild;
    bild.resize(512, 300);
    for (auto _ : state) {
        gm::ZeichneProfilStapel(*dok, int(state.range(0)), bild);
        benchmark::DoNotOptimize(bild.pixels.data());
    }
}
BENCHMARK(ProfilStapel)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void Einzelprofil(benchmark::State& state) {
    auto dok = gelaende(2049);
    gm::PixelImage bild;
    bild.resize(512, 200);
    for (auto _ : state) {
        gm::ZeichneEinzelprofil(*dok, int(state.range(0)), 1000, bild);
        benchmark::DoNotOptimize(bild.pixels.data());
    }
}
BENCHMARK(Einzelprofil)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
