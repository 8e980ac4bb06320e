#include "app/werkzeug_maus.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "app/berg_dialog.h"
#include "app/bild_widget.h"
#include "app/hauptfenster.h"
#include "app/regler_widget.h"
#include "display/hauptbild.h"
#include "editing/strich_zeile.h"
#include "editing/werkzeug_parameter.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// A press and release further apart than this (in view pixels) is a drag.
constexpr double ZugSchwelle = 3.0;

constexpr int PipettenWerkzeug = 9;

// Recolours only the view pixels of the cells a tool changed; colours that
// draw random numbers, or a view not of the field's size, redraw it whole.
void zellenNeuZeichnen(TLandGenerator& f, const Rechteck& zellen) {
    Sitzung& s = f.sitzung();
    const double zoom = f.zustand().ZoomFaktor;
    const Bildgroesse g = HauptbildGroesse(s.dok.MaxX, s.dok.MaxY, zoom);
    PixelImage stueck;
    const auto wo = ZeichneHauptbildBereich(s.farben, s.dok, zoom, zellen, stueck);
    if (!wo || f.bild()->bild().size() != QSize(g.breite, g.hoehe)) {
        f.neuZeichnen();
        return;
    }
    f.bild()->bereichSetzen(stueck, *wo);
}

}  // namespace

WerkzeugMaus::WerkzeugMaus(TLandGenerator& f)
    : QObject(&f), f_(f), anzeige_(std::uint32_t(QDateTime::currentMSecsSinceEpoch())) {
    BildWidget* bild = f.bild();
    connect(bild, &BildWidget::gedrueckt, this, &WerkzeugMaus::gedrueckt);
    connect(bild, &BildWidget::gezogen, this, &WerkzeugMaus::gezogen);
    connect(bild, &BildWidget::losgelassen, this, &WerkzeugMaus::losgelassen);
    for (const char* name :
         {"IEinstellungen_00", "IEinstellungen_01", "IEinstellungen_02", "IEinstellungen_03",
          "IEinstellungen_04", "ImageReglerInX", "ImageReglerInY"}) {
        auto* r = f.findChild<ReglerWidget*>(name);
        connect(r, &ReglerWidget::geaendert, this, &WerkzeugMaus::reglerLesen);
        connect(r, &ReglerWidget::losgelassen, this, &WerkzeugMaus::reglerLesen);
    }
    vorschau_ = f.findChild<QLabel*>("ImageAusgabePar");
    for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
        auto* k = f.findChild<QAbstractButton*>(name);
        k->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(k, &QWidget::customContextMenuRequested, this, [this] { Berge1Click(f_); });
    }
    for (const char* name : {"VGleichSB", "KGleichSB"}) {
        auto* k = f.findChild<QAbstractButton*>(name);
        k->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(k, &QWidget::customContextMenuRequested, this, [this, k](const QPoint& p) {
            QMenu menue(k);
            menue.addAction(QStringLiteral("1"), [this] { Minimum1Click(f_); });
            menue.addAction(QStringLiteral("2"), [this] { Mittel1Click(f_); });
            menue.addAction(QStringLiteral("3"), [this] { Maximum1Click(f_); });
            menue.exec(k->mapToGlobal(p));
        });
    }
    if (auto* gruppe = f.findChild<QButtonGroup*>("Werkzeuge")) {
        connect(gruppe, &QButtonGroup::idClicked, this, [this] { vorschauZeichnen(); });
    }
    reglerLesen();
}

Punkt WerkzeugMaus::rasterPunkt(QPointF pos) const {
    const double zoom = f_.zustand().ZoomFaktor;
    return {pos.x() / zoom, pos.y() / zoom};
}

void WerkzeugMaus::reglerLesen() {
    WerkzeugEinstellungen& e = f_.sitzung().werkzeug;
    const auto parameter = FormReglerParameter();
    for (int i = 0; i < 5; ++i) {
        const auto* r = f_.findChild<ReglerWidget*>(QString("IEinstellungen_0%1").arg(i));
        feldSetzen(e.Form, parameter[2 * i], r->wert());
        feldSetzen(e.Form, parameter[2 * i + 1], r->streuung());
    }
    for (auto [name, ziel] : {std::pair{"ImageReglerInX", &e.InX}, {"ImageReglerInY", &e.InY}}) {
        const auto* r = f_.findChild<ReglerWidget*>(name);
        *ziel = {r->wert(), r->streuung()};
    }
    vorschauZeichnen();
}

