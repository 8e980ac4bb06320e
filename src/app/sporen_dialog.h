#pragma once
// `TErstelleSporen`: the spores generator's dialog. It edits a copy of the
// random tables with the settings: "Neue Berechnung" (`SpeedButton1`)
// remakes the copy, "Übernehmen" keeps it for the window and computes
// Zweitbild, "Abbrechen" drops it. The preview shows as many cells across
// as the field, drawn with the gamma and inversion of the settings.

#include <memory>

#include "app/parameter_dialog.h"
#include "generators/sporen.h"

class QPushButton;

namespace gm {

struct Sitzung;

class TErstelleSporen : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleSporen(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: the window's tables (made now on the first opening) copied.
    void oeffnen();
    bool ausfuehren();
    SporenParamRec arbeit() const;
    const SporenParamRec& gespeichert() const { return gespeichert_; }
    const SporenTabellen& tabellen() const { return *tabellen_; }
    QPushButton* neueBerechnung() const { return neu_; }

    void accept() override;  // WeiterClick

  private:
    void vorschauRechnen(Vorschaufeld& feld);
    void neueBerechnungClick();

    Sitzung& s_;
    SporenParamRec gespeichert_;
    Werte rahmen_;
    std::unique_ptr<SporenTabellen> tabellen_ = std::make_unique<SporenTabellen>();
    VorschauSpanne spanne_{0.0, 1.0};
    bool invertiert_ = false;
    QPushButton* neu_ = nullptr;
};

}  // namespace gm
