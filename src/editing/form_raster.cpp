#include "editing/form_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/puffer.h"

namespace gm {

namespace {

double profilWert(Profil p, double t) {
    switch (p) {
        case Profil::Flach:
            return 1.0;
        case Profil::Spitz:
            return 1.0 - t;
        case Profil::Rund:
            return 1.0 - t * t;
    }
    return 0.0;
}

void schreiben(Dokument& dok, int x, int y, double wert) {
    double& z = dok.Zweitbild(x, y);
    if (wert > z) z = wert;
}

int begrenzt(double v, int maximum) {
    return int(std::clamp(v, -1.0, double(maximum) + 1.0));
}

// Relative position of (u, v) between the peak q (0) and the unit circle (1)
// along the ray from q, for a peak inside the circle.
double strahlAnteil(double u, double v, double qx, double qy) {
    const double wx = u - qx, wy = v - qy;
    const double qw = qx * wx + qy * wy;
    const double ww = wx * wx + wy * wy;
    const double rest = 1.0 - (qx * qx + qy * qy);
    return (qw + std::sqrt(qw * qw + ww * rest)) / rest;
}

double kreuz(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// Relative position of point p on the ray from the peak to the outline edge
// it meets last in outline order; negative when the ray meets no edge.
double polygonAnteil(const Umriss& u, Punkt p) {
    const double wx = p.x - u.spitze.x, wy = p.y - u.spitze.y;
    double anteil = -1.0;
    for (int k = 1; k <= u.n; ++k) {
        const Punkt a = u.O[k - 1];
        const double kx = u.O[k].x - a.x, ky = u.O[k].y - a.y;
        const double nenner = kreuz(wx, wy, kx, ky);
        if (nenner == 0.0) continue;  // parallel to the edge
        const double dx = a.x - u.spitze.x, dy = a.y - u.spitze.y;
        const double t = kreuz(dx, dy, kx, ky) / nenner;
        const double s = kreuz(dx, dy, wx, wy) / nenner;
        if (t > 0.0 && s >= 0.0 && s <= 1.0) anteil = 1.0 / t;
    }
    return anteil;
}

bool istEcke(const Umriss& u, Punkt p) {
    for (int k = 1; k <= u.n; ++k) {
        if (u.O[k].x == p.x && u.O[k].y == p.y) return true;
    }
    return false;
}

}  // namespace

Rechteck FeldAusschnitt(const Dokument& dok, double cx, double cy, double hx, double hy) {
    Rechteck r;
    r.x0 = std::max(0, begrenzt(std::floor(cx - hx), dok.MaxX));
    r.x1 = std::min(dok.MaxX, begrenzt(std::ceil(cx + hx), dok.MaxX));
    r.y0 = std::max(0, begrenzt(std::floor(cy - hy), dok.MaxY));
    r.y1 = std::min(dok.MaxY, begrenzt(std::ceil(cy + hy), dok.MaxY));
    return r;
}

Rechteck EllipseRastern(Dokument& dok, const FormRec& form, const Umriss& u, Profil p,
                        double amplitude) {
    if (!(u.rx > 2.0) || !(u.ry > 0.0)) return {};
    const double phi = -std::numbers::pi * form.Drehung / 180.0;
    const double c = std::cos(phi), s = std::sin(phi);
    const bool gedreht = form.Drehung != 0.0;
    double qx = 0.0, qy = 0.0;
    const bool mittig = form.Verschiebung < 0.01 || p == Profil::Flach;
    if (!mittig) {
        const double a = std::numbers::pi * form.Verdrehung / 180.0;
        qx = std::cos(a) * form.Verschiebung;
        qy = std::sin(a) * form.Verschiebung;
    }
    const double halb = std::max(u.rx, u.ry);
    const Rechteck r = gedreht ? FeldAusschnitt(dok, u.cx, u.cy, halb, halb)
                               : FeldAusschnitt(dok, u.cx, u.cy, u.rx, u.ry);
    ZweitbildLeeren(dok, r);
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) {
            double px = x, py = y;
            if (gedreht) {
                const double dx = x - u.cx, dy = y - u.cy;
                px = c * dx + s * dy + u.cx;
                py = -s * dx + c * dy + u.cy;
            }
            const double d = (px - u.cx) * (px - u.cx) / (u.rx * u.rx) +
                             (py - u.cy) * (py - u.cy) / (u.ry * u.ry);
            if (d > 1.0) continue;
            double wert = 1.0;
            if (mittig) {
                if (p != Profil::Flach) wert = p == Profil::Spitz ? 1.0 - std::sqrt(d) : 1.0 - d;
            } else {
                const double t = strahlAnteil((px - u.cx) / u.rx, (py - u.cy) / u.ry, qx, qy);
                wert = profilWert(p, std::min(1.0, t));
            }
            schreiben(dok, x, y, wert * amplitude);
        }
    }
    return r;
}

Rechteck PolygonRastern(Dokument& dok, const FormRec& form, const Umriss& u, Profil p,
                        double amplitude) {
    const double seite = std::max(std::abs(form.x1 - form.x2), std::abs(form.y1 - form.y2));
    const double grenze = seite * seite;
    if (!(grenze > 1.0)) return {};
    const Rechteck r = FeldAusschnitt(dok, u.cx, u.cy, seite, seite);
    ZweitbildLeeren(dok, r);
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) {
            const double dx = x - u.cx, dy = y - u.cy;
            if (!(dx * dx + dy * dy < grenze)) continue;
            const Punkt zelle{double(x), double(y)};
            double wert = 0.0;
            if (zelle.x == u.spitze.x && zelle.y == u.spitze.y) {
                wert = 1.0;
            } else if (!istEcke(u, zelle)) {
                const double t = polygonAnteil(u, zelle);
                if (t < 0.0 || t > 1.0) continue;
                wert = profilWert(p, t);
            }
            schreiben(dok, x, y, wert * amplitude);
        }
    }
    return r;
}

}  // namespace gm
