#include "app/hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "app/aenderungen.h"
#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/fensterstatus.h"
#include "app/hauptbild.h"
#include "app/knoepfe.h"
#include "app/mod_panel.h"
#include "app/palette_vorlagen.h"
#include "app/regler_widget.h"
#include "app/skala_widget.h"
#include "app/sprache.h"
#include "app/werkzeug_maus.h"
#include "app/zuletzt.h"
#include "core/ablage.h"
#include "core/datenordner.h"
#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "display/hauptbild.h"
#include "editing/werkzeug_parameter.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

struct Werkzeugknopf {
    const char* name;
    const char* hinweis;
    const char* text;
    int werkzeug;
};
const Werkzeugknopf kWerkzeuge[] = {
    {"SpeedButton1", "Mountain 1", "B1", 1},
    {"SpeedButton2", "Mountain 2", "B2", 2},
    {"VMalen1SB", "Polygon", "P1", 41},
    {"KMalen1SB", "Circle", "K1", 31},
    {"VMalen2SB", "Polygon sharp", "P2", 42},
    {"KMalen2SB", "Cone", "K2", 32},
    {"VMalen3SB", "Polygon round", "P3", 44},
    {"KMalen3SB", "Sphere", "K3", 33},
    {"VGleichSB", "Same", "P=", 8},
    {"KGleichSB", "Same", "K=", 7},
    {"VWeichSB", "Soft", "Pw", 11},
    {"KWeichSB", "Soft", "Kw", 10},
    {"VHartSB", "Hard", "Ph", 13},
    {"KHartSB", "Hard", "Kh", 12},
    {"VMaskeSB", "Mask", "PM", 6},
    {"KMaskeSB", "Mask", "KM", 5},
    {"PipetteSB", "Pipette", "Pi", 9},
};

const char* const kModusNamen[13] = {
    "Normal",           "Wenn höher",   "Addition",       "Subtraktion", "1-x",
    "1-x wenn kleiner", "Differenz",    "Multiplikation", "Division",    "Wenn kleiner",
    "Wenn 0",           "Wenn nicht 0", "Höher & <> 0"};

QLabel* weisseSchrift(QLabel* l) {
    l->setStyleSheet("color: white;");
    return l;
}

}  // namespace

