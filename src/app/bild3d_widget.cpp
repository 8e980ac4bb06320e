#include "app/bild3d_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace gm {

Bild3DWidget::Bild3DWidget(QSize vorgabe, QSize kleinste, QWidget* parent)
    : QWidget(parent), vorgabe_(vorgabe) {
    setMinimumSize(kleinste);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resize(vorgabe);
}

void Bild3DWidget::bildSetzen(QImage bild) {
    bild_ = std::move(bild);
    update();
}

void Bild3DWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
}

void Bild3DWidget::resizeEvent(QResizeEvent*) {
    emit groesseGeaendert();
}

void Bild3DWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    ziehen_ = true;
    letzte_ = e->position().toPoint();
}

void Bild3DWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!ziehen_) return;
    const QPoint p = e->position().toPoint();
    const QPoint d = p - letzte_;
    letzte_ = p;
    if (!d.isNull()) emit gezogen(d.x(), d.y());
}

void Bild3DWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !ziehen_) return;
    ziehen_ = false;
    emit losgelassen();
}

void Bild3DWidget::wheelEvent(QWheelEvent* e) {
    emit gerollt(e->angleDelta().y() / 120.0);
}

}  // namespace gm
