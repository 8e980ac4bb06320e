#pragma once
// "Darstellen Profil": the field as side elevations from one of four
// directions: the top view with the section marker, the single section the
// slider "Pixel" selects, and the stack of parallel sections. Opened modally,
// so the field cannot change size under it; the pictures are drawn from the
// field of the moment it opens.

#include <QDialog>

#include "display/pixelbild.h"
#include "display/profilansicht.h"

class QLabel;
class QToolButton;

namespace gm {

struct Sitzung;
class Bild3DWidget;
class ReglerWidget;

class TDarstellenProfil : public QDialog {
    Q_OBJECT
  public:
    explicit TDarstellenProfil(Sitzung& s, QWidget* parent = nullptr);

    // FormShow for a direction: top view from the field, slider range, pictures.
    void vorbereiten(int richtung);
    // vorbereiten(), then modal until "Beenden".
    void oeffnen(int richtung);
    // A speed button: the direction, the slider's range for it, the pictures.
    void richtungSetzen(int richtung);

    int blickrichtung() const { return Blickrichtung; }
    int schnitt() const { return Schnitt; }
    ReglerWidget* regler() const { return regler_; }
    QToolButton* knopf(int richtung) const { return knoepfe_[richtung - 1]; }
    const QImage& draufsicht() const;
    const QImage& profil1() const;
    const QImage& profil() const;

  private:
    void schnittGelesen();
    void einzelZeichnen();
    void stapelZeichnen();
    void markeZeichnen();

    Sitzung& s_;
    int Blickrichtung = RichtungVorne;
    int Schnitt = 0;
    QToolButton* knoepfe_[4];
    ReglerWidget* regler_;
    QLabel* BildDraufsicht;
    Bild3DWidget* BildProfil1;
    Bild3DWidget* BildProfil;
    QImage draufsichtBild_;
    PixelImage draufsicht_, puffer_;
};

}  // namespace gm
