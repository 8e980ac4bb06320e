#pragma once
// `TEingabeTerrasse`: the eight sliders and two check boxes of the terrace
// record and two curve images, `Darstellung1` with the current Stufen and
// `Darstellung2` with one terrace; both follow every control change.

#include <QImage>

#include "app/parameter_dialog.h"
#include "filters/terrasse.h"

class QLabel;

namespace gm {

struct Sitzung;

class TEingabeTerrasse : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeTerrasse(Sitzung& s, QWidget* parent = nullptr);

    void oeffnen();
    bool ausfuehren();

    const TerrasseRec& gespeichert() const { return gespeichert_; }
    TerrasseRec arbeit() const;
    const QImage& kurve() const { return kurve_; }
    const QImage& kurveEineStufe() const { return kurveEineStufe_; }

    void accept() override;  // WeiterClick

  private:
    void kurvenZeichnen();

    Sitzung& s_;
    TerrasseRec gespeichert_;
    Werte werte_;
    QLabel* darstellung1_ = nullptr;
    QLabel* darstellung2_ = nullptr;
    QImage kurve_;
    QImage kurveEineStufe_;
};

}  // namespace gm
