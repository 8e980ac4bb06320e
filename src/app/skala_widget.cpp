#include "app/skala_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>
#include <vector>

#include "app/hauptbild.h"
#include "display/skala.h"
#include "script/sitzung.h"

namespace gm {

namespace {

Maustaste tasteVon(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return Maustaste::Links;
        case Qt::RightButton:
            return Maustaste::Rechts;
        case Qt::MiddleButton:
            return Maustaste::Mitte;
        default:
            return Maustaste::Keine;
    }
}

QFont skalaSchrift() {
    QFont f("Arial");
    f.setPointSize(9);
    return f;
}

struct Text {
    int links, oben;
    std::string text;
};

}  // namespace

SkalaWidget::SkalaWidget(Sitzung& s, QWidget* parent) : QWidget(parent), s_(s) {
    setObjectName("Skala");
    setMouseTracking(true);
    setMinimumHeight(64);
}

void SkalaWidget::zeichnen() {
    puffer_.resize(width(), height());
    std::vector<Text> texte;
    SkalaBeschriftung b;
    b.textHoehe = QFontMetrics(skalaSchrift()).height();
    b.schreiben = [&texte](int links, int oben, std::string_view t) {
        texte.push_back({links, oben, std::string(t)});
    };
    ZeichneSkala(s_.farben, s_.dok, puffer_, b);
    bild_ = AlsQImage(puffer_);
    if (!bild_.isNull()) {
        QPainter p(&bild_);
        p.setFont(skalaSchrift());
        p.setPen(Qt::white);
        for (const Text& t : texte) {
            p.drawText(t.links, t.oben + p.fontMetrics().ascent(), QString::fromStdString(t.text));
        }
    }
    update();
}

void SkalaWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
}

void SkalaWidget::resizeEvent(QResizeEvent*) {
    zeichnen();
}

void SkalaWidget::weiter(const SkalaAntwort& a) {
    if (a.skalaNeu) zeichnen();
    if (beantworten) beantworten(a);
}

void SkalaWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    weiter(
        SkalaMouseDown(s_.farben, s_.dok, p.x(), p.y(), tasteVon(e->button()), width(), height()));
}

void SkalaWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    weiter(SkalaMouseMove(s_.farben, s_.dok, p.x(), p.y(), width(), height()));
}

void SkalaWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    weiter(SkalaMouseUp(s_.farben, s_.dok, p.x(), p.y(), tasteVon(e->button()), height()));
}

void SkalaWidget::mouseDoubleClickEvent(QMouseEvent*) {
    weiter(SkalaDblClick(s_.farben, height()));
}

}  // namespace gm
