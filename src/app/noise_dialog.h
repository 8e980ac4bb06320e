#pragma once
// `TErstelleNoise`: the noise generator's dialog on the parameter frame. The
// frame carries the eight sliders, the eleven level boxes and "Invertieren";
// this class adds the method, preset and axis lists, the operator group, the
// seed field, "Neue Berechnung" and the profile curve. The dialog owns the
// stored set and the noise tables of its window.

#include <QImage>

#include "app/parameter_dialog.h"
#include "generators/noise.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gm {

struct Sitzung;

class TErstelleNoise : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleNoise(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: level count and enabling, every control from the stored set,
    // preview and profile once.
    void oeffnen();
    // oeffnen() and the modal run; true when "Übernehmen" computed Zweitbild.
    bool ausfuehren();
    // CheckenEinstellungen: the working set as the controls show it.
    NoiseParamRec arbeit() const;

    NoiseZustand& zustand() { return z_; }
    int levelAnzahl() const { return levelAnzahl_; }
    QComboBox* methoden() const { return methoden_; }
    QComboBox* setups() const { return setups_; }
    QComboBox* achse(int i) const { return i == 0 ? achseX_ : achseY_; }
    QButtonGroup* verknuepfung() const { return verknuepfung_; }
    QLineEdit* startwertFeld() const { return startwert_; }
    QPushButton* neueBerechnung() const { return neu_; }
    const QImage& profil() const { return profil_; }

    void accept() override;  // WeiterClick

  private:
    void zusatzAufbauen();
    void vorschauRechnen(Vorschaufeld& feld);
    void einstellungenNoise();  // CheckenEinstellungenNoise outside the build-up
    void setupGewaehlt(int index);
    void startwertVerlassen();  // Edit0Exit
    void neueBerechnungClick();

    Sitzung& s_;
    NoiseZustand z_;
    Werte rahmen_;         // the frame's share of the stored set
    bool aufbau_ = false;  // NoiseAufbau
    int levelAnzahl_ = 8;
    VorschauSpanne spanne_{0.0, 0.0};
    bool invertiert_ = false;
    QComboBox* methoden_ = nullptr;
    QComboBox* setups_ = nullptr;
    QComboBox* achseX_ = nullptr;
    QComboBox* achseY_ = nullptr;
    QButtonGroup* verknuepfung_ = nullptr;
    QLineEdit* startwert_ = nullptr;
    QPushButton* neu_ = nullptr;
    QLabel* profilBild_ = nullptr;
    QImage profil_;
};

}  // namespace gm
