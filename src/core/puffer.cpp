#include "core/puffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "core/faeden.h"
#include "core/zahlen.h"

namespace gm {

namespace {

// Applies f to the active part of every column: f(column pointer, x).
template <class F>
void jedeSpalte(const Dokument& dok, F&& f) {
    for (int x = 0; x <= dok.MaxX; ++x)
        f(x);
}

void aktivKopieren(const Dokument& dok, const TFeld& von, TFeld& nach) {
    const std::size_t n = std::size_t(dok.MaxY + 1);
    jedeSpalte(dok, [&](int x) { std::memcpy(nach.spalte(x), von.spalte(x), n * sizeof(double)); });
}

void aktivFuellen(const Dokument& dok, TFeld& feld, double wert) {
    jedeSpalte(dok, [&](int x) { std::fill_n(feld.spalte(x), dok.MaxY + 1, wert); });
}

}  // namespace

// Sixteen lanes keep running extremes side by side, each skipping a NaN;
// built for AVX2 and AVX-512 as well, where they take two or four registers.
#if defined(__x86_64__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
Bereich
SpaltenBereich(const double* s, int n) {
    using V8 = double __attribute__((vector_size(64)));
    constexpr double u = std::numeric_limits<double>::infinity();
    V8 lo[2] = {{u, u, u, u, u, u, u, u}, {u, u, u, u, u, u, u, u}};
    V8 hi[2] = {-lo[0], -lo[0]};
    int y = 0;
    for (; y + 16 <= n; y += 16) {
        for (int k = 0; k < 2; ++k) {
            V8 v;
            std::memcpy(&v, s + y + 8 * k, sizeof v);
            lo[k] = v < lo[k] ? v : lo[k];
            hi[k] = v > hi[k] ? v : hi[k];
        }
    }
    Bereich b = {u, -u};
    for (int l = 0; l < 16; ++l) {
        b.minimum = std::min(b.minimum, lo[l / 8][l % 8]);
        b.maximum = std::max(b.maximum, hi[l / 8][l % 8]);
    }
    for (; y < n; ++y) {
        b.minimum = std::min(b.minimum, s[y]);
        b.maximum = std::max(b.maximum, s[y]);
    }
    return b;
}

namespace {

// Smallest and largest active value, exactly as one pass in column order
// would find them from feld(0, 0) on: std::min keeps the earlier of two equal
// values and skips a NaN. The columns' ranges are combined in column order; a
// zero extreme takes the sign of the first zero of the first column where
// that extreme occurs.
Bereich bereichAus(const Dokument& dok, const TFeld& feld, const std::vector<Bereich>& spalten) {
    const int n = dok.MaxY + 1;
    Bereich b = {feld(0, 0), feld(0, 0)};
    int xMin = 0, xMax = 0;
    for (int x = 0; x <= dok.MaxX; ++x) {
        if (spalten[std::size_t(x)].minimum < b.minimum) {
            b.minimum = spalten[std::size_t(x)].minimum;
            xMin = x;
        }
        if (spalten[std::size_t(x)].maximum > b.maximum) {
            b.maximum = spalten[std::size_t(x)].maximum;
            xMax = x;
        }
    }
    const auto ersteNull = [&](int x) {
        return *std::find(feld.spalte(x), feld.spalte(x) + n, 0.0);
    };
    if (b.minimum == 0.0) b.minimum = ersteNull(xMin);
    if (b.maximum == 0.0) b.maximum = ersteNull(xMax);
    return b;
}

// The columns are measured on two threads.
Bereich bereichVon(const Dokument& dok, const TFeld& feld) {
    std::vector<Bereich> spalten(std::size_t(dok.MaxX) + 1);
    ZweiFaeden([&](int t) {
        const Spalten sp = haelfte(t, dok.MaxX + 1);
        for (int x = sp.anfang; x < sp.ende; ++x)
            spalten[std::size_t(x)] = SpaltenBereich(feld.spalte(x), dok.MaxY + 1);
    });
    return bereichAus(dok, feld, spalten);
}

// The stretch that brings Zweitbild's range to 0..ziel: z := (z - minimum) * faktor.
struct Dehnung {
    double minimum, faktor;
};
Dehnung dehnungAus(const Bereich& b, double ziel) {
    if (b.maximum == b.minimum) return {0.0, ziel};
    return {b.minimum, ziel / (b.maximum - b.minimum)};
}

}  // namespace

void AlleFelderLoeschen(Dokument& dok) {
    dok.Hoehenfeld.fuellen(0.0);
    dok.Zweitbild.fuellen(0.0);
    dok.UndoBild.fuellen(0.0);
    dok.UndoMaxX = dok.MaxX;
    dok.UndoMaxY = dok.MaxY;
    dok.Maske.fuellen(0);
}

void MaskeLoeschen(Dokument& dok) {
    dok.Maske.fuellen(0);
}

void UndoSichern(Dokument& dok) {
    aktivKopieren(dok, dok.Hoehenfeld, dok.UndoBild);
    dok.UndoMaxX = dok.MaxX;
    dok.UndoMaxY = dok.MaxY;
}
void UndoZurueck(Dokument& dok) {
    dok.MaxX = dok.UndoMaxX;
    dok.MaxY = dok.UndoMaxY;
    aktivKopieren(dok, dok.UndoBild, dok.Hoehenfeld);
}
void ZweitbildKopieren(Dokument& dok) {
    aktivKopieren(dok, dok.Hoehenfeld, dok.Zweitbild);
}
void ZweitbildLeeren(Dokument& dok) {
    aktivFuellen(dok, dok.Zweitbild, KeinWert);
}
void ZweitbildLeeren(Dokument& dok, const Rechteck& r) {
    for (int x = r.x0; x <= r.x1; ++x)
        std::fill_n(dok.Zweitbild.spalte(x) + r.y0, r.y1 - r.y0 + 1, KeinWert);
}
void ZweitbildNullen(Dokument& dok) {
    dok.Zweitbild.fuellen(0.0);
}

void StrichbildLeeren(Dokument& dok) {
    if (!dok.Strichbild) dok.Strichbild = std::make_unique<TFeld>();
    aktivFuellen(dok, *dok.Strichbild, KeinWert);
}

void ZweitbildUmkehren(Dokument& dok) {
    jedeSpalte(dok, [&](int x) {
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            z[y] = clamp01(1.0 - z[y]);
    });
}

double Normalisieren(Dokument& dok) {
    Bereich b = bereichVon(dok, dok.Hoehenfeld);
    double spanne = b.maximum - b.minimum;
    if (spanne == 0.0) {
        aktivFuellen(dok, dok.Hoehenfeld, 0.0);
        return 0.0;
    }
    double summe = 0.0;
    jedeSpalte(dok, [&](int x) {
        double* s = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            s[y] = clamp01((s[y] - b.minimum) / spanne);
            summe += s[y];
        }
    });
    return summe / (double(dok.MaxX + 1) * double(dok.MaxY + 1));
}

