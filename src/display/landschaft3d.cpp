// The mesh of the 3D preview and the description of its view settings.

#include <algorithm>

#include "core/puffer.h"
#include "core/zahlen.h"
#include "display/ansicht3d.h"
#include "display/farbtabelle.h"

namespace gm {

namespace {

constexpr Skala Lin = Skala::Linear;

const Parameter ansichtParameter[] = {
    Param<&AnsichtRec::WinkelX>("WinkelX", 0, -180, 180, Lin, 5, "Drehung um X"),
    Param<&AnsichtRec::WinkelY>("WinkelY", 0, -180, 180, Lin, 5, "Drehung um Y"),
    Param<&AnsichtRec::WinkelZ>("WinkelZ", 0, -180, 180, Lin, 5, "Drehung um Z"),
    Param<&AnsichtRec::Zoom>("Zoom", 1, 0.1, 10, Lin, 0.01, "Zoom"),
    Param<&AnsichtRec::HoehenFaktor>("HoehenFaktor", 80, 1, 200, Lin, 1, "Höhe"),
    Param<&AnsichtRec::Schattierung>("Schattierung", 0, 0, 1, Lin, 1, "Schattierung"),
    Param<&AnsichtRec::Detail>("Detail", 101, 101, 513, Lin, 1, "Detail"),
};

// The lower lattice index and the weight of the upper one at vertex i of
// `kante` spread over 0..maxIndex.
struct Stelle {
    int index;
    double f;  // the grid position
    double oben() const { return f - index; }
    double unten() const { return (index + 1) - f; }
};
Stelle stelle(int i, int kante, int maxIndex) {
    // Multiplying first keeps the last vertex exactly on the last sample.
    const double f = double(i) * maxIndex / (kante - 1);
    const int k = untererIndex(f, maxIndex);
    return {k, f};
}

void hoehenAbtasten(const Dokument& dok, Landschaft3D& l) {
    const int n = l.kante;
    std::vector<Stelle> sy(std::size_t(n), Stelle{});
    for (int j = 0; j < n; ++j)
        sy[std::size_t(j)] = stelle(j, n, dok.MaxY);
    for (int i = 0; i < n; ++i) {
        const Stelle sx = stelle(i, n, dok.MaxX);
        const double wx1 = sx.oben(), wx0 = sx.unten();
        const double* s0 = dok.Hoehenfeld.spalte(sx.index);
        const double* s1 = dok.Hoehenfeld.spalte(sx.index + 1);
        double* z = l.z.data() + std::size_t(i) * std::size_t(n);
        for (int j = 0; j < n; ++j) {
            const Stelle& s = sy[std::size_t(j)];
            const int iy = s.index;
            const double wy1 = s.oben(), wy0 = s.unten();
            z[j] =
                (s0[iy] * wx0 + s1[iy] * wx1) * wy0 + (s0[iy + 1] * wx0 + s1[iy + 1] * wx1) * wy1;
        }
    }
}

}  // namespace

std::span<const Parameter> AnsichtParameter() {
    return ansichtParameter;
}

DreieckEcken Ecken(int kante, int t) {
    const int zelle = t / 2, i = zelle / (kante - 1), j = zelle % (kante - 1);
    const int p = i * kante + j;
    if (t % 2 == 0) return {p, p + 1, p + kante + 1};
    return {p, p + kante + 1, p + kante};
}

void Landschaft3DAufbauen(const ColourState& farben, Dokument& dok, int kante, Landschaft3D& l) {
    l.kante = std::clamp(kante, 2, DetailStufen[2]);
    const int n = l.kante;
    l.lage.resize(std::size_t(n));
    for (int i = 0; i < n; ++i)
        l.lage[std::size_t(i)] = 400.0 * i / (n - 1) - 200.0;
    l.z.resize(std::size_t(n) * std::size_t(n));
    hoehenAbtasten(dok, l);
    const Farbtabelle tabelle(farben);
    const int dreiecke = 2 * (n - 1) * (n - 1);
    l.farben.resize(std::size_t(dreiecke));
    for (int t = 0; t < dreiecke; ++t) {
        const DreieckEcken e = Ecken(n, t);
        const double mittel =
            (l.z[std::size_t(e.a)] + l.z[std::size_t(e.b)] + l.z[std::size_t(e.c)]) / 3.0;
        l.farben[std::size_t(t)] = tabelle.farbe(dok, 0.0, clamp01(mittel));
    }
}

}  // namespace gm
