#include "display/zeichnen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

#include "core/zahlen.h"

namespace gm {

namespace {

// Floor of n / d for d > 0.
template <class T>
T abrunden(T n, T d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

// Steps along the longer axis from a0 to a1 (a0 <= a1) within 0..grenze-1;
// `setzen` gets (long, short) coordinates, the short one b0 + (t - a0) * q / d
// rounded with halves upward, kept as a remainder instead of a division per step.
template <class T, class Setzen>
void entlang(T a0, T a1, T b0, T b1, int grenze, Setzen&& setzen) {
    const T d = a1 - a0, q = b1 - b0;
    const T von = std::max<T>(a0, 0), bis = std::min<T>(a1, grenze - 1);
    if (von > bis) return;
    if (d == 0) {
        setzen(von, b0);
        return;
    }
    const T n = 2 * (von - a0) * q + d, nenner = 2 * d;
    T s = abrunden(n, nenner);
    T rest = n - s * nenner;
    s += b0;
    for (T t = von;;) {
        setzen(t, s);
        if (++t > bis) break;
        rest += 2 * q;
        if (rest >= nenner) rest -= nenner, ++s;
        if (rest < 0) rest += nenner, --s;
    }
}

template <class T>
void linie(PixelImage& bild, Bildpunkt a, Bildpunkt b, Pixel farbe) {
    const T dx = T(b.x) - a.x, dy = T(b.y) - a.y;
    if ((dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy)) {
        if (b.x < a.x) std::swap(a, b);
        entlang<T>(a.x, b.x, a.y, b.y, bild.width, [&](T x, T y) {
            if (y >= 0 && y < bild.height) bild.row(int(y))[x] = farbe;
        });
    } else {
        if (b.y < a.y) std::swap(a, b);
        entlang<T>(a.y, b.y, a.x, b.x, bild.height, [&](T y, T x) {
            if (x >= 0 && x < bild.width) bild.row(int(y))[x] = farbe;
        });
    }
}

// Each row's span runs from the ceiling of the leftmost to the floor of the
// rightmost crossing of the edges that reach it; a, b, c sorted by y.
template <class T>
void flaeche(PixelImage& bild, Bildpunkt a, Bildpunkt b, Bildpunkt c, Pixel farbe) {
    const Bildpunkt kanten[3][2] = {{a, c}, {a, b}, {b, c}};
    const int von = std::max(a.y, 0), bis = std::min(c.y, bild.height - 1);
    for (int y = von; y <= bis; ++y) {
        T links = std::numeric_limits<T>::max(), rechts = std::numeric_limits<T>::min();
        for (const auto& k : kanten) {
            const Bildpunkt p = k[0], q = k[1];
            if (y < p.y || y > q.y) continue;
            if (p.y == q.y) {
                links = std::min<T>({links, p.x, q.x});
                rechts = std::max<T>({rechts, p.x, q.x});
                continue;
            }
            const T n = (T(y) - p.y) * (T(q.x) - p.x), d = T(q.y) - p.y;
            const T unten = abrunden(n, d);
            links = std::min<T>(links, p.x + unten + (unten * d != n));
            rechts = std::max<T>(rechts, p.x + unten);
        }
        links = std::max<T>(links, 0);
        rechts = std::min<T>(rechts, bild.width - 1);
        if (links <= rechts) std::fill(bild.row(y) + links, bild.row(y) + rechts + 1, farbe);
    }
}

// Coordinates within which every product of the stepping fits 32 bits.
bool klein(Bildpunkt p) {
    constexpr int Grenze = 8191;
    return p.x >= -Grenze && p.x <= Grenze && p.y >= -Grenze && p.y <= Grenze;
}

void punktSetzen(PixelImage& bild, Bildpunkt p, Pixel farbe) {
    if (bild.contains(p.x, p.y)) bild.row(p.y)[p.x] = farbe;
}

}  // namespace

void VerlaufFuellen(PixelImage& bild, int zeilen, int nenner) {
    zeilen = std::min(zeilen, bild.height);
    for (int y = 0; y < zeilen; ++y) {
        const int blau = roundToInt(128.0 * y / nenner + 63.0);
        std::fill_n(bild.row(y), bild.width, PixelAusBytes(63, 63, blau));
    }
}

void LinieZeichnen(PixelImage& bild, Bildpunkt a, Bildpunkt b, Pixel farbe) {
    // The ends alone when they touch: the common case of a dense mesh.
    if (std::abs(std::int64_t(b.x) - a.x) <= 1 && std::abs(std::int64_t(b.y) - a.y) <= 1) {
        punktSetzen(bild, a, farbe);
        punktSetzen(bild, b, farbe);
    } else if (klein(a) && klein(b)) {
        linie<std::int32_t>(bild, a, b, farbe);
    } else {
        linie<std::int64_t>(bild, a, b, farbe);
    }
}

void DreieckFuellen(PixelImage& bild, Bildpunkt a, Bildpunkt b, Bildpunkt c, Pixel farbe) {
    if (std::max({a.x, b.x, c.x}) < 0 || std::min({a.x, b.x, c.x}) >= bild.width ||
        std::max({a.y, b.y, c.y}) < 0 || std::min({a.y, b.y, c.y}) >= bild.height) {
        return;
    }
    // Corners within one 2 x 2 block: no other pixel lies inside or on the
    // triangle, so the corners are the whole of it.
    if (std::max({a.x, b.x, c.x}) - std::min({a.x, b.x, c.x}) <= 1 &&
        std::max({a.y, b.y, c.y}) - std::min({a.y, b.y, c.y}) <= 1) {
        for (Bildpunkt p : {a, b, c})
            punktSetzen(bild, p, farbe);
        return;
    }
    if (a.y > b.y) std::swap(a, b);
    if (b.y > c.y) std::swap(b, c);
    if (a.y > b.y) std::swap(a, b);
    if (klein(a) && klein(b) && klein(c)) {
        flaeche<std::int32_t>(bild, a, b, c, farbe);
    } else {
        flaeche<std::int64_t>(bild, a, b, c, farbe);
    }
    LinieZeichnen(bild, a, b, farbe);
    LinieZeichnen(bild, b, c, farbe);
    LinieZeichnen(bild, a, c, farbe);
}

void SenkrechteZeichnen(PixelImage& bild, int x, int unten, int laenge, Pixel farbe) {
    if (x < 0 || x >= bild.width) return;
    const int von = std::max(unten - laenge, 0), bis = std::min(unten, bild.height);
    for (int y = von; y < bis; ++y)
        bild.row(y)[x] = farbe;
}

}  // namespace gm
