#pragma once
// `TErstelleBerg`: the settings of the two mountain tools (depth and the three
// random factors). No preview, no script line.

#include "app/parameter_dialog.h"
#include "editing/berg.h"

namespace gm {

class TErstelleBerg : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleBerg(QWidget* parent = nullptr);
    // Shows the dialog on `berg`; "Übernehmen" stores the sliders (Level
    // rounded to a whole number) and returns true, "Abbrechen" keeps `berg`.
    bool bearbeiten(BergRec& berg);
};

}  // namespace gm
