#include "generators/zellen_raster.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>

#include "core/faeden.h"

namespace gm {

namespace {

// Points of a column grouped by their distance dx to it: block 0 below 1,
// block b in [2^(b-1), 2^b). A wrapped dx is at most 1024.5.
constexpr int kBloecke = 12;

int blockVon(double dx) {
    return dx < 1.0 ? 0 : std::min(kBloecke - 1, int(std::bit_width(unsigned(dx))));
}

struct Eintrag {
    double y;   // h * py, the point's position along the column
    double dx;  // its distance to the column
};

// The Euclidean measure is compared squared: the square root of the smallest
// square is the smallest root, since the rounded root never decreases.
double vergleichsMass(int mass, double dx, double dy) {
    return mass == 0 ? dx * dx + dy * dy : ZellenMass(mass, dx, dy);
}

// Below the compared measure of any point at least dxmin from the column and
// about dy along it. dy is lowered by far more than the rounding of the
// wrapped axis distance can move it, so the bound never cuts off a nearer point.
double schranke(int mass, double dxmin, double dy) {
    return vergleichsMass(mass, dxmin, std::max(0.0, dy - 1e-9));
}

double achseBei(int i, int n, double lage) {
    double d = std::fabs(double(i) - lage);
    if (d > double(n) / 2.0) d = double(n) - d;
    return d;
}

// The nearest-point scan of one column for the measures 0..2.
class Spalte {
  public:
    Spalte(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte,
           const std::vector<int>& ordnung, int w, int h)
        : p_(p), punkte_(punkte), ordnung_(ordnung), w_(w), h_(h), eintraege_(ordnung.size()) {}

    void rechnen(int x, const std::uint8_t* maske, double* aus) {
        einteilen(x);
        std::array<int, kBloecke> zeiger{};
        for (int y = 0; y < h_; ++y) {
            for (int b = 0; b < kBloecke; ++b) {
                const Eintrag* e = eintraege_.data() + anfang_[b];
                const int s = anfang_[b + 1] - anfang_[b];
                while (zeiger[b] < s && e[zeiger[b]].y < double(y))
                    ++zeiger[b];
            }
            if (maske && maske[y] != 0) continue;
            aus[y] = naechster(y, zeiger);
        }
    }

  private:
    // Blocks by dx, each in the order of the points along the column.
    void einteilen(int x) {
        std::array<int, kBloecke> anzahl{};
        dx_.resize(ordnung_.size());
        for (std::size_t i = 0; i < ordnung_.size(); ++i) {
            dx_[i] = achseBei(x, w_, double(w_) * punkte_[ordnung_[i]].px);
            ++anzahl[blockVon(dx_[i])];
        }
        anfang_[0] = 0;
        for (int b = 0; b < kBloecke; ++b) {
            anfang_[b + 1] = anfang_[b] + anzahl[b];
            dxmin_[b] = 1e300;
        }
        std::array<int, kBloecke> frei{};
        std::copy(anfang_.begin(), anfang_.end() - 1, frei.begin());
        for (std::size_t i = 0; i < ordnung_.size(); ++i) {
            const int b = blockVon(dx_[i]);
            eintraege_[frei[b]++] = {double(h_) * punkte_[ordnung_[i]].py, dx_[i]};
            dxmin_[b] = std::min(dxmin_[b], dx_[i]);
        }
    }

    double naechster(int y, const std::array<int, kBloecke>& zeiger) const {
        const bool quadrat = p_.Verknuepfung == 0;
        double best = quadrat ? 10000.0 * 10000.0 : 10000.0;
        for (int b = 0; b < kBloecke; ++b) {
            const int s = anfang_[b + 1] - anfang_[b];
            if (s == 0) continue;
            // Later blocks lie farther from the column still.
            if (schranke(p_.Verknuepfung, dxmin_[b], 0.0) > best) break;
            const Eintrag* e = eintraege_.data() + anfang_[b];
            // Outward from y in both directions around the torus; each
            // direction stops at the first point the bound rules out.
            for (int i = zeiger[b] % s, n = 0; n < s; ++n, i = i + 1 == s ? 0 : i + 1) {
                if (!pruefen(y, e[i], dxmin_[b], best)) break;
            }
            for (int i = (zeiger[b] + s - 1) % s, n = 0; n < s; ++n, i = i == 0 ? s - 1 : i - 1) {
                if (!pruefen(y, e[i], dxmin_[b], best)) break;
            }
        }
        return quadrat ? std::sqrt(best) : best;
    }

