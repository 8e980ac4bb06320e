#pragma once
// `TEingabeBlur` ("Eingabe Stärke Finite Impulse Response Filter"): in
// standard mode one slider edits Filterstaerke; in soft mode the first
// slider edits Weichabstand and the second Filterstaerke2. The menu item
// sets BlurModus in the stored set before the dialog opens.

#include "app/parameter_dialog.h"
#include "filters/blur.h"

namespace gm {

struct Sitzung;

class TEingabeBlur : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeBlur(Sitzung& s, QWidget* parent = nullptr);

    // Sets BlurModus of the stored set (the menu items "Standard" and "Weich").
    void modusSetzen(int modus) { gespeichert_.BlurModus = modus; }
    void oeffnen();
    bool ausfuehren();

    const BlurRec& gespeichert() const { return gespeichert_; }
    ReglerWidget* reglerBlur() const { return reglerBlur_; }
    ReglerWidget* reglerGain() const { return reglerGain_; }

    void accept() override;  // WeiterClick

  private:
    Sitzung& s_;
    BlurRec gespeichert_;
    Werte rahmen_;  // the frame has no parameters of its own
    ReglerWidget* reglerBlur_ = nullptr;
    ReglerWidget* reglerGain_ = nullptr;
};

}  // namespace gm
