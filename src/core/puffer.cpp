#include "core/puffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "core/faeden.h"
#include "core/zahlen.h"

// Kernels built for the wider vector units as well, with the same operations
// and so the same bits.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define GM_KERN __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define GM_KERN
#endif

namespace gm {

// Eight lanes keep running extremes side by side, each skipping a NaN.
GM_KERN Spaltenbereich SpaltenbereichVon(const double* s, int n) {
    using V4 = double __attribute__((vector_size(32)));
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    V4 lo[2], hi[2];
    for (int k = 0; k < 2; ++k) {
        lo[k] = V4{} + unendlich;
        hi[k] = V4{} - unendlich;
    }
    int y = 0;
    for (; y + 8 <= n; y += 8) {
        for (int k = 0; k < 2; ++k) {
            V4 v;
            std::memcpy(&v, s + y + 4 * k, sizeof v);
            lo[k] = v < lo[k] ? v : lo[k];
            hi[k] = v > hi[k] ? v : hi[k];
        }
    }
    Spaltenbereich b = {unendlich, -unendlich};
    for (int l = 0; l < 8; ++l) {
        b.minimum = std::min(b.minimum, lo[l / 4][l % 4]);
        b.maximum = std::max(b.maximum, hi[l / 4][l % 4]);
    }
    for (; y < n; ++y) {
        b.minimum = std::min(b.minimum, s[y]);
        b.maximum = std::max(b.maximum, s[y]);
    }
    return b;
}

namespace {

// Applies f to the active part of every column: f(column pointer, x).
template <class F>
void jedeSpalte(const Dokument& dok, F&& f) {
    for (int x = 0; x <= dok.MaxX; ++x)
        f(x);
}

// The two halves of the columns side by side: one core alone does not reach
// the bandwidth of the memory.
void aktivKopieren(const Dokument& dok, const TFeld& von, TFeld& nach) {
    const std::size_t n = std::size_t(dok.MaxY + 1);
    SpaltenZweiFaeden(
        dok.MaxX, [&](int x) { std::memcpy(nach.spalte(x), von.spalte(x), n * sizeof(double)); });
}

void aktivFuellen(const Dokument& dok, TFeld& feld, double wert) {
    jedeSpalte(dok, [&](int x) { std::fill_n(feld.spalte(x), dok.MaxY + 1, wert); });
}

// Smallest and largest active value, exactly as one pass in column order
// would find them from feld(0, 0) on: std::min keeps the earlier of two equal
// values and skips a NaN. The columns' ranges are combined in column order; a
// zero extreme takes the sign of the first zero of the first column where
// that extreme occurs.
Spaltenbereich bereichAusSpalten(const Dokument& dok, const TFeld& feld,
                                 const Spaltenbereich* spalten) {
    const int n = dok.MaxY + 1;
    Spaltenbereich b = {feld(0, 0), feld(0, 0)};
    int xMin = 0, xMax = 0;
    for (int x = 0; x <= dok.MaxX; ++x) {
        if (spalten[x].minimum < b.minimum) {
            b.minimum = spalten[x].minimum;
            xMin = x;
        }
        if (spalten[x].maximum > b.maximum) {
            b.maximum = spalten[x].maximum;
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

// The same with the columns measured first, on two threads.
Spaltenbereich bereichVon(const Dokument& dok, const TFeld& feld) {
    const int n = dok.MaxY + 1;
    std::vector<Spaltenbereich> spalten(std::size_t(dok.MaxX) + 1);
    SpaltenZweiFaeden(
        dok.MaxX, [&](int x) { spalten[std::size_t(x)] = SpaltenbereichVon(feld.spalte(x), n); });
    return bereichAusSpalten(dok, feld, spalten.data());
}

// The stretch that brings Zweitbild's range to 0..ziel: z := (z - minimum) * faktor.
struct Dehnung {
    double minimum, faktor;
};
Dehnung dehnungAus(Spaltenbereich b, double ziel) {
    if (b.maximum == b.minimum) return {0.0, ziel};
    return {b.minimum, ziel / (b.maximum - b.minimum)};
}
Dehnung dehnungVon(const Dokument& dok, double ziel) {
    return dehnungAus(bereichVon(dok, dok.Zweitbild), ziel);
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
    Spaltenbereich b = bereichVon(dok, dok.Hoehenfeld);
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
    const Dehnung d = dehnungVon(dok, ziel);
    SpaltenZweiFaeden(dok.MaxX, [&](int x) {
        double* s = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            s[y] = clamp01((s[y] - d.minimum) * d.faktor);
    });
}

namespace {

// One column of the stretch and take-over.
GM_KERN void spalteUebernehmen(double* z, const std::uint8_t* m, double* h, int n, Dehnung d) {
    for (int y = 0; y < n; ++y) {
        const double v = clamp01((z[y] - d.minimum) * d.faktor);
        z[y] = v;
        h[y] = m[y] == 0 ? v : h[y];
    }
}

// Stretch and take-over in one pass over the columns.
void dehnenUndUebernehmen(Dokument& dok, Dehnung d) {
    SpaltenZweiFaeden(dok.MaxX, [&](int x) {
        spalteUebernehmen(dok.Zweitbild.spalte(x), dok.Maske.spalte(x), dok.Hoehenfeld.spalte(x),
                          dok.MaxY + 1, d);
    });
}

}  // namespace

void ZweitbildUebernehmen(Dokument& dok) {
    dehnenUndUebernehmen(dok, dehnungVon(dok, 1.0));
}

void ZweitbildUebernehmen(Dokument& dok, const Spaltenbereich* spalten) {
    dehnenUndUebernehmen(dok, dehnungAus(bereichAusSpalten(dok, dok.Zweitbild, spalten), 1.0));
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
    Spaltenbereich r = bereichVon(dok, dok.Hoehenfeld);
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
