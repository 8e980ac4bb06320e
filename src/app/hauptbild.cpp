#include "app/hauptbild.h"

#include <QImage>

#include "app/zoom.h"
#include "core/zahlen.h"
#include "script/sitzung.h"

namespace gm {

// Grey drawing with the dotted blue mask overlay, until the colour function
// of the display layer is available.
void HauptbildMalen(Sitzung& s, double zoom, QImage& bild) {
    const Dokument& dok = s.dok;
    const int w = bildKante(dok.MaxX, zoom);
    const int h = bildKante(dok.MaxY, zoom);
    if (bild.width() != w || bild.height() != h || bild.format() != QImage::Format_RGB32) {
        bild = QImage(w, h, QImage::Format_RGB32);
    }
    for (int y = 0; y < h; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        const int py = std::min(pixelZuProbe(y, zoom), dok.MaxY);
        for (int x = 0; x < w; ++x) {
            const int px = std::min(pixelZuProbe(x, zoom), dok.MaxX);
            if (dok.Maske(px, py) == 1 && x % 2 == 0 && y % 2 == 0) {
                zeile[x] = qRgb(0, 0, 255);
                continue;
            }
            const int g = roundToInt(clamp01(dok.Hoehenfeld(px, py)) * 255);
            zeile[x] = qRgb(g, g, g);
        }
    }
}

}  // namespace gm
