#pragma once
// Drives the modal dialog a menu command opens: the actions run inside the
// dialog's own event loop on the real widgets; whatever they leave open is
// cancelled so a failed check can never hang the test.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/hauptfenster.h"
#include "app/regler_widget.h"

namespace gm::test {

// Triggers `befehl` and runs `bedienen` on the modal dialog of type D it
// shows. Returns whether such a dialog was shown.
template <class D>
bool modalBedienen(TLandGenerator& f, const char* befehl, const std::function<void(D&)>& bedienen) {
    bool gezeigt = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            gezeigt = true;
            bedienen(*d);
        }
        if (auto* offen = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            offen->reject();
        }
    });
    f.aktion(befehl)->trigger();
    QApplication::processEvents();  // a refused dialog leaves the timer pending
    return gezeigt;
}

// A left-button drag on a slider from column x0 to x1 on its centre line,
// reporting how often `waehrend` was true while the button was held.
inline void ziehen(ReglerWidget* r, int x0, int x1, const std::function<void()>& waehrend = {}) {
    const int y = r->rec().Mitte;
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(x0, y), QPointF(x0, y), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(r, &druck);
    QMouseEvent zug(QEvent::MouseMove, QPointF(x1, y), QPointF(x1, y), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(r, &zug);
    if (waehrend) waehrend();
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(x1, y), QPointF(x1, y), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(r, &los);
}

inline void weiter(QDialog& d) {
    d.findChild<QPushButton*>("Weiter")->click();
}
inline void abbrechen(QDialog& d) {
    d.findChild<QPushButton*>("Abbrechen")->click();
}

}  // namespace gm::test
