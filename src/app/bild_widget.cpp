#include "app/bild_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace gm {

BildWidget::BildWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Bild");
    setMouseTracking(true);
}

void BildWidget::bildSetzen(QImage bild) {
    bild_ = std::move(bild);
    setFixedSize(bild_.size());
    update();
}

void BildWidget::umrissSetzen(QPolygonF umriss) {
    umriss_ = std::move(umriss);
    update();
}

void BildWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
    if (umriss_.isEmpty()) return;
    // The inverting pen: the outline stays visible over any colour.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1));
    p.drawPolyline(umriss_);
}

void BildWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit zeigerBewegt(pos.x(), pos.y());
    emit gezogen(e->position(), e->buttons());
}

void BildWidget::mousePressEvent(QMouseEvent* e) {
    emit gedrueckt(e->position(), e->button());
}

void BildWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit losgelassen(e->position(), e->button());
}

void BildWidget::leaveEvent(QEvent*) {
    emit zeigerVerlassen();
}

}  // namespace gm
