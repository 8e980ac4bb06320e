// The menu commands of the catalogue's operations. An operation with a
// dialog of its own opens it (the dialog applies the operation on
// "Übernehmen"); one described by its parameters alone gets the common
// parameter dialog; one without parameters runs at once.

#include <QAction>
#include <QString>

#include "app/befehle.h"
#include "app/blur_dialog.h"
#include "app/digit_dialog.h"
#include "app/einmal_dialog.h"
#include "app/gamma_dialog.h"
#include "app/hauptfenster.h"
#include "app/hell_kontr_dialog.h"
#include "app/krater_dialog.h"
#include "app/lauf_fehler.h"
#include "app/mittelpunkt_dialog.h"
#include "app/noise_dialog.h"
#include "app/noise_filter_dialog.h"
#include "app/parameter_dialog.h"
#include "app/pass_dialog.h"
#include "app/regen_dialog.h"
#include "app/terrasse_dialog.h"
#include "app/transform_dialoge.h"
#include "core/kombination.h"

namespace gm {

namespace {

// After an operation: a redraw, or when it changed the extents (rotations of
// a rectangular field, the enlargement) the view fitted to the new size and
// the clipboard, which the operation released, gone from the menu.
void nachLauf(TLandGenerator& f, int altX, int altY) {
    if (f.dok().MaxX == altX && f.dok().MaxY == altY) {
        f.neuZeichnen();
        return;
    }
    f.neueGroesse(false);
    f.ablageMenueAktualisieren();
}

// A filter dialog applies its filter itself; the window redraws when
// accepted and reports a run that failed.
template <class D>
void filterDialog(TLandGenerator& f) {
    const int altX = f.dok().MaxX, altY = f.dok().MaxY;
    D& d = einmalDialog<D>(f);
    if (d.ausfuehren()) {
        nachLauf(f, altX, altY);
    } else if (std::string m = LaufFehlerNehmen(d); !m.empty()) {
        f.dienste().fehler(m);
    }
}

// An accepted generator dialog leaves its field in Zweitbild; the combination
// (with the undo copy) follows.
template <class D>
void generatorDialog(TLandGenerator& f) {
    if (!einmalDialog<D>(f).ausfuehren()) return;
    ZweitbildVerknuepfen(f.dok());
    f.neuZeichnen();
}

struct EigenerDialog {
    OperationsArt art;
    std::string_view operation;
    Befehl oeffnen;
};

// The operations whose dialogs have controls beyond their parameters.
const EigenerDialog kEigeneDialoge[] = {
    {OperationsArt::Generator, "noise", &generatorDialog<TErstelleNoise>},
    {OperationsArt::Generator, "midpoint", &generatorDialog<TErstelleMittelpunkt>},
    {OperationsArt::Filter, "gamma", &filterDialog<TGammaKorrektur>},
    {OperationsArt::Filter, "lumcontr", &filterDialog<TEingabeHelligkeitKontrast>},
    {OperationsArt::Filter, "digit", &filterDialog<TDigitalisiereBild>},
    {OperationsArt::Filter, "raining", &filterDialog<TEingabeRegenErosion>},
    {OperationsArt::Filter, "terrace", &filterDialog<TEingabeTerrasse>},
    {OperationsArt::Filter, "crater", &filterDialog<TEingabeKraterisieren>},
    {OperationsArt::Filter, "blur", &filterDialog<TEingabeBlur>},
    {OperationsArt::Filter, "pass", &filterDialog<TEingabePassFilter>},
    {OperationsArt::Filter, "noise", &filterDialog<TEingabeNoiseFilter>},
    {OperationsArt::Filter, "twirl", &filterDialog<TEingabeTwirl>},
    {OperationsArt::Filter, "trace", &filterDialog<TEingabeTrace>},
    {OperationsArt::Filter, "shift", &filterDialog<TEingabeBildVerschieben>},
    {OperationsArt::Filter, "enlarge", &filterDialog<TEingabeBildErweitern>},
};

// A menu item that sets the dialog's mode in its stored set, then opens it.
template <class D, void (D::*Setzen)(int), int Wert>
void mitModus(TLandGenerator& f) {
    (einmalDialog<D>(f).*Setzen)(Wert);
    filterDialog<D>(f);
}

// A dialog is titled like the menu item that opens it ("Wellen"), else by
// the operation's name.
QString titelFuer(const TLandGenerator& f, const Operation& op) {
    const QString menue = QString::fromUtf8(op.menue.data(), qsizetype(op.menue.size()));
    if (const QAction* a = f.aktion(menue)) return a->text().remove(QLatin1Char('&'));
    return QString::fromUtf8(op.name.data(), qsizetype(op.name.size()));
}

// The common dialog of one operation, made on first use and kept with its
// stored set for the life of the window.
class OperationsDialog : public ParameterDialog {
  public:
    OperationsDialog(TLandGenerator& f, const Operation& op)
        : ParameterDialog(titelFuer(f, op), op.parameter, {}, VorschauGrauMalen, &f),
          gespeichert_(vorgaben(op.parameter)) {
        setObjectName(QString::fromUtf8(op.name.data(), qsizetype(op.name.size())));
    }
    Werte& gespeichert() { return gespeichert_; }

