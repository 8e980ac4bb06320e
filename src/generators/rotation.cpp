#include "generators/rotation.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/faeden.h"
#include "core/kombination.h"
#include "core/script_liste.h"
#include "core/wellenprofil.h"
#include "core/zahlen.h"
#include "generators/rotation_intern.h"

namespace gm {

namespace rotation_intern {

Geometrie geometrie(const RotationParamRec& r) {
    const double a = -r.Winkel * std::numbers::pi / 180.0;
    Geometrie g{};
    g.cx = r.MitteX;
    g.cy = r.MitteY;
    g.fx = r.FokusX;
    g.fy = r.FokusY;
    g.rx2 = r.RadiusX * r.RadiusX;
    g.ry2 = r.RadiusY * r.RadiusY;
    g.cosinus = std::cos(a);
    g.sinus = std::sin(a);
    if (r.Winkel != 0.0) drehenUm(g.fx, g.fy, g.cosinus, g.sinus, g.cx, g.cy);
    double ux = g.fx - g.cx, uy = g.fy - g.cy;
    if (ux * ux / g.rx2 + uy * uy / g.ry2 >= 1.0) {
        g.fx = g.cx;
        g.fy = g.cy;
        ux = uy = 0.0;
    }
    g.imZentrum = g.fx == g.cx && g.fy == g.cy;
    // c is scaled from the same sum the test above compares, so it stays below 0.
    const double c = (ux * ux / g.rx2 + uy * uy / g.ry2 - 1.0) * (g.rx2 * g.ry2);
    g.uxRy2 = ux * g.ry2;
    g.uyRx2 = uy * g.rx2;
    g.vierC = 4.0 * c;
    g.kehrMinusZweiC = 1.0 / (-2.0 * c);
    return g;
}

}  // namespace rotation_intern

namespace {

using namespace rotation_intern;
using R = RotationParamRec;

const Parameter rotationParameter[] = {
    Param<&R::Kurve>("Kurve", 3, 1, 8, Skala::Linear, 1, "Funktion"),
    Param<&R::Perioden>("Perioden", 1.0, 0.1, 100.0, Skala::Logarithmisch, 0.1, "Iterationen"),
    Param<&R::AnstiegF>("AnstiegF", 0.0, -1.0, 1.0, Skala::Linear, 0.01, "Anstieg"),
    Param<&R::Linearitaet1>("Linearitaet1", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                            "Linearität 1"),
    Param<&R::Linearitaet2>("Linearitaet2", 0.5, 0.0, 1.0, Skala::Linear, 0.01, "Linearität 2"),
    Param<&R::Stufen>("Stufen", 0.0, 0.0, 32.0, Skala::Linear, 1, "Digitalisieren"),
    Param<&R::GammaF>("GammaF", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Gammakorrektur"),
    Param<&R::Verschiebung1>("Verschiebung1", 0.0, 0.0, 2.0, Skala::Linear, 0.01, "Verschiebung 1"),
    Param<&R::Verschiebung2>("Verschiebung2", 0.0, 0.0, 2.0, Skala::Linear, 0.01, "Verschiebung 2"),
    Param<&R::MitteX>("MitteX", -1, -1, FeldMaxIndex + 1, Skala::Linear, 1,
                      "Mittelpunkt X (-1: Mitte)"),
    Param<&R::MitteY>("MitteY", -1, -1, FeldMaxIndex + 1, Skala::Linear, 1,
                      "Mittelpunkt Y (-1: Mitte)"),
    Param<&R::FokusX>("FokusX", -1, -1, FeldMaxIndex + 1, Skala::Linear, 1,
                      "Schwerpunkt X (-1: Mitte)"),
    Param<&R::FokusY>("FokusY", -1, -1, FeldMaxIndex + 1, Skala::Linear, 1,
                      "Schwerpunkt Y (-1: Mitte)"),
    Param<&R::RadiusX>("RadiusX", -1, -1, FeldMaxIndex + 1, Skala::Linear, 1,
                       "Radius X (-1: ein Drittel)"),
    Param<&R::RadiusY>("RadiusY", -1, -1, FeldMaxIndex + 1, Skala::Linear, 1,
                       "Radius Y (-1: ein Drittel)"),
    Param<&R::Winkel>("Winkel", 0.0, 0.0, 360.0, Skala::Linear, 1, "Winkel"),
    Param<&R::Invertieren>("Invertieren", 0, 0, 1, Skala::Linear, 1, "Invertieren"),
    Param<&R::Welle>("Welle", 0, 0, 1, Skala::Linear, 1, "Welle X"),
    Param<&R::Negativ>("Negativ", 0, 0, 1, Skala::Linear, 1, "Negativ X"),
    Param<&R::MitteFokusGleich>("MitteFokusGleich", 1, 0, 1, Skala::Linear, 1,
                                "Mittelpunkt = Schwerpunkt"),
    Param<&R::RadienGleich>("RadienGleich", 1, 0, 1, Skala::Linear, 1, "Radius X = Radius Y"),
};

double grenzeX(const Dokument& d) {
    return d.MaxX + 1;
}
double grenzeY(const Dokument& d) {
    return d.MaxY + 1;
}
double mitteX(const Dokument& d) {
    return RotationMitteVorgabe(d.MaxX);
}
double mitteY(const Dokument& d) {
    return RotationMitteVorgabe(d.MaxY);
}
double radiusX(const Dokument& d) {
    return RotationRadiusVorgabe(d.MaxX);
}
double radiusY(const Dokument& d) {
    return RotationRadiusVorgabe(d.MaxY);
}

constexpr auto D = ArgForm::Dezimal;

const ScriptArgument rotationArgumente[] = {
    Arg<&R::Kurve>(3, 8, 1),
    Arg<&R::Perioden>(1.0, 100.0, 0.1),
    Arg<&R::AnstiegF>(0.0, 1.0, -1.0),
    Arg<&R::Linearitaet1>(1.0, 100.0, 0.01),
    Arg<&R::Linearitaet2>(0.05, 1.0, 0.0),
    Arg<&R::Stufen>(0.0, 32.0, 0.0),
    Arg<&R::GammaF>(1.0, 100.0, 0.01),
    Arg<&R::Verschiebung1>(0.0, 2.0, 0.0),
    Arg<&R::Verschiebung2>(0.0, 2.0, 0.0),
    ArgIm<&R::MitteX>(&grenzeX, &mitteX, 1, D),
    ArgIm<&R::MitteY>(&grenzeY, &mitteY, 1, D),
    ArgIm<&R::FokusX>(&grenzeX, &mitteX, 1, D),
    ArgIm<&R::FokusY>(&grenzeY, &mitteY, 1, D),
    ArgIm<&R::RadiusX>(&grenzeX, &radiusX, 1, D),
    ArgIm<&R::RadiusY>(&grenzeY, &radiusY, 1, D),
    Arg<&R::Winkel>(0.0, 360.0, 0.0),
    Arg<&R::Invertieren>(0, 1, 0),
    Arg<&R::Welle>(0, 1, 0),
    Arg<&R::Negativ>(0, 1, 0),
    Arg<&R::MitteFokusGleich>(1, 1, 0),
    Arg<&R::RadienGleich>(1, 1, 0),
};

double wert(const R& r, const Geometrie& g, const WellenForm& f, double px, double py) {
    if (r.Winkel != 0.0) drehenUm(px, py, g.cosinus, g.sinus, g.cx, g.cy);
    return WellenProfilImRing(f, phasen(r), position(r, g, px, py));
}

}  // namespace

std::span<const Parameter> RotationParameter() {
    return rotationParameter;
}
std::span<const ScriptArgument> RotationArgumente() {
    return rotationArgumente;
}

double RotationMitteVorgabe(int max) {
    return roundHalfEven((max + 1) / 2.0) - 1.0;
}
double RotationRadiusVorgabe(int max) {
    return roundHalfEven((max + 1) / 3.0) - 1.0;
}

RotationParamRec RotationAufFeld(const Dokument& dok, RotationParamRec r) {
    auto vorgabe = [](double& feld, double wert) {
        if (feld == -1.0) feld = wert;
    };
    vorgabe(r.MitteX, RotationMitteVorgabe(dok.MaxX));
    vorgabe(r.MitteY, RotationMitteVorgabe(dok.MaxY));
    vorgabe(r.FokusX, RotationMitteVorgabe(dok.MaxX));
    vorgabe(r.FokusY, RotationMitteVorgabe(dok.MaxY));
    vorgabe(r.RadiusX, RotationRadiusVorgabe(dok.MaxX));
    vorgabe(r.RadiusY, RotationRadiusVorgabe(dok.MaxY));
    return r;
}

RotationParamRec RotationKoppeln(RotationParamRec r) {
    if (r.MitteFokusGleich) {
        r.FokusX = r.MitteX;
        r.FokusY = r.MitteY;
    }
    if (r.RadienGleich) r.RadiusY = r.RadiusX;
    return r;
}

void Drehen(double& x, double& y, double winkel, double cx, double cy) {
    const double a = -winkel * std::numbers::pi / 180.0;
    drehenUm(x, y, std::cos(a), std::sin(a), cx, cy);
}

void RotationBerechnen(Dokument& dok, const RotationParamRec& r) {
    RotationBerechnenMit(dok, r, BesterBefehlssatz());
}

void RotationBerechnenMit(Dokument& dok, const RotationParamRec& r, Befehlssatz satz) {
    // Every active cell is written (0 outside the ellipse), so the grid is not zeroed first.
    const Geometrie g = geometrie(r);
    const WellenForm f = form(r);
    const int maxX = dok.MaxX, ny = dok.MaxY + 1;
    std::vector<double> sinus(static_cast<std::size_t>(ny)), cosinus(sinus.size());
    for (int y = 0; y < ny; ++y) {
        sinus[std::size_t(y)] = g.sinus * (y - g.cy);
        cosinus[std::size_t(y)] = g.cosinus * (y - g.cy);
    }
    const Zeilen zeilen{ny, sinus.data(), cosinus.data()};
    const PositionenFn positionen = PositionenKern(satz);
    ZweiFaeden([&](int teil) {
        for (int x = teil; x <= maxX; x += 2) {
            double* spalte = dok.Zweitbild.spalte(x);
            positionen(r, g, zeilen, x, spalte);
            WellenProfilReihe(f, phasen(r), spalte, spalte, ny, satz);
        }
    });
    if (r.Invertieren) ZweitbildUmkehren(dok);
}

void RotationErzeugen(Dokument& dok, const RotationParamRec& rec) {
    // The field is computed from the numbers as the line writes them, so that
    // replaying the line gives the same field to the last bit.
    R r = rec;
    for (const ScriptArgument& a : RotationArgumente()) {
        if (a.form == ArgForm::Dezimal) a.setzen(&r, *parseNumber(formatScriptNumber(a.lesen(&r))));
    }
    RotationBerechnen(dok, r);
    ScriptAnhaengen(dok, ScriptZeileAus("build_rotate", RotationArgumente(), r));
}

Status RotationAusfuehren(Dokument& dok, const Werte& werte) {
    const R r = RotationKoppeln(RotationAufFeld(dok, recordAus<R>(RotationParameter(), werte)));
    const struct {
        const char* name;
        double wert;
        int max;
    } lagen[] = {{"MitteX", r.MitteX, dok.MaxX},   {"MitteY", r.MitteY, dok.MaxY},
                 {"FokusX", r.FokusX, dok.MaxX},   {"FokusY", r.FokusY, dok.MaxY},
                 {"RadiusX", r.RadiusX, dok.MaxX}, {"RadiusY", r.RadiusY, dok.MaxY}};
    for (const auto& l : lagen) {
        if (l.wert < 1.0 || l.wert > l.max + 1) {
            return Status::fehler(std::string(l.name) + " must lie in 1.." +
                                  std::to_string(l.max + 1) + " for this field, got " +
                                  formatScriptNumber(l.wert));
        }
    }
    RotationErzeugen(dok, r);
    ZweitbildVerknuepfen(dok);
    return {};
}

void RotationVorschau(const RotationParamRec& r, int maxX, int maxY, Vorschaufeld& v) {
    const Geometrie g = geometrie(r);
    const WellenForm f = form(r);
    for (int i = 0; i < VorschauKante; ++i) {
        for (int j = 0; j < VorschauKante; ++j) {
            double w = wert(r, g, f, i * double(maxX) / (VorschauKante - 1),
                            j * double(maxY) / (VorschauKante - 1));
            v.werte[i][j] = r.Invertieren ? clamp01(1.0 - w) : w;
        }
    }
}

}  // namespace gm
