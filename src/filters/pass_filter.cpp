#include "filters/pass_filter.h"

#include <cmath>

#include "core/puffer.h"
#include "core/zahlen.h"

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
    const auto gewicht = [&](int i, int j) {
        const double rho = (i == 0 && j == 0) ? 0.0 : std::sqrt(double(i * i + j * j)) / diag;
        return PassGewicht(rec, rho);
    };
    TFeld& z = dok.Zweitbild;
    for (int i = 0; i <= h; ++i) {
        for (int j = 0; j <= k; ++j) {
            const double w = gewicht(i, j);
            z(i, j) *= w;
            z(mx - i, my - j) *= w;
        }
    }
    z(h, 0) = 0.0;
    z(0, k) = 0.0;
    z(h, k) = 0.0;
    for (int i = 0; i < h; ++i) {
        for (int j = 0; j < k; ++j) {
            const double w = gewicht(i, j);
            z(i, my - j) *= w;
            z(mx - i, j) *= w;
        }
    }
    ZweitbildUebernehmen(dok);
}

}  // namespace gm
