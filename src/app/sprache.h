#pragma once
// The interface language: the "Sprache" menu, the language file, and the
// captions of the window and of every dialog. Captions are written in German
// where widgets are made; Beschriften() looks each one up in the word table
// and shows the current language's word, so a dialog is translated as soon
// as its German texts are in the table. Each widget remembers its German
// text, so switching languages again and again always starts from it.

#include <QObject>
#include <string>

#include "app/uebersetzer.h"

class QWidget;

namespace gm {

class TLandGenerator;

struct Sprachwahl {
    int nummer;
    const char* menue;  // object name of the "Sprache" menu item
    const char* code;   // word file daten/<code>.txt
};
inline constexpr Sprachwahl kSprachen[7] = {
    {1, "Deutsch1Click", "deu"},       {2, "Englisch1Click", "eng"},
    {3, "Franzsisch1Click", "fra"},    {4, "Spanisch1Click", "esp"},
    {5, "Italienisch1Click", "ita"},   {6, "Polnisch1Click", "pol"},
    {7, "Niederlndisch1Click", "ned"},
};

// Captions the widget tree below `wurzel` (itself included) in the current
// language: window titles, buttons, check and radio boxes, labels, group
// boxes, sliders, list items, tool tips and menu actions.
void Beschriften(QWidget* wurzel, const Uebersetzer& u);

class Sprachsteuerung : public QObject {
    Q_OBJECT
  public:
    // Connects the "Sprache" menu and routes the window's messages and file
    // dialog titles through the word table.
    explicit Sprachsteuerung(TLandGenerator& f);

    // Start-up: reads the language file and applies its language. The choice
    // is kept in `datenordner` while it is writable, else in `benutzerordner`.
    void starten(const std::string& datenordner, const std::string& benutzerordner);

    // InitSprache: loads the word file of language n (1..7) into a new table
    // and switches only when it gave words; "Deutsch" without its file
    // restores the built-in texts. Returns whether the language changed.
    bool InitSprache(int n);

    const Uebersetzer& uebersetzer() const { return u_; }
    int SprachIndex() const { return u_.SprachIndex; }
    // The language file the choice is written to.
    std::string sprachdatei() const;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void alleBeschriften();

    TLandGenerator& f_;
    Uebersetzer u_;
    std::string datenordner_;
    std::string benutzerordner_;
};

}  // namespace gm