void ZweitbildNormalisieren(Dokument& dok, double ziel) {
    const Dehnung d = dehnungAus(bereichVon(dok, dok.Zweitbild), ziel);
    SpaltenZweiFaeden(dok.MaxX, [&](int x) {
        double* s = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            s[y] = clamp01((s[y] - d.minimum) * d.faktor);
    });
}

namespace {

// One column of the stretch and take-over; built for AVX2 as well, which has
// no fused multiply-add and so gives the same bits with twice the lanes.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void spalteUebernehmen(double* z, const std::uint8_t* m, double* h, int n, Dehnung d) {
    for (int y = 0; y < n; ++y) {
        const double v = clamp01((z[y] - d.minimum) * d.faktor);
        z[y] = v;
        h[y] = m[y] == 0 ? v : h[y];
    }
}

// Stretch and take-over in one pass over the columns.
void uebernehmen(Dokument& dok, const Dehnung& d) {
    SpaltenZweiFaeden(dok.MaxX, [&](int x) {
        spalteUebernehmen(dok.Zweitbild.spalte(x), dok.Maske.spalte(x), dok.Hoehenfeld.spalte(x),
                          dok.MaxY + 1, d);
    });
}

}  // namespace

void ZweitbildUebernehmen(Dokument& dok) {
    uebernehmen(dok, dehnungAus(bereichVon(dok, dok.Zweitbild), 1.0));
}

