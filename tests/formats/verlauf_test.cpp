// The gradient picture against a plain reference: its own header bytes, its
// own generator and the colour of a linear grey palette computed by hand.

#include "formats/verlauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "core/zufall.h"
#include "formats/formats_hilfen.h"

namespace gm::test {
namespace {

struct Lcg {
    std::uint32_t seed;
    double operator()() {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0;
    }
};

void u32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += char((v >> (8 * i)) & 0xFF);
}

// The reference: a grey palette makes every component round(v * 255).
std::string referenz(int nx, int ny, double abw, double zuf, bool konstant, Lcg& r) {
    const int zeile = 3 * nx + nx % 4;
    std::string s = "BM";
    u32(s, std::uint32_t(54 + zeile * ny));
    u32(s, 0);
    u32(s, 54);
    u32(s, 40);
    u32(s, std::uint32_t(nx));
    u32(s, std::uint32_t(ny));
    s += std::string("\x01\x00\x18\x00", 4) + std::string(24, '\0');
    auto wert = [&](double g) {
        if (zuf / 100 <= r()) {
            double v = g;
            if (abw > 0) v += (r() - 0.5) * abw / 100;
            return std::min(1.0, std::max(0.0, v));
        }
        return r();
    };
    for (int y = ny - 1; y >= 0; --y) {
        const double g = 1.0 - double(y) / ny;
        double v = konstant ? wert(g) : 0.0;
        for (int x = 0; x < nx; ++x) {
            if (!konstant) v = wert(g);
            const char c = char(int(std::nearbyint(v * 255)));
            s += std::string(3, c);
        }
        s.append(std::size_t(nx % 4), '\0');
    }
    return s;
}

TEST(Verlauf, BytesMatchTheReferenceForEveryRoughness) {
    TestOrdner ordner;
    const std::string pfad = ordner.datei("verlauf.bmp");
    struct Fall {
        double breite, hoehe, abw, zuf;
        bool konstant;
    };
    for (const Fall& f :
         {Fall{30, 600, 2, 0, false}, Fall{5, 255, 0, 0, false}, Fall{7, 300, 35, 20, true},
          Fall{2.5, 256.4, 10, 100, false}, Fall{1, 9999, 100, 50, false},
          Fall{201, 700, 0, 30, false}, Fall{130, 999, 0, 100, false}}) {
        Dokument dok;
        setzeSeed(dok, 4711);
        Palette grau;
        const VerlaufRec rec{f.breite, f.hoehe, f.abw, f.zuf, f.konstant};
        ASSERT_TRUE(SchreibeVerlauf(dok, grau, rec, pfad));
        const int nx = int(std::nearbyint(f.breite)), ny = int(std::nearbyint(f.hoehe));
        Lcg r{4711};
        EXPECT_EQ(dateiInhalt(pfad), referenz(nx, ny, f.abw, f.zuf, f.konstant, r))
            << f.breite << " x " << f.hoehe;
        // The document's generator moved on exactly as far as the reference's.
        EXPECT_EQ(dok.RandSeed, r.seed);
        EXPECT_NE(dok.RandSeed, 4711u);
    }
}

TEST(Verlauf, PlainGradientIsAGreyRampAndRandomShareMakesNoise) {
    TestOrdner ordner;
    const std::string pfad = ordner.datei("rampe.bmp");
    Dokument dok;
    Palette grau;
    ASSERT_TRUE(SchreibeVerlauf(dok, grau, VerlaufRec{4, 255, 0, 0, false}, pfad));
    const std::string b = dateiInhalt(pfad);
    ASSERT_EQ(b.size(), 54u + 12 * 255);
    // First row in the file is the bottom one: 1/255 of white; the last is white.
    EXPECT_EQ(b.substr(54, 12), std::string(12, '\x01'));
    EXPECT_EQ(b.substr(b.size() - 12), std::string(12, '\xff'));
    for (int zeile = 0; zeile < 255; ++zeile)
        EXPECT_EQ(b.substr(54 + 12 * zeile, 12), std::string(12, char(zeile + 1)));

    // With the whole share random, the bottom row is no longer flat.
    ASSERT_TRUE(SchreibeVerlauf(dok, grau, VerlaufRec{4, 255, 0, 100, false}, pfad));
    const std::string z = dateiInhalt(pfad);
    EXPECT_NE(z.substr(54, 12), std::string(12, '\x01'));
}

TEST(Verlauf, UnwritableTargetIsRefusedAndLeavesNothing) {
    TestOrdner ordner;
    Dokument dok;
    const std::string pfad = ordner.datei("fehlt/verlauf.bmp");
    const Status s = SchreibeVerlauf(dok, Palette{}, VerlaufRec{}, pfad);
    EXPECT_FALSE(s);
    EXPECT_FALSE(std::filesystem::exists(pfad));
    EXPECT_TRUE(std::filesystem::is_empty(ordner.pfad()));
}

}  // namespace
}  // namespace gm::test
