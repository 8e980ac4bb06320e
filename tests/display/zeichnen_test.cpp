#include "display/zeichnen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "display_hilfen.h"

namespace gm {
namespace {

constexpr Pixel Farbe = 0x123456;

PixelImage leer(int w, int h) {
    PixelImage b;
    b.resize(w, h);
    std::fill(b.pixels.begin(), b.pixels.end(), 0u);
    return b;
}

// The line's pixels by the plain formula: along the longer axis, the other
// coordinate of the exact position rounded, halves upward.
bool aufLinie(Bildpunkt a, Bildpunkt b, int x, int y) {
    const int dx = b.x - a.x, dy = b.y - a.y;
    if (std::abs(dx) >= std::abs(dy)) {
        if (x < std::min(a.x, b.x) || x > std::max(a.x, b.x)) return false;
        const double exakt = dx == 0 ? a.y : a.y + double(x - a.x) * dy / dx;
        return y == int(std::floor(exakt + 0.5));
    }
    if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) return false;
    return x == int(std::floor(a.x + double(y - a.y) * dx / dy + 0.5));
}

// Inside or on the triangle by the signs of the three edge functions.
bool imDreieck(Bildpunkt a, Bildpunkt b, Bildpunkt c, int x, int y) {
    auto kante = [&](Bildpunkt p, Bildpunkt q) {
        return long(q.x - p.x) * (y - p.y) - long(q.y - p.y) * (x - p.x);
    };
    const long e0 = kante(a, b), e1 = kante(b, c), e2 = kante(c, a);
    const long flaeche = long(b.x - a.x) * (c.y - a.y) - long(b.y - a.y) * (c.x - a.x);
    if (flaeche == 0) return false;  // a degenerate triangle is its edges only
    return (e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0);
}

TEST(Zeichnen, TrianglesCoverTheirInsideAndEdgesAndNothingElse) {
    std::uint32_t seed = 11;
    auto zahl = [&](int von, int bis) {
        seed = seed * 134775813u + 1u;
        return von + int((std::uint64_t(seed) * std::uint64_t(bis - von + 1)) >> 32);
    };
    for (int durchlauf = 0; durchlauf < 400; ++durchlauf) {
        // Corners partly outside the 30 x 20 picture; some repeated or collinear.
        Bildpunkt p[3];
        for (auto& q : p)
            q = {zahl(-12, 42), zahl(-8, 28)};
        if (durchlauf % 10 == 0) p[2] = p[0];
        if (durchlauf % 10 == 1) p[2] = {2 * p[1].x - p[0].x, 2 * p[1].y - p[0].y};
        PixelImage bild = leer(30, 20);
        DreieckFuellen(bild, p[0], p[1], p[2], Farbe);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 30; ++x) {
                const bool erwartet = imDreieck(p[0], p[1], p[2], x, y) ||
                                      aufLinie(p[0], p[1], x, y) || aufLinie(p[1], p[2], x, y) ||
                                      aufLinie(p[0], p[2], x, y);
                ASSERT_EQ(bild.at(x, y) == Farbe, erwartet)
                    << "pixel " << x << ", " << y << " of (" << p[0].x << "," << p[0].y << ") ("
                    << p[1].x << "," << p[1].y << ") (" << p[2].x << "," << p[2].y << ")";
            }
        }
    }
}

TEST(Zeichnen, LinesAreTheSameEitherWayAndClipped) {
    const Bildpunkt strecken[][2] = {{{0, 0}, {9, 4}},
                                     {{3, 7}, {8, 2}},
                                     {{-5, 1}, {14, 6}},
                                     {{2, -100}, {7, 100}},
                                     {{4, 4}, {4, 4}}};
    for (const auto& s : strecken) {
        PixelImage hin = leer(10, 8), her = leer(10, 8);
        LinieZeichnen(hin, s[0], s[1], Farbe);
        LinieZeichnen(her, s[1], s[0], Farbe);
        EXPECT_EQ(hin.pixels, her.pixels);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(hin.at(x, y) == Farbe, aufLinie(s[0], s[1], x, y)) << x << ", " << y;
    }
}

}  // namespace
}  // namespace gm
