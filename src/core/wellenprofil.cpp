#include "core/wellenprofil.h"

#include "core/spuren.h"

namespace gm {

namespace {

#define GM_SPUREN_CODE "core/wellenprofil_spuren.inc"
#include "core/spuren_saetze.inc"
#undef GM_SPUREN_CODE

}  // namespace

double WellenProfil(int kurve, bool welle, bool negativ, double anstieg, double stufen,
                    double mitte, double dehnung, double gamma, double perioden, double phase,
                    double t) {
    return WellenProfilBei(
        {kurve, welle, negativ, anstieg, stufen, mitte, dehnung, gamma, perioden}, phase, t);
}

void WellenProfilReihe(const WellenForm& f, WellenPhasen p, const double* t, double* werte, int n,
                       Befehlssatz satz) {
    switch (satz) {
        case Befehlssatz::Avx512:
            return avx512::reihe(f, p, t, werte, n);
        case Befehlssatz::Avx2:
            return avx2::reihe(f, p, t, werte, n);
        case Befehlssatz::Sse2:
            for (int i = 0; i < n; ++i)
                werte[i] = WellenProfilImRing(f, p, t[i]);
    }
}

}  // namespace gm
