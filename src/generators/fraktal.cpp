#include "generators/fraktal.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/faeden.h"
#include "core/zahlen.h"

namespace gm {

namespace {

using R = FraktalParamRec;

const Parameter fraktalParameter[] = {
    Param<&R::Tiefe>("Tiefe", 50, 10, 1000, Skala::Logarithmisch, 1, "Tiefe"),
    Param<&R::ZoomFaktor>("ZoomFaktor", 0.5, 0.1, 10.0, Skala::Logarithmisch, 0.01, "ZoomFaktor"),
    Param<&R::Art>("Art", 1, 1, 2, Skala::Linear, 1, "Auswahl"),
    Param<&R::Vorgabe>("Vorgabe", 0, 0, FraktalVorgabenAnzahl, Skala::Linear, 1, "Vorgabe"),
    Param<&R::XMin>("XMin", -2.25, -1e6, 1e6),
    Param<&R::YMin>("YMin", -1.5, -1e6, 1e6),
    Param<&R::XMax>("XMax", 1.5, -1e6, 1e6),
    Param<&R::YMax>("YMax", 1.5, -1e6, 1e6),
    Param<&R::CX>("CX", 0.11031, -1e6, 1e6),
    Param<&R::CY>("CY", -0.67037, -1e6, 1e6),
};

// "Standard", "Punkt 01" .. "Punkt 04" of each family.
constexpr FraktalAusschnitt mandelbrotVorgaben[FraktalVorgabenAnzahl] = {
    {-2.25, -1.5, 1.5, 1.5, 0.11031, -0.67037},  {-0.95, -0.32, -0.85, -0.22, 0.11031, -0.67037},
    {-0.2, 1.02, -0.13, 1.07, 0.27334, 0.617},   {-0.607, 0.617, -0.523, 0.672, 0.0, 1.0},
    {-1.78, 0.0, -1.76, 0.013, -0.39054, -0.59},
};
constexpr FraktalAusschnitt juliaVorgaben[FraktalVorgabenAnzahl] = {
    {-1.5, -1.5, 1.5, 1.5, 0.11031, -0.67037}, {-1.5, -1.5, 1.5, 1.5, 0.27334, 0.00742},
    {-1.5, -1.5, 1.5, 1.5, 0.0, 1.0},          {-1.5, -1.5, 1.5, 1.5, -0.39054, -0.59},
    {-1.5, -1.5, 1.5, 1.5, 0.25, 0.5},
};

int tiefeVon(const FraktalParamRec& p) {
    return std::max(1, p.Tiefe);
}

// Four points iterated side by side; a finished lane keeps its count while the
// others go on. Each lane runs exactly the scalar steps of FraktalWert, so the
// counts are the same bit for bit.
using V4 = double __attribute__((vector_size(32)));
using M4 = std::int64_t __attribute__((vector_size(32)));

// Heights of the n points (px, y0 + j * dy), j = 0..n-1, of one column.
void spalteRechnen(const FraktalParamRec& p, double px, double dy, double y0, int n, double* aus) {
    const int tiefe = tiefeVon(p);
    const bool julia = p.Art == 2;
    int j = 0;
    for (; j < n; j += 4) {
        V4 py;
        for (int k = 0; k < 4; ++k)
            py[k] = double(std::min(j + k, n - 1)) * dy + y0;
        const V4 vx = {px, px, px, px};
        const V4 cr = julia ? V4{p.CX, p.CX, p.CX, p.CX} : vx;
        const V4 ci = julia ? V4{p.CY, p.CY, p.CY, p.CY} : py;
        V4 zr = julia ? vx : V4{};
        V4 zi = julia ? py : V4{};
        M4 zaehler = {};
        M4 aktiv = {-1, -1, -1, -1};
        for (int schritt = 1;; ++schritt) {
            const V4 a = zr * zr;
            const V4 b = zi * zi;
            const V4 nr = a - b + cr;
            zi = 2.0 * zr * zi + ci;
            zr = nr;
            zaehler -= aktiv;  // aktiv is -1 in a running lane
            if (schritt >= tiefe) break;
            aktiv &= (a + b <= 4.0);
            if (!(aktiv[0] | aktiv[1] | aktiv[2] | aktiv[3])) break;
        }
        for (int k = 0; k < 4 && j + k < n; ++k) {
            const int z = int(zaehler[k]);
            aus[j + k] = z >= tiefe ? 0.0 : clamp01(double(z) / double(tiefe));
        }
    }
}

}  // namespace

std::span<const Parameter> FraktalParameter() {
    return fraktalParameter;
}

std::span<const Parameter> FraktalRegler() {
    return FraktalParameter().first(2);
}

FraktalParamRec FraktalStandard() {
    return recordVorgaben<FraktalParamRec>(FraktalParameter());
}

void FraktalVorgabe(FraktalParamRec& p, int k) {
    if (k < 1 || k > FraktalVorgabenAnzahl) return;
    const FraktalAusschnitt& a = (p.Art == 2 ? juliaVorgaben : mandelbrotVorgaben)[k - 1];
    p.XMin = a.XMin;
    p.YMin = a.YMin;
    p.XMax = a.XMax;
    p.YMax = a.YMax;
    p.CX = a.CX;
    p.CY = a.CY;
}

double FraktalWert(const FraktalParamRec& p, double px, double py) {
    const int tiefe = tiefeVon(p);
    const bool julia = p.Art == 2;
    const double cr = julia ? p.CX : px, ci = julia ? p.CY : py;
    double zr = julia ? px : 0.0, zi = julia ? py : 0.0;
    int n = 0;
    for (;;) {
        ++n;
        const double a = zr * zr, b = zi * zi;
        const double nr = a - b + cr;
        zi = 2.0 * zr * zi + ci;
        zr = nr;
        if (n >= tiefe || a + b > 4.0) break;
    }
    return n >= tiefe ? 0.0 : clamp01(double(n) / double(tiefe));
}

void FraktalBerechnen(Dokument& dok, const FraktalParamRec& p) {
    ZweitbildLeeren(dok);
    const double dx = (p.XMax - p.XMin) / dok.MaxX;
    const double dy = (p.YMax - p.YMin) / dok.MaxY;
    // Alternate columns to the two threads: neighbouring columns cost alike.
    ZweiFaeden([&](int teil) {
        for (int x = teil; x <= dok.MaxX; x += 2) {
            spalteRechnen(p, double(x) * dx + p.XMin, dy, p.YMin, dok.MaxY + 1,
                          dok.Zweitbild.spalte(x));
        }
    });
}

void FraktalVorschau(const FraktalParamRec& p, Vorschaufeld& v) {
    const double dx = (p.XMax - p.XMin) / 255.0;
    const double dy = (p.YMax - p.YMin) / 255.0;
    ZweiFaeden([&](int teil) {
        for (int i = teil; i < VorschauKante; i += 2) {
            spalteRechnen(p, double(i) * dx + p.XMin, dy, p.YMin, VorschauKante, v.werte[i]);
        }
    });
}

void FraktalKlick(FraktalParamRec& p, int x, int y, int breite, int hoehe, bool rechts) {
    const double w = p.XMax - p.XMin, h = p.YMax - p.YMin;
    const double cx = double(x) * w / double(breite) + p.XMin;
    const double cy = double(y) * h / double(hoehe) + p.YMin;
    const double hw = rechts ? w / p.ZoomFaktor / 2.0 : w * p.ZoomFaktor / 2.0;
    const double hh = rechts ? h / p.ZoomFaktor / 2.0 : h * p.ZoomFaktor / 2.0;
    p.XMin = cx - hw;
    p.XMax = cx + hw;
    p.YMin = cy - hh;
    p.YMax = cy + hh;
}

void FraktalVerschieben(FraktalParamRec& p, int richtung, int breite, int hoehe) {
    const double sx = (p.XMax - p.XMin) / double(breite);
    const double sy = (p.YMax - p.YMin) / double(hoehe);
    switch (richtung) {
        case 1:
            p.YMin += sy, p.YMax += sy;
            break;
        case 4:
            p.YMin -= sy, p.YMax -= sy;
            break;
        case 2:
            p.XMin += sx, p.XMax += sx;
            break;
        case 3:
            p.XMin -= sx, p.XMax -= sx;
            break;
        default:
            break;
    }
}

void FraktalZoomen(FraktalParamRec& p, int richtung) {
    const double w = p.XMax - p.XMin, h = p.YMax - p.YMin;
    const double f = richtung == 1 ? (1.0 - p.ZoomFaktor) / 2.0 : (1.0 - 1.0 / p.ZoomFaktor) / 2.0;
    p.XMin += w * f;
    p.XMax -= w * f;
    p.YMin += h * f;
    p.YMax -= h * f;
}

void FraktalErzeugen(Dokument& dok, const FraktalParamRec& p) {
    FraktalParamRec q = p;
    FraktalVorgabe(q, q.Vorgabe);
    FraktalBerechnen(dok, q);
}

}  // namespace gm
