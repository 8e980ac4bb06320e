#include "app/regler_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/zahlen.h"

namespace gm {

ReglerVorgabe reglerVorgabe(const Parameter& p, double wert) {
    ReglerVorgabe v;
    v.titel = std::string(p.titel.empty() ? p.name : p.titel);
    v.minimum = p.minimum;
    v.maximum = p.maximum;
    v.schritt = p.schritt;
    v.wert = wert;
    v.logarithmisch = p.skala == Skala::Logarithmisch;
    return v;
}

namespace {
const QColor kGrau128(128, 128, 128);
const QColor kHellgrau(192, 192, 192);

QFont reglerSchrift() {
    QFont f("Arial");
    f.setPointSize(9);
    return f;
}

// A white box with a light grey border covering (x1, y1) to (x2, y2), right
// and bottom edge excluded.
void kasten(QPainter& p, int x1, int y1, int x2, int y2) {
    p.setPen(kHellgrau);
    p.setBrush(Qt::white);
    p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void textRechts(QPainter& p, int breite, int y, const QString& text) {
    const int w = p.fontMetrics().horizontalAdvance(text);
    p.drawText(breite - 2 - w, y + p.fontMetrics().ascent(), text);
}
}  // namespace

ReglerWidget::ReglerWidget(QWidget* parent, int breite, int hoehe)
    : QWidget(parent), bild_(breite, hoehe, QImage::Format_RGB32) {
    setFixedSize(breite, hoehe);
    setFocusPolicy(Qt::StrongFocus);
    ReglerGeometrie(rec_, breite, hoehe);
    bild_.fill(QColor(112, 112, 112));
}

void ReglerWidget::anlegen(const ReglerVorgabe& v) {
    rec_.Titel = v.titel;
    rec_.Minimum = v.minimum;
    rec_.Maximum = v.maximum;
    rec_.Schritt = v.schritt;
    rec_.Wert = v.wert;
    rec_.Logarithmisch = v.logarithmisch;
    rec_.MitStreuung = v.mitStreuung;
    rec_.Streuung = v.mitStreuung ? v.streuung : 0.0;
    rec_.Gezogen = false;
    rec_.ZugModus = 0;
    setAccessibleName(QString::fromStdString(v.titel));
    zeichnen();
    wertZeichnen();
}

void ReglerWidget::titelSetzen(const std::string& titel) {
    rec_.Titel = titel;
    setAccessibleName(QString::fromStdString(titel));
    zeichnen();
    wertZeichnen();
}

void ReglerWidget::wertSetzen(double wert) {
    rec_.Wert = wert;
    wertZeichnen();
}

void ReglerWidget::streuungSetzen(double streuung) {
    rec_.Streuung = streuung;
    wertZeichnen();
}

void ReglerWidget::zeichnen() {
    ReglerGeometrie(rec_, bild_.width(), bild_.height());
    bild_.fill(QColor::fromRgb(rec_.Farbe));
    QPainter p(&bild_);
    p.setPen(Qt::white);
    for (int i = 0; i <= 8; ++i) {
        const int x = rec_.Links + int(double(i) / 8 * (rec_.Rechts - rec_.Links));
        p.drawLine(x, rec_.Mitte + 8, x, rec_.Mitte + 5);
    }
    p.setFont(reglerSchrift());
    const int oben = p.fontMetrics().ascent();
    p.drawText(2, rec_.Mitte - 22 + oben, QString::fromStdString(rec_.Titel));
    p.drawText(2, rec_.Mitte + 9 + oben, QString::fromStdString(formatFixed(rec_.Minimum, 2)));
    textRechts(p, bild_.width(), rec_.Mitte + 9,
               QString::fromStdString(formatFixed(rec_.Maximum, 2)));
}

void ReglerWidget::wertZeichnen() {
    const int w = bild_.width();
    const int m = rec_.Mitte;
    QPainter p(&bild_);
    const int links = rec_.Rechts - (rec_.Rechts - rec_.Links) / 2;
    p.fillRect(links, m - 26, w - links, 21, QColor::fromRgb(rec_.Farbe));
    kasten(p, 1, m - 5, 6, m + 5);
    kasten(p, w - 6, m - 5, w - 1, m + 5);
    kasten(p, rec_.Links - 5, m - 5, rec_.Rechts + 5, m + 5);

    int a = ReglerSpalteVon(rec_, rec_.Wert);
    int b = a;
    if (rec_.MitStreuung) {
        if (rec_.Logarithmisch) {
            a = ReglerSpalteVon(rec_, rec_.Wert - rec_.Streuung);
            b = ReglerSpalteVon(rec_, rec_.Wert + rec_.Streuung);
        } else {
            const int d =
                int(rec_.Streuung / (rec_.Maximum - rec_.Minimum) * (rec_.Rechts - rec_.Links));
            a -= d;
            b += d;
        }
    }
    if (a > b) std::swap(a, b);
    p.fillRect(a - 2, m - 3, 4, 7, kGrau128);
    p.fillRect(b - 2, m - 3, 4, 7, kGrau128);
    p.fillRect(a, m - 1, b - a, 3, kGrau128);

    p.setPen(Qt::white);
    p.setFont(reglerSchrift());
    const QString wert = QString::fromStdString(ReglerWertText(rec_));
    textRechts(p, w, m - 22, wert);
    // A caption reaching into the cleared half comes back up to the value
    // text, so that "Anstieg Amplitude" is not cut to "Anstieg Amplitu".
    const int wertLinks = w - 2 - p.fontMetrics().horizontalAdvance(wert);
    p.setClipRect(links, m - 26, std::max(0, wertLinks - 4 - links), 21);
    p.drawText(2, m - 22 + p.fontMetrics().ascent(), QString::fromStdString(rec_.Titel));
    p.end();
    update();
}

void ReglerWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
    if (hasFocus()) {
        p.setPen(QPen(kHellgrau, 1, Qt::DotLine));
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
}

void ReglerWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    const QPoint pos = e->position().toPoint();
    ReglerMausDown(rec_, e->button() == Qt::RightButton, pos.x(), pos.y());
    wertZeichnen();
    emit geaendert();
}

void ReglerWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!rec_.Gezogen) return;
    const QPoint pos = e->position().toPoint();
    if (ReglerMausMove(rec_, pos.x(), pos.y())) {
        wertZeichnen();
        emit geaendert();
    }
}

void ReglerWidget::mouseReleaseEvent(QMouseEvent*) {
    if (!rec_.Gezogen) return;
    rec_.Gezogen = false;
    emit losgelassen();
}

void ReglerWidget::keyPressEvent(QKeyEvent* e) {
    int richtung = 0;
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            richtung = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            richtung = 1;
            break;
        default:
            QWidget::keyPressEvent(e);
            return;
    }
    ReglerSchritt(rec_, richtung, e->modifiers() & Qt::ShiftModifier);
    wertZeichnen();
    emit geaendert();
    emit losgelassen();
}

void ReglerWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void ReglerWidget::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

}  // namespace gm