void WerkzeugMaus::vorschauZeichnen() {
    if (vorschau_ == nullptr) return;
    const int b = vorschau_->width(), h = vorschau_->height();
    QPixmap bild(b, h);
    bild.fill(QColor(112, 112, 112));
    FormRec box;
    box.x1 = 8;
    box.y1 = 8;
    box.x2 = b - 8;
    box.y2 = h - 8;
    const Sitzung& s = f_.sitzung();
    const Umriss u = VorschauUmriss(s.dok.Werkzeug, box, s.werkzeug.Form, anzeige_);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(192, 192, 192));
    QPolygonF linie;
    for (int k = 0; k <= u.n; ++k)
        linie << QPointF(u.O[k].x, u.O[k].y);
    p.drawPolyline(linie);
    p.drawEllipse(QPointF(u.spitze.x, u.spitze.y), 3.0, 3.0);
    p.end();
    vorschau_->setPixmap(bild);
}

void WerkzeugMaus::gedrueckt(QPointF pos, Qt::MouseButton knopf) {
    if (knopf != Qt::LeftButton && knopf != Qt::RightButton) return;
    gehalten_ = true;
    druck_ = pos;
}

void WerkzeugMaus::gezogen(QPointF pos, Qt::MouseButtons gehalten) {
    const Sitzung& s = f_.sitzung();
    if (zug_) {
        umrissZeigen(rasterPunkt(pos));
        return;
    }
    // A press dragged away opens the box from where the button went down.
    const bool ziehbar = s.werkzeug.Platzierung <= 2 && s.dok.Werkzeug != PipettenWerkzeug &&
                         WerkzeugMitNummer(s.dok.Werkzeug) != nullptr;
    if (gehalten_ && gehalten != Qt::NoButton && ziehbar &&
        QLineF(druck_, pos).length() > ZugSchwelle) {
        zugBeginnen(rasterPunkt(druck_));
        umrissZeigen(rasterPunkt(pos));
    }
}

void WerkzeugMaus::losgelassen(QPointF pos, Qt::MouseButton knopf) {
    if (knopf != Qt::LeftButton && knopf != Qt::RightButton) return;
    gehalten_ = false;
    const Sitzung& s = f_.sitzung();
    const bool rechts = knopf == Qt::RightButton;
    const Punkt p = rasterPunkt(pos);
    if (zug_) {
        zug_ = false;
        f_.bild()->umrissSetzen({});
        anwenden(ZugBox(s.werkzeug.Platzierung, start_, p), rechts);
    } else if (WerkzeugMitNummer(s.dok.Werkzeug) == nullptr) {
        return;  // no tool pressed
    } else if (s.dok.Werkzeug == PipettenWerkzeug) {
        anwenden(ZugBox(1, p, p), rechts);
    } else if (s.werkzeug.Platzierung >= 3) {
        anwenden(KlickBox(f_.sitzung().dok, s.werkzeug, p), rechts);
    } else {
        // A click starts the drag; the next release ends it.
        zugBeginnen(p);
        umrissZeigen(p);
    }
}

void WerkzeugMaus::zugBeginnen(Punkt start) {
    const Sitzung& s = f_.sitzung();
    zug_ = true;
    start_ = start;
    zugForm_ = {};
    FormWuerfeln(s.dok.Werkzeug, zugForm_, s.werkzeug.Form, anzeige_);
}

void WerkzeugMaus::umrissZeigen(Punkt ende) {
    const FormRec box = ZugBox(f_.sitzung().werkzeug.Platzierung, start_, ende);
    zugForm_.x1 = box.x1;
    zugForm_.y1 = box.y1;
    zugForm_.x2 = box.x2;
    zugForm_.y2 = box.y2;
    const Umriss u = FormEckpunkte(zugForm_, anzeige_);
    const double zoom = f_.zustand().ZoomFaktor;
    QPolygonF linie;
    for (int k = 0; k <= u.n; ++k)
        linie << QPointF(u.O[k].x * zoom, u.O[k].y * zoom);
    f_.bild()->umrissSetzen(linie);
}

void WerkzeugMaus::anwenden(const FormRec& box, bool rechts) {
    Sitzung& s = f_.sitzung();
    const Strich strich{s.dok.Werkzeug, rechts, box, s.werkzeug.Form, s.werkzeug.Berg};
    const Rechteck geaendert = WerkzeugAnwenden(s.dok, strich);
    if (strich.Werkzeug == PipettenWerkzeug) {
        f_.farbenNeuZeichnen();
    } else {
        zellenNeuZeichnen(f_, geaendert);
    }
}

void Berge1Click(TLandGenerator& f) {
    TErstelleBerg dialog(&f);
    dialog.bearbeiten(f.sitzung().werkzeug.Berg);
}

void Minimum1Click(TLandGenerator& f) {
    f.dok().Gleichmodus = 1;
}
void Mittel1Click(TLandGenerator& f) {
    f.dok().Gleichmodus = 3;
}
void Maximum1Click(TLandGenerator& f) {
    f.dok().Gleichmodus = 2;
}

}  // namespace gm
