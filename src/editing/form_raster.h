#pragma once
// The shape rasters: an ellipse or a polygon written into Zweitbild with one
// of three profiles, each cell keeping the largest value written to it.

#include "core/dokument.h"
#include "core/rechteck.h"
#include "editing/form.h"

namespace gm {

// Profile 1 is flat, 2 falls linearly from the peak to the outline (a cone),
// 3 falls as 1 - t² (a dome).
enum class Profil { Flach = 1, Spitz = 2, Rund = 3 };

// The active cells within `rand` of the box around (cx, cy) with half sizes
// (hx, hy); far-off coordinates are clamped before they become integers.
Rechteck FeldAusschnitt(const Dokument& dok, double cx, double cy, double hx, double hy);

// Each raster first empties the cells it examines and returns them; cells
// outside are not touched.

// Ellipse of the shape's box; nothing unless rx exceeds 2 and ry exceeds 0.
Rechteck EllipseRastern(Dokument& dok, const FormRec& form, const Umriss& u, Profil p,
                        double amplitude);
// Polygon of the outline around its peak point; nothing unless the box's
// larger side, squared, exceeds 1.
Rechteck PolygonRastern(Dokument& dok, const FormRec& form, const Umriss& u, Profil p,
                        double amplitude);

}  // namespace gm
