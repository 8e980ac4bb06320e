#pragma once
// `TErstelleRotation`: the rotation generator's dialog. The frame carries the
// sliders and check boxes; this class adds the curve list `AuswahlRotation`,
// sets the ranges of centre, focus and radii from the field, and couples
// the focus to the centre and RadiusY to RadiusX while the two boxes are on.
// "Übernehmen" computes Zweitbild and records "build_rotate".

#include "app/parameter_dialog.h"
#include "generators/rotation.h"

class QComboBox;
class QLabel;

namespace gm {

struct Sitzung;

class TErstelleRotation : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleRotation(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: centre, focus and radii from the field where unset or out
    // of it, every control from the stored set, one preview.
    void oeffnen();
    bool ausfuehren();
    // CheckenEinstellungen: the working set with the dialog's coupling.
    RotationParamRec arbeit() const;
    const RotationParamRec& gespeichert() const { return gespeichert_; }
    QComboBox* kurven() const { return kurve_; }

    void accept() override;  // WeiterClick

  private:
    // ImageD1 and ImageD2: the profile with Verschiebung1 and Verschiebung2.
    void kurvenZeichnen();

    Sitzung& s_;
    RotationParamRec gespeichert_;
    Werte rahmen_;
    bool aufbau_ = false;
    QComboBox* kurve_ = nullptr;
    QLabel* kurvenBild_[2] = {};
};

}  // namespace gm