TLandGenerator::TLandGenerator(Sitzung& s, QWidget* parent)
    : QMainWindow(parent), s_(s), dienste_(qtDialogdienste(this, s)) {
    zustand_.Programmordner = QCoreApplication::applicationDirPath().toStdString();
    zustand_.Datenordner = DatenordnerFinden(zustand_.Programmordner);
    // The program's own folder is read-only on a normal install.
    zustand_.Heimordner = QDir::homePath().toStdString();
    for (DateiWahl* w : {&zustand_.nativ, &zustand_.script, &zustand_.palette}) {
        w->ordner = zustand_.Heimordner;
    }
    Randomize(s_.dok);

    setWindowTitle(QStringLiteral("Gravimonte"));
    grauFaerben(this);
    QFont schrift("Arial");
    setFont(schrift);

    auto* mitte = new QWidget(this);
    auto* zeile = new QHBoxLayout(mitte);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(0);
    skala_ = new SkalaWidget(s_, mitte);
    skala_->setFixedWidth(90);
    skala_->beantworten = [this](const SkalaAntwort& a) { skalaAntwort(a); };
    zeile->addWidget(skala_);
    zeile->addWidget(baueParameterSpalte());
    zeile->addWidget(baueWerkzeugleiste());

    auto* rechts = new QWidget(mitte);
    auto* rechtsSpalte = new QVBoxLayout(rechts);
    rechtsSpalte->setContentsMargins(0, 0, 0, 0);
    rechtsSpalte->addWidget(baueKopfleiste());
    scroll_ = new QScrollArea(rechts);
    scroll_->setAlignment(Qt::AlignCenter);
    bild_ = new BildWidget;
    scroll_->setWidget(bild_);
    rechtsSpalte->addWidget(scroll_, 1);
    zeile->addWidget(rechts, 1);
    setCentralWidget(mitte);

    for (int i = 0; i < 2; ++i) {
        status_[i] = weisseSchrift(new QLabel(this));
        statusBar()->addWidget(status_[i], i);
    }
    status_[0]->setFixedWidth(200);
    grauFaerben(statusBar());
    connect(bild_, &BildWidget::zeigerBewegt, this, &TLandGenerator::zeigerUeberBild);
    connect(bild_, &BildWidget::zeigerVerlassen, this, [this] { statusSetzen(1, {}); });

    MenueAufbauen(*this);
    werkzeugMaus_ = new WerkzeugMaus(*this);
    zuletztEinrichten(*this);
    PaletteVorlagenEinrichten(*this);
    aktion("MaskeNeu1Click")->setChecked(true);
    aktion("Palette11Click")->setChecked(true);

    neueGroesse(true);
    Freigeben1Click(*this);
    fensterstatusEinrichten(*this);
    aenderungenEinrichten(*this);
    // 980 x 680 fits a 1366 x 768 screen with a title bar and a task bar;
    // a smaller screen gets what it has free.
    QSize groesse(980, 680);
    if (const QScreen* sc = QGuiApplication::primaryScreen()) {
        groesse = groesse.boundedTo(sc->availableGeometry().size() - QSize(0, 40));
    }
    resize(groesse);
    if (const QScreen* sc = QGuiApplication::primaryScreen()) {
        move(sc->availableGeometry().center() - rect().center());
    }
    sprache_ = new Sprachsteuerung(*this);
    sprache_->starten(
        zustand_.Datenordner,
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
}

Dokument& TLandGenerator::dok() {
    return s_.dok;
}

QWidget* TLandGenerator::baueParameterSpalte() {
    auto* teiler = new QSplitter(Qt::Vertical, this);
    teiler->setFixedWidth(225);
    auto* oben = new QWidget(teiler);
    grauFaerben(oben);
    auto* spalte = new QVBoxLayout(oben);
    spalte->setContentsMargins(4, 4, 4, 4);  // room for the sliders beside a scroll bar
    spalte->addWidget(weisseSchrift(new QLabel(QStringLiteral("Parameter"), oben)));
    auto* vorschau = new QLabel(oben);
    vorschau->setObjectName("ImageAusgabePar");
    vorschau->setFixedSize(80, 80);
    vorschau->setStyleSheet("background-color: rgb(112, 112, 112); border: 1px solid silver;");
    spalte->addWidget(vorschau);
    auto* scroll = new QScrollArea(oben);
    auto* innen = new QWidget;
    grauFaerben(innen);
    auto* reglerSpalte = new QVBoxLayout(innen);
    reglerSpalte->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        formRegler_[i] = new ReglerWidget(innen, 196, 46);
        formRegler_[i]->setObjectName(QString("IEinstellungen_0%1").arg(i));
        const Parameter& p = FormReglerParameter()[2 * std::size_t(i)];
        ReglerVorgabe v = reglerVorgabe(p, p.vorgabe);
        v.mitStreuung = true;
        formRegler_[i]->anlegen(v);
        reglerSpalte->addWidget(formRegler_[i]);
    }
    scroll->setWidget(innen);
    spalte->addWidget(scroll, 1);
    modPanel_ = new ModPanel(s_.dok.ModEinstellungen, teiler);
    teiler->addWidget(oben);
    teiler->addWidget(modPanel_);
    // The modifier's sliders get the larger share; the shape sliders scroll.
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({260, 400});
    return teiler;
}