    // Takes the point's measure when smaller; false once the bound rules it out.
    bool pruefen(int y, const Eintrag& e, double dxmin, double& best) const {
        const double dy = achseBei(y, h_, e.y);
        if (schranke(p_.Verknuepfung, dxmin, dy) > best) return false;
        const double d = vergleichsMass(p_.Verknuepfung, e.dx, dy);
        if (d < best) best = d;
        return true;
    }

    const ZellenParamRec& p_;
    const std::vector<ZellenPunkt>& punkte_;
    const std::vector<int>& ordnung_;
    int w_, h_;
    std::vector<Eintrag> eintraege_;
    std::vector<double> dx_;
    std::array<int, kBloecke + 1> anfang_{};
    std::array<double, kBloecke> dxmin_{};
};

// The smallest one-axis distance of sample i on an axis of length n.
double kleinsterAbstand(const std::vector<ZellenPunkt>& punkte, int anzahl, int i, int n,
                        double ZellenPunkt::*achse) {
    double best = 10000.0;
    for (int k = 0; k < anzahl; ++k) {
        const double d = ZellenAchse(i, n, punkte[k].*achse);
        if (d < best) best = d;
    }
    return best;
}

void spalteFuellen(double* aus, const std::uint8_t* maske, int h, auto&& wert) {
    for (int y = 0; y < h; ++y) {
        if (!maske || maske[y] == 0) aus[y] = wert(y);
    }
}

}  // namespace

void ZellenRasterSpalten(const ZellenParamRec& p, const std::vector<ZellenPunkt>& punkte, int w,
                         int h, const TMaske* maske, const std::vector<double*>& spalten) {
    const int anzahl = std::clamp(p.Anzahl, 0, int(punkte.size()));
    auto maskeVon = [&](int x) { return maske ? maske->spalte(x) : nullptr; };
    if (anzahl == 0 || p.Verknuepfung < 0 || p.Verknuepfung > 4) {
        const double wert = anzahl == 0 ? 10000.0 : 0.0;
        for (int x = 0; x < w; ++x)
            spalteFuellen(spalten[x], maskeVon(x), h, [&](int) { return wert; });
        return;
    }
    if (p.Verknuepfung == 3 || p.Verknuepfung == 4) {
        // Stripes: the distance depends on one coordinate only.
        std::vector<double> zeile(static_cast<std::size_t>(h));
        for (int y = 0; y < h; ++y)
            zeile[y] = kleinsterAbstand(punkte, anzahl, y, h, &ZellenPunkt::py);
        for (int x = 0; x < w; ++x) {
            const double spalte = kleinsterAbstand(punkte, anzahl, x, w, &ZellenPunkt::px);
            spalteFuellen(spalten[x], maskeVon(x), h,
                          [&](int y) { return p.Verknuepfung == 3 ? spalte : zeile[y]; });
        }
        return;
    }
    std::vector<int> ordnung(static_cast<std::size_t>(anzahl));
    std::iota(ordnung.begin(), ordnung.end(), 0);
    std::stable_sort(ordnung.begin(), ordnung.end(),
                     [&](int a, int b) { return punkte[a].py < punkte[b].py; });
    ZweiFaeden([&](int teil) {
        Spalte s(p, punkte, ordnung, w, h);
        for (int x = teil; x < w; x += 2)
            s.rechnen(x, maskeVon(x), spalten[x]);
    });
}

}  // namespace gm
