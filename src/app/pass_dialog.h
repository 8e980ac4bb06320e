#pragma once
// `TEingabePassFilter`: sliders for PassParameter1 and PassParameter2; the
// menu item sets PassTyp in the stored set before the dialog opens, and the
// dialog keeps it.

#include "app/parameter_dialog.h"
#include "filters/pass_filter.h"

namespace gm {

struct Sitzung;

class TEingabePassFilter : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabePassFilter(Sitzung& s, QWidget* parent = nullptr);

    // Sets PassTyp of the stored set ("BPass", "Breject", "LoPass", "HiPass").
    void typSetzen(int typ) { gespeichert_.PassTyp = typ; }
    void oeffnen();
    bool ausfuehren();

    const PassRec& gespeichert() const { return gespeichert_; }

    void accept() override;  // WeiterClick

  private:
    Sitzung& s_;
    PassRec gespeichert_;
    Werte werte_;
};

}  // namespace gm
