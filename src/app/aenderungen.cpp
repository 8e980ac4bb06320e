#include "app/aenderungen.h"

#include <QCloseEvent>
#include <cstring>

#include "app/befehle.h"
#include "app/fensterstatus.h"
#include "app/hauptfenster.h"
#include "script/sitzung.h"

namespace gm {

namespace {

std::uint64_t mischen(std::uint64_t h, std::uint64_t wert) {
    return (h ^ wert) * 0x100000001b3ull;
}

// The close request of the window, answered by the save question.
class SchliessenFrage : public QObject {
  public:
    explicit SchliessenFrage(TLandGenerator& f) : QObject(&f), f_(f) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == &f_ && e->type() == QEvent::Close && !aenderungenSichern(f_)) {
            e->ignore();
            return true;
        }
        return false;
    }

  private:
    TLandGenerator& f_;
};

}  // namespace

std::uint64_t FeldFingerabdruck(const Dokument& d) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    h = mischen(h, std::uint64_t(d.MaxX));
    h = mischen(h, std::uint64_t(d.MaxY));
    for (int x = 0; x <= d.MaxX; ++x) {
        const double* spalte = d.Hoehenfeld.spalte(x);
        for (int y = 0; y <= d.MaxY; ++y) {
            std::uint64_t bits;
            std::memcpy(&bits, spalte + y, sizeof bits);
            h = mischen(h, bits);
        }
    }
    return h;
}

void alsGespeichertMerken(TLandGenerator& f) {
    f.zustand().gespeichert = FeldFingerabdruck(f.dok());
    fensterAktualisieren(f);
}

void alsUngespeichertMerken(TLandGenerator& f) {
    f.zustand().gespeichert.reset();
    fensterAktualisieren(f);
}

bool feldGeaendert(TLandGenerator& f) {
    const auto& g = f.zustand().gespeichert;
    return !g || *g != FeldFingerabdruck(f.dok());
}

bool aenderungenSichern(TLandGenerator& f) {
    if (!feldGeaendert(f)) return true;
    const std::string frage = "Die Änderungen an " + dokumentName(f).toStdString() +
                              " sind nicht gespeichert. Speichern?";
    switch (f.dienste().sichern(frage)) {
        case Antwort::Nein:
            return true;
        case Antwort::Abbrechen:
            return false;
        case Antwort::Ja:
            FileSave1Execute(f);
            return !feldGeaendert(f);
    }
    return false;
}

void aenderungenEinrichten(TLandGenerator& f) {
    f.installEventFilter(new SchliessenFrage(f));
    alsGespeichertMerken(f);
}

}  // namespace gm
