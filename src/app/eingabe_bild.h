#pragma once
// The size dialog "Eingabe Bildgröße": two number fields and ten size buttons.

#include <QDialog>

#include "app/dialogdienste.h"

class QLineEdit;
class QRadioButton;

namespace gm {

class TEingabeBild : public QDialog {
    Q_OBJECT
  public:
    explicit TEingabeBild(QWidget* parent = nullptr);
    // FormShow: presets both fields and the matching size button.
    void vorbereiten(Groesse aktuell);
    // Both fields read with the number-entry rule (whole numbers, 5..2049).
    Groesse ergebnis();

    QLineEdit* feldX() const { return feldX_; }
    QLineEdit* feldY() const { return feldY_; }

  private:
    void feldAuswerten(QLineEdit* feld);

    QLineEdit* feldX_;
    QLineEdit* feldY_;
    QList<QRadioButton*> knoepfe_;
};

}  // namespace gm
