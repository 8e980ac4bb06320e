#pragma once
// The main view image `Bild`: shows the drawn field and reports the pointer.

#include <QImage>
#include <QWidget>

namespace gm {

class BildWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BildWidget(QWidget* parent = nullptr);
    void bildSetzen(QImage bild);
    const QImage& bild() const { return bild_; }
    QImage& bild() { return bild_; }

  signals:
    void zeigerBewegt(int x, int y);
    void zeigerVerlassen();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

  private:
    QImage bild_;
};

}  // namespace gm
