#include "app/scroll_flaeche.h"

#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>

namespace gm {

namespace {

// QScrollArea bounds its size hint to 24 text lines; this one asks for its
// whole contents, with room for the scroll bar so that it never needs a
// horizontal one.
class Flaeche : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const QSize inhalt = widget() ? widget()->sizeHint() : QSize();
        return inhalt +
               QSize(2 * frameWidth() + verticalScrollBar()->sizeHint().width(), 2 * frameWidth());
    }
    QSize minimumSizeHint() const override {
        const int breite = widget() ? widget()->minimumSizeHint().width() : 0;
        return {breite + 2 * frameWidth() + verticalScrollBar()->sizeHint().width(), 120};
    }
};

}  // namespace

QWidget* scrollFlaeche(QLayout* inhalt, QWidget* eltern) {
    auto* flaeche = new Flaeche(eltern);
    flaeche->setFrameShape(QFrame::NoFrame);
    flaeche->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    flaeche->setWidgetResizable(true);
    auto* innen = new QWidget;
    innen->setLayout(inhalt);
    inhalt->setContentsMargins(0, 0, 0, 0);
    flaeche->setWidget(innen);
    flaeche->viewport()->setAutoFillBackground(false);
    return flaeche;
}

}  // namespace gm
