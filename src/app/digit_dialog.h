#pragma once
// `TDigitalisiereBild`: one slider "Anzahl Stufen" from 2 to the number of
// distinct values of the field, starting at that number. Refuses to open on a
// field with fewer than 4 distinct values.

#include "app/parameter_dialog.h"
#include "filters/digit.h"

namespace gm {

struct Sitzung;

class TDigitalisiereBild : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TDigitalisiereBild(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: counts the distinct values; false (closed as cancelled) when
    // there are fewer than 4, otherwise the slider is set up.
    bool oeffnen();
    bool ausfuehren();
    int anzahlWerte() const { return anzahl_; }

    void accept() override;  // WeiterClick

  private:
    Sitzung& s_;
    Werte gespeichert_;
    int anzahl_ = 0;
};

}  // namespace gm