  private:
    Werte gespeichert_;
};

OperationsDialog& dialogFuer(TLandGenerator& f, const Operation& op) {
    const QString name = QString::fromUtf8(op.name.data(), qsizetype(op.name.size()));
    if (auto* d = f.findChild<OperationsDialog*>(name, Qt::FindDirectChildrenOnly)) return *d;
    return *new OperationsDialog(f, op);
}

void ausfuehren(TLandGenerator& f, const Operation& op, const Werte& werte) {
    const int altX = f.dok().MaxX, altY = f.dok().MaxY;
    if (Status s = op.ausfuehren(f.sitzung(), op, werte); !s) f.dienste().fehler(s.meldung());
    nachLauf(f, altX, altY);
}

}  // namespace

Befehl EigenerDialogFuer(const Operation& op) {
    for (const EigenerDialog& d : kEigeneDialoge) {
        if (d.art == op.art && d.operation == op.name) return d.oeffnen;
    }
    return nullptr;
}

void FIRFilter1Click(TLandGenerator& f) {
    mitModus<TEingabeBlur, &TEingabeBlur::modusSetzen, 1>(f);
}
void Weich1Click(TLandGenerator& f) {
    mitModus<TEingabeBlur, &TEingabeBlur::modusSetzen, 2>(f);
}
void BPass1Click(TLandGenerator& f) {
    mitModus<TEingabePassFilter, &TEingabePassFilter::typSetzen, 1>(f);
}
void Breject1Click(TLandGenerator& f) {
    mitModus<TEingabePassFilter, &TEingabePassFilter::typSetzen, -1>(f);
}
void LoPass1Click(TLandGenerator& f) {
    mitModus<TEingabePassFilter, &TEingabePassFilter::typSetzen, 2>(f);
}
void HiPass1Click(TLandGenerator& f) {
    mitModus<TEingabePassFilter, &TEingabePassFilter::typSetzen, -2>(f);
}

void OperationBefehl(TLandGenerator& f, const Operation& op) {
    switch (op.dialog) {
        case DialogArt::Eigener:
            if (Befehl b = EigenerDialogFuer(op)) b(f);
            return;
        case DialogArt::Allgemein: {
            OperationsDialog& d = dialogFuer(f, op);
            if (d.bearbeiten(d.gespeichert())) ausfuehren(f, op, d.gespeichert());
            return;
        }
        case DialogArt::Keiner:
            ausfuehren(f, op, vorgaben(op.parameter));
            return;
    }
}

const Operation* OperationFuerMenue(std::string_view objekt) {
    for (const Operation& op : Operationen()) {
        if (!op.menue.empty() && op.menue == objekt) return &op;
    }
    return nullptr;
}

}  // namespace gm
