#pragma once
// The playback dialog "AbspielenScript": the recorded lines in a read-only
// text box; "Übernehmen" plays them back with one undo copy.

#include <QDialog>
#include <string>

class QTextEdit;

namespace gm {

struct Sitzung;

class TAbspielenScript : public QDialog {
    Q_OBJECT
  public:
    TAbspielenScript(Sitzung& s, QWidget* parent = nullptr);
    // FormShow: lists lines 1..ScriptAnzahl.
    void vorbereiten();
    QTextEdit* text() const { return text_; }

    // WeiterClick: plays the script back and closes as accepted.
    void accept() override;
    // The operations of the last playback that failed, one line each. Lines
    // that are no command or not readable are skipped silently.
    const std::string& fehler() const { return fehler_; }

  private:
    Sitzung& s_;
    QTextEdit* text_;
    std::string fehler_;
};

}  // namespace gm
