#pragma once
// `TEingabeNoiseFilter`: one logarithmic slider "Noiseweite" from 1 to MaxX,
// starting at 3 each time the dialog opens.

#include "app/parameter_dialog.h"
#include "filters/noise_filter.h"

namespace gm {

struct Sitzung;

class TEingabeNoiseFilter : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeNoiseFilter(Sitzung& s, QWidget* parent = nullptr);

    void oeffnen();
    bool ausfuehren();

    ReglerWidget* reglerNF() const { return reglerNF_; }

    void accept() override;  // WeiterClick

  private:
    Sitzung& s_;
    Werte rahmen_;  // the frame has no parameters of its own
    ReglerWidget* reglerNF_ = nullptr;
};

}  // namespace gm
