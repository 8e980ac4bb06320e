#pragma once
// The 3D preview: the field reduced to a square vertex mesh, each triangle
// coloured once when the window opens, turned by three angles, projected
// orthographically and painted back to front over a gradient background.

#include <cstdint>
#include <span>
#include <vector>

#include "core/dokument.h"
#include "display/ansicht_rec.h"
#include "display/farbstand.h"
#include "display/pixelbild.h"
#include "display/zeichnen.h"

namespace gm {

// The picture size the preview is designed for; other sizes scale with their
// shorter side.
constexpr int Ansicht3DKante = 480;

// The mesh of the field at the moment the window opened.
struct Landschaft3D {
    int kante = 0;              // vertices per side
    std::vector<double> lage;   // model x (and y) of vertex column (row) i: -200..200
    std::vector<double> z;      // vertex (i, j) at i * kante + j: the sampled height
    std::vector<Pixel> farben;  // two triangles per cell, cell (i, j) at i * (kante - 1) + j
};

// Samples Hoehenfeld at kante x kante vertices: vertex i lies at grid position
// i * MaxX / (kante - 1) (so the last vertex on the last sample), blended
// bilinearly by the rule of Umrechnen. Each triangle takes HoeheZuFarbe with
// Mischwert 0 of its vertices' mean height, clamped; in the render colouring
// the triangles draw their random numbers in index order.
void Landschaft3DAufbauen(const ColourState& farben, Dokument& dok, int kante, Landschaft3D& aus);

// The three vertex indices of triangle t: of cell (i, j) first (i, j),
// (i, j + 1), (i + 1, j + 1), then (i, j), (i + 1, j + 1), (i + 1, j).
struct DreieckEcken {
    int a, b, c;
};
DreieckEcken Ecken(int kante, int t);

// The rotations, zoom and height factor for a picture of breite x hoehe.
struct Projektion {
    double cosY, sinY, cosX, sinX, cosZ, sinZ;
    double hoehenFaktor;
    double massstab;  // Zoom times the picture's shorter side / 480
    double mitteX, mitteY;
};
Projektion ProjektionFuer(const AnsichtRec& a, int breite, int hoehe);

struct Projiziert {
    Bildpunkt punkt;
    double tiefe;
};
// Turns (x, y, z) about the height axis by WinkelY, then about y by WinkelX,
// then about x by WinkelZ, with the height (z - 0.5) * HoehenFaktor; the
// screen position is cut towards zero, the depth is the last coordinate.
Projiziert Projizieren(const Projektion& p, double x, double y, double z);

// Working storage of one frame, kept between frames so a drag allocates nothing.
struct Ansicht3DPuffer {
    struct Eintrag {
        std::uint64_t schluessel;
        std::uint32_t dreieck;
    };
    std::vector<Bildpunkt> punkte;
    std::vector<double> tiefe;
    std::vector<Eintrag> eintraege, tausch;  // sort keys with their triangle
    std::vector<std::uint32_t> ordnung;      // triangles in drawing order
    std::vector<Pixel> schattiert;
};

// The gradient of the preview's background at the picture's size.
void Hintergrund3D(PixelImage& bild);

// The indices of the triangles in drawing order: by the depth of their first
// vertex ascending, equal depths by index, so every picture repeats.
void DreieckeSortieren(std::span<const double> tiefe, int kante, Ansicht3DPuffer& puffer);

// Copies the background into `bild` and paints every triangle in depth order.
void OberflaecheZeichnen(const Landschaft3D& l, const AnsichtRec& a, const PixelImage& hintergrund,
                         Ansicht3DPuffer& puffer, PixelImage& bild);

// Copies the background into `bild` and draws the lower and upper rectangle
// of the box -200..200 x -200..200 x +-HoehenFaktor / 2 in black.
void KastenZeichnen(const AnsichtRec& a, const PixelImage& hintergrund, PixelImage& bild);

// The whole preview picture of the current field, as the window shows it on
// opening: mesh, background and surface at breite x hoehe.
void Ansicht3DZeichnen(const ColourState& farben, Dokument& dok, const AnsichtRec& a, int breite,
                       int hoehe, PixelImage& bild);

}  // namespace gm
