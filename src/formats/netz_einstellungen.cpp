#include "formats/netz_einstellungen.h"

#include <cstddef>

namespace gm {

const Parameter NetzParameter[9] = {
    Param<&NetzRec::NetzPunkteX>("NetzPunkteX", 513, 10, 1024, Skala::Linear, 1, "Punkte in X"),
    Param<&NetzRec::NetzPunkteY>("NetzPunkteY", 513, 10, 1024, Skala::Linear, 1, "Punkte in Y"),
    Param<&NetzRec::Laenge>("Laenge", 10000, 1, 100000.1, Skala::Linear, 0.01, "Länge:"),
    Param<&NetzRec::Breite>("Breite", 10000, 1, 100000.1, Skala::Linear, 0.01, "Breite:"),
    Param<&NetzRec::Hoehe>("Hoehe", 1500, 1, 100000.1, Skala::Linear, 0.01, "Höhe:"),
    Param<&NetzRec::NetzAbweichung>("NetzAbweichung", 0.1, 0, 1, Skala::Linear, 0.0001,
                                    "Abweichung"),
    Param<&NetzRec::NetzStreuung>("NetzStreuung", 0.1, 0, 1, Skala::Linear, 0.01, "Streuung"),
    Param<&NetzRec::NetzZufall>("NetzZufall", 0.1, 0, 1, Skala::Linear, 0.01, "Zufall"),
    Param<&NetzRec::Optimierung>("Optimierung", 1, 0, 1, Skala::Linear, 1, "Optimierung"),
};

}  // namespace gm
