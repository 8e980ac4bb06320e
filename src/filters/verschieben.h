#pragma once
// "Bild verschieben" (DefiniereBildVerschieben) and "Bild erweitern"
// (DefiniereBildErweitern): the whole field moved within its grid, or placed
// into a grid of new extents, without resampling. Neither records a line.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/status.h"

namespace gm {

struct VerschiebenRec {
    int VerschiebenWeite = 0;        // cells
    int VerschiebenRichtung = 2;     // 1 left, 2 up, 3 right, 4 down
    bool VerschiebenNullen = false;  // true: the vacated band becomes 0; false: wrap
};
extern const Parameter VerschiebenParameter[3];

// Undo copy, then every cell moved by the distance; with wrapping the
// distance is taken modulo the size, without it targets outside the field
// are dropped and the vacated cells become 0. Ignores the mask; values are
// clamped to 0..1.
void BildVerschieben(Dokument& dok, const VerschiebenRec& rec);
Status VerschiebenAusfuehren(Dokument& dok, const Werte& werte);

struct ErweiternRec {
    int NeuMaxX = 512;  // new largest indices (points - 1)
    int NeuMaxY = 512;
    int Anker = 5;  // 1 left top .. 9 right bottom, row by row
};
extern const Parameter ErweiternParameter[3];

// Undo copy at the old extents, then the field placed at the anchor into the
// new extents: the samples keep their spacing, new cells are 0 and free, a
// smaller size crops, the mask moves with the samples, and the clipboard is
// released. Refuses fewer than 5 or more than 2049 points per axis.
Status BildErweitern(Dokument& dok, const ErweiternRec& rec);
Status ErweiternAusfuehren(Dokument& dok, const Werte& werte);

// The old index paired with new index `neu` along one axis, or -1 when the
// new index has no partner: anchor part 0 start, 1 centre, 2 end.
int ErweiternQuelle(int neu, int altMax, int neuMax, int ankerTeil);

}  // namespace gm
