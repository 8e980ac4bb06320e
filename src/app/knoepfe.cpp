#include "app/knoepfe.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

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
    k->setAutoDefault(false);  // Enter in a number field moves on instead
    k->setStyleSheet(
        "QPushButton { color: silver; font-weight: bold; border: none; padding: 4px; }"
        "QPushButton:focus { color: white; text-decoration: underline; }");
    return k;
}
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
    QObject::connect(k.weiter, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(k.abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    return k;
}

}  // namespace gm
