#pragma once
// Settings of the mesh export and their one description.

#include "core/parameter.h"

namespace gm {

struct NetzRec {
    int NetzPunkteX = 513;  // mesh samples along the first grid index
    int NetzPunkteY = 513;  // along the second index
    double Laenge = 10000.0;
    double Breite = 10000.0;
    double Hoehe = 1500.0;
    double NetzAbweichung = 0.1;  // base exponent of the selection tolerance
    double NetzStreuung = 0.1;    // random spread of that exponent
    double NetzZufall = 0.1;      // chance root for keeping a predictable sample
    bool Optimierung = true;      // irregular network instead of the regular grid
};

extern const Parameter NetzParameter[9];

}  // namespace gm
