#include "app/hintergrund.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <system_error>

#include "core/fortschritt.h"

namespace gm {

namespace {

// Columns -1..M+1 of a grid, M the larger of both extents, as one block.
void spaltenKopieren(const TFeld& von, std::vector<double>& nach, int spalten) {
    nach.resize(std::size_t(spalten) * FeldKante);
    std::memcpy(nach.data(), von.daten(), nach.size() * sizeof(double));
}

void spaltenZurueck(const std::vector<double>& von, TFeld& nach) {
    std::memcpy(nach.daten(), von.data(), von.size() * sizeof(double));
}

// Keeps the user's input away from every window but the progress dialog
// from the first moment: the dialog itself appears only after a while, and a
// second click on "Übernehmen" meanwhile would start the work again.
class EingabeSperre : public QObject {
  public:
    explicit EingabeSperre(QWidget* frei) : frei_(frei) { qApp->installEventFilter(this); }
    ~EingabeSperre() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::Wheel:
            case QEvent::Close: {
                auto* w = qobject_cast<QWidget*>(o);
                if (w == nullptr) return e->type() == QEvent::Shortcut;  // the menu's actions
                if (w == frei_ || frei_->isAncestorOf(w)) return false;
                e->ignore();  // no window closes while the work holds the document
                return true;
            }
            default:
                return false;
        }
    }

  private:
    QWidget* frei_;
};

}  // namespace

bool imHintergrund(QWidget* eltern, const QString& text, const std::function<void()>& arbeit,
                   const std::function<void()>& zwischendurch) {
    // A busy bar until the work reports its first share; work that never
    // reports (the generators) keeps it.
    QProgressDialog balken(text, QStringLiteral("Abbrechen"), 0, 0, eltern);
    balken.setObjectName("Fortschritt");
    // Input reaches only this dialog while the work owns the document.
    balken.setWindowModality(Qt::ApplicationModal);
    balken.setMinimumDuration(300);
    balken.setAutoReset(false);
    balken.setAutoClose(false);
    balken.setValue(0);  // starts the wait of setMinimumDuration
    const EingabeSperre sperre(&balken);
    std::atomic<bool> abbrechen{false};
    std::atomic<int> promille{-1};
    auto lauf = [&] {
        FortschrittHoeren hoeren([&](double anteil) {
            promille = int(std::clamp(anteil, 0.0, 1.0) * 1000);
            if (abbrechen) throw Abgebrochen{};
        });
        try {
            arbeit();
        } catch (const Abgebrochen&) {
            return false;
        }
        return true;
    };
    std::future<bool> fertig;
    try {
        fertig = std::async(std::launch::async, lauf);
    } catch (const std::system_error&) {
        fertig = std::async(std::launch::deferred, lauf);
    }
    while (fertig.wait_for(std::chrono::milliseconds(30)) == std::future_status::timeout) {
        if (zwischendurch) zwischendurch();
        if (balken.wasCanceled() && !abbrechen) {
            abbrechen = true;
            balken.setLabelText(QStringLiteral("Wird abgebrochen ..."));
        }
        if (const int p = promille; p >= 0) {
            if (balken.maximum() == 0) balken.setRange(0, 1000);
            balken.setValue(p);
        }
        QCoreApplication::processEvents();
    }
    const bool beendet = fertig.get();
    if (zwischendurch) zwischendurch();
    QCoreApplication::processEvents();  // what the work posted at its end
    return beendet && !abbrechen && !balken.wasCanceled();
}

DokumentStand::DokumentStand(const Dokument& d)
    : maxX_(d.MaxX),
      maxY_(d.MaxY),
      undoMaxX_(d.UndoMaxX),
      undoMaxY_(d.UndoMaxY),
      spalten_(std::min(std::max(d.MaxX, d.UndoMaxX) + 3, FeldKante)),
      randSeed_(d.RandSeed),
      script_(d.ScriptListe),
      scriptAnzahl_(d.ScriptAnzahl) {
    spaltenKopieren(d.Hoehenfeld, hoehen_, spalten_);
    spaltenKopieren(d.UndoBild, undo_, spalten_);
}

void DokumentStand::zurueck(Dokument& d) const {
    spaltenZurueck(hoehen_, d.Hoehenfeld);
    spaltenZurueck(undo_, d.UndoBild);
    d.MaxX = maxX_;
    d.MaxY = maxY_;
    d.UndoMaxX = undoMaxX_;
    d.UndoMaxY = undoMaxY_;
    d.RandSeed = randSeed_;
    d.ScriptListe = script_;
    d.ScriptAnzahl = scriptAnzahl_;
}

bool dokumentImHintergrund(QWidget* eltern, Dokument& d, const QString& text,
                           const std::function<void()>& arbeit) {
    const DokumentStand vorher(d);
    if (imHintergrund(eltern, text, arbeit)) return true;
    vorher.zurueck(d);
    return false;
}

bool GeneratorLaufen(QWidget* dialog, Dokument& d, std::string_view name,
                     const std::function<void()>& arbeit) {
    const Operation* op = OperationSuchen(OperationsArt::Generator, name);
    if (op == nullptr || !op->lang) {
        arbeit();
        return true;
    }
    return dokumentImHintergrund(dialog, d, dialog->windowTitle() + " ...", arbeit);
}

std::optional<Status> OperationLaufen(QWidget* eltern, Sitzung& s, const Operation& op,
                                      const Werte& werte) {
    Status st;
    auto lauf = [&] { st = op.ausfuehren(s, op, werte); };
    if (!op.lang) {
        lauf();
        return st;
    }
    const QString text = QString::fromUtf8(op.name.data(), qsizetype(op.name.size())) + " ...";
    if (!dokumentImHintergrund(eltern, s.dok, text, lauf)) return std::nullopt;
    return st;
}

}  // namespace gm
