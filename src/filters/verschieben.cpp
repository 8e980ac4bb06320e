#include "filters/verschieben.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/faeden.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter VerschiebenParameter[3] = {
    Param<&VerschiebenRec::VerschiebenWeite>("VerschiebenWeite", 0, 0, 2049, Skala::Linear, 1,
                                             "Anzahl Pixel"),
    Param<&VerschiebenRec::VerschiebenRichtung>("VerschiebenRichtung", 2, 1, 4, Skala::Linear, 1,
                                                "Richtung"),
    Param<&VerschiebenRec::VerschiebenNullen>("VerschiebenNullen", 0, 0, 1, Skala::Linear, 1,
                                              "auf 0 setzen"),
};

namespace {

// The target of source index i moved by d (negative: towards 0) along an
// axis of n cells, or -1 when it falls outside and is dropped.
int ziel(int i, int d, int n, bool wrap) {
    int t = i + d;
    if (wrap) {
        if (t < 0) t += n;
        if (t >= n) t -= n;
    }
    return t >= 0 && t < n ? t : -1;
}

// The undo copy taken by moving the field into the undo slot instead of
// copying it: UndoBild takes the whole old grid, so every cell of it, inside
// the active area or not, holds what Hoehenfeld held, and Hoehenfeld takes
// the old undo grid, whose cells the caller then rewrites.
void undoTauschen(Dokument& dok) {
    std::swap(dok.Hoehenfeld, dok.UndoBild);
    dok.UndoMaxX = dok.MaxX;
    dok.UndoMaxY = dok.MaxY;
}

// Two doubles side by side and the mask a comparison of them gives.
using Paar = double __attribute__((vector_size(16)));
using PaarMaske = std::int64_t __attribute__((vector_size(16)));

// h[y] := the clamped u[y - d] for y in [von, bis), two rows at a time. A
// source holding KeinWert leaves the target as it was, alt[y], as
// ZweitbildEinsetzen would; such sources are rare, so the old values are
// read only after one was seen.
void zeilenSetzen(double* h, const double* u, const double* alt, int von, int bis, int d) {
    const Paar null = {0.0, 0.0}, eins = {1.0, 1.0}, kein = {KeinWert, KeinWert};
    PaarMaske leer = {0, 0};
    int y = von;
    for (; y + 1 < bis; y += 2) {
        Paar v;
        std::memcpy(&v, u + y - d, sizeof v);
        leer |= v == kein;
        const Paar c = v < null ? null : (v > eins ? eins : v);
        std::memcpy(h + y, &c, sizeof c);
    }
    bool gesehen = (leer[0] | leer[1]) != 0;
    for (; y < bis; ++y) {
        gesehen |= u[y - d] == KeinWert;
        h[y] = clamp01(u[y - d]);
    }
    if (!gesehen) return;
    for (y = von; y < bis; ++y)
        if (u[y - d] == KeinWert) h[y] = alt[y];
}

// A column moved by d along itself: rows whose source lies inside take it,
// the rest wrap around or become 0. u is the old column.
void spalteVerschieben(double* h, const double* u, int n, int d, bool wrap) {
    const int von = std::max(0, d), bis = std::min(n, n + d);
    zeilenSetzen(h, u, u, von, bis, d);
    if (!wrap) {
        std::fill(h, h + von, 0.0);
        std::fill(h + bis, h + n, 0.0);
        return;
    }
    zeilenSetzen(h, u, u, 0, von, d - n);
    zeilenSetzen(h, u, u, bis, n, d + n);
}

}  // namespace

void BildVerschieben(Dokument& dok, const VerschiebenRec& rec) {
    int s = rec.VerschiebenWeite;
    if (s == 0) {
        UndoSichern(dok);
        return;
    }
    undoTauschen(dok);
    const bool wrap = !rec.VerschiebenNullen;
    const bool waagrecht = rec.VerschiebenRichtung == 1 || rec.VerschiebenRichtung == 3;
    const int nx = dok.MaxX + 1, ny = dok.MaxY + 1;
    const int n = waagrecht ? nx : ny;
    // Without wrap a shift by the whole axis or more clears it.
    s = wrap ? s % n : std::min(s, n);
    const int d = rec.VerschiebenRichtung <= 2 ? -s : s;
    // Each target column reads only the undo copy, so the halves run apart.
    ZweiFaeden([&](int t) {
        const Spalten teil = haelfte(t, nx);
        for (int x = teil.anfang; x < teil.ende; ++x) {
            double* h = dok.Hoehenfeld.spalte(x);
            const double* alt = dok.UndoBild.spalte(x);
            if (!waagrecht) {
                spalteVerschieben(h, alt, ny, d, wrap);
                continue;
            }
            // The source column moved onto x, if any.
            const int q = ziel(x, -d, nx, wrap);
            if (q < 0) {
                std::fill(h, h + ny, 0.0);
            } else {
                zeilenSetzen(h, dok.UndoBild.spalte(q), alt, 0, ny, 0);
            }
        }
    });
}

Status VerschiebenAusfuehren(Dokument& dok, const Werte& werte) {
    BildVerschieben(dok, recordAus<VerschiebenRec>(VerschiebenParameter, werte));
    return {};
}

