#include "app/knoepfe.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace gm {

void grauFaerben(QWidget* w) {
    QPalette pal = w->palette();
    const QColor grau(112, 112, 112);
    const QColor silber(192, 192, 192);
    pal.setColor(QPalette::Window, grau);
    pal.setColor(QPalette::WindowText, silber);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::ButtonText, silber);
    pal.setColor(QPalette::Button, grau);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

namespace {
QPushButton* knopf(const QString& text, QWidget* eltern) {
    auto* k = new QPushButton(text, eltern);
    k->setFlat(true);
    k->setCursor(Qt::PointingHandCursor);
    k->setAutoDefault(false);  // the focus never makes "Abbrechen" the Enter button
    k->setStyleSheet(
        "QPushButton { color: silver; font-weight: bold; border: none; padding: 4px; }"
        "QPushButton:focus { color: white; text-decoration: underline; }");
    return k;
}

// What every dialog of the frame shares beyond its buttons: it fits on the
// screen it opens on, and Enter in a number field moves to the next control
// instead of reaching "Übernehmen".
class DialogRahmen : public QObject {
  public:
    explicit DialogRahmen(QDialog* dialog) : QObject(dialog), dialog_(dialog) {}

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == dialog_ && e->type() == QEvent::Show) {
            for (QLineEdit* feld : dialog_->findChildren<QLineEdit*>())
                feld->installEventFilter(this);
            einpassen();
            return false;
        }
        if (e->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(o)) {
            const int taste = static_cast<QKeyEvent*>(e)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                // The field reads its text as on any Enter, but the key goes
                // no further than the field.
                auto* feld = static_cast<QLineEdit*>(o);
                static_cast<QObject*>(feld)->event(e);
                e->accept();  // the dialog would otherwise press "Übernehmen"
                if (feld->window()->focusWidget() == feld) {
                    feld->nextInFocusChain()->setFocus(Qt::TabFocusReason);
                }
                return true;
            }
        }
        return false;
    }

  private:
    // At most as high and wide as the free part of the screen less a title
    // bar, and moved inside it.
    void einpassen() {
        const QScreen* schirm =
            dialog_->screen() ? dialog_->screen() : QGuiApplication::primaryScreen();
        if (!schirm) return;
        constexpr int kTitel = 40;
        const QRect frei = schirm->availableGeometry().adjusted(0, kTitel, 0, 0);
        const QSize groesse = dialog_->size().boundedTo(frei.size());
        if (groesse != dialog_->size()) dialog_->resize(groesse);
        QPoint ort = dialog_->pos();
        ort.setX(std::clamp(ort.x(), frei.left(),
                            std::max(frei.left(), frei.right() - groesse.width())));
        ort.setY(std::clamp(ort.y(), frei.top(),
                            std::max(frei.top(), frei.bottom() - groesse.height())));
        if (ort != dialog_->pos()) dialog_->move(ort);
    }

    QDialog* dialog_;
};

}  // namespace

Dialogknoepfe dialogKnoepfe(QDialog* dialog) {
    Dialogknoepfe k{};
    k.abbrechen = knopf(QStringLiteral("Abbrechen"), dialog);
    k.weiter = knopf(QStringLiteral("Übernehmen"), dialog);
    k.zeile = new QHBoxLayout;
    k.abbrechen->setObjectName("Abbrechen");
    k.weiter->setObjectName("Weiter");
    k.zeile->addStretch(1);
    k.zeile->addWidget(k.abbrechen);
    k.zeile->addWidget(k.weiter);
    k.weiter->setDefault(true);  // Enter presses "Übernehmen", Escape "Abbrechen"
    dialog->installEventFilter(new DialogRahmen(dialog));
    QObject::connect(k.weiter, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(k.abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    return k;
}

}  // namespace gm
