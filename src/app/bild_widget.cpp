#include "app/bild_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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

void BildWidget::bereichSetzen(const PixelImage& stueck, const Rechteck& wo) {
    const bool passt = !wo.leer() && wo.x0 >= 0 && wo.y0 >= 0 && wo.x1 < bild_.width() &&
                       wo.y1 < bild_.height() && stueck.width == wo.x1 - wo.x0 + 1 &&
                       stueck.height == wo.y1 - wo.y0 + 1 && bild_.format() == QImage::Format_RGB32;
    if (!passt) return;
    for (int y = 0; y < stueck.height; ++y) {
        std::copy_n(stueck.row(y), stueck.width,
                    reinterpret_cast<std::uint32_t*>(bild_.scanLine(wo.y0 + y)) + wo.x0);
    }
    update(QRect(QPoint(wo.x0, wo.y0), QPoint(wo.x1, wo.y1)));
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
