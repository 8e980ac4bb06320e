#pragma once
// The tool bar at work on the main view: the mouse protocol of the four
// placements, the outline shown during a drag, the shape preview, the
// right-click menus of the tool buttons and the "Berge" and "GleichPinsel"
// commands. Every application goes through WerkzeugAnwenden, exactly as the
// command line's --stroke does.

#include <QObject>
#include <QPointF>

#include "core/zufall.h"
#include "editing/werkzeug.h"

class QLabel;

namespace gm {

class TLandGenerator;

class WerkzeugMaus : public QObject {
    Q_OBJECT
  public:
    // Connects itself to the view, the shape and size sliders, the preview
    // and the tool buttons of `f`.
    explicit WerkzeugMaus(TLandGenerator& f);

    // A drag (placements 1 and 2) is in progress.
    bool zugLaeuft() const { return zug_; }
    // Redraws the shape preview `ImageAusgabePar` with a fresh display draw.
    void vorschauZeichnen();

  private:
    void gedrueckt(QPointF pos, Qt::MouseButton knopf);
    void gezogen(QPointF pos, Qt::MouseButtons gehalten);
    void losgelassen(QPointF pos, Qt::MouseButton knopf);
    void zugBeginnen(Punkt start);
    void umrissZeigen(Punkt ende);
    void anwenden(const FormRec& box, bool rechts);
    void reglerLesen();
    Punkt rasterPunkt(QPointF pos) const;

    TLandGenerator& f_;
    QLabel* vorschau_ = nullptr;
    // Display-only draws (drag outline, shape preview) come from here, so a
    // stroke's result never depends on how often they were drawn.
    Zufallsfolge anzeige_;
    bool zug_ = false;
    Punkt start_;
    FormRec zugForm_;  // the parameters of the outline shown during the drag
    // Where the button went down, while it is held without a drag.
    bool gehalten_ = false;
    QPointF druck_;
};

// "Voreinstellungen" -> "Berge": the mountain settings dialog (no redraw).
void Berge1Click(TLandGenerator& f);
// "Voreinstellungen" -> "GleichPinsel": the level of the "Same" brush.
void Minimum1Click(TLandGenerator& f);
void Mittel1Click(TLandGenerator& f);
void Maximum1Click(TLandGenerator& f);

}  // namespace gm
