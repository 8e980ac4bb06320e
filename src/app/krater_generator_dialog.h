#pragma once
// `TErstelleKrater`: the crater generator's dialog. No 2D preview, only the
// radial profile of one crater on a flat surface, redrawn on every slider
// release. "Übernehmen" runs the catalogue's "craters" operation, which takes
// the undo copy, writes the craters and combines.

#include <QImage>

#include "app/parameter_dialog.h"
#include "generators/krater.h"

class QLabel;

namespace gm {

struct Sitzung;

class TErstelleKrater : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleKrater(Sitzung& s, QWidget* parent = nullptr);

    bool ausfuehren();
    KraterParamRec gespeichert() const;
    const QImage& profil() const { return profil_; }

    void accept() override;  // WeiterClick

  private:
    void profilZeichnen();  // CheckenEinstellungenKrater

    Sitzung& s_;
    Werte gespeichert_;
    QLabel* profilBild_ = nullptr;
    QImage profil_;
};

}  // namespace gm
