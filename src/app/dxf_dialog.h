#pragma once
// "Voreinstellungen DXF" (`TEingabeDXF`): mesh resolution, real size, the
// "Optimierung" switch and the selection sliders, with information labels
// that a counting pass fills when the dialog opens and whenever a slider is
// released. Holds the stored NetzRec the mesh exports use.

#include <QDialog>
#include <cstdint>
#include <optional>

#include "formats/netz_einstellungen.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace gm {

struct Dokument;
class ReglerWidget;
class TLandGenerator;

class TEingabeDXF : public QDialog {
    Q_OBJECT
  public:
    explicit TEingabeDXF(Dokument& dok, QWidget* parent = nullptr);

    NetzRec& gespeichert() { return gespeichert_; }
    const NetzRec& arbeitsSatz() const { return arbeit_; }

    // FormShow: working set := stored set, controls, information labels.
    void beginnen();
    // CheckenEinstellungen: sliders, fields and switch into the working set.
    void pruefen();
    // The counting pass on the working set, shown in the information labels.
    void informationBerechnen();

    ReglerWidget* regler(const char* name) const;        // ImageReglerBPX, BPY, R, Z1, Z2
    QLineEdit* feld(int i) const { return felder_[i]; }  // Edit2, Edit3, Edit4
    QCheckBox* optimierung() const { return optimierung_; }
    // Berechnungspunkte1..3, MaxAbweichung, MinAbweichung.
    QLabel* information(const char* name) const;

    // Seed of the counting pass; the clock seeds it when absent. The
    // document's own random sequence is left where it was either way.
    std::optional<std::uint32_t> zaehlSeed;

    void accept() override;  // WeiterClick

  private:
    void anzeigen();
    void schieberSichtbar();

    Dokument& dok_;
    NetzRec gespeichert_;
    NetzRec arbeit_;
    ReglerWidget* regler_[5] = {};
    QLineEdit* felder_[3] = {};
    QCheckBox* optimierung_ = nullptr;
};

// The window's one mesh settings dialog, created on first use.
TEingabeDXF& dxfDialog(TLandGenerator& f);

}  // namespace gm
