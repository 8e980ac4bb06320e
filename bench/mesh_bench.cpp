// Mesh export: selection, triangulation and each writer on seeded noise terrain.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>

#include "core/puffer.h"
#include "core/zufall.h"
#include "formats/netz_delaunay.h"
#include "formats/netz_export.h"

namespace {

using namespace gm;

double gitterWert(std::uint32_t x, std::uint32_t y, std::uint32_t oktave) {
    std::uint32_t h = x * 374761393u + y * 668265263u + oktave * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double(h ^ (h >> 16)) / 4294967296.0;
}

// Value noise of six octaves, seeded by construction.
std::unique_ptr<Dokument> gelaende(int punkte) {
    auto dok = std::make_unique<Dokument>();
    NeueGroesse(*dok, punkte - 1, punkte - 1, false);
    for (int x = 0; x < punkte; ++x) {
        for (int y = 0; y < punkte; ++y) {
            double v = 0, a = 0.5, f = 1.0 / 128;
            for (std::uint32_t o = 0; o < 6; ++o, a *= 0.5, f *= 2) {
                const double fx = x * f, fy = y * f;
                const auto ix = std::uint32_t(fx), iy = std::uint32_t(fy);
                const double tx = fx - ix, ty = fy - iy;
                v += a *
                     ((gitterWert(ix, iy, o) * (1 - tx) + gitterWert(ix + 1, iy, o) * tx) *
                          (1 - ty) +
                      (gitterWert(ix, iy + 1, o) * (1 - tx) + gitterWert(ix + 1, iy + 1, o) * tx) *
                          ty);
            }
            dok->Hoehenfeld(x, y) = v;
        }
    }
    return dok;
}

Dokument& feld1025() {
    static auto dok = gelaende(1025);
    return *dok;
}

// Settings: 0 the defaults, 1 keeping about a third of the samples.
NetzRec einstellungen(int netz, int art) {
    NetzRec r;
    r.NetzPunkteX = r.NetzPunkteY = netz;
    if (art == 1) {
        r.NetzAbweichung = 0.45;
        r.NetzStreuung = 0.1;
        r.NetzZufall = 0.3;
    }
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

void BM_Triangulation(benchmark::State& st) {
    Dokument& dok = feld1025();
    const NetzRec r = einstellungen(int(st.range(0)), int(st.range(1)));
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

// About 500,000 kept samples of a 2049 x 2049 field on a 1024 x 1024 mesh.
void BM_Triangulation500k(benchmark::State& st) {
    static auto dok = gelaende(2049);
    NetzRec r = einstellungen(1024, 0);
    r.NetzAbweichung = 0.3;
    r.NetzZufall = 0.45;
    const auto a = auswahl(*dok, r);
    std::size_t n = 0;
    for (auto _ : st) {
        auto d = Triangulieren(a.gitter, 1.0);
        n = d.size();
        benchmark::DoNotOptimize(d);
    }
    st.counters["points"] = double(a.gitter.size());
    st.counters["triangles"] = double(n);
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
BENCHMARK(BM_Triangulation)->Apply(groessen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schreiben)->Apply(schreibGroessen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Triangulation500k)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2);

}  // namespace
