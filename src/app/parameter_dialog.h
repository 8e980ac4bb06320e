#pragma once
// The dialog frame every parameter dialog shares: one slider per number and
// one check box per switch of a parameter description, the working and the
// stored set, an optional 256 x 256 preview recomputed when a slider is
// released (never during a drag), and "Übernehmen" / "Abbrechen". A concrete
// dialog is its description plus its preview function; unusual controls go
// into zusatzBereich() and read and write the working set themselves.

#include <QDialog>
#include <QImage>
#include <functional>
#include <span>
#include <vector>

#include "core/parameter.h"
#include "core/puffer.h"

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace gm {

class ReglerWidget;
struct Sitzung;

// Computes the preview of a working set into the zero-filled grid.
using VorschauRechner = std::function<void(const Werte&, Vorschaufeld&)>;
// Draws a preview grid into a 256 x 256 image (ZeichneVorschau).
using VorschauMaler = std::function<void(const Vorschaufeld&, QImage&)>;

// Grey drawing of a preview grid, for dialogs built without a colour state.
void VorschauGrauMalen(const Vorschaufeld& feld, QImage& bild);
// Draws previews like the main view (ZeichneVorschau, maximum 1, minimum 0).
VorschauMaler VorschauFarbigMaler(Sitzung& s);

class ParameterDialog : public QDialog {
    Q_OBJECT
  public:
    ParameterDialog(const QString& titel, std::span<const Parameter> parameter,
                    VorschauRechner rechner = {}, VorschauMaler maler = VorschauGrauMalen,
                    QWidget* parent = nullptr);

    // Shows the dialog modally on `gespeichert`; on "Übernehmen" the stored
    // set takes the working set and true is returned.
    bool bearbeiten(Werte& gespeichert);

    // FormShow: working set := stored set, controls from the working set,
    // preview once. Used by bearbeiten(); tests call it before show().
    void beginnen(Werte& gespeichert);
    // CheckenEinstellungen: reads every control into the working set.
    void pruefen();
    // The subject check: pruefen() and the preview.
    void subjektPruefen();

    const Werte& arbeitsSatz() const { return arbeit_; }
    ReglerWidget* regler(std::string_view name) const;
    QCheckBox* schalter(std::string_view name) const;
    const QImage& vorschau() const { return vorschau_; }
    int vorschauLaeufe() const { return vorschauLaeufe_; }
    QVBoxLayout* zusatzBereich() const { return zusatz_; }

    void accept() override;  // WeiterClick
    void reject() override;  // AbbrechenClick

  protected:
    // Closes after the operation ran on "Übernehmen": as accepted when it
    // succeeded, otherwise as cancelled with the refusal kept for the window
    // to report (a refused run changed nothing). Returns whether it succeeded.
    bool schliessenNach(const Status& lauf);

  private:
    std::span<const Parameter> parameter_;
    VorschauRechner rechner_;
    VorschauMaler maler_;
    Werte* gespeichert_ = nullptr;
    Werte arbeit_;
    std::vector<QWidget*> steuer_;  // one control per parameter, in table order
    QLabel* darstellung_ = nullptr;
    QVBoxLayout* zusatz_ = nullptr;
    QImage vorschau_;
    int vorschauLaeufe_ = 0;
};

}  // namespace gm
