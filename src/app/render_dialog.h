#pragma once
// "Eingabe Render-Einstellungen": edits the live RenderRec; "Abbrechen" puts
// back the copy taken on opening.

#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>
#include <vector>

#include "display/render_rec.h"

class QCheckBox;
class QLabel;

namespace gm {

struct Sitzung;
class ReglerWidget;

class TEingabeRenderEinstellungen : public QDialog {
    Q_OBJECT
  public:
    using FarbWahl = std::function<std::optional<unsigned>(unsigned rgb)>;
    TEingabeRenderEinstellungen(Sitzung& s, FarbWahl farbe, QWidget* parent = nullptr);

    // FormShow: copies the record aside and sets every control from it.
    void vorbereiten();
    ReglerWidget* regler(const char* name) const;
    QCheckBox* schnee() const { return schnee_; }
    QCheckBox* fels() const { return fels_; }
    QLabel* feld(const char* name) const;  // a swatch: ImageSF1, ImageSF2, ImageFF1, ImageFF2
    // A click on a swatch: the colour dialog, preset with its colour.
    void feldKlick(int i);
    const QImage& vorschau() const { return vorschau_; }

    void reject() override;  // AbbrechenClick: restores the record

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void lesen();           // sliders and switches into the record
    void sichtbarkeit();    // snow and rock controls follow their switches
    void bilderZeichnen();  // swatches and preview

    Sitzung& s_;
    FarbWahl farbe_;
    RenderRec kopie_;
    QCheckBox* schnee_;
    QCheckBox* fels_;
    std::vector<ReglerWidget*> regler_;
    QLabel* felder_[4];
    QLabel* darstellung_;
    QImage vorschau_;
};

}  // namespace gm
