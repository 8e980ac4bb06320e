#pragma once
// `TEingabeRegenErosion` ("Eingabe Regenerosion"): four sliders showing the
// dialog ranges (a slider value divided by its divisor gives the field) and
// the progress bar `StatusAnzeige`, hidden until "Übernehmen" starts the run
// and set before every cycle. The run goes beside the window's thread and can
// be cancelled.

#include "app/parameter_dialog.h"
#include "filters/regen_erosion.h"

class QProgressBar;

namespace gm {

struct Sitzung;

class TEingabeRegenErosion : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeRegenErosion(Sitzung& s, QWidget* parent = nullptr);

    void oeffnen();
    bool ausfuehren();

    // The record the sliders of a working or stored set stand for.
    static RegenRec recordAusReglern(const Werte& regler);
    RegenRec gespeichert() const { return recordAusReglern(gespeichert_); }
    QProgressBar* statusAnzeige() const { return status_; }

    void accept() override;  // WeiterClick: runs the erosion

  private:
    Sitzung& s_;
    Werte gespeichert_;
    QProgressBar* status_ = nullptr;
};

}  // namespace gm
