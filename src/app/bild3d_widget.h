#pragma once
// A picture that follows its widget's size and reports drags and the wheel:
// the image `Bild3D` of the 3D preview and the pictures of the profile view.

#include <QImage>
#include <QSize>
#include <QWidget>

namespace gm {

class Bild3DWidget : public QWidget {
    Q_OBJECT
  public:
    // `vorgabe` is the size it asks for; it may grow and shrink to `kleinste`.
    Bild3DWidget(QSize vorgabe, QSize kleinste, QWidget* parent = nullptr);
    void bildSetzen(QImage bild);
    const QImage& bild() const { return bild_; }
    QSize sizeHint() const override { return vorgabe_; }

  signals:
    void groesseGeaendert();
    // The pointer moved by (dx, dy) with the left button held.
    void gezogen(int dx, int dy);
    void losgelassen();
    // Wheel turns, in notches; positive away from the user.
    void gerollt(double stufen);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    QSize vorgabe_;
    QImage bild_;
    QPoint letzte_;
    bool ziehen_ = false;
};

}  // namespace gm
