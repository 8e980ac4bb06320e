// Mesh export: selection, triangulation and each writer on seeded terrain made
// by the noise generator with its standard settings.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "core/puffer.h"
#include "core/zufall.h"
#include "formats/netz_delaunay.h"
#include "formats/netz_export.h"
#include "generators/noise.h"

namespace {

using namespace gm;

std::unique_ptr<Dokument> gelaende(int punkte) {
    auto dok = std::make_unique<Dokument>();
    NeueGroesse(*dok, punkte - 1, punkte - 1, false);
    NoiseTabellen t;
    NoiseTabellenAufbau(t, 4711);
    NoiseBerechnen(*dok, NoiseStandard(), t);
    ZweitbildEinsetzen(*dok);
    return dok;
}

Dokument& feld1025() {
    static auto dok = gelaende(1025);
    return *dok;
}

Dokument& feld2049() {
    static auto dok = gelaende(2049);
    return *dok;
}

// Settings: 0 the defaults (about 47 %, 49 % and 37 % of the samples kept at
// 257, 513 and 1024), 1 a tolerance keeping about a third.
NetzRec einstellungen(int netz, int art) {
    NetzRec r;
    r.NetzPunkteX = r.NetzPunkteY = netz;
    if (art == 1) r.NetzAbweichung = netz == 257 ? 0.083 : netz == 513 ? 0.082 : 0.096;
    return r;
}

NetzAuswahl auswahl(Dokument& dok, const NetzRec& r) {
    setzeSeed(dok, 12345);
    const Stichproben s = StichprobenBilden(dok, r);
    return PunkteAuswaehlen(dok, s, r, AbweichungBerechnen(s));
}

void BM_Auswahl(benchmark::State& st) {
    Dokument& dok = feld1025();
    const NetzRec r = einstellungen(int(st.range(0)), int(st.range(1)));
    std::size_t n = 0;
    for (auto _ : st) {
        auto a = auswahl(dok, r);
        n = a.punkte.size();
        benchmark::DoNotOptimize(a);
    }
    st.counters["points"] = double(n);
}

void triangulieren(benchmark::State& st, Dokument& dok, const NetzRec& r) {
    const auto a = auswahl(dok, r);
    std::size_t n = 0;
    for (auto _ : st) {
        auto d = Triangulieren(a.gitter, 1.0);
        n = d.size();
        benchmark::DoNotOptimize(d);
    }
    st.counters["points"] = double(a.gitter.size());
    st.counters["triangles"] = double(n);
}

void BM_Triangulation(benchmark::State& st) {
    triangulieren(st, feld1025(), einstellungen(int(st.range(0)), int(st.range(1))));
}

// About 500,000 kept samples (500,521) of a 2049 x 2049 field on the largest
// mesh, 1024 x 1024.
void BM_Triangulation500k(benchmark::State& st) {
    NetzRec r = einstellungen(1024, 0);
    r.NetzAbweichung = 0.102;
    triangulieren(st, feld2049(), r);
}

void BM_Schreiben(benchmark::State& st) {
    Dokument& dok = feld1025();
    const NetzRec r = einstellungen(int(st.range(0)), int(st.range(1)));
    Netz netz;
    NetzOptionen o;
    o.seed = 12345;
    (void)NetzBilden(dok, r, o, netz);
    const auto format = NetzFormat(st.range(2));
    std::size_t bytes = 0;
    for (auto _ : st) {
        bytes = 0;
        NetzFormatieren(format, netz, [&](std::string_view s) { bytes += s.size(); });
    }
    st.SetBytesProcessed(std::int64_t(bytes) * st.iterations());
}

void groessen(benchmark::internal::Benchmark* b) {
    for (int art : {0, 1})
        for (int n : {257, 513, 1024})
            b->Args({n, art});
}

void schreibGroessen(benchmark::internal::Benchmark* b) {
    for (int f : {1, 2, 3, 4})
        for (int n : {257, 513, 1024})
            b->Args({n, 0, f});
}

BENCHMARK(BM_Auswahl)->Apply(groessen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Triangulation)
    ->Apply(groessen)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_Triangulation500k)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_Schreiben)->Apply(schreibGroessen)->Unit(benchmark::kMillisecond);

}  // namespace