void ZweitbildUebernehmen(Dokument& dok, const std::vector<Bereich>& spalten) {
    uebernehmen(dok, dehnungAus(bereichAus(dok, dok.Zweitbild, spalten), 1.0));
}

void ZweitbildEinsetzen(Dokument& dok) {
    jedeSpalte(dok, [&](int x) {
        const double* z = dok.Zweitbild.spalte(x);
        double* h = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (z[y] != KeinWert) h[y] = clamp01(z[y]);
        }
    });
}

Spanne ZweitbildSpanne(const Dokument& dok) {
    return ZweitbildSpanne(dok, Rechteck{0, 0, dok.MaxX, dok.MaxY});
}

Spanne ZweitbildSpanne(const Dokument& dok, const Rechteck& r) {
    // Open bounds, so that a result of any scale is stretched over its own range.
    double minimum = std::numeric_limits<double>::infinity();
    double maximum = -std::numeric_limits<double>::infinity();
    for (int x = r.x0; x <= r.x1; ++x) {
        const double* z = dok.Zweitbild.spalte(x);
        for (int y = r.y0; y <= r.y1; ++y) {
            if (z[y] == KeinWert) continue;
            minimum = std::min(minimum, z[y]);
            maximum = std::max(maximum, z[y]);
        }
    }
    // A single value, or none, is not stretched.
    if (maximum > minimum) return {minimum, 1.0 / (maximum - minimum)};
    return {0.0, 1.0};
}

void BereichSkalieren(Dokument& dok, double a, double b) {
    a = clamp01(a);
    b = clamp01(b);
    Bereich r = bereichVon(dok, dok.Hoehenfeld);
    if (r.minimum == r.maximum) return;
    const double spanne = r.maximum - r.minimum;
    jedeSpalte(dok, [&](int x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            if (m[y] == 0) h[y] = clamp01(a + (b - a) * ((h[y] - r.minimum) / spanne));
        }
    });
}

void Umrechnen(Dokument& dok, int altMaxX, int altMaxY) {
    bilinearAbtasten(dok.Hoehenfeld, altMaxX, altMaxY, dok.MaxX + 1, dok.MaxY + 1,
                     [&](int x, int y, double v) { dok.Zweitbild(x, y) = v; });
    ZweitbildEinsetzen(dok);
}

void GroesseUmrechnen(Dokument& dok, int maxX, int maxY) {
    const int altX = dok.MaxX, altY = dok.MaxY;
    UndoSichern(dok);
    NeueGroesse(dok, maxX, maxY, false);
    Umrechnen(dok, altX, altY);
    dok.Ablagebild.reset();
}

void NeueGroesse(Dokument& dok, int maxX, int maxY, bool zuruecksetzen) {
    dok.MaxX = maxX;
    dok.MaxY = maxY;
    if (zuruecksetzen) AlleFelderLoeschen(dok);
}

bool punkteGueltig(int punkteX, int punkteY) {
    return punkteX >= MinPunkte && punkteX <= MaxPunkte && punkteY >= MinPunkte &&
           punkteY <= MaxPunkte;
}

int punkteBegrenzen(double punkte) {
    if (!(punkte >= MinPunkte)) return MinPunkte;
    if (punkte > MaxPunkte) return MaxPunkte;
    return int(punkte);
}

void VorschauAusHoehenfeld(const Dokument& dok, Vorschaufeld& vorschau) {
    for (int i = 0; i < VorschauKante; ++i) {
        const int x = int(i / 255.0 * dok.MaxX);
        for (int j = 0; j < VorschauKante; ++j) {
            const int y = int(j / 255.0 * dok.MaxY);
            vorschau.werte[i][j] = clamp01(dok.Hoehenfeld(x, y));
        }
    }
}

}  // namespace gm
