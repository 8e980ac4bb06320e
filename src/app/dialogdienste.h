#pragma once
// The modal questions the command handlers ask: file dialogs, the overwrite
// question, error messages, the size dialog, the colour dialog and the
// playback dialog. The window installs the Qt versions; tests replace them.

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace gm {

struct Sitzung;

struct DateiDialog {
    std::string titel;
    std::string filter;     // Qt filter text, entries separated by ";;"
    std::string endung;     // default extension without the dot
    std::string vorschlag;  // preset file name or folder
};

enum class Antwort { Ja, Nein, Abbrechen };

struct Groesse {
    int punkteX;
    int punkteY;
};

struct Dialogdienste {
    std::function<std::optional<std::string>(const DateiDialog&)> oeffnen;
    std::function<std::optional<std::string>(const DateiDialog&)> speichern;
    // Yes / No / Cancel question.
    std::function<Antwort(const std::string& frage)> frage;
    // Before unsaved work is ended: Save (Ja), Discard (Nein) or Cancel.
    std::function<Antwort(const std::string& frage)> sichern;
    // A modal error message.
    std::function<void(const std::string& meldung)> fehler;
    // The size dialog, preset with the current size.
    std::function<std::optional<Groesse>(Groesse aktuell)> groesse;
    // The colour dialog, preset with 0xRRGGBB.
    std::function<std::optional<unsigned>(unsigned rgb)> farbe;
    // The playback dialog: nothing when it was cancelled; when it was accepted
    // (and the script ran), the failures of its operations, empty when none.
    std::function<std::optional<std::string>()> abspielen;
    // The render settings dialog; true when it was accepted.
    std::function<bool()> renderEinstellungen;
};

// The Qt dialogs, parented to `eltern`.
Dialogdienste qtDialogdienste(QWidget* eltern, Sitzung& s);

}  // namespace gm
