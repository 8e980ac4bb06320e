#include "generators/fraktal.h"

#include <algorithm>

#include "core/faeden.h"
#include "core/zahlen.h"
#include "generators/fraktal_spuren.h"

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

// Every active cell gets its height, so Zweitbild need not be emptied first.
void FraktalBerechnen(Dokument& dok, const FraktalParamRec& p) {
    const double dx = (p.XMax - p.XMin) / dok.MaxX;
    const double dy = (p.YMax - p.YMin) / dok.MaxY;
    const FraktalRaster r{.x0 = p.XMin,
                          .dx = dx,
                          .y0 = p.YMin,
                          .dy = dy,
                          .spalten = dok.MaxX + 1,
                          .zeilen = dok.MaxY + 1,
                          .erste = dok.Zweitbild.spalte(0),
                          .abstand = FeldKante};
    // Alternate columns to the two threads: neighbouring columns cost alike.
    ZweiFaeden([&](int teil) { FraktalSpaltenRechnen(p, r, teil, 2); });
}

void FraktalVorschau(const FraktalParamRec& p, Vorschaufeld& v) {
    const double dx = (p.XMax - p.XMin) / 255.0;
    const double dy = (p.YMax - p.YMin) / 255.0;
    const FraktalRaster r{.x0 = p.XMin,
                          .dx = dx,
                          .y0 = p.YMin,
                          .dy = dy,
                          .spalten = VorschauKante,
                          .zeilen = VorschauKante,
                          .erste = v.werte[0],
                          .abstand = VorschauKante};
    ZweiFaeden([&](int teil) { FraktalSpaltenRechnen(p, r, teil, 2); });
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
