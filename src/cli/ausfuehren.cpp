#include "cli/ausfuehren.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "core/ablage.h"
#include "core/kombination.h"
#include "core/nativdatei.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "display/palettendatei.h"
#include "script/abspielen.h"
#include "script/skriptdatei.h"
#include "script/zeile.h"

namespace gm::cli {

namespace {

namespace fs = std::filesystem;

// Written files waiting for the run to succeed, by target.
class Ausstehend {
  public:
    Ausstehend() = default;
    Ausstehend(const Ausstehend&) = delete;
    Ausstehend& operator=(const Ausstehend&) = delete;
    ~Ausstehend() {
        for (const auto& eintrag : dateien_)
            std::remove(eintrag.second.second.c_str());
    }

    // A fresh temporary name beside `ziel`, replacing an earlier pending one.
    std::string neu(const std::string& ziel) {
        // Keeps the extension: readers and writers may go by it.
        const fs::path z(ziel);
        const std::string temp =
            (z.parent_path() / (z.stem().string() + ".gm-cli-" + std::to_string(::getpid()) + "-" +
                                std::to_string(++zaehler_) + z.extension().string()))
                .string();
        auto& eintrag = dateien_[schluessel(ziel)];
        if (!eintrag.second.empty()) std::remove(eintrag.second.c_str());
        eintrag = {ziel, temp};
        return temp;
    }
    // Drops a temporary file that was never completed.
    void verwerfen(const std::string& ziel) {
        auto it = dateien_.find(schluessel(ziel));
        if (it == dateien_.end()) return;
        std::remove(it->second.second.c_str());
        dateien_.erase(it);
    }
    // The path to read for `pfad`: its pending version when there is one.
    std::string lesepfad(const std::string& pfad) const {
        auto it = dateien_.find(schluessel(pfad));
        return it == dateien_.end() ? pfad : it->second.second;
    }
    Status abschliessen() {
        for (auto it = dateien_.begin(); it != dateien_.end(); it = dateien_.erase(it)) {
            const auto& [ziel, temp] = it->second;
            if (std::rename(temp.c_str(), ziel.c_str()) != 0) {
                return Status::fehler("cannot write " + ziel + ": " + std::strerror(errno));
            }
        }
        return {};
    }

