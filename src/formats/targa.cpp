#include "formats/targa.h"

#include "core/atomare_datei.h"
#include "formats/bytes.h"
#include "formats/hoehe16.h"

namespace gm {

namespace {

std::string kopf(int nx, int ny, unsigned deskriptor) {
    std::string s;
    anhaengenU8(s, 0);  // no identification field
    anhaengenU8(s, 0);  // no colour map
    anhaengenU8(s, 2);  // uncompressed true colour
    s.append(5, '\0');
    anhaengenU16(s, 0);
    anhaengenU16(s, 0);
    anhaengenU16(s, unsigned(nx));
    anhaengenU16(s, unsigned(ny));
    anhaengenU8(s, 24);
    anhaengenU8(s, deskriptor);
    return s;
}

void pixel(std::string& s, RGB8 c) {
    anhaengenU8(s, c.b);
    anhaengenU8(s, c.g);
    anhaengenU8(s, c.r);
}

}  // namespace

std::string targaKodieren(int nx, int ny, const Farbquelle& farbe) {
    std::string s = kopf(nx, ny, 0);
    s.reserve(s.size() + std::size_t(nx) * std::size_t(ny) * 3);
    for (int y = ny - 1; y >= 0; --y) {
        for (int x = 0; x < nx; ++x)
            pixel(s, farbe(x, y));
    }
    return s;
}

Status targaSchreiben(const std::string& pfad, int nx, int ny, const Farbquelle& farbe) {
    return dateiAtomarSchreiben(pfad, targaKodieren(nx, ny, farbe));
}

std::string targa16Kodieren(const Dokument& dok) {
    const int nx = dok.punkteX(), ny = dok.punkteY();
    std::string s = kopf(nx, ny, 32);
    s.reserve(s.size() + std::size_t(nx) * std::size_t(ny) * 3);
    for (int y = 0; y < ny; ++y) {
        for (int x = 0; x < nx; ++x) {
            const unsigned v = hoeheZu16(dok.Hoehenfeld(x, y));
            pixel(s, RGB8{std::uint8_t(v >> 8), std::uint8_t(v & 0xFF), 0});
        }
    }
    return s;
}

Status targa16Schreiben(const Dokument& dok, const std::string& pfad) {
    return dateiAtomarSchreiben(pfad, targa16Kodieren(dok));
}

}  // namespace gm
