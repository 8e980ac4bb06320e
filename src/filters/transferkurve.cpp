#include "filters/transferkurve.h"

namespace gm {

std::vector<double> TransferKurve(int breite, const std::function<double(double)>& f) {
    if (breite <= 0) return {};
    std::vector<double> werte(std::size_t(breite), 0.0);
    const int haelfte = breite / 2;
    if (haelfte == 0) {
        werte[0] = f(1.0);
        return werte;
    }
    for (int i = 0; i < haelfte; ++i) {
        const double v = f(double(i + 1) / double(haelfte));
        werte[std::size_t(i)] = v;
        werte[std::size_t(breite - 1 - i)] = v;
    }
    // An odd width leaves one centre column; it shows the curve's end at x = 1.
    if (breite % 2 == 1) werte[std::size_t(haelfte)] = werte[std::size_t(haelfte - 1)];
    return werte;
}

}  // namespace gm
