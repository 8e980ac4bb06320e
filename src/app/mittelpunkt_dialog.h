#pragma once
// `TErstelleMittelpunkt`: the midpoint generator's dialog. Every slider
// release and "Neue Berechnung" compute a new full field into Zweitbild; the
// preview and profile are sampled from it; the invert box only redraws them.
// "Übernehmen" stretches the field last shown, it never computes a new one.

#include <QImage>

#include "app/parameter_dialog.h"
#include "generators/midpoint.h"

class QLabel;
class QPushButton;

namespace gm {

struct Sitzung;

class TErstelleMittelpunkt : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleMittelpunkt(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: level count, Ebenen lowered to it, controls, one computation.
    void oeffnen();
    bool ausfuehren();

    MittelpunktParamRec gespeichert() const;
    int levelAnzahl() const { return levelAnzahl_; }
    // Full-field computations so far.
    int berechnungen() const { return berechnungen_; }
    QPushButton* neueBerechnung() const { return neu_; }
    const QImage& profil() const { return profil_; }

    void accept() override;  // WeiterClick

  private:
    void vorschauRechnen(const Werte& w, Vorschaufeld& feld);
    void nurZeichnen();  // CheckenEinstellungenMittelpunkt without recomputation

    Sitzung& s_;
    Werte gespeichert_;
    bool neuBerechnen_ = true;
    int levelAnzahl_ = 8;
    int berechnungen_ = 0;
    VorschauSpanne spanne_{0.0, 0.0};
    bool invertiert_ = false;
    QPushButton* neu_ = nullptr;
    QLabel* profilBild_ = nullptr;
    QImage profil_;
};

}  // namespace gm
