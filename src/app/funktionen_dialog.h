#pragma once
// `TErstelleFunktionen`: the function generator's dialog. The frame carries
// the per-axis sliders and boxes and "Invertieren"; this class adds the curve
// lists `AuswahlFunktionenX` and `AuswahlFunktionenY` and the operator group
// `AuswahlFunktion`. "Übernehmen" computes Zweitbild.

#include "app/parameter_dialog.h"
#include "generators/funktionen.h"

class QButtonGroup;
class QComboBox;
class QLabel;

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
    // ImageDX1, ImageDX2, ImageDY1, ImageDY2: each axis's curve with its
    // first and second phase shift.
    void kurvenZeichnen();

    Sitzung& s_;
    FunktionenParamRec gespeichert_;
    Werte rahmen_;
    bool aufbau_ = false;
    QComboBox* kurve_[2] = {};
    QButtonGroup* verknuepfung_ = nullptr;
    QLabel* kurvenBild_[2][2] = {};
};

}  // namespace gm
