#pragma once
// `TErstelleLandschaft`: the landscape plates' dialog in the mode its menu
// item sets: "Schollen" shows the number of cuts on the "Level" slider,
// "Erster Versuch" the quadtree depth. No preview. "Übernehmen" computes
// Zweitbild, the fault mode after reseeding the generator from the clock.

#include "app/parameter_dialog.h"
#include "generators/landschaft.h"

namespace gm {

struct Sitzung;

class TErstelleLandschaft : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleLandschaft(Sitzung& s, QWidget* parent = nullptr);

    // LandschaftModus, set by the window before it opens the dialog.
    void modusSetzen(int modus) { modus_ = modus; }
    int modus() const { return modus_; }
    void oeffnen();  // FormShow: caption and the "Level" slider of the mode
    bool ausfuehren();
    LandschaftParamRec arbeit() const;
    const LandschaftParamRec& gespeichert() const { return gespeichert_; }

    void accept() override;  // WeiterClick

  private:
    Sitzung& s_;
    int modus_ = LandschaftSchollen;
    LandschaftParamRec gespeichert_;
    Werte rahmen_;
};

}  // namespace gm
