#include "filters/pass_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "filter_hilfen.h"

namespace gm {
namespace {

using namespace filtertest;

// The pass filter as written, on a [y][x] literal: weights from the nearest
// corner in two sweeps, three cells zeroed between them, then the stretch to
// 0..1 delivered to the free cells.
Zeilen gefiltert(const Zeilen& feld, const std::vector<std::vector<int>>& m, const PassRec& r) {
    Zeilen z = feld;
    const int mx = int(feld[0].size()) - 1, my = int(feld.size()) - 1;
    const double diag = std::sqrt(mx * mx / 4.0 + my * my / 4.0);
    const int h = int(std::nearbyint(mx / 2.0)), k = int(std::nearbyint(my / 2.0));
    const auto w = [&](int i, int j) {
        const double rho = (i == 0 && j == 0) ? 0.0 : std::sqrt(double(i * i + j * j)) / diag;
        double g;
        if (std::abs(r.PassTyp) == 1) {
            const double q = 1.0 / ((r.PassParameter1 * r.PassParameter2) *
                                    (r.PassParameter1 * r.PassParameter2));
            g = q / ((1.0 - rho / r.PassParameter1) * (1.0 - rho / r.PassParameter1) + q);
        } else {
            g = 1.0 / (std::pow(rho / r.PassParameter1, r.PassParameter2) + 1.0);
        }
        return r.PassTyp < 0 ? 1.0 - g : g;
    };
    for (int i = 0; i <= h; ++i)
        for (int j = 0; j <= k; ++j) {
            z[j][i] *= w(i, j);
            z[my - j][mx - i] *= w(i, j);
        }
    z[0][h] = z[k][0] = z[k][h] = 0.0;
    for (int i = 0; i < h; ++i)
        for (int j = 0; j < k; ++j) {
            z[my - j][i] *= w(i, j);
            z[j][mx - i] *= w(i, j);
        }
    double lo = z[0][0], hi = z[0][0];
    for (const auto& zeile : z)
        for (double v : zeile) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    Zeilen aus = feld;
    for (int y = 0; y <= my; ++y)
        for (int x = 0; x <= mx; ++x)
            if (!m[y][x]) aus[y][x] = std::clamp((z[y][x] - lo) * (1.0 / (hi - lo)), 0.0, 1.0);
    return aus;
}

// Filters an nx x ny field through a mask with each type and order and
// compares with the rule.
void wieDieRegel(int nx, int ny, double p1, std::initializer_list<std::pair<int, double>> arten) {
    const auto [feld, m] = feldUndMaske(
        nx, ny, [](int x, int y) { return 0.2 + ((x * 7 + y * 5) % 9) / 10.0; },
        [](int x, int y) { return (x * 2 + y) % 5 == 3; });
    for (auto [typ, p2] : arten) {
        PassRec r;
        r.PassTyp = typ;
        r.PassParameter1 = p1;
        r.PassParameter2 = p2;
        auto d = std::make_unique<Dokument>();
        setze(*d, feld);
        maske(*d, m);
        PassFilterAnwenden(*d, r);
        EXPECT_TRUE(gleich(*d, d->Hoehenfeld, gefiltert(feld, m, r)))
            << nx << "x" << ny << " type " << typ << " order " << p2;
    }
}

TEST(PassFilter, WeightsByTheNearestCornerForEveryTypeThroughAMask) {
    // Even and odd extents, so the middle lines are reached twice; a width of
    // 8 rounds its half up, so two sweep steps share the middle columns.
    // Order 1 (the default) skips pow in the weights.
    for (auto [nx, ny] : {std::pair{7, 5}, {6, 8}, {5, 5}, {8, 7}})
        wieDieRegel(
            nx, ny, 0.4,
            {{1, 2.5}, {1, 1.0}, {-1, 2.5}, {-1, 1.0}, {2, 2.5}, {2, 1.0}, {-2, 2.5}, {-2, 1.0}});
}

TEST(PassFilter, LargeFieldsWeightAsTheRuleDoes) {
    // Sums of squares beyond 2^16, so the weights of an order other than 1
    // come from several sections of sums; rows of 186 and 201 weights, so
    // the other types fill whole groups of lanes and a rest; an odd width
    // whose middle steps share their columns.
    for (auto [nx, ny] : {std::pair{381, 371}, {380, 400}})
        wieDieRegel(nx, ny, 0.35, {{-2, 3.0}, {2, 0.7}, {2, 1.0}, {-2, 1.0}, {1, 2.5}, {-1, 0.3}});
}

TEST(PassFilter, LowPassKeepsCornersAndZeroesTheMiddleAndType0DoesNothing) {
    auto d = std::make_unique<Dokument>();
    setze(*d, Zeilen(5, std::vector<double>(5, 0.6)));
    PassRec r;
    r.PassTyp = 2;
    PassFilterAnwenden(*d, r);
    // Corners keep weight 1 (the maximum after the stretch), the three cells
    // zeroed between the sweeps are the minimum, and (1, 1) at half the
    // distance to the centre's corner distance weighs 1 / (0.5 / 0.5 + 1).
    EXPECT_EQ(d->Hoehenfeld(0, 0), 1.0);
    EXPECT_EQ(d->Hoehenfeld(4, 4), 1.0);
    EXPECT_EQ(d->Hoehenfeld(2, 2), 0.0);
    EXPECT_EQ(d->Hoehenfeld(2, 0), 0.0);
    EXPECT_EQ(d->Hoehenfeld(0, 2), 0.0);
    EXPECT_DOUBLE_EQ(d->Hoehenfeld(1, 1), 0.5);

    auto e = std::make_unique<Dokument>();
    setze(*e, {{0.1, 0.2, 0.3, 0.4, 0.5}, {0.5, 0.4, 0.3, 0.2, 0.1}});
    r.PassTyp = 0;
    PassFilterAnwenden(*e, r);
    EXPECT_TRUE(gleich(*e, e->Hoehenfeld, {{0.1, 0.2, 0.3, 0.4, 0.5}, {0.5, 0.4, 0.3, 0.2, 0.1}}));
}

}  // namespace
}  // namespace gm
