#pragma once
// The colour bar `Skala`: draws through ZeichneSkala and hands every pointer
// event to the display layer's editing logic; the window carries out the
// answers (redraws, status text, colour dialog).

#include <QImage>
#include <QWidget>
#include <functional>

#include "display/pixelbild.h"
#include "display/skala_bearbeiten.h"

namespace gm {

struct Sitzung;

class SkalaWidget : public QWidget {
    Q_OBJECT
  public:
    SkalaWidget(Sitzung& s, QWidget* parent = nullptr);
    // Called with every answer of the editing logic.
    std::function<void(const SkalaAntwort&)> beantworten;

    // ZeichneSkala at the widget's present size.
    void zeichnen();
    const QImage& bild() const { return bild_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void weiter(const SkalaAntwort& a);

    Sitzung& s_;
    PixelImage puffer_;
    QImage bild_;
};

}  // namespace gm
