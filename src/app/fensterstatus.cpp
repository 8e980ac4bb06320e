#include "app/fensterstatus.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <cstring>

#include "app/aenderungen.h"
#include "app/bild_widget.h"
#include "app/hauptfenster.h"
#include "app/sprache.h"
#include "script/sitzung.h"

namespace gm {

namespace {

const char* const kMaskenHinweis = "Maske: blau = geschützt, dort ändert sich nichts";

const char* const kMaskenBefehle[] = {"Abwhlen1Click",       "MaskeInvertieren1Click",
                                      "Alles1Click",         "MaskeNeu1Click",
                                      "MaskePlus1Click",     "MaskeMinus1Click",
                                      "berHhe1Click",        "Hhe1Click",
                                      "UnterHhe1Click",      "Null1Click",
                                      "ExportierenBMP1Click"};

bool etwasMaskiert(const Dokument& d) {
    for (int x = 0; x <= d.MaxX; ++x) {
        if (std::memchr(d.Maske.spalte(x), 1, std::size_t(d.MaxY) + 1)) return true;
    }
    return false;
}

QLabel* statusMarke(TLandGenerator& f, const char* name, const char* farbe) {
    auto* l = new QLabel(&f);
    l->setObjectName(name);
    l->setStyleSheet(QStringLiteral("color: white; background-color: %1; padding: 0 6px;")
                         .arg(QLatin1String(farbe)));
    l->hide();
    f.statusBar()->addPermanentWidget(l);
    return l;
}

// Updates once the main view's own mouse handling has changed the document.
class NachMaus : public QObject {
  public:
    explicit NachMaus(TLandGenerator& f) : QObject(&f), f_(f) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, &f_, [this] { fensterAktualisieren(f_); });
        }
        return false;
    }

  private:
    TLandGenerator& f_;
};

}  // namespace

QString dokumentName(TLandGenerator& f) {
    const DateiWahl& w = f.zustand().nativ;
    return w.gewaehlt() ? QFileInfo(QString::fromStdString(w.name)).fileName()
                        : QStringLiteral("Unbenannt");
}

void fensterAktualisieren(TLandGenerator& f) {
    f.setWindowTitle(f.zustand().nativ.gewaehlt() ? dokumentName(f) + "[*] - Gravimonte"
                                                  : QStringLiteral("Gravimonte[*]"));
    f.setWindowModified(feldGeaendert(f));
    const Dokument& d = f.dok();
    f.aktion("ScriptAbspielenClick")->setEnabled(d.ScriptAnzahl > 0);
    f.aktion("ScriptSpeichernClick")->setEnabled(d.ScriptAnzahl > 0);
    if (auto* aufnahme = f.findChild<QLabel*>("Aufnahme")) {
        aufnahme->setVisible(d.ScriptAufnahme);
        QString text = QStringLiteral("Aufnahme: %1 Zeilen");
        if (f.sprache()) text = f.sprache()->uebersetzer().text(text, Wortart::Feld);
        aufnahme->setText(text.arg(d.ScriptAnzahl));
    }
    if (auto* maske = f.findChild<QLabel*>("MaskenHinweis")) maske->setVisible(etwasMaskiert(d));
}

void fensterstatusEinrichten(TLandGenerator& f) {
    statusMarke(f, "MaskenHinweis", "rgb(40, 70, 160)")->setText(QString::fromUtf8(kMaskenHinweis));
    statusMarke(f, "Aufnahme", "rgb(160, 0, 0)");
    for (const char* name : kMaskenBefehle)
        f.aktion(name)->setStatusTip(QString::fromUtf8(kMaskenHinweis));
    for (const char* knopf : {"VMaskeSB", "KMaskeSB"}) {
        if (auto* k = f.findChild<QAbstractButton*>(knopf)) {
            k->setStatusTip(k->toolTip() + ": " + QString::fromUtf8(kMaskenHinweis));
        }
    }
    f.bild()->installEventFilter(new NachMaus(f));
    for (QAction* a : f.findChildren<QAction*>()) {
        QObject::connect(a, &QAction::triggered, &f, [&f] { fensterAktualisieren(f); });
    }
    for (int i = 0; i < 2; ++i) {
        QObject::connect(f.modusListe(i), &QComboBox::currentIndexChanged, &f,
                         [&f] { fensterAktualisieren(f); });
    }
    fensterAktualisieren(f);
}

}  // namespace gm
