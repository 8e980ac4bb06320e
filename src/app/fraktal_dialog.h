#pragma once
// `TErstelleFraktal`, "Eingabe für Fraktale": the fractal generator's dialog.
// The window of the complex plane is navigated in the preview (a release
// zooms around the point, out with the right button), by the pan and zoom
// buttons and by five preset views per family. "Übernehmen" computes the
// field into Zweitbild and keeps the window last viewed.

#include <functional>

#include "app/parameter_dialog.h"
#include "generators/fraktal.h"

class QButtonGroup;
class QGridLayout;
class QLabel;

namespace gm {

struct Sitzung;

class TErstelleFraktal : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TErstelleFraktal(Sitzung& s, QWidget* parent = nullptr);

    // FormShow: working set := stored set, controls, preview.
    void oeffnen();
    bool ausfuehren();

    const FraktalParamRec& gespeichert() const { return gespeichert_; }
    const FraktalParamRec& arbeit() const { return arbeit_; }

    void accept() override;  // WeiterClick

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    // A button that changes the working set's window, then the preview.
    void knopf(const char* name, const char* titel, int zeile, int spalte,
               std::function<void(FraktalParamRec&)> wirkung);
    void fensterGeaendert();  // CheckenEinstellungenFraktal
    void malen(const Vorschaufeld& feld, QImage& bild);

    Sitzung& s_;
    FraktalParamRec gespeichert_;
    FraktalParamRec arbeit_;
    Werte reglerWerte_;
    QButtonGroup* auswahl_ = nullptr;
    QGridLayout* knoepfe_ = nullptr;
};

}  // namespace gm
