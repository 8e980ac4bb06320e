#include "display/profilansicht.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/puffer.h"
#include "core/zahlen.h"
#include "display/hauptbild.h"
#include "display/zeichnen.h"

namespace gm {

namespace {

constexpr Pixel Gitterfarbe = PixelAusBytes(96, 112, 112);
constexpr Pixel Weiss = PixelAusBytes(255, 255, 255);
constexpr Pixel Schwarz = PixelAusBytes(0, 0, 0);
constexpr Pixel Rot = PixelAusBytes(255, 0, 0);
constexpr int Fussleiste = 10;

bool quer(int richtung) {
    return richtung == RichtungRechts || richtung == RichtungLinks;
}
bool gespiegelt(int richtung) {
    return richtung == RichtungHinten || richtung == RichtungRechts;
}
bool nahIstHoch(int richtung) {
    return richtung == RichtungVorne || richtung == RichtungRechts;
}

// Sample index along the section for each picture column.
std::vector<int> spaltenIndizes(int breite, int laengsMax, int richtung) {
    std::vector<int> index(std::size_t(std::max(breite, 0)));
    for (int x = 0; x < breite; ++x) {
        const int s = breite > 1 ? roundToInt(double(laengsMax) * x / (breite - 1)) : 0;
        index[std::size_t(gespiegelt(richtung) ? breite - 1 - x : x)] = s;
    }
    return index;
}

double wert(const Dokument& dok, int richtung, int schnitt, int laengs) {
    const double v =
        quer(richtung) ? dok.Hoehenfeld(schnitt, laengs) : dok.Hoehenfeld(laengs, schnitt);
    return clamp01(v);
}

}  // namespace

int ProfilQuerMax(const Dokument& dok, int richtung) {
    return quer(richtung) ? dok.MaxX : dok.MaxY;
}

int ProfilLaengsMax(const Dokument& dok, int richtung) {
    return quer(richtung) ? dok.MaxY : dok.MaxX;
}

std::vector<int> ProfilSchnitte(int querMax) {
    const int l = querMax > 0 ? roundToInt(std::log2(double(querMax))) : 0;
    const int s = std::max(1, l - 5);
    const int k = roundToInt(double(querMax) / s);
    std::vector<int> schnitte;
    for (int i = 0; i <= k; ++i)
        schnitte.push_back(std::min(s * i, querMax));
    return schnitte;
}

void ZeichneEinzelprofil(const Dokument& dok, int richtung, int schnitt, PixelImage& bild) {
    const int w = bild.width, h = bild.height;
    std::fill(bild.pixels.begin(), bild.pixels.end(), Schwarz);
    for (int k = 1; k <= 9; ++k) {
        const int y = roundToInt(k * h / 10.0);
        if (y < h) std::fill_n(bild.row(y), w, Gitterfarbe);
    }
    schnitt = std::clamp(schnitt, 0, ProfilQuerMax(dok, richtung));
    const std::vector<int> index = spaltenIndizes(w, ProfilLaengsMax(dok, richtung), richtung);
    for (int x = 0; x < w; ++x) {
        const double v = wert(dok, richtung, schnitt, index[std::size_t(x)]);
        SenkrechteZeichnen(bild, x, h, roundToInt(h * v), Weiss);
    }
}

void ZeichneProfilStapel(const Dokument& dok, int richtung, PixelImage& bild) {
    const int w = bild.width, h = bild.height, boden = h - Fussleiste;
    std::fill(bild.pixels.begin(), bild.pixels.end(), Schwarz);
    VerlaufFuellen(bild, boden + 1, boden);
    const int m = ProfilQuerMax(dok, richtung);
    const std::vector<int> index = spaltenIndizes(w, ProfilLaengsMax(dok, richtung), richtung);
    std::vector<int> schnitte = ProfilSchnitte(m);
    // Painted from the nearest section backwards: each column only gains the
    // rows above what nearer sections already cover, which gives the picture
    // of painting far to near with a fraction of the writes.
    if (nahIstHoch(richtung)) std::reverse(schnitte.begin(), schnitte.end());
    std::vector<int> oben(std::size_t(std::max(w, 0)), boden);
    for (int schnitt : schnitte) {
        const int d = nahIstHoch(richtung) ? schnitt : m - schnitt;
        const int gruen = m > 0 ? roundToInt(224.0 * d / m + 15.0) : 239;
        for (int x = 0; x < w; ++x) {
            const double v = wert(dok, richtung, schnitt, index[std::size_t(x)]);
            const int spitze = boden - roundToInt(boden * v);
            int& o = oben[std::size_t(x)];
            if (spitze >= o) continue;
            SenkrechteZeichnen(bild, x, o, o - spitze, PixelAusBytes(0, gruen, 0));
            o = spitze;
        }
    }
}

void ZeichneDraufsicht(const ColourState& farben, Dokument& dok, PixelImage& bild) {
    auto vorschau = std::make_unique<Vorschaufeld>();
    VorschauAusHoehenfeld(dok, *vorschau);
    ZeichneVorschau(farben, dok, *vorschau, false, 1.0, 0.0, bild);
}

void ZeichneSchnittMarke(const PixelImage& draufsicht, const Dokument& dok, int richtung,
                         int schnitt, PixelImage& bild) {
    bild = draufsicht;
    const int m = std::max(ProfilQuerMax(dok, richtung), 1);
    if (quer(richtung)) {
        const int x = std::min(int(double(schnitt) / m * bild.width), bild.width - 1);
        LinieZeichnen(bild, {x, 0}, {x, bild.height - 1}, Rot);
    } else {
        const int y = std::min(int(double(schnitt) / m * bild.height), bild.height - 1);
        LinieZeichnen(bild, {0, y}, {bild.width - 1, y}, Rot);
    }
}

}  // namespace gm
