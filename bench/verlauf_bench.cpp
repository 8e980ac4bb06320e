// The largest gradient picture, 9999 x 9999 pixels (300 MB), streamed to a
// file row by row with one random value per pixel. Target: 3 s.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/dokument.h"
#include "formats/verlauf.h"

namespace {

void BM_VerlaufGroesst(benchmark::State& state) {
    auto dok = std::make_unique<gm::Dokument>();
    gm::Palette p;
    p.MaxIndex = 3;
    p.Punkte[1] = {0.3, 0.2, 0.6, 0.1};
    p.Punkte[2] = {0.7, 0.9, 0.4, 0.3};
    p.Punkte[3] = {1.0, 1.0, 1.0, 1.0};
    const gm::VerlaufRec rec{9999, 9999, 5, 10, false};
    const std::string pfad =
        (std::filesystem::temp_directory_path() / "gm_verlauf_bench.bmp").string();
    for (auto _ : state) {
        const gm::Status s = gm::SchreibeVerlauf(*dok, p, rec, pfad);
        if (!s) state.SkipWithError(s.meldung().c_str());
    }
    std::remove(pfad.c_str());
}
BENCHMARK(BM_VerlaufGroesst)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