const Parameter ErweiternParameter[3] = {
    Param<&ErweiternRec::NeuMaxX>("NeuMaxX", 512, MinPunkte - 1, MaxPunkte - 1, Skala::Linear, 1,
                                  "Punkte in X - 1"),
    Param<&ErweiternRec::NeuMaxY>("NeuMaxY", 512, MinPunkte - 1, MaxPunkte - 1, Skala::Linear, 1,
                                  "Punkte in Y - 1"),
    Param<&ErweiternRec::Anker>("Anker", 5, 1, 9, Skala::Linear, 1, "Anker"),
};

namespace {

// The old index minus the new one along an axis: the same for every index.
int erweiternVersatz(int altMax, int neuMax, int ankerTeil) {
    if (ankerTeil == 1) {
        const int o = (altMax > neuMax ? altMax - neuMax : neuMax - altMax) / 2;
        return altMax < neuMax ? -o : o;
    }
    return ankerTeil == 2 ? altMax - neuMax : 0;
}

}  // namespace

int ErweiternQuelle(int neu, int altMax, int neuMax, int ankerTeil) {
    const int alt = neu + erweiternVersatz(altMax, neuMax, ankerTeil);
    return alt >= 0 && alt <= altMax ? alt : -1;
}

namespace {

// Where the enlargement takes each cell from: column x from
// ErweiternQuelle(x, altX, nx, ax), rows y0..y1 from y + d.
struct Abbildung {
    int altX, nx, ax, y0, y1, d, ny;
};

// The mask moves with the samples, in place: the columns go in the order
// that reads each source column before it is overwritten (the source lies a
// fixed distance away), the rows of a column by memmove.
void maskeVersetzen(Dokument& dok, const Abbildung& ab) {
    const bool aufwaerts = erweiternVersatz(ab.altX, ab.nx, ab.ax) >= 0;
    for (int i = 0; i <= ab.nx; ++i) {
        const int x = aufwaerts ? i : ab.nx - i;
        const int sx = ErweiternQuelle(x, ab.altX, ab.nx, ab.ax);
        std::uint8_t* m = dok.Maske.spalte(x);
        if (sx < 0) {
            std::fill(m, m + ab.ny + 1, std::uint8_t(0));
            continue;
        }
        if (ab.y0 <= ab.y1)
            std::memmove(m + ab.y0, dok.Maske.spalte(sx) + ab.y0 + ab.d,
                         std::size_t(ab.y1 - ab.y0 + 1));
        std::fill(m, m + ab.y0, std::uint8_t(0));
        std::fill(m + ab.y1 + 1, m + ab.ny + 1, std::uint8_t(0));
    }
}

}  // namespace

Status BildErweitern(Dokument& dok, const ErweiternRec& rec) {
    if (!punkteGueltig(rec.NeuMaxX + 1, rec.NeuMaxY + 1)) {
        return Status::fehler("the enlarged field needs " + std::to_string(MinPunkte) + " to " +
                              std::to_string(MaxPunkte) + " points per axis, not " +
                              std::to_string(rec.NeuMaxX + 1) + " x " +
                              std::to_string(rec.NeuMaxY + 1));
    }
    if (rec.Anker < 1 || rec.Anker > 9) {
        return Status::fehler("the anchor is 1 to 9, not " + std::to_string(rec.Anker));
    }
    const int ax = (rec.Anker - 1) % 3, ay = (rec.Anker - 1) / 3;
    const int altX = dok.MaxX, altY = dok.MaxY;
    const int nx = rec.NeuMaxX, ny = rec.NeuMaxY;
    undoTauschen(dok);
    int y0 = ny + 1, y1 = ny, d = 0;
    for (int y = 0; y <= ny; ++y) {
        const int sy = ErweiternQuelle(y, altY, ny, ay);
        if (sy < 0) continue;
        if (y0 > ny) y0 = y, d = sy - y;
        y1 = y;
    }
    // The paired rows y0..y1 are one run whose sources are y + d; the rows
    // around it and the columns without a source become 0 and free.
    const Abbildung ab{altX, nx, ax, y0, y1, d, ny};
    maskeVersetzen(dok, ab);
    ZweiFaeden([&](int t) {
        const Spalten teil = haelfte(t, nx + 1);
        for (int x = teil.anfang; x < teil.ende; ++x) {
            const int sx = ErweiternQuelle(x, altX, nx, ax);
            double* h = dok.Hoehenfeld.spalte(x);
            if (sx < 0) {
                std::fill(h, h + ny + 1, 0.0);
                continue;
            }
            std::fill(h, h + y0, 0.0);
            zeilenSetzen(h, dok.UndoBild.spalte(sx), dok.UndoBild.spalte(x), y0, y1 + 1, -d);
            std::fill(h + y1 + 1, h + ny + 1, 0.0);
        }
    });
    // Mask bytes the old field had beyond the new one are cleared, so a later
    // size change does not bring them back.
    for (int x = 0; x <= altX; ++x) {
        std::uint8_t* m = dok.Maske.spalte(x);
        std::fill(m + (x <= nx ? std::min(ny + 1, altY + 1) : 0), m + altY + 1, std::uint8_t(0));
    }
    NeueGroesse(dok, nx, ny, false);
    dok.Ablagebild.reset();
    return {};
}

Status ErweiternAusfuehren(Dokument& dok, const Werte& werte) {
    return BildErweitern(dok, recordAus<ErweiternRec>(ErweiternParameter, werte));
}

}  // namespace gm
