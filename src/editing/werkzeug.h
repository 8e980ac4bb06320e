#pragma once
// The tools of the tool bar and the one function that applies a tool to a
// box: rasterise the shape into Zweitbild and apply it by the tool's rule.
// The window's mouse handling, the command line and the script replay all
// call FormAnwenden.

#include <optional>
#include <span>
#include <string_view>

#include "core/dokument.h"
#include "core/status.h"
#include "editing/berg.h"
#include "editing/form.h"
#include "editing/form_raster.h"

namespace gm {

enum class Umrissart { Ellipse, Polygon, Berg1, Berg2, Keiner };
enum class WerkzeugRegel { Verknuepfen, Maske, Angleichen, Weich, Hart, Pipette };

struct WerkzeugInfo {
    int nummer;             // the value of `Werkzeug`
    std::string_view name;  // its name on the command line
    Umrissart umriss;
    Profil profil;
    WerkzeugRegel regel;
};

// Every tool of the tool bar.
std::span<const WerkzeugInfo> Werkzeuge();
// The tool with value `nummer`, or nullptr (tool 0 and unknown values).
const WerkzeugInfo* WerkzeugMitNummer(int nummer);
// The tool named `name` or numbered by it, or nullptr.
const WerkzeugInfo* WerkzeugSuchen(std::string_view name);

// The tool bar's settings beyond the document: shape sliders, click sizes,
// placement mode and the mountain settings.
struct WerkzeugEinstellungen {
    FormRegler Form;
    ReglerWert InX{32.0, 0.0};
    ReglerWert InY{32.0, 0.0};
    int Platzierung = 1;  // 1 corner, 2 centre, 3 click square, 4 click rectangle
    BergRec Berg;
};

// One application of a tool: everything it reads besides the document.
struct Strich {
    int Werkzeug = 1;
    bool Rechts = false;  // right button: VerknuepfungsmodusRechts, lower marker
    FormRec Box;          // only the box corners are read
    FormRegler Form;
    BergRec Berg;
};

// The sizes range of "In X" and "In Y".
constexpr double MinKlickGroesse = 3.0;
constexpr double MaxKlickGroesse = 512.0;

// The box of a click placement (3: square from "In X", 4: "In X" by "In Y")
// around `punkt`, drawing the sizes from the document's generator.
FormRec KlickBox(Dokument& dok, const WerkzeugEinstellungen& e, Punkt punkt);
// The box of a drag from `start` to `ende`: corner to corner (placement 1)
// or from its centre (placement 2).
FormRec ZugBox(int platzierung, Punkt start, Punkt ende);

// Applies the stroke: draws its parameters, rasterises the shape and applies
// it by the tool's rule, with the combination mode of its button. Returns the
// cells of the field that may have changed.
Rechteck FormAnwenden(Dokument& dok, const Strich& s);

// The pipette at `punkt`: the left button takes the sample's height, rounded
// to three decimals, into MarkeOben, the right into MarkeUnten. Nothing off
// the field. Returns whether a marker changed.
bool Pipette(Dokument& dok, Punkt punkt, bool rechts);

// Soften or sharpen the free cells under the stroke (Zweitbild not
// KeinWert) within `r`, with the undo copy first.
enum class Kern { Weich, Hart };
void Glaetten(Dokument& dok, Kern kern, const Rechteck& r);

// Draws the shape parameters as tool `werkzeug` uses them: ellipse tools
// take 24 corners whatever the slider says.
void FormWuerfeln(int werkzeug, FormRec& form, const FormRegler& regler, Zufallsfolge& zufall);

// The outline the shape preview shows: FormWuerfeln and FormEckpunkte.
Umriss VorschauUmriss(int werkzeug, const FormRec& box, const FormRegler& regler,
                      Zufallsfolge& zufall);

}  // namespace gm

namespace gm {

// A sequence of tool applications from points in grid units, as the command
// line gives them: placements 1 and 2 take the points in pairs (press,
// release), placements 3 and 4 and the pipette one point per application.
// Each application is recorded and takes its own undo copy. Fails before
// applying anything on an odd count for a drag placement.
Status PunkteAnwenden(Dokument& dok, const WerkzeugEinstellungen& e, int werkzeug, bool rechts,
                      std::span<const Punkt> punkte);

}  // namespace gm
