#include "app/sprache.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QStandardPaths>
#include <filesystem>

#include "app/hauptfenster.h"
#include "app/regler_widget.h"

namespace gm {

namespace {

// Sets one caption of `o` from its German text. The German text is kept in a
// property beside the caption last written; a caption the code has changed
// since is taken as the new German text.
template <class Uebersetzen, class Setzen>
void beschriften(QObject* o, const char* schluessel, const QString& aktuell,
                 Uebersetzen uebersetzen, Setzen setzen) {
    const QByteArray de = QByteArray("gm_de_") + schluessel;
    const QByteArray gesetzt = QByteArray("gm_gesetzt_") + schluessel;
    const QVariant alt = o->property(de.constData());
    const QString deutsch = alt.isValid() && o->property(gesetzt.constData()).toString() == aktuell
                                ? alt.toString()
                                : aktuell;
    const QString neu = uebersetzen(deutsch);
    o->setProperty(de.constData(), deutsch);
    o->setProperty(gesetzt.constData(), neu);
    if (neu != aktuell) setzen(neu);
}

void widgetBeschriften(QWidget* w, const Uebersetzer& u) {
    auto feld = [&u](const QString& t) { return u.text(t, Wortart::Feld); };
    if (w->isWindow()) {
        beschriften(w, "titel", w->windowTitle(), feld,
                    [w](const QString& t) { w->setWindowTitle(t); });
    }
    auto hinweis = [&u](const QString& t) { return u.hinweis(t); };
    beschriften(w, "tipp", w->toolTip(), hinweis, [w](const QString& t) { w->setToolTip(t); });
    beschriften(w, "status", w->statusTip(), hinweis,
                [w](const QString& t) { w->setStatusTip(t); });
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        beschriften(b, "text", b->text(), feld, [b](const QString& t) { b->setText(t); });
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        beschriften(l, "text", l->text(), feld, [l](const QString& t) { l->setText(t); });
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        beschriften(g, "text", g->title(), feld, [g](const QString& t) { g->setTitle(t); });
    } else if (auto* r = qobject_cast<ReglerWidget*>(w)) {
        beschriften(r, "text", QString::fromStdString(r->rec().Titel), feld,
                    [r](const QString& t) { r->titelSetzen(t.toStdString()); });
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i) {
            const QByteArray schluessel = "eintrag" + QByteArray::number(i);
            beschriften(c, schluessel.constData(), c->itemText(i), feld,
                        [c, i](const QString& t) { c->setItemText(i, t); });
        }
    }
}

bool fremdesFenster(const QObject* o) {
    return qobject_cast<const QFileDialog*>(o) || qobject_cast<const QMessageBox*>(o);
}

}  // namespace

void Beschriften(QWidget* wurzel, const Uebersetzer& u) {
    widgetBeschriften(wurzel, u);
    for (QWidget* w : wurzel->findChildren<QWidget*>()) {
        if (!fremdesFenster(w->window())) widgetBeschriften(w, u);
    }
    for (QAction* a : wurzel->findChildren<QAction*>()) {
        if (a->isSeparator()) continue;
        beschriften(
            a, "text", a->text(), [&u](const QString& t) { return u.text(t, Wortart::Menue); },
            [a](const QString& t) { a->setText(t); });
        beschriften(
            a, "status", a->statusTip(), [&u](const QString& t) { return u.hinweis(t); },
            [a](const QString& t) { a->setStatusTip(t); });
    }
}

Sprachsteuerung::Sprachsteuerung(TLandGenerator& f) : QObject(&f), f_(f) {
    setObjectName("Sprache");
    auto* gruppe = new QActionGroup(this);
    for (const Sprachwahl& s : kSprachen) {
        QAction* a = f.aktion(s.menue);
        if (!a) continue;
        a->setEnabled(true);
        a->setCheckable(true);
        gruppe->addAction(a);
        const int n = s.nummer;
        connect(a, &QAction::triggered, this, [this, n] { InitSprache(n); });
    }
    Dialogdienste& d = f.dienste();
    d.fehler = [this, alt = d.fehler](const std::string& m) {
        alt(u_.meldung(QString::fromStdString(m)).toStdString());
    };
    d.frage = [this, alt = d.frage](const std::string& m) {
        return alt(u_.meldung(QString::fromStdString(m)).toStdString());
    };
    auto titel = [this](DateiDialog dd) {
        dd.titel = u_.dateiTitel(QString::fromStdString(dd.titel)).toStdString();
        return dd;
    };
    d.oeffnen = [titel, alt = d.oeffnen](const DateiDialog& dd) { return alt(titel(dd)); };
    d.speichern = [titel, alt = d.speichern](const DateiDialog& dd) { return alt(titel(dd)); };
    qApp->installEventFilter(this);
}

void Sprachsteuerung::starten(const std::string& datenordner, const std::string& benutzerordner) {
    datenordner_ = datenordner;
    benutzerordner_ = benutzerordner;
    std::string datei = sprachdatei();
    if (!std::filesystem::exists(datei)) datei = datenordner_ + "language.txt";
    if (const int n = SprachIndexLesen(datei)) InitSprache(n);
}

std::string Sprachsteuerung::sprachdatei() const {
    if (OrdnerBeschreibbar(datenordner_) || benutzerordner_.empty())
        return datenordner_ + "language.txt";
    return benutzerordner_ + "/language.txt";
}

bool Sprachsteuerung::InitSprache(int n) {
    const Sprachwahl& wahl = kSprachen[n - 1];
    Woerterbuch neu;
    const bool gefunden = SpracheLaden(datenordner_ + wahl.code + ".txt", neu);
    if (!gefunden && n != 1) return false;
    u_.woerter = std::move(neu);  // "Deutsch" without its file: the built-in texts
    u_.SprachIndex = n;
    const std::string datei = sprachdatei();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(datei).parent_path(), ec);
    (void)SprachIndexSpeichern(datei, n);  // an unwritable choice only fails to persist
    if (QAction* a = f_.aktion(wahl.menue)) a->setChecked(true);
    alleBeschriften();
    return true;
}

void Sprachsteuerung::alleBeschriften() {
    Beschriften(&f_, u_);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &f_ && w->isVisible() && !fremdesFenster(w)) Beschriften(w, u_);
    }
}

bool Sprachsteuerung::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Show && o->isWidgetType()) {
        auto* w = static_cast<QWidget*>(o);
        if (w->isWindow() && !fremdesFenster(w)) Beschriften(w, u_);
    }
    return QObject::eventFilter(o, e);
}

}  // namespace gm
