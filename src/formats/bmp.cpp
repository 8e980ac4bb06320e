#include "formats/bmp.h"

#include <algorithm>
#include <cstdint>

#include "core/atomare_datei.h"
#include "formats/bytes.h"

namespace gm {

std::string bmpKopf(int nx, int ny) {
    const std::size_t groesse = 54 + std::size_t(3 * nx + nx % 4) * std::size_t(ny);
    std::string s;
    s += "BM";
    // The real file size: common readers refuse a BMP whose header says 0.
    anhaengenU32(s, std::uint32_t(groesse));
    anhaengenU32(s, 0);
    anhaengenU32(s, 54);
    anhaengenU32(s, 40);
    anhaengenU32(s, std::uint32_t(nx));
    anhaengenU32(s, std::uint32_t(ny));
    anhaengenU16(s, 1);
    anhaengenU16(s, 24);
    s.append(24, '\0');
    return s;
}

std::string bmpKodieren(int nx, int ny, const Farbquelle& farbe) {
    const int pad = nx % 4;
    std::string s = bmpKopf(nx, ny);
    s.reserve(54 + std::size_t(3 * nx + pad) * std::size_t(ny));
    for (int y = ny - 1; y >= 0; --y) {
        for (int x = 0; x < nx; ++x) {
            const RGB8 c = farbe(x, y);
            anhaengenU8(s, c.b);
            anhaengenU8(s, c.g);
            anhaengenU8(s, c.r);
        }
        s.append(std::size_t(pad), '\0');
    }
    return s;
}

Status bmpSchreiben(const std::string& pfad, int nx, int ny, const Farbquelle& farbe) {
    return dateiAtomarSchreiben(pfad, bmpKodieren(nx, ny, farbe));
}

Status maskeBmpSchreiben(const Dokument& dok, const std::string& pfad) {
    return bmpSchreiben(pfad, dok.punkteX(), dok.punkteY(), [&](int x, int y) {
        return dok.Maske(x, y) == 1 ? RGB8{0, 0, 0} : RGB8{255, 255, 255};
    });
}

namespace {

struct BmpKopf {
    std::uint32_t datenOffset = 0, kopfGroesse = 0, kompression = 0, farbenBenutzt = 0;
    std::int32_t breite = 0, hoehe = 0;
    unsigned ebenen = 0, bits = 0;
};

Status fehler(const std::string& text) {
    return Status::fehler("BMP picture: " + text);
}

Status kopfLesen(ByteLeser& l, BmpKopf& k) {
    unsigned b, m;
    if (!l.u8(b) || !l.u8(m) || b != 'B' || m != 'M')
        return fehler("it does not start with \"BM\"");
    std::uint32_t unbenutzt;
    if (!l.u32(unbenutzt) || !l.u32(unbenutzt) || !l.u32(k.datenOffset) || !l.u32(k.kopfGroesse)) {
        return fehler("the file ends inside its header");
    }
    if (k.kopfGroesse < 40 || k.kopfGroesse > 4096) {
        return fehler("unsupported information header of " + std::to_string(k.kopfGroesse) +
                      " bytes (40 or more expected)");
    }
    std::uint32_t bildGroesse, aufloesung;
    if (!l.i32(k.breite) || !l.i32(k.hoehe) || !l.u16(k.ebenen) || !l.u16(k.bits) ||
        !l.u32(k.kompression) || !l.u32(bildGroesse) || !l.u32(aufloesung) || !l.u32(aufloesung) ||
        !l.u32(k.farbenBenutzt)) {
        return fehler("the file ends inside its header");
    }
    if (!l.hat(std::size_t(k.kopfGroesse) - 36)) return fehler("the file ends inside its header");
    return {};
}

Status kopfPruefen(const ByteLeser& l, const BmpKopf& k, int maxKante) {
    if (k.ebenen != 1) return fehler("the planes field is not 1");
    const bool bitsOk = k.bits == 1 || k.bits == 4 || k.bits == 8 || k.bits == 24 || k.bits == 32;
    if (!bitsOk) return fehler(std::to_string(k.bits) + " bits per pixel are not supported");
    const bool feldMasken = k.kompression == 3 && k.bits == 32;
    if (k.kompression != 0 && !feldMasken) return fehler("compressed pictures are not supported");
    const std::int64_t h = k.hoehe < 0 ? -std::int64_t(k.hoehe) : k.hoehe;
    if (k.breite < 1 || h < 1 || k.breite > maxKante || h > maxKante) {
        return fehler(
            bildGroesseMeldung(k.breite, int(std::min<std::int64_t>(h, INT32_MAX)), maxKante));
    }
    const std::uint64_t zeile = (std::uint64_t(k.bits) * std::uint64_t(k.breite) + 31) / 32 * 4;
    const std::uint64_t ende = std::uint64_t(k.datenOffset) + zeile * std::uint64_t(h);
    if (k.datenOffset < 14 + k.kopfGroesse) {
        return fehler("the pixel data would start at byte " + std::to_string(k.datenOffset) +
                      ", inside the " + std::to_string(14 + k.kopfGroesse) + "-byte header");
    }
    if (ende > l.groesse()) {
        return fehler("the pixel data runs past the end of the file (" +
                      std::to_string(l.groesse()) + " bytes, " + std::to_string(ende) + " needed)");
    }
    return {};
}

// The standard order of 32-bit bit-field masks: red, green, blue in the low three bytes.
Status maskenPruefen(const ByteLeser& l, const BmpKopf& k) {
    if (k.kompression != 3) return {};
    ByteLeser m(l.daten());
    std::uint32_t r, g, b;
    if (!m.setzen(54) || !m.u32(r) || !m.u32(g) || !m.u32(b) || k.datenOffset < 66) {
        return fehler("the colour masks are missing");
    }
    if (r != 0x00FF0000u || g != 0x0000FF00u || b != 0x000000FFu) {
        return fehler("colour masks other than 8 bits each for red, green, blue");
    }
    return {};
}

Status paletteLesen(const ByteLeser& l, const BmpKopf& k, std::vector<RGB8>& palette) {
    if (k.bits > 8) return {};
    const std::uint32_t maxFarben = 1u << k.bits;
    const std::uint32_t n = k.farbenBenutzt == 0 ? maxFarben : k.farbenBenutzt;
    if (n > maxFarben) return fehler("the palette holds more colours than the pixels can address");
    ByteLeser p(l.daten());
    const std::size_t start = 14 + std::size_t(k.kopfGroesse);
    if (!p.setzen(start) || !p.hat(std::size_t(n) * 4) ||
        start + std::size_t(n) * 4 > k.datenOffset) {
        return fehler("the palette runs past the pixel data");
    }
    palette.assign(maxFarben, RGB8{});
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::size_t a = start + std::size_t(i) * 4;
        palette[i] = {std::uint8_t(p.byteAn(a + 2)), std::uint8_t(p.byteAn(a + 1)),
                      std::uint8_t(p.byteAn(a))};
    }
    return {};
}

RGB8 pixelLesen(const ByteLeser& l, std::size_t zeile, int x, unsigned bits,
                const std::vector<RGB8>& palette) {
    if (bits >= 24) {
        const std::size_t a = zeile + std::size_t(x) * (bits / 8);
        return {std::uint8_t(l.byteAn(a + 2)), std::uint8_t(l.byteAn(a + 1)),
                std::uint8_t(l.byteAn(a))};
    }
    const std::size_t bit = std::size_t(x) * bits;
    const unsigned byte = l.byteAn(zeile + bit / 8);
    const unsigned shift = 8 - bits - unsigned(bit % 8);
    return palette[(byte >> shift) & ((1u << bits) - 1)];
}

}  // namespace

