#pragma once
// The colour bar's editing logic as functions of pointer position, button and
// state, so the window only translates its mouse events into these calls.
// Widths and heights are those of the bar's picture.

#include <cstdint>
#include <optional>
#include <string>

#include "core/dokument.h"
#include "display/farbstand.h"

namespace gm {

// What the window has to do after an event.
struct SkalaAntwort {
    bool skalaNeu = false;                    // redraw the colour bar
    bool hauptbildNeu = false;                // redraw the main view
    std::optional<std::string> status;        // new text of the second status panel ("" clears it)
    std::optional<std::uint32_t> farbDialog;  // open the colour dialog preset with this colour
                                              // (red in bits 0..7); then call PunktFarbeSetzen
};

// Palette column under the pointer (1, 2, or 0 for none) in the current mode.
int SkalaSpalte(const ColourState& farben, int x, int y, int hoehe);

// The point hit test: the active palette becomes 1 and both selections 0; after
// a column hit that palette becomes active and the first of its points within
// 3 rows of y is selected. Returns the selected index, or -1 for no point.
int SkalaPunktTreffen(ColourState& farben, int x, int y, int hoehe);

// Moves the selected point of the active palette to row y while that stays
// more than 2 rows from both neighbours. Returns whether it moved.
bool SkalaPunktZiehen(ColourState& farben, int y, int hoehe);

// Edits MarkeUnten or MarkeOben with the left (Wert) or right (Streuung)
// button. Returns whether a marker was addressed.
bool SkalaMarkeBearbeiten(Dokument& dok, int x, int y, Maustaste taste, int breite, int hoehe);

// Rounds to three decimals, then clamps to 0..1.
double SkalaDreiStellen(double v);

SkalaAntwort SkalaMouseDown(ColourState& farben, Dokument& dok, int x, int y, Maustaste taste,
                            int breite, int hoehe);
SkalaAntwort SkalaMouseMove(ColourState& farben, Dokument& dok, int x, int y, int breite,
                            int hoehe);
SkalaAntwort SkalaMouseUp(ColourState& farben, Dokument& dok, int x, int y, Maustaste taste,
                          int hoehe);
// At the last pointer position: inserts a point into the palette column under
// it, or deletes the inner point under it.
SkalaAntwort SkalaDblClick(ColourState& farben, int hoehe);

// The colour dialog was accepted: the selected point of the active palette
// takes the 8-bit components divided by 255.
void PunktFarbeSetzen(ColourState& farben, int rot, int gruen, int blau);

// "Farbskala(x, r, g, b): (%f, %d, %d, %d)".
std::string SkalaStatusText(double wert, const Farbe3& farbe);

}  // namespace gm
