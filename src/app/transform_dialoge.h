#pragma once
// The dialogs of the geometric transforms: twirl (TEingabeTwirl), trace
// (TEingabeTrace), "Bild verschieben" (TEingabeBildVerschieben) and
// "Bild erweitern" (TEingabeBildErweitern). Each applies its operation on
// "Übernehmen" through the catalogue, so the undo copy and the script line
// are the command line's.

#include <QDialog>

#include "app/parameter_dialog.h"
#include "filters/trace.h"
#include "filters/transformieren.h"
#include "filters/verschieben.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace gm {

struct Sitzung;

// Twirl: centre sliders over the current field, angle and radius, and a
// drawing of the affected disc.
class TEingabeTwirl : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeTwirl(Sitzung& s, QWidget* parent = nullptr);
    // FormShow: the stored centre is clamped to the current field and the
    // centre sliders span it.
    void oeffnen();
    bool ausfuehren();
    const TwirlRec& gespeichert() const { return gespeichert_; }
    void accept() override;

  private:
    Sitzung& s_;
    TwirlRec gespeichert_{255, 255, 90.0, 150.0};
    Werte satz_;
};

// Trace: tolerance and density sliders and the radio group "Gitter".
class TEingabeTrace : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeTrace(Sitzung& s, QWidget* parent = nullptr);
    bool ausfuehren();
    QRadioButton* gitter(int wert) const;
    void accept() override;

  private:
    Sitzung& s_;
    TraceRec gespeichert_;
    Werte satz_;
    QButtonGroup* gitter_;
};

class TEingabeBildVerschieben : public QDialog {
    Q_OBJECT
  public:
    explicit TEingabeBildVerschieben(Sitzung& s, QWidget* parent = nullptr);
    bool ausfuehren();
    void oeffnen();
    QLineEdit* anzahl() const { return edit0_; }
    QRadioButton* richtung(int r) const;
    QCheckBox* nullen() const { return nullen_; }
    void accept() override;

  private:
    Sitzung& s_;
    VerschiebenRec gespeichert_;
    QLineEdit* edit0_;
    QButtonGroup* richtungen_;
    QCheckBox* nullen_;
};

class TEingabeBildErweitern : public QDialog {
    Q_OBJECT
  public:
    explicit TEingabeBildErweitern(Sitzung& s, QWidget* parent = nullptr);
    bool ausfuehren();
    void oeffnen();
    QLineEdit* feldX() const { return edit0_; }
    QLineEdit* feldY() const { return edit1_; }
    QRadioButton* anker(int a) const;
    QRadioButton* groesse(const QString& text) const;
    void accept() override;

  private:
    void feldAuswerten(QLineEdit* feld);
    Sitzung& s_;
    ErweiternRec gespeichert_;
    QLineEdit* edit0_;
    QLineEdit* edit1_;
    QButtonGroup* anker_;
};

}  // namespace gm
