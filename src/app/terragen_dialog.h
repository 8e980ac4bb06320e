#pragma once
// "EinstellenTerragen" (`TEinstellenTerragen`): the scale, planet radius,
// render mode and the real heights of 0 and 1 for the Terragen export. Edits
// a copy of the record; "Übernehmen" hands it back with SkalierungY and
// SkalierungZ set to SkalierungX.

#include <QDialog>

#include "formats/terragen.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace gm {

class TLandGenerator;

class TEinstellenTerragen : public QDialog {
    Q_OBJECT
  public:
    explicit TEinstellenTerragen(QWidget* parent = nullptr);

    // FormShow: the working copy of `rec`, the grid size nx x ny and every control.
    void beginnen(const TerragenRec& rec, int nx, int ny);
    // Reads the four fields, clamps them, shows them back and updates the extent.
    void felderLesen();
    const TerragenRec& arbeitsSatz() const { return arbeit_; }

    QLineEdit* feld(int i) const { return felder_[i]; }  // Edit0 .. Edit3
    QCheckBox* kugel() const { return kugel_; }
    QLabel* raster() const { return raster_; }          // Label2
    QLabel* ausdehnung() const { return ausdehnung_; }  // Label5

    void accept() override;  // WeiterClick

  private:
    void feldZeigen(int i);
    void ausdehnungZeigen();

    TerragenRec arbeit_;
    int nx_ = 0;
    int ny_ = 0;
    QLineEdit* felder_[4] = {};
    QCheckBox* kugel_ = nullptr;
    QLabel* raster_ = nullptr;
    QLabel* ausdehnung_ = nullptr;
};

// Shows the window's one settings dialog on the session's record; true when
// accepted, the record then holding the edited settings.
bool terragenEinstellen(TLandGenerator& f);

}  // namespace gm
