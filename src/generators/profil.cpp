#include "generators/profil.h"

#include "core/zahlen.h"

namespace gm {

std::array<int, ProfilBreite> ProfilZeilen(const std::array<double, ProfilBreite>& werte, int hoehe,
                                           bool umdrehen) {
    double minimum = 1000.0, maximum = -1000.0;
    for (const double v : werte) {
        if (v < minimum) minimum = v;
        if (v > maximum) maximum = v;
    }
    double skala = 1.0;
    if (maximum == minimum) {
        minimum = 0.0;
    } else {
        skala = 1.0 / (maximum - minimum);
    }
    std::array<int, ProfilBreite> zeilen;
    for (int i = 0; i < ProfilBreite; ++i) {
        double w = (werte[i] - minimum) * skala;
        if (umdrehen) w = 1.0 - w;
        w = clamp01(w);
        zeilen[i] = roundToInt(double(hoehe - 2) * w) + 1;
    }
    return zeilen;
}

}  // namespace gm
