#include "filters/pass_filter.h"

#include <algorithm>
#include <cmath>
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
        w = 1.0 / (std::pow(rho / p1, p2) + 1.0);
    }
    return rec.PassTyp < 0 ? 1.0 - w : w;
}

namespace {

bool typGueltig(int typ) {
    return typ == 1 || typ == -1 || typ == 2 || typ == -2;
}

}  // namespace

void PassFilterAnwenden(Dokument& dok, const PassRec& rec) {
    if (!typGueltig(rec.PassTyp)) return;
    ZweitbildKopieren(dok);
    const int mx = dok.MaxX, my = dok.MaxY;
    const double diag = std::sqrt(double(mx) * mx / 4.0 + double(my) * my / 4.0);
    const int h = roundToInt(mx / 2.0);
    const int k = roundToInt(my / 2.0);
    // Each weight w(i, j) serves up to four cells, so the table is made once;
    // w(i, j) equals w(j, i) (the same sum of squares), so the square part is
    // computed on one side of its diagonal. The rows split between two threads.
    const std::size_t spalte = std::size_t(k) + 1;
    std::vector<double> gewichte((std::size_t(h) + 1) * spalte);
    const auto w = [&](int i, int j) -> double& {
        return gewichte[std::size_t(i) * spalte + std::size_t(j)];
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
    for (int i = 1; i <= std::min(h, k); ++i)
        for (int j = 0; j < i; ++j)
            w(i, j) = w(j, i);

    TFeld& z = dok.Zweitbild;
    for (int i = 0; i <= h; ++i) {
        double* a = z.spalte(i);
        double* b = z.spalte(mx - i);
        for (int j = 0; j <= k; ++j) {
            const double g = w(i, j);
            a[j] *= g;
            b[my - j] *= g;
        }
    }
    z(h, 0) = 0.0;
    z(0, k) = 0.0;
    z(h, k) = 0.0;
    for (int i = 0; i < h; ++i) {
        double* a = z.spalte(i);
        double* b = z.spalte(mx - i);
        for (int j = 0; j < k; ++j) {
            const double g = w(i, j);
            a[my - j] *= g;
            b[j] *= g;
        }
    }
    ZweitbildUebernehmen(dok);
}

}  // namespace gm
