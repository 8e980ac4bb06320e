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

void BildWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
}

void BildWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    emit zeigerBewegt(pos.x(), pos.y());
}

void BildWidget::leaveEvent(QEvent*) {
    emit zeigerVerlassen();
}

}  // namespace gm
