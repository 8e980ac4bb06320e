#pragma once
// `TEingabeKraterisieren` ("Eingabe Kraterisieren"): the cut level slider
// with its spread (the rim width), the depth and randomness sliders, the
// histogram of the field with the rim band marked, and the transfer curve,
// whose random part changes on every redraw. Opening reseeds the generator
// from the clock.

#include <QImage>

#include "app/parameter_dialog.h"
#include "filters/hell_kontr.h"
#include "filters/kraterisieren.h"

class QLabel;

namespace gm {

struct Sitzung;

class TEingabeKraterisieren : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeKraterisieren(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: reseeds, fills the histogram, then the frame's opening.
    void oeffnen();
    bool ausfuehren();

    const KraterisierenRec& gespeichert() const { return gespeichert_; }
    KraterisierenRec arbeit() const;
    ReglerWidget* reglerSchnitt() const { return reglerSchnitt_; }
    const Histogramm& histogramm() const { return histogramm_; }
    const QImage& histogrammBild() const { return histogrammBild_; }
    const QImage& kurve() const { return kurve_; }

    void accept() override;  // WeiterClick

  private:
    void bilderZeichnen();

    Sitzung& s_;
    KraterisierenRec gespeichert_;
    Werte werte_;
    Histogramm histogramm_;
    ReglerWidget* reglerSchnitt_ = nullptr;
    QLabel* darstellung_ = nullptr;
    QLabel* darstellung1_ = nullptr;
    QImage histogrammBild_;
    QImage kurve_;
};

}  // namespace gm
