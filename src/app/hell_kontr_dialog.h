#pragma once
// `TEingabeHelligkeitKontrast` ("Eingabe Helligkeit-Kontrast"): the two
// sliders of the frame, the histogram of the field with the input window
// marked, and the transfer curve; both images follow every slider movement.

#include <QImage>

#include "app/parameter_dialog.h"
#include "filters/hell_kontr.h"

class QLabel;

namespace gm {

struct Sitzung;

class TEingabeHelligkeitKontrast : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeHelligkeitKontrast(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: fills the histogram, then the frame's opening.
    void oeffnen();
    bool ausfuehren();

    HellKontrRec gespeichert() const;
    const Histogramm& histogramm() const { return histogramm_; }
    const QImage& histogrammBild() const { return histogrammBild_; }
    const QImage& kurve() const { return kurve_; }

    void accept() override;  // WeiterClick

  private:
    void bilderZeichnen();

    Sitzung& s_;
    Werte gespeichert_;
    Histogramm histogramm_;
    QLabel* darstellung_ = nullptr;
    QLabel* darstellung1_ = nullptr;
    QImage histogrammBild_;
    QImage kurve_;
};

}  // namespace gm
