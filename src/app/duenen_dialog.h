#pragma once
// `TErstelleDuenen`: the dune generator's dialog. Every release of a slider
// or click on a box rebuilds the noise curves and draws the preview and the
// flank picture; "Neue Landschaft H" and "V" renew one family's random
// tables. "Übernehmen" computes the field into Zweitbild.

#include <QImage>

#include "app/parameter_dialog.h"
#include "generators/duenen.h"

class QLabel;
class QPushButton;

namespace gm {

struct Sitzung;

class TErstelleDuenen : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleDuenen(Sitzung& s, QWidget* parent = nullptr);

    bool ausfuehren();
    DuenenParamRec gespeichert() const;
    const QImage& flanken() const { return flanken_; }
    QPushButton* neueLandschaft(int s) const { return neu_[s]; }

    void accept() override;  // WeiterClick

  private:
    void vorschauRechnen(const Werte& w, Vorschaufeld& feld);
    void flankenZeichnen(const DuenenParamRec& p);

    Sitzung& s_;
    Werte gespeichert_;
    VorschauSpanne spanne_{0.0, 1.0};
    bool invertiert_ = false;
    QPushButton* neu_[2] = {};
    QLabel* flankenBild_ = nullptr;
    QImage flanken_;
};

}  // namespace gm
