#pragma once
// `TErstelleFunktionen`: the function generator's dialog. The frame carries
// the per-axis sliders and boxes and "Invertieren"; this class adds the curve
// lists `AuswahlFunktionenX` and `AuswahlFunktionenY` and the operator group
// `AuswahlFunktion`. "Übernehmen" computes Zweitbild.

#include "app/parameter_dialog.h"
#include "generators/funktionen.h"

class QButtonGroup;
class QComboBox;

namespace gm {

struct Sitzung;

class TErstelleFunktionen : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleFunktionen(Sitzung& s, QWidget* parent = nullptr);

    void oeffnen();  // FormShow
    bool ausfuehren();
    FunktionenParamRec arbeit() const;  // CheckenEinstellungen
    const FunktionenParamRec& gespeichert() const { return gespeichert_; }
    QComboBox* kurven(int achse) const { return kurve_[achse]; }
    QButtonGroup* verknuepfung() const { return verknuepfung_; }

    void accept() override;  // WeiterClick

  private:
    void einstellungen();  // CheckenEinstellungenFunktionen outside the build-up

    Sitzung& s_;
    FunktionenParamRec gespeichert_;
    Werte rahmen_;
    bool aufbau_ = false;
    QComboBox* kurve_[2] = {};
    QButtonGroup* verknuepfung_ = nullptr;
};

}  // namespace gm
