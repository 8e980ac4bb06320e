#include "generators/midpoint.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

using R = MittelpunktParamRec;

const Parameter mittelpunktParameter[] = {
    Param<&R::Anstieg>("Anstieg", 0.6, 0.1, 2.0, Skala::Linear, 0.01, "Anstieg"),
    Param<&R::Ebenen>("Ebenen", 8, 2, 11, Skala::Linear, 1, "Level"),
    Param<&R::Hoehenabhaengigkeit>("Hoehenabhaengigkeit", 0.0, -1.0, 1.0, Skala::Linear, 0.01,
                                   "Höhenabhängigkeit"),
    Param<&R::Invertieren>("Invertieren", 0, 0, 1, Skala::Linear, 1, "Invertieren"),
};

bool imFeld(int x, int y) {
    return x >= 0 && x <= FeldMaxIndex && y >= 0 && y <= FeldMaxIndex;
}

struct Teiler {
    Dokument& dok;
    const MittelpunktParamRec& p;

    double verschoben(double m, double amplitude) {
        return m + (Random(dok) - 0.5) * amplitude * MittelpunktStreuung(m, p.Hoehenabhaengigkeit);
    }

    void teilen(MittelpunktPunkt A, MittelpunktPunkt B, MittelpunktPunkt C, MittelpunktPunkt D,
                double amplitude, int rest) {
        amplitude = amplitude * p.Anstieg;
        const int t = rest - 1;
        const MittelpunktPunkt AB = MittelpunktKante(dok, p, A, B, amplitude);
        const MittelpunktPunkt BC = MittelpunktKante(dok, p, B, C, amplitude);
        const MittelpunktPunkt DC = MittelpunktKante(dok, p, D, C, amplitude);
        const MittelpunktPunkt AD = MittelpunktKante(dok, p, A, D, amplitude);
        MittelpunktPunkt M{A.x + (C.x - A.x) / 2, A.y + (C.y - A.y) / 2, 0.0};
        M.h = verschoben((A.h + B.h + C.h + D.h) * 0.25, amplitude);
        if (imFeld(M.x, M.y)) dok.Zweitbild(M.x, M.y) = M.h;
        if (t > 0) {
            teilen(A, AB, M, AD, amplitude, t);
            teilen(AB, B, BC, M, amplitude, t);
            teilen(M, BC, C, DC, amplitude, t);
            teilen(AD, M, DC, D, amplitude, t);
        }
    }
};

// Cosine fill of every cell of side S between the subdivision points.
void kosinusFuellen(Dokument& dok, int zellen, int S) {
    // The weight depends on u / S only, so it is computed once per offset.
    std::vector<double> f(S + 1);
    for (int u = 0; u <= S; ++u) {
        f[u] = (1.0 - std::cos(std::numbers::pi * (double(u) / double(S)))) / 2.0;
    }
    auto mischen = [&](double a, double b, int u) { return a * (1.0 - f[u]) + b * f[u]; };
    TFeld& z = dok.Zweitbild;
    for (int i = 1; i <= zellen; ++i) {
        for (int j = 1; j <= zellen; ++j) {
            const int lastU = i == zellen ? S : S - 1;
            const int lastV = j == zellen ? S : S - 1;
            const int x0 = (i - 1) * S, x1 = i * S, y0 = (j - 1) * S, y1 = j * S;
            const double a00 = z(x0, y0), a10 = z(x1, y0), a01 = z(x0, y1), a11 = z(x1, y1);
            for (int u = 0; u <= lastU && x0 + u <= FeldMaxIndex; ++u) {
                const double e0 = mischen(a00, a10, u);
                const double e1 = mischen(a01, a11, u);
                double* spalte = z.spalte(x0 + u);
                for (int v = 0; v <= lastV && y0 + v <= FeldMaxIndex; ++v) {
                    spalte[y0 + v] = mischen(e0, e1, v);
                }
            }
        }
    }
}

}  // namespace

std::span<const Parameter> MittelpunktParameter() {
    return mittelpunktParameter;
}