QWidget* TLandGenerator::baueWerkzeugleiste() {
    auto* leiste = new QWidget(this);
    leiste->setObjectName("PanelIcon");
    leiste->setFixedWidth(78);
    grauFaerben(leiste);
    auto* raster = new QGridLayout(leiste);
    raster->setContentsMargins(2, 2, 2, 2);
    werkzeuge_ = new QButtonGroup(this);
    werkzeuge_->setObjectName("Werkzeuge");
    werkzeuge_->setExclusive(false);  // the pressed button can be released (tool 0)
    for (int i = 0; i < int(std::size(kWerkzeuge)); ++i) {
        const Werkzeugknopf& w = kWerkzeuge[i];
        auto* k = new QToolButton(leiste);
        k->setObjectName(w.name);
        k->setText(w.text);
        k->setToolTip(w.hinweis);
        k->setStatusTip(w.hinweis);
        k->setCheckable(true);
        k->setFixedSize(34, 30);
        k->setChecked(w.werkzeug == s_.dok.Werkzeug);
        werkzeuge_->addButton(k, w.werkzeug);
        raster->addWidget(k, i / 2, i % 2);
    }
    raster->setRowStretch(int(std::size(kWerkzeuge)) / 2 + 1, 1);
    connect(werkzeuge_, &QButtonGroup::idClicked, this, [this](int id) {
        QAbstractButton* gedrueckt = werkzeuge_->button(id);
        for (QAbstractButton* b : werkzeuge_->buttons()) {
            if (b != gedrueckt) b->setChecked(false);
        }
        s_.dok.Werkzeug = gedrueckt->isChecked() ? id : 0;
    });
    return leiste;
}

QWidget* TLandGenerator::baueKopfleiste() {
    auto* kopf = new QWidget(this);
    kopf->setFixedHeight(84);
    grauFaerben(kopf);
    auto* zeile = new QHBoxLayout(kopf);
    zeile->setContentsMargins(6, 2, 6, 2);
    // Four radio buttons one below the other fit the 84 pixels only without gaps.
    auto* platz = new QVBoxLayout;
    platz->setSpacing(0);
    auto* gruppe = new QButtonGroup(kopf);
    const char* const texte[4] = {"Eckpunkt", "Mittelpunkt", "Mausclick K", "Mausclick"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(texte[i]), kopf);
        r->setStyleSheet("color: white;");
        r->setChecked(i + 1 == s_.werkzeug.Platzierung);
        gruppe->addButton(r, i + 1);
        platz->addWidget(r);
    }
    connect(gruppe, &QButtonGroup::idClicked, this,
            [this](int id) { s_.werkzeug.Platzierung = id; });
    zeile->addLayout(platz);
    const char* const groessen[2] = {"In X", "In Y"};
    for (int i = 0; i < 2; ++i) {
        groesseRegler_[i] = new ReglerWidget(kopf, 160, 46);
        groesseRegler_[i]->setObjectName(i == 0 ? "ImageReglerInX" : "ImageReglerInY");
        groesseRegler_[i]->anlegen({groessen[i], 3, 512, 1, 32, true, true, 0});
        zeile->addWidget(groesseRegler_[i]);
    }
    combo1_ = new QComboBox(kopf);
    combo2_ = new QComboBox(kopf);
    combo1_->setObjectName("ComboBox1");
    combo2_->setObjectName("ComboBox2");
    for (QComboBox* c : {combo1_, combo2_}) {
        for (const char* n : kModusNamen)
            c->addItem(QString::fromUtf8(n));
    }
    combo1_->setCurrentIndex(s_.dok.Verknuepfungsmodus - 1);
    combo2_->setCurrentIndex(s_.dok.VerknuepfungsmodusRechts - 1);
    combo1_->setToolTip(QStringLiteral("Verknüpfung von Füllen, Filtern und linker Maustaste"));
    combo2_->setToolTip(QStringLiteral("Verknüpfung der rechten Maustaste mit dem Feld"));
    connect(combo1_, &QComboBox::currentIndexChanged, this, [this](int i) { modusGewaehlt(0, i); });
    connect(combo2_, &QComboBox::currentIndexChanged, this, [this](int i) { modusGewaehlt(1, i); });
    // The lists are named, so that a mode like "Wenn höher" is seen as the
    // reason a result leaves lower cells alone. Names above the lists, in a
    // small font, keep the bar narrow enough for a 980 pixel window.
    auto* listen = new QVBoxLayout;
    listen->setSpacing(0);
    const char* const namen[2] = {"Verknüpfung", "Rechte Maustaste"};
    QComboBox* const combos[2] = {combo1_, combo2_};
    QFont klein("Arial");
    klein.setPointSize(8);
    for (int i = 0; i < 2; ++i) {
        auto* l = weisseSchrift(new QLabel(QString::fromUtf8(namen[i]), kopf));
        l->setFont(klein);
        l->setBuddy(combos[i]);
        combos[i]->setStatusTip(combos[i]->toolTip());
        combos[i]->setMinimumContentsLength(11);
        combos[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        listen->addWidget(l);
        listen->addWidget(combos[i]);
    }
    zeile->addLayout(listen);
    zeile->addStretch(1);
    return kopf;
}

