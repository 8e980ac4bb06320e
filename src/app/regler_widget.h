#pragma once
// The slider widget: a fixed-size image showing one ReglerRec. The left button
// drags the value, the right button the spread; arrow keys step the value
// (with Shift the spread), so the slider works without a mouse.

#include <QImage>
#include <QWidget>

#include "app/regler.h"
#include "core/parameter.h"

namespace gm {

struct ReglerVorgabe {
    std::string titel;
    double minimum = 0.0;
    double maximum = 1.0;
    double schritt = 0.01;
    double wert = 0.0;
    bool logarithmisch = false;
    bool mitStreuung = false;
    double streuung = 0.0;
};

// A slider for parameter `p` at `wert`: its caption (the name when it has
// none), range, step and scale.
ReglerVorgabe reglerVorgabe(const Parameter& p, double wert);

class ReglerWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ReglerWidget(QWidget* parent = nullptr, int breite = 216, int hoehe = 46);

    // ReglerAnlegen: fills the record and draws it.
    void anlegen(const ReglerVorgabe& v);
    // ReglerTitelSetzen.
    void titelSetzen(const std::string& titel);
    void wertSetzen(double wert);
    void streuungSetzen(double streuung);

    double wert() const { return rec_.Wert; }
    double streuung() const { return rec_.Streuung; }
    const ReglerRec& rec() const { return rec_; }
    // The drawn image (what paintEvent shows).
    const QImage& bild() const { return bild_; }

  signals:
    // The value or spread moved during a drag.
    void geaendert();
    // A drag ended or a key stepped the slider: time to recompute previews.
    void losgelassen();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void zeichnen();      // ReglerZeichnen: background, ticks, captions
    void wertZeichnen();  // ReglerWertZeichnen: boxes, marker, value text

    ReglerRec rec_;
    QImage bild_;
};

}  // namespace gm
