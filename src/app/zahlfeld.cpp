#include "app/zahlfeld.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace gm {

namespace {

// The field is darker than the grey panel so that silver and white text
// stay readable on it.
void faerben(QLineEdit* feld, const char* schrift) {
    feld->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(56, 56, 56); "
                                       "border: 1px solid rgb(192, 192, 192); color: %1; }")
                            .arg(QLatin1String(schrift)));
}

}  // namespace

QLineEdit* zahlfeldAnlegen(QWidget* dialog, const char* name) {
    auto* feld = new QLineEdit(dialog);
    feld->setObjectName(name);
    zahlfeldGelesen(feld);
    QObject::connect(feld, &QLineEdit::textEdited, feld, [feld] { faerben(feld, "white"); });
    QObject::connect(feld, &QLineEdit::returnPressed, feld, [feld] {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(feld, &tab);
    });
    return feld;
}

void zahlfeldGelesen(QLineEdit* feld) {
    faerben(feld, "rgb(192, 192, 192)");
}

}  // namespace gm
