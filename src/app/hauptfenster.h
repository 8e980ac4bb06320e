#pragma once
// The main window `TLandGenerator`: colour bar strip, parameter and modifier
// column, tool bar, top panel, scrollable main view and status bar. The menu
// is built by MenueAufbauen; the command bodies live in the *_befehle files.

#include <QHash>
#include <QMainWindow>

#include "app/dialogdienste.h"
#include "app/fensterzustand.h"
#include "display/pixelbild.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QScrollArea;

namespace gm {

struct Dokument;
struct Sitzung;
class BildWidget;
class ModPanel;
class ReglerWidget;
class SkalaWidget;
class WerkzeugMaus;
class Sprachsteuerung;
struct SkalaAntwort;

class TLandGenerator : public QMainWindow {
    Q_OBJECT
  public:
    // Start-up: seeds the random generator, resets the field at 513 x 513 and
    // builds the window. `dienste` default to the Qt dialogs.
    explicit TLandGenerator(Sitzung& s, QWidget* parent = nullptr);

    Sitzung& sitzung() { return s_; }
    Dokument& dok();
    Fensterzustand& zustand() { return zustand_; }
    Dialogdienste& dienste() { return dienste_; }

    QAction* aktion(const QString& name) const { return aktionen_.value(name); }
    void aktionRegistrieren(QAction* a);

    // Redraws the main view at the current zoom.
    void neuZeichnen();
    // Redraws the colour bar and the main view (after palette changes).
    void farbenNeuZeichnen();
    // Carries out what the colour bar's editing logic asks for.
    void skalaAntwort(const SkalaAntwort& a);
    // NeueGroesse: fits the zoom to the current size, recreates the view image
    // and, when `zuruecksetzen`, clears every grid.
    void neueGroesse(bool zuruecksetzen);
    // ZoomSetzen: only when the view stays below the limit.
    void zoomSetzen(double z);
    // Enables Paste, Swap and Release exactly while the clipboard exists.
    void ablageMenueAktualisieren();

    // Status bar: panel 0 shows hints, panel 1 positions and values.
    void statusSetzen(int panel, const QString& text);
    QString statusText(int panel) const;
    // The pointer moved over view pixel (x, y).
    void zeigerUeberBild(int x, int y);

    BildWidget* bild() const { return bild_; }
    SkalaWidget* skala() const { return skala_; }
    ModPanel* modPanel() const { return modPanel_; }
    WerkzeugMaus* werkzeugMaus() const { return werkzeugMaus_; }
    QComboBox* modusListe(int i) const { return i == 0 ? combo1_ : combo2_; }
    Sprachsteuerung* sprache() const { return sprache_; }

  protected:
    bool event(QEvent* e) override;

  private:
    QWidget* baueParameterSpalte();
    QWidget* baueWerkzeugleiste();
    QWidget* baueKopfleiste();
    void modusGewaehlt(int liste, int index);

    Sitzung& s_;
    Fensterzustand zustand_;
    Dialogdienste dienste_;
    QHash<QString, QAction*> aktionen_;
    PixelImage hauptbildPuffer_;
    BildWidget* bild_ = nullptr;
    SkalaWidget* skala_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    ModPanel* modPanel_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QLabel* status_[2] = {};
    QButtonGroup* werkzeuge_ = nullptr;
    ReglerWidget* formRegler_[5] = {};
    ReglerWidget* groesseRegler_[2] = {};
    WerkzeugMaus* werkzeugMaus_ = nullptr;
    Sprachsteuerung* sprache_ = nullptr;
};

}  // namespace gm
