#include "formats/netz_einstellungen.h"

#include <cstddef>

namespace gm {

const Parameter NetzParameter[9] = {
    {"NetzPunkteX", ParamTyp::Ganz, offsetof(NetzRec, NetzPunkteX), 513, 10, 1024, Skala::Linear, 1,
     "Punkte in X"},
    {"NetzPunkteY", ParamTyp::Ganz, offsetof(NetzRec, NetzPunkteY), 513, 10, 1024, Skala::Linear, 1,
     "Punkte in Y"},
    {"Laenge", ParamTyp::Real, offsetof(NetzRec, Laenge), 10000, 1, 100000.1, Skala::Linear, 0.01,
     "Länge:"},
    {"Breite", ParamTyp::Real, offsetof(NetzRec, Breite), 10000, 1, 100000.1, Skala::Linear, 0.01,
     "Breite:"},
    {"Hoehe", ParamTyp::Real, offsetof(NetzRec, Hoehe), 1500, 1, 100000.1, Skala::Linear, 0.01,
     "Höhe:"},
    {"NetzAbweichung", ParamTyp::Real, offsetof(NetzRec, NetzAbweichung), 0.1, 0, 1, Skala::Linear,
     0.0001, "Abweichung"},
    {"NetzStreuung", ParamTyp::Real, offsetof(NetzRec, NetzStreuung), 0.1, 0, 1, Skala::Linear,
     0.01, "Streuung"},
    {"NetzZufall", ParamTyp::Real, offsetof(NetzRec, NetzZufall), 0.1, 0, 1, Skala::Linear, 0.01,
     "Zufall"},
    {"Optimierung", ParamTyp::Bool, offsetof(NetzRec, Optimierung), 1, 0, 1, Skala::Linear, 1,
     "Optimierung"},
};

}  // namespace gm
