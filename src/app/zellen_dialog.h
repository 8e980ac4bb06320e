#pragma once
// `TErstelleZellen`: the cell generator's dialog: sliders "Anzahl" and
// "Gamma", the box "Invertieren", the measure in the radio group
// "Verknuepfung" and "Neue Berechnung" for new feature points. "Übernehmen"
// computes the field into Zweitbild.

#include "app/parameter_dialog.h"
#include "generators/zellen.h"

class QButtonGroup;
class QPushButton;

namespace gm {

struct Sitzung;

class TErstelleZellen : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleZellen(Sitzung& s, QWidget* parent = nullptr);

    bool ausfuehren();
    const ZellenParamRec& gespeichert() const { return gespeichert_; }
    QButtonGroup* verknuepfung() const { return verknuepfung_; }
    QPushButton* neueBerechnung() const { return neu_; }

    void accept() override;  // WeiterClick

  private:
    ZellenParamRec arbeit() const;

    Sitzung& s_;
    ZellenParamRec gespeichert_;
    Werte reglerWerte_;
    VorschauSpanne spanne_{0.0, 1.0};
    bool invertiert_ = false;
    QButtonGroup* verknuepfung_ = nullptr;
    QPushButton* neu_ = nullptr;
};

}  // namespace gm