void TLandGenerator::aktionRegistrieren(QAction* a) {
    aktionen_.insert(a->objectName(), a);
    addAction(a);  // shortcuts work while the menu is closed
}

void TLandGenerator::neuZeichnen() {
    bild_->bildSetzen(HauptbildMalen(s_, zustand_.ZoomFaktor, hauptbildPuffer_));
}

void TLandGenerator::farbenNeuZeichnen() {
    skala_->zeichnen();
    neuZeichnen();
}

void TLandGenerator::skalaAntwort(const SkalaAntwort& a) {
    if (a.status) statusSetzen(1, QString::fromStdString(*a.status));
    if (a.farbDialog) {
        // The editing logic hands red in bits 0..7; the dialog takes 0xRRGGBB.
        const unsigned c = *a.farbDialog;
        const unsigned rgb = ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
        if (const auto neu = dienste_.farbe(rgb)) {
            PunktFarbeSetzen(s_.farben, int(*neu >> 16) & 0xFF, int(*neu >> 8) & 0xFF,
                             int(*neu) & 0xFF);
            farbenNeuZeichnen();
            return;
        }
    }
    if (a.hauptbildNeu) neuZeichnen();
}

void TLandGenerator::neueGroesse(bool zuruecksetzen) {
    if (zuruecksetzen) AlleFelderLoeschen(s_.dok);
    zustand_.ZoomFaktor = ZoomEinpassen(s_.dok.MaxX, s_.dok.MaxY, zustand_.ZoomFaktor);
    neuZeichnen();
}

void TLandGenerator::zoomSetzen(double z) {
    if (!ZoomErlaubt(s_.dok.MaxX, s_.dok.MaxY, z)) return;
    zustand_.ZoomFaktor = z;
    neueGroesse(false);
}

void TLandGenerator::ablageMenueAktualisieren() {
    const bool belegt = s_.dok.AblageBelegt();
    for (const char* n : {"PasteItemClick", "Tauschen1Click", "Freigeben1Click"}) {
        aktion(n)->setEnabled(belegt);
    }
}

void TLandGenerator::statusSetzen(int panel, const QString& text) {
    status_[panel]->setText(text);
}

QString TLandGenerator::statusText(int panel) const {
    return status_[panel]->text();
}

void TLandGenerator::zeigerUeberBild(int x, int y) {
    // Not clamped like the drawing: a pointer past the last sample empties the panel.
    const int px = roundToInt(x / zustand_.ZoomFaktor);
    const int py = roundToInt(y / zustand_.ZoomFaktor);
    const Dokument& d = s_.dok;
    if (px < 0 || py < 0 || px > d.MaxX || py > d.MaxY) {
        statusSetzen(1, {});
        return;
    }
    statusSetzen(1, QString::asprintf("Current: (%d, %d, %s)", px, py,
                                      formatFixed(d.Hoehenfeld(px, py), 2).c_str()));
}

void TLandGenerator::modusGewaehlt(int liste, int index) {
    if (liste == 1) {
        s_.dok.VerknuepfungsmodusRechts = index + 1;
        return;
    }
    s_.dok.Verknuepfungsmodus = index + 1;
    const Operation* paintmode = OperationSuchen("paintmode");
    ScriptAnhaengen(s_.dok, ScriptZeileAus(paintmode->wort, paintmode->argumente, s_.dok));
}

bool TLandGenerator::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        statusSetzen(0, static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

}  // namespace gm
