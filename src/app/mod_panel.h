#pragma once
// The modifier panel: CheckMod, the curve image, ComboModModus, the three
// check boxes and the seven modifier sliders, all editing ModEinstellungen.

#include <QImage>
#include <QWidget>

#include "core/dokument.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

namespace gm {

class ReglerWidget;

// Draws the modifier curve, mirrored about the image centre.
void ZeichneModKurve(QImage& bild, const ModRec& mod);

class ModPanel : public QWidget {
    Q_OBJECT
  public:
    ModPanel(ModRec& mod, QWidget* parent = nullptr);

    // Aktiv := the check box; shows or hides the controls; CheckenEinstellungenMod.
    void checkModClick();
    // Reads every control into the record and redraws the curve when active.
    void checkenEinstellungenMod();

    QCheckBox* checkMod() const { return checkMod_; }
    QComboBox* comboModModus() const { return combo_; }
    ReglerWidget* regler(int i) const { return regler_[i]; }
    const QImage& kurve() const { return kurve_; }

  private:
    ModRec& mod_;
    QCheckBox* checkMod_;
    QCheckBox* welle_;
    QCheckBox* negativ_;
    QCheckBox* invertieren_;
    QComboBox* combo_;
    QLabel* kurvenBild_;
    QScrollArea* scroll_;
    ReglerWidget* regler_[7];
    QImage kurve_;
};

}  // namespace gm