Status bmpDekodieren(std::string_view daten, int maxKante, RGBBild& bild) {
    ByteLeser l(daten);
    BmpKopf k;
    std::vector<RGB8> palette;
    if (Status s = kopfLesen(l, k); !s) return s;
    if (Status s = kopfPruefen(l, k, maxKante); !s) return s;
    if (Status s = maskenPruefen(l, k); !s) return s;
    if (Status s = paletteLesen(l, k, palette); !s) return s;
    const int w = k.breite;
    const int h = k.hoehe < 0 ? -k.hoehe : k.hoehe;
    const std::size_t zeile = (std::size_t(k.bits) * std::size_t(w) + 31) / 32 * 4;
    RGBBild neu{w, h, std::vector<std::uint8_t>(std::size_t(w) * std::size_t(h) * 3)};
    for (int y = 0; y < h; ++y) {
        const int gespeichert = k.hoehe < 0 ? y : h - 1 - y;
        const std::size_t start = k.datenOffset + std::size_t(gespeichert) * zeile;
        for (int x = 0; x < w; ++x) {
            const RGB8 c = pixelLesen(l, start, x, k.bits, palette);
            const std::size_t i = (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3;
            neu.rgb[i] = c.r;
            neu.rgb[i + 1] = c.g;
            neu.rgb[i + 2] = c.b;
        }
    }
    bild = std::move(neu);
    return {};
}

}  // namespace gm
