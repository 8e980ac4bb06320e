#include "formats/raw16.h"

#include "core/atomare_datei.h"
#include "formats/bytes.h"
#include "formats/hoehe16.h"

namespace gm {

std::string raw16Kodieren(const Dokument& dok) {
    std::string s;
    s.reserve(std::size_t(dok.punkteX()) * std::size_t(dok.punkteY()) * 2);
    for (int y = 0; y <= dok.MaxY; ++y) {
        for (int x = 0; x <= dok.MaxX; ++x)
            anhaengenU16(s, hoeheZu16(dok.Hoehenfeld(x, y)));
    }
    return s;
}

Status raw16Schreiben(const Dokument& dok, const std::string& pfad) {
    return dateiAtomarSchreiben(pfad, raw16Kodieren(dok));
}

}  // namespace gm
