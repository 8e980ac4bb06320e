#pragma once
// Long work beside the window's thread. The work runs on a worker thread;
// meanwhile the window keeps painting, input to the document waits behind a
// window-modal progress dialog, and "Abbrechen" asks the work to stop. The
// work learns of it through its progress reports (FortschrittMelden), which
// then throw Abgebrochen; work that does not report runs to its end and its
// result is dropped.

#include <QString>
#include <functional>

#include <optional>

#include "core/dokument.h"
#include "core/script_liste.h"
#include "script/operationen.h"

class QWidget;

namespace gm {

// Runs `arbeit` on a worker thread (on this one when no thread can start)
// with a progress dialog titled `text`; `zwischendurch` runs on the window's
// thread every few milliseconds while it waits. True when the work finished,
// false when it was cancelled. An exception other than Abgebrochen is passed
// on.
bool imHintergrund(QWidget* eltern, const QString& text, const std::function<void()>& arbeit,
                   const std::function<void()>& zwischendurch = {});

// What an operation may change of the document: the field, the undo copy and
// their extents, the random seed and the script list. Taken before long work
// and put back when it is cancelled, so nothing is half applied and no undo
// copy is spent.
class DokumentStand {
  public:
    explicit DokumentStand(const Dokument& d);
    void zurueck(Dokument& d) const;

  private:
    int maxX_, maxY_, undoMaxX_, undoMaxY_, spalten_;
    std::uint32_t randSeed_;
    std::vector<double> hoehen_, undo_;
    std::array<std::string, ScriptMaxZeilen + 1> script_;
    int scriptAnzahl_;
};

// imHintergrund for work on the document: cancelled, the document is put
// back as it was. True when the work finished.
bool dokumentImHintergrund(QWidget* eltern, Dokument& d, const QString& text,
                           const std::function<void()>& arbeit);

// Runs `arbeit`, a generator dialog's computation of its field into
// Zweitbild, beside the window's thread when the catalogue's generator
// `name` is marked `lang`, else at once. False when cancelled: the document
// is then as before.
bool GeneratorLaufen(QWidget* dialog, Dokument& d, std::string_view name,
                     const std::function<void()>& arbeit);

// Runs a catalogue operation as its menu command or dialog does: beside the
// window's thread when its row is marked `lang`. Nothing when cancelled.
std::optional<Status> OperationLaufen(QWidget* eltern, Sitzung& s, const Operation& op,
                                      const Werte& werte);

}  // namespace gm
