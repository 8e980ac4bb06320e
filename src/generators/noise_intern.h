#pragma once
// Pieces of the noise generator shared by the scalar path and the raster engine.

#include <cmath>
#include <cstdint>

#include "generators/achsen_verknuepfung.h"
#include "generators/noise.h"

namespace gm::noise_intern {

// Lattice position along one axis: cell b0 (0..255), offsets r0 and r1 = r0 - 1,
// fade weight s.
struct Gitter {
    std::int32_t b0;
    double r0;
    double r1;
    double s;
};
Gitter gitter(double koordinate);

enum class Familie { FBm1, FBm2, MultiFractal, HeteroTerrain, Hybrid, Ridged, Keine };
struct Methode {
    Familie familie;
    int modus;  // 1 signed terms, 2 absolute terms
};
// A Methode outside 0..10 has the family Keine (value 0).
Methode methodeVon(int methode);

// The axis function of TypX / TypY at axis coordinate a for the summed noise n.
inline double achse(int typ, double verschiebung, double a, double n, double iterationen) {
    switch (typ) {
        case 2:
            return n;
        case 3:
            return std::sin((verschiebung + a + n) * iterationen);
        case 4:
            return n * iterationen - std::trunc(n * iterationen);
        default:
            return 1.0;
    }
}

// Calls of Noise2D one method makes per point: the coordinate factor of each
// call follows from the enabled levels alone, so a call's x coordinate depends
// only on the column and its y coordinate only on the row.
struct Aufrufe {
    int anzahl = 0;
    bool basis = false;  // call 0 samples the point itself (HeteroTerrain, Hybrid, Ridged)
    int level[NoiseLevelMax + 1];  // weight index k of each call (0 for the base call)
};
Aufrufe aufrufeVon(const NoiseParamRec& p);
// The coordinates of the calls for one axis value, in call order.
void koordinaten(const NoiseParamRec& p, const NoiseGewichtTabellen& w, const Aufrufe& a,
                 double wert, double* aus);

}  // namespace gm::noise_intern
