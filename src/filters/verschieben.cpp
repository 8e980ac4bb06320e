#include "filters/verschieben.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/puffer.h"
#include "core/zahlen.h"

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

// Hoehenfeld(target) := the clamped source value from the undo copy; a source
// holding KeinWert leaves the target as it was, as ZweitbildEinsetzen would.
void setzen(double& h, double quelle) {
    if (quelle != KeinWert) h = clamp01(quelle);
}

}  // namespace

void BildVerschieben(Dokument& dok, const VerschiebenRec& rec) {
    UndoSichern(dok);
    int s = rec.VerschiebenWeite;
    if (s == 0) return;
    const bool wrap = !rec.VerschiebenNullen;
    const bool waagrecht = rec.VerschiebenRichtung == 1 || rec.VerschiebenRichtung == 3;
    const int n = waagrecht ? dok.MaxX + 1 : dok.MaxY + 1;
    if (wrap) s %= n;
    const int d = rec.VerschiebenRichtung <= 2 ? -s : s;
    const int nx = dok.MaxX + 1, ny = dok.MaxY + 1;
    // Every target is either reached by exactly one source or vacated (0).
    if (waagrecht) {
        std::vector<bool> erreicht(std::size_t(nx), false);
        for (int x = 0; x < nx; ++x) {
            const int tx = ziel(x, d, nx, wrap);
            if (tx < 0) continue;
            erreicht[std::size_t(tx)] = true;
            const double* u = dok.UndoBild.spalte(x);
            double* h = dok.Hoehenfeld.spalte(tx);
            for (int y = 0; y < ny; ++y)
                setzen(h[y], u[y]);
        }
        for (int x = 0; x < nx; ++x) {
            if (!erreicht[std::size_t(x)])
                std::fill(dok.Hoehenfeld.spalte(x), dok.Hoehenfeld.spalte(x) + ny, 0.0);
        }
        return;
    }
    for (int x = 0; x < nx; ++x) {
        const double* u = dok.UndoBild.spalte(x);
        double* h = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y < ny; ++y) {
            const int quelle = ziel(y, -d, ny, wrap);  // the source moved onto y
            if (quelle < 0) {
                h[y] = 0.0;
            } else {
                setzen(h[y], u[quelle]);
            }
        }
    }
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

int ErweiternQuelle(int neu, int altMax, int neuMax, int ankerTeil) {
    int alt = neu;
    if (ankerTeil == 1) {
        const int o = (altMax > neuMax ? altMax - neuMax : neuMax - altMax) / 2;
        alt = altMax < neuMax ? neu - o : neu + o;
    } else if (ankerTeil == 2) {
        alt = altMax - (neuMax - neu);
    }
    return alt >= 0 && alt <= altMax ? alt : -1;
}

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
    UndoSichern(dok);
    std::vector<std::uint8_t> maske(std::size_t(altX + 1) * std::size_t(altY + 1));
    for (int x = 0; x <= altX; ++x)
        std::copy(dok.Maske.spalte(x), dok.Maske.spalte(x) + altY + 1,
                  maske.begin() + std::ptrdiff_t(std::size_t(x) * std::size_t(altY + 1)));
    int y0 = ny + 1, y1 = ny, d = 0;
    for (int y = 0; y <= ny; ++y) {
        const int sy = ErweiternQuelle(y, altY, ny, ay);
        if (sy < 0) continue;
        if (y0 > ny) y0 = y, d = sy - y;
        y1 = y;
    }
    for (int x = 0; x <= nx; ++x) {
        const int sx = ErweiternQuelle(x, altX, nx, ax);
        double* h = dok.Hoehenfeld.spalte(x);
        std::uint8_t* m = dok.Maske.spalte(x);
        if (sx < 0) {
            std::fill(h, h + ny + 1, 0.0);
            std::fill(m, m + ny + 1, std::uint8_t(0));
            continue;
        }
        const double* u = dok.UndoBild.spalte(sx);
        const std::uint8_t* altM = maske.data() + std::size_t(sx) * std::size_t(altY + 1);
        // The paired rows y0..y1 are one run whose sources are y + d.
        std::fill(h, h + y0, 0.0);
        std::fill(m, m + y0, std::uint8_t(0));
        for (int y = y0; y <= y1; ++y)
            setzen(h[y], u[y + d]);
        std::copy(altM + y0 + d, altM + y1 + d + 1, m + y0);
        std::fill(h + y1 + 1, h + ny + 1, 0.0);
        std::fill(m + y1 + 1, m + ny + 1, std::uint8_t(0));
    }
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