  private:
    static std::string schluessel(const std::string& pfad) {
        std::error_code ec;
        fs::path p = fs::weakly_canonical(fs::path(pfad), ec);
        return ec ? pfad : p.string();
    }
    // Keyed by canonical target: (target as given, temporary name).
    std::map<std::string, std::pair<std::string, std::string>> dateien_;
    int zaehler_ = 0;
};

std::string info(const Dokument& d) {
    double minimum = d.Hoehenfeld(0, 0), maximum = minimum, summe = 0.0;
    for (int x = 0; x <= d.MaxX; ++x) {
        const double* h = d.Hoehenfeld.spalte(x);
        for (int y = 0; y <= d.MaxY; ++y) {
            minimum = std::min(minimum, h[y]);
            maximum = std::max(maximum, h[y]);
            summe += h[y];
        }
    }
    const double mittel = summe / (double(d.punkteX()) * d.punkteY());
    return "points " + std::to_string(d.punkteX()) + " " + std::to_string(d.punkteY()) + " min " +
           formatFixed(minimum, 6) + " max " + formatFixed(maximum, 6) + " mean " +
           formatFixed(mittel, 6) + "\n";
}

Status schreiben(Ausstehend& aus, const std::string& ziel, auto&& schreiber) {
    std::error_code ec;
    if (fs::is_directory(ziel, ec))
        return Status::fehler("cannot write " + ziel + ": it is a folder");
    const std::string temp = aus.neu(ziel);
    Status st = schreiber(temp);
    if (!st) {
        aus.verwerfen(ziel);
        return Status::fehler("cannot write " + ziel + ": " + st.meldung());
    }
    return {};
}

// Plays the loaded script: a line that did not run is a warning, as in the
// window; an operation that failed fails the run.
Status scriptAbspielen(Sitzung& s, const std::string& datei) {
    Status fehler;
    for (const ZeilenMeldung& m : ScriptAbspielen(s)) {
        const std::string wo = datei + ", script line " + std::to_string(m.zeile);
        if (m.ergebnis.art == ZeilenErgebnis::Fehlgeschlagen) {
            if (fehler) fehler = Status::fehler(wo + ": " + m.ergebnis.text());
        } else {
            std::fprintf(stderr, "gravimonte-cli: warning: %s skipped: %s\n", wo.c_str(),
                         m.ergebnis.text().c_str());
        }
    }
    return fehler;
}

Status ausfuehren(Sitzung& s, const Aktion& a, Ausstehend& aus, std::string& ausgabe) {
    Dokument& dok = s.dok;
    switch (a.art) {
        case AktionsArt::Seed:
            setzeSeed(dok, a.seed);
            return {};
        case AktionsArt::Groesse:
            NeueGroesse(dok, a.punkteX - 1, a.punkteY - 1, true);
            Freigeben(dok);
            return {};
        case AktionsArt::Umrechnen:
            GroesseUmrechnen(dok, a.punkteX - 1, a.punkteY - 1);
            return {};
        case AktionsArt::Oeffnen: {
            Status st = a.import->lesen(s, aus.lesepfad(a.text));
            if (st) Freigeben(dok);
            return st;
        }
        case AktionsArt::Zeile: {
            UndoSichern(dok);
            const ZeilenErgebnis e = ZeileAusfuehren(s, a.text);
            if (!e.ausgefuehrt()) return Status::fehler("--line '" + a.text + "': " + e.text());
            return {};
        }
        case AktionsArt::Script:
            if (Status st = ScriptDateiLaden(dok, aus.lesepfad(a.text)); !st) return st;
            return scriptAbspielen(s, a.text);
        case AktionsArt::Setzen:
            EinstellungAnwenden(s, a.einstellung);
            return {};
        case AktionsArt::Hinzu:
            if (Status st = NativInZweitbildLesen(dok, aus.lesepfad(a.text)); !st) return st;
            ZweitbildVerknuepfen(dok);
            return {};
        case AktionsArt::Undo:
            Undo(dok);
            return {};
        case AktionsArt::Operation:
            return a.operation->ausfuehren(s, *a.operation, a.werte);
        case AktionsArt::Maske:
            a.maske(dok);
            return {};
        case AktionsArt::Speichern:
            return schreiben(aus, a.text,
                             [&](const std::string& p) { return NativSchreiben(dok, p); });
        case AktionsArt::Export:
            return schreiben(aus, a.text,
                             [&](const std::string& p) { return a.exportFormat->schreiben(s, p); });
        case AktionsArt::Info:
            ausgabe += info(dok);
            return {};
        case AktionsArt::Palette:
            return PalettenLaden(aus.lesepfad(a.text), s.farben);
        case AktionsArt::PaletteSpeichern:
            return schreiben(aus, a.text,
                             [&](const std::string& p) { return PalettenSpeichern(s.farben, p); });
        case AktionsArt::Strich:
            for (const EinstellungsZuweisung& z : a.einstellungen)
                EinstellungAnwenden(s, z);
            if (Status st = PunkteAnwenden(dok, s.werkzeug, a.werkzeug, a.rechts, a.punkte); !st)
                return Status::fehler("--stroke: " + st.meldung());
            return {};
        case AktionsArt::CoffeeVorlage:
            s.coffee.Vorlage = aus.lesepfad(a.text);
            return {};
    }
    return {};
}

}  // namespace

Status AktionenAusfuehren(Sitzung& s, const Befehlszeile& b, std::string& ausgabe) {
    Ausstehend aus;
    // Files that replayed lines write wait for the run like --save and --export.
    s.schreibZiel = [&aus](const std::string& pfad) { return aus.neu(pfad); };
    Status st;
    for (const Aktion& a : b.aktionen) {
        if (st = ausfuehren(s, a, aus, ausgabe); !st) break;
    }
    s.schreibZiel = {};
    return st ? aus.abschliessen() : st;
}

}  // namespace gm::cli