MittelpunktParamRec MittelpunktStandard() {
    return recordVorgaben<MittelpunktParamRec>(MittelpunktParameter());
}

int MittelpunktLevelAnzahl(int maxX, int maxY) {
    return NoiseLevelAnzahl(maxX, maxY);
}

double MittelpunktStreuung(double m, double H) {
    if (H >= 0.0) return (1.0 - H) + m * H;
    return std::fabs(1.0 - H) + std::fabs(H) * (1.0 - m);
}

double KosinusInterpolation(double a, double b, double t) {
    const double f = (1.0 - std::cos(std::numbers::pi * t)) / 2.0;
    return a * (1.0 - f) + b * f;
}

MittelpunktPunkt MittelpunktKante(Dokument& dok, const MittelpunktParamRec& p, MittelpunktPunkt P,
                                  MittelpunktPunkt Q, double amplitude) {
    MittelpunktPunkt E{P.x + (Q.x - P.x) / 2, P.y + (Q.y - P.y) / 2, 0.0};
    const double m = (P.h + Q.h) * 0.5;
    E.h = m + (Random(dok) - 0.5) * amplitude * MittelpunktStreuung(m, p.Hoehenabhaengigkeit);
    if (imFeld(E.x, E.y)) {
        double& gespeichert = dok.Zweitbild(E.x, E.y);
        if (gespeichert != 0.0) {
            E.h = gespeichert;
        } else {
            gespeichert = E.h;
        }
    }
    return E;
}

void MittelpunktBerechnen(Dokument& dok, const MittelpunktParamRec& p) {
    ZweitbildNullen(dok);
    const int levels = MittelpunktLevelAnzahl(dok.MaxX, dok.MaxY);
    const int ebenen = std::clamp(p.Ebenen, 1, levels);
    const int N = 1 << levels;
    MittelpunktPunkt ecken[4] = {{0, 0, 0.0}, {0, N, 0.0}, {N, N, 0.0}, {N, 0, 0.0}};
    for (auto& e : ecken) {
        e.h = Random(dok);
        dok.Zweitbild(e.x, e.y) = e.h;
    }
    Teiler{dok, p}.teilen(ecken[0], ecken[1], ecken[2], ecken[3], 1.0, ebenen);
    if (ebenen < levels) {
        const int M = 1 << ebenen;
        kosinusFuellen(dok, M, roundToInt(double(N) / double(M)));
    }
}

void MittelpunktAbschluss(Dokument& dok, const MittelpunktParamRec& p) {
    ZweitbildNormalisieren(dok, 1.0);
    if (p.Invertieren) ZweitbildUmkehren(dok);
}

void MittelpunktErzeugen(Dokument& dok, const MittelpunktParamRec& p) {
    MittelpunktBerechnen(dok, p);
    MittelpunktAbschluss(dok, p);
}

Status MittelpunktAusfuehren(Dokument& dok, const Werte& werte) {
    MittelpunktErzeugen(dok, recordAus<MittelpunktParamRec>(MittelpunktParameter(), werte));
    ZweitbildVerknuepfen(dok);
    return {};
}

VorschauSpanne MittelpunktVorschau(const Dokument& dok, Vorschaufeld& v) {
    VorschauSpanne s{1000.0, -1000.0};
    for (int i = 0; i < VorschauKante; ++i) {
        const int x = roundToInt(double(i) * double(dok.MaxX + 1) / 256.0);
        for (int j = 0; j < VorschauKante; ++j) {
            const int y = roundToInt(double(j) * double(dok.MaxY + 1) / 256.0);
            const double w = dok.Zweitbild(x, y);
            v.werte[i][j] = w;
            if (w < s.minimum) s.minimum = w;
            if (w > s.maximum) s.maximum = w;
        }
    }
    return s;
}

std::array<double, ProfilBreite> MittelpunktProfil(const Dokument& dok) {
    std::array<double, ProfilBreite> v;
    for (int i = 0; i < ProfilBreite; ++i) {
        const int k = roundToInt(double(dok.MaxX + 1) * double(i) / 512.0);
        v[i] = dok.Zweitbild(k, k);
    }
    return v;
}

}  // namespace gm
