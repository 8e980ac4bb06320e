#pragma once
// "&Verlauf BMP": palette 1 as a tall, narrow gradient picture for use as a
// texture, optionally roughened with jittered or fully random values.

#include <string>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/status.h"
#include "display/palette.h"

namespace gm {

struct VerlaufRec {
    double BreiteX = 30;           // picture width in pixels, 1..9999
    double HoeheY = 600;           // picture height in pixels, 255..9999
    double VerlaufAbweichung = 2;  // jitter of the gradient value in percent
    double VerlaufZufall = 0;      // share of fully random values in percent
    bool Konstant = false;         // one value per row instead of one per pixel
};

// Every field of VerlaufRec with its dialog range and caption.
extern const Parameter VerlaufParameter[5];

// SchreibeVerlauf: a 24-bit BMP of BreiteX x HoeheY (rounded) pixels. Row y
// (0 = top) carries the value 1 - y / HoeheY, jittered or replaced by random
// values from the document's generator, coloured by palette 1. The picture is
// streamed row by row and written atomically.
Status SchreibeVerlauf(Dokument& dok, const Palette& palette1, const VerlaufRec& rec,
                       const std::string& pfad);

// The value of one gradient pixel (or row, when Konstant) at gradient value g,
// drawn from `zufall` as the export draws it.
template <class Zufall>
double VerlaufWert(double g, const VerlaufRec& rec, Zufall& zufall) {
    if (rec.VerlaufZufall / 100 <= zufall()) {
        double v = g;
        if (rec.VerlaufAbweichung > 0) v += (zufall() - 0.5) * rec.VerlaufAbweichung / 100;
        return v < 0 ? 0 : (v > 1 ? 1 : v);
    }
    return zufall();
}

}  // namespace gm
