#pragma once
// The main view image `Bild`: shows the drawn field, reports the pointer and
// its buttons, and shows a tool's outline inverted over the field.

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include "core/rechteck.h"
#include "display/pixelbild.h"

namespace gm {

class BildWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BildWidget(QWidget* parent = nullptr);
    void bildSetzen(QImage bild);
    const QImage& bild() const { return bild_; }
    QImage& bild() { return bild_; }
    // Puts `stueck` into the picture at the view pixels `wo` (its size) and
    // repaints only them; a piece that does not fit changes nothing.
    void bereichSetzen(const PixelImage& stueck, const Rechteck& wo);
    // The outline in view pixels; an empty one hides it.
    void umrissSetzen(QPolygonF umriss);
    const QPolygonF& umriss() const { return umriss_; }

  signals:
    void zeigerBewegt(int x, int y);
    void zeigerVerlassen();
    // Pointer position in view pixels, not rounded.
    void gedrueckt(QPointF pos, Qt::MouseButton knopf);
    void gezogen(QPointF pos, Qt::MouseButtons gehalten);
    void losgelassen(QPointF pos, Qt::MouseButton knopf);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

  private:
    QImage bild_;
    QPolygonF umriss_;
};

}  // namespace gm
