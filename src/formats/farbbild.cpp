#include "formats/farbbild.h"

#include "core/zahlen.h"
#include "display/farbe.h"
#include "formats/bmp.h"
#include "formats/targa.h"

namespace gm {

RGB8 exportFarbe(const ColourState& farben, Dokument& dok, int x, int y) {
    const Pixel p = HoeheZuFarbe(farben, dok, 0.5, clamp01(dok.Hoehenfeld(x, y)));
    return {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
}

Status farbBmpSchreiben(Dokument& dok, const ColourState& farben, const std::string& pfad) {
    return bmpSchreiben(pfad, dok.punkteX(), dok.punkteY(),
                        [&](int x, int y) { return exportFarbe(farben, dok, x, y); });
}

Status farbTargaSchreiben(Dokument& dok, const ColourState& farben, const std::string& pfad) {
    return targaSchreiben(pfad, dok.punkteX(), dok.punkteY(),
                          [&](int x, int y) { return exportFarbe(farben, dok, x, y); });
}

}  // namespace gm
