#include "core/wellenprofil.h"

namespace gm {

double WellenProfil(int kurve, bool welle, bool negativ, double anstieg, double stufen,
                    double mitte, double dehnung, double gamma, double perioden, double phase,
                    double t) {
    return WellenProfilBei(
        {kurve, welle, negativ, anstieg, stufen, mitte, dehnung, gamma, perioden}, phase, t);
}

}  // namespace gm
