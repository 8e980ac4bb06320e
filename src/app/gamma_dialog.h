#pragma once
// `TGammaKorrektur` ("Eingabe Exponentieren"): three radio buttons choose the
// curve; the first slider edits the chosen curve's parameter with that
// curve's scale; the second slider (GainMitte) is shown only for gain; the
// image shows the chosen transfer curve and follows every change.

#include <QImage>

#include "app/parameter_dialog.h"
#include "filters/gamma.h"

class QLabel;
class QRadioButton;

namespace gm {

struct Sitzung;

class TGammaKorrektur : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TGammaKorrektur(Sitzung& s, QWidget* parent = nullptr);

    void oeffnen();
    bool ausfuehren();

    const GammaRec& gespeichert() const { return gespeichert_; }
    const GammaRec& arbeit() const { return arbeit_; }
    // RBGamma, RBBias, RBGain for modes 1, 2, 3.
    QRadioButton* knopf(int modus) const { return knoepfe_[modus - 1]; }
    ReglerWidget* reglerGamma() const { return reglerGamma_; }
    ReglerWidget* reglerGain() const { return reglerGain_; }
    const QImage& kurve() const { return kurve_; }

    void accept() override;  // WeiterClick

  private:
    void modusSetzen(int modus);
    void reglerLesen();
    void kurveZeichnen();
    double& modusWert(int modus);

    Sitzung& s_;
    GammaRec gespeichert_;
    GammaRec arbeit_;
    Werte rahmen_;  // the frame has no parameters of its own
    QRadioButton* knoepfe_[3] = {};
    ReglerWidget* reglerGamma_ = nullptr;
    ReglerWidget* reglerGain_ = nullptr;
    QLabel* darstellung_ = nullptr;
    QImage kurve_;
};

}  // namespace gm
