#pragma once
// "Einstellungen Coffee" (`TExportiereCoffee`): plug-in ID and name of the
// COFFEE export, and the template it fills. Edits a copy of the record;
// "Übernehmen" hands it back.

#include <QDialog>

#include "formats/coffee.h"

class QLabel;
class QLineEdit;

namespace gm {

class TLandGenerator;

class TExportiereCoffee : public QDialog {
    Q_OBJECT
  public:
    explicit TExportiereCoffee(TLandGenerator& f);

    void beginnen(const CoffeeRec& rec);
    // Reads the ID (cut to a whole number, clamped) and the name, shows the ID back.
    void felderLesen();
    const CoffeeRec& arbeitsSatz() const { return arbeit_; }

    QLineEdit* pluginId() const { return id_; }  // Edit3
    QLineEdit* name() const { return name_; }    // Edit4
    QLabel* vorlage() const { return vorlage_; }

    void accept() override;  // WeiterClick

  private:
    void vorlageWaehlen();

    TLandGenerator& f_;
    CoffeeRec arbeit_;
    QLineEdit* id_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* vorlage_ = nullptr;
};

// "Verlauf COFFEE": the settings dialog, then the save dialog proposing the
// name in the last COFFEE folder, then the export.
void coffeeExportieren(TLandGenerator& f);

}  // namespace gm
