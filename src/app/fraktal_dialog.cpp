#include "app/fraktal_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/hintergrund.h"
#include "core/zahlen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

constexpr int kTiefe = 0, kZoom = 1;  // the sliders' places in the working set

// A pan button: one preview pixel in FraktalVerschieben's direction.
auto verschieben(int richtung) {
    return [richtung](FraktalParamRec& p) {
        FraktalVerschieben(p, richtung, VorschauKante, VorschauKante);
    };
}

}  // namespace

TErstelleFraktal::TErstelleFraktal(Sitzung& s, QWidget* parent)
    : ParameterDialog(
          QStringLiteral("Eingabe für Fraktale"), FraktalRegler(),
          [this](const Werte& w, Vorschaufeld& feld) {
              arbeit_.Tiefe = roundToInt(w[kTiefe]);
              arbeit_.ZoomFaktor = w[kZoom];
              FraktalVorschau(arbeit_, feld);
          },
          [this](const Vorschaufeld& feld, QImage& bild) { malen(feld, bild); }, parent),
      s_(s),
      gespeichert_(FraktalStandard()),
      arbeit_(gespeichert_) {
    auto* gruppe = new QGroupBox(QStringLiteral("Auswahl"), this);
    gruppe->setObjectName("RadioGroup1");
    auto* zeilen = new QHBoxLayout(gruppe);
    auswahl_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(i == 0 ? QStringLiteral("Mandelbrot") : QStringLiteral("Julia"),
                                   gruppe);
        auswahl_->addButton(r, i);
        zeilen->addWidget(r);
    }
    zusatzBereich()->addWidget(gruppe);
    connect(auswahl_, &QButtonGroup::idClicked, this, [this](int id) {
        arbeit_.Art = id + 1;
        fensterGeaendert();
    });
    knoepfe_ = new QGridLayout;
    zusatzBereich()->addLayout(knoepfe_);
    const char* vorgaben[] = {"Standard", "Punkt 01", "Punkt 02", "Punkt 03", "Punkt 04"};
    for (int k = 1; k <= FraktalVorgabenAnzahl; ++k) {
        const QByteArray name = "SpeedButton" + QByteArray::number(k);
        knopf(name.constData(), vorgaben[k - 1], 0, k - 1,
              [k](FraktalParamRec& p) { FraktalVorgabe(p, k); });
    }
    knopf("SpeedButton6", "^", 1, 1, verschieben(1));
    knopf("SpeedButton7", "<", 2, 0, verschieben(2));
    knopf("SpeedButton8", ">", 2, 2, verschieben(3));
    knopf("SpeedButton9", "v", 3, 1, verschieben(4));
    knopf("SpeedButton10", "+", 1, 4, [](FraktalParamRec& p) { FraktalZoomen(p, 1); });
    knopf("SpeedButton11", "-", 3, 4, [](FraktalParamRec& p) { FraktalZoomen(p, 2); });
    findChild<QLabel*>("Darstellung")->installEventFilter(this);
}

void TErstelleFraktal::knopf(const char* name, const char* titel, int zeile, int spalte,
                             std::function<void(FraktalParamRec&)> wirkung) {
    auto* b = new QPushButton(QString::fromUtf8(titel), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    knoepfe_->addWidget(b, zeile, spalte);
    connect(b, &QPushButton::clicked, this, [this, wirkung = std::move(wirkung)] {
        wirkung(arbeit_);
        fensterGeaendert();
    });
}

void TErstelleFraktal::oeffnen() {
    arbeit_ = gespeichert_;
    reglerWerte_ = werteAus(FraktalRegler(), gespeichert_);
    auswahl_->button(arbeit_.Art == 2 ? 1 : 0)->setChecked(true);
    beginnen(reglerWerte_);
}

bool TErstelleFraktal::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TErstelleFraktal::fensterGeaendert() {
    subjektPruefen();
}

void TErstelleFraktal::malen(const Vorschaufeld& feld, QImage& bild) {
    VorschauFarbigMaler(s_)(feld, bild);
    QPainter maler(&bild);
    maler.setPen(QColor(128, 128, 128));
    const int w = bild.width(), h = bild.height();
    maler.drawLine(0, h / 2, w, h / 2);
    maler.drawLine(w / 2, 0, w / 2, h);
    maler.drawRect(QRect(QPoint(w / 3, h / 3), QPoint(2 * w / 3, 2 * h / 3)));
}

bool TErstelleFraktal::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(ereignis);
        const QPoint p = m->position().toPoint();
        FraktalKlick(arbeit_, p.x(), p.y(), VorschauKante, VorschauKante,
                     m->button() == Qt::RightButton);
        fensterGeaendert();
        return true;
    }
    return ParameterDialog::eventFilter(objekt, ereignis);
}

void TErstelleFraktal::accept() {
    pruefen();
    arbeit_.Tiefe = roundToInt(arbeitsSatz()[kTiefe]);
    arbeit_.ZoomFaktor = arbeitsSatz()[kZoom];
    if (!GeneratorLaufen(this, s_.dok, "fractal", [&] { FraktalBerechnen(s_.dok, arbeit_); })) {
        return;
    }
    gespeichert_ = arbeit_;
    ParameterDialog::accept();
}

}  // namespace gm
