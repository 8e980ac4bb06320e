#pragma once
// The fractal mountains of the two mountain tools: a fan of triangles from the
// outline to the peak point, subdivided with random displacement and
// scan-converted into Zweitbild, the highest surface winning at every cell.

#include <vector>

#include "core/dokument.h"
#include "core/zufall.h"
#include "editing/form.h"
#include "editing/form_raster.h"

namespace gm {

// The settings of the "Berge" dialog.
struct BergRec {
    int Level = 5;  // subdivision depth, 2..7
    double ZufallX = 0.15;
    double ZufallY = 0.15;
    double ZufallZ = 0.5;
};

struct Bergpunkt {
    double x = 0.0, y = 0.0, z = 0.0;
};
struct Bergdreieck {
    Bergpunkt p[3];
};
using Dreiecksliste = std::vector<Bergdreieck>;

// "Mountain 1": every triangle split into four at shared edge points.
void BergKanten(const BergRec& berg, const Umriss& u, double hoehe, Zufallsfolge& zufall,
                Dreiecksliste& liste);
// "Mountain 2": every triangle split into three at a displaced centroid.
void BergSchwerpunkt(const BergRec& berg, const Umriss& u, double hoehe, Zufallsfolge& zufall,
                     Dreiecksliste& liste);

// Scan-converts one triangle into Zweitbild; returns the rows and columns it
// may have written.
Rechteck DreieckZeichnen(Dokument& dok, const Bergdreieck& d);
// Empties the cells the list's triangles can reach, then draws every triangle
// in list order; returns those cells.
Rechteck DreieckeZeichnen(Dokument& dok, const Dreiecksliste& liste);

}  // namespace gm
