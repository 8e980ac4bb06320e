#include "filters/pass_filter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter PassParameter[3] = {
    Param<&PassRec::PassParameter1>("PassParameter1", 0.5, 0.01, 0.99, Skala::Linear, 0.01,
                                    "Parameter1"),
    Param<&PassRec::PassParameter2>("PassParameter2", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                                    "Parameter2"),
    Param<&PassRec::PassTyp>("PassTyp", 1, -2, 2, Skala::Linear, 1, "Typ"),
};

const ScriptArgument PassArgumente[3] = {
    Arg<&PassRec::PassParameter1>(0.5, 0.99, 0.01),
    Arg<&PassRec::PassParameter2>(1.0, 100.0, 0.01),
    Arg<&PassRec::PassTyp>(1, 2, -2),
};

double PassGewicht(const PassRec& rec, double rho) {
    const double p1 = rec.PassParameter1;
    const double p2 = rec.PassParameter2;
    double w;
    if (rec.PassTyp == 1 || rec.PassTyp == -1) {
        const double pq = p1 * p2;
        const double q = 1.0 / (pq * pq);
        const double e = 1.0 - rho / p1;
        w = q / (e * e + q);
    } else {
        // pow(r, 1) is r itself; the default order skips the call.
        const double r = rho / p1;
        w = 1.0 / ((p2 == 1.0 ? r : std::pow(r, p2)) + 1.0);
    }
    return rec.PassTyp < 0 ? 1.0 - w : w;
}

namespace {

bool typGueltig(int typ) {
    return typ == 1 || typ == -1 || typ == 2 || typ == -2;
}

// The grid's geometry and the weight table w(i, j), i = 0..h, j = 0..k. Of
// the square part i, j <= min(h, k) only j >= i is held; w(i, j) equals
// w(j, i) there (the same sum of squares).
struct Gewichte {
    int mx, my, h, k;
    std::size_t spalte;
    std::unique_ptr<double[]> werte;
    double gehalten(int i, int j) const { return werte[std::size_t(i) * spalte + std::size_t(j)]; }
    // Row i of the whole table, w(i, 0..k), into `aus`.
    void zeile(int i, double* aus) const {
        const int gespiegelt = i <= k ? i : 0;
        for (int j = 0; j < gespiegelt; ++j)
            aus[j] = gehalten(j, i);
        for (int j = gespiegelt; j <= k; ++j)
            aus[j] = gehalten(i, j);
    }
};

Gewichte gewichteBerechnen(const Dokument& dok, const PassRec& rec) {
    Gewichte g;
    g.mx = dok.MaxX;
    g.my = dok.MaxY;
    const double diag = std::sqrt(double(g.mx) * g.mx / 4.0 + double(g.my) * g.my / 4.0);
    g.h = roundToInt(g.mx / 2.0);
    g.k = roundToInt(g.my / 2.0);
    // Each weight serves up to four cells, so the table is made once. The
    // rows split between two threads.
    g.spalte = std::size_t(g.k) + 1;
    g.werte.reset(new double[(std::size_t(g.h) + 1) * g.spalte]);
    const int h = g.h, k = g.k;
    const auto w = [&](int i, int j) -> double& {
        return g.werte[std::size_t(i) * g.spalte + std::size_t(j)];
    };
    ZweiFaeden([&](int t) {
        // Row i costs about min(i, k) weights; the first part takes the rows
        // below 0.7 h, which evens the two out for a square grid.
        const int grenze = int(0.7 * h);
        const int anfang = t == 0 ? 0 : grenze, ende = t == 0 ? grenze : h + 1;
        for (int i = anfang; i < ende; ++i)
            for (int j = 0; j <= k; ++j) {
                if (j < i && i <= k) continue;  // mirrored below
                const double rho =
                    (i == 0 && j == 0) ? 0.0 : std::sqrt(double(i * i + j * j)) / diag;
                w(i, j) = PassGewicht(rec, rho);
            }
    });
    return g;
}

// Copies the columns of the sweep steps i0..i1-1 into Zweitbild and runs on
// them the first sweep, the zeroing and the second sweep. The steps must be
// the only ones that reach their columns (i and MaxX - i), so every cell gets
// its factors in the order of the two sweeps over the whole grid.
void abschnittWichten(Dokument& dok, const Gewichte& g, int i0, int i1,
                      std::vector<double>& zeile) {
    const int mx = g.mx, my = g.my, h = g.h, k = g.k;
    const auto eigen = [&](int x) { return (x >= i0 && x < i1) || (mx - x >= i0 && mx - x < i1); };
    const std::size_t n = std::size_t(my) + 1;
    TFeld& z = dok.Zweitbild;
    const auto kopieren = [&](int x) {
        std::memcpy(z.spalte(x), dok.Hoehenfeld.spalte(x), n * sizeof(double));
    };
    for (int x = i0; x < i1; ++x)
        kopieren(x);
    for (int x = mx - i1 + 1; x <= mx - i0; ++x)
        if (x < i0 || x >= i1) kopieren(x);
    double* w = zeile.data();
    for (int i = i0; i < i1; ++i) {
        double* a = z.spalte(i);
        double* b = z.spalte(mx - i);
        g.zeile(i, w);
        for (int j = 0; j <= k; ++j) {
            const double f = w[j];
            a[j] *= f;
            b[my - j] *= f;
        }
    }
    if (eigen(h)) z(h, 0) = 0.0;
    if (eigen(0)) z(0, k) = 0.0;
    if (eigen(h)) z(h, k) = 0.0;
    for (int i = i0; i < std::min(i1, h); ++i) {
        double* a = z.spalte(i);
        double* b = z.spalte(mx - i);
        if (i1 - i0 > 1) g.zeile(i, w);  // a single step still holds its row
        for (int j = 0; j < k; ++j) {
            const double f = w[j];
            a[my - j] *= f;
            b[j] *= f;
        }
    }
}

}  // namespace

void PassFilterAnwenden(Dokument& dok, const PassRec& rec) {
    if (!typGueltig(rec.PassTyp)) return;
    const Gewichte g = gewichteBerechnen(dok, rec);
    // Step i reaches columns i and MaxX - i. Below MaxX - h no other step
    // reaches them, so those steps run one by one, each on two columns that
    // stay in the cache; the steps from MaxX - h to h share their columns and
    // run as one block. Two threads take disjoint steps, the block the second.
    const int mitte = g.mx - g.h;
    const int einzelnEnde = std::min(mitte, g.h + 1);
    const int teilung = std::min((einzelnEnde + 1) / 2, einzelnEnde);
    ZweiFaeden([&](int t) {
        std::vector<double> zeile(g.spalte);
        const int anfang = t == 0 ? 0 : teilung, ende = t == 0 ? teilung : einzelnEnde;
        for (int i = anfang; i < ende; ++i)
            abschnittWichten(dok, g, i, i + 1, zeile);
        if (t == 1 && mitte <= g.h) abschnittWichten(dok, g, mitte, g.h + 1, zeile);
    });
    ZweitbildUebernehmen(dok);
}

}  // namespace gm
