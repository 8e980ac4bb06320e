#include "app/hauptbild.h"

#include "display/hauptbild.h"
#include "script/sitzung.h"

namespace gm {

QImage AlsQImage(const PixelImage& bild) {
    if (bild.width <= 0 || bild.height <= 0) return {};
    const QImage flach(reinterpret_cast<const uchar*>(bild.pixels.data()), bild.width, bild.height,
                       qsizetype(bild.stride) * 4, QImage::Format_RGB32);
    return flach.copy();
}

QImage HauptbildMalen(Sitzung& s, double zoom, PixelImage& puffer) {
    ZeichneHauptbild(s.farben, s.dok, zoom, puffer);
    return AlsQImage(puffer);
}

}  // namespace gm
