#include "formats/ansicht3d_bmp.h"

#include "display/ansicht3d.h"
#include "formats/bmp.h"

namespace gm {

Status ansicht3DBmpSchreiben(Dokument& dok, const ColourState& farben, const AnsichtRec& a,
                             const std::string& pfad) {
    PixelImage bild;
    Ansicht3DZeichnen(farben, dok, a, Ansicht3DKante, Ansicht3DKante, bild);
    return bmpSchreiben(pfad, bild.width, bild.height, [&](int x, int y) {
        const Pixel p = bild.at(x, y);
        return RGB8{std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
    });
}

}  // namespace gm
