#include "cli/ausfuehren.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "core/ablage.h"
#include "core/atomare_datei.h"
#include "core/kombination.h"
#include "core/nativdatei.h"
#include "core/puffer.h"
#include "core/temp_dateien.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "display/palettendatei.h"
#include "script/abspielen.h"
#include "script/skriptdatei.h"
#include "script/zeile.h"

namespace gm::cli {

namespace {

namespace fs = std::filesystem;

// Written files waiting for the run to succeed, by resolved target. Each waits
// under a temporary name beside the file it will replace (a symbolic link is
// followed) and is removed when the run fails or a signal ends it. A device or
// named pipe is written at once, since there is nothing to replace.
class Ausstehend {
  public:
    Ausstehend() = default;
    Ausstehend(const Ausstehend&) = delete;
    Ausstehend& operator=(const Ausstehend&) = delete;
    ~Ausstehend() {
        for (auto& [pfad, e] : dateien_)
            entfernen(e);
    }

    // The path a writer of `ziel` writes to: a fresh temporary name, replacing
    // an earlier pending one, or the target itself when it is written directly.
    Status neu(const std::string& ziel, std::string& schreibpfad) {
        Schreibziel z;
        if (Status s = SchreibzielAufloesen(ziel, z); !s) return s;
        if (z.direkt) {
            schreibpfad = ziel;
            return {};
        }
        // Keeps the extension: readers and writers may go by it.
        const fs::path p(z.pfad);
        const std::string temp =
            (p.parent_path() / (p.stem().string() + ".gm-cli-" + std::to_string(::getpid()) + "-" +
                                std::to_string(++zaehler_) + p.extension().string()))
                .string();
        Eintrag& e = dateien_[schluessel(z.pfad)];
        entfernen(e);
        e = {ziel, z.pfad, temp, TempDateiMerken(temp)};
        schreibpfad = temp;
        return {};
    }
    // Drops a temporary file that was never completed.
    void verwerfen(const std::string& ziel) {
        Schreibziel z;
        if (!SchreibzielAufloesen(ziel, z)) return;
        auto it = dateien_.find(schluessel(z.pfad));
        if (it == dateien_.end()) return;
        entfernen(it->second);
        dateien_.erase(it);
    }
    // The path to read for `pfad`: its pending version when there is one.
    std::string lesepfad(const std::string& pfad) const {
        Schreibziel z;
        if (!SchreibzielAufloesen(pfad, z)) return pfad;
        auto it = dateien_.find(schluessel(z.pfad));
        return it == dateien_.end() ? pfad : it->second.temp;
    }
    // A message with every temporary name replaced by the target it stands for.
    std::string klartext(std::string text) const {
        for (const auto& [pfad, e] : dateien_) {
            for (auto i = text.find(e.temp); i != std::string::npos; i = text.find(e.temp, i))
                text.replace(i, e.temp.size(), e.ziel);
        }
        return text;
    }
    Status abschliessen() {
        for (auto it = dateien_.begin(); it != dateien_.end(); it = dateien_.erase(it)) {
            Eintrag& e = it->second;
            if (Status s = TempUebernehmen(e.temp, e.pfad, e.ziel); !s) return s;
            TempDateiVergessen(e.platz);
            e.platz = -1;
        }
        return {};
    }

  private:
    struct Eintrag {
        std::string ziel;  // as the user named it
        std::string pfad;  // the file replaced: links followed
        std::string temp;
        int platz = -1;  // registration for removal on a signal
    };
    static void entfernen(Eintrag& e) {
        if (!e.temp.empty()) std::remove(e.temp.c_str());
        TempDateiVergessen(e.platz);
        e.platz = -1;
    }
    static std::string schluessel(const std::string& pfad) {
        std::error_code ec;
        fs::path p = fs::weakly_canonical(fs::path(pfad), ec);
        return ec ? pfad : p.string();
    }
    std::map<std::string, Eintrag> dateien_;
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
    std::string pfad;
    if (Status s = aus.neu(ziel, pfad); !s) return s;
    Status st = schreiber(pfad);
    if (st) return st;
    st = Status::fehler(aus.klartext(st.meldung()));
    aus.verwerfen(ziel);
    return st;
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
    // A target that may not be written is left as it is: the writer then
    // reports why.
    s.schreibZiel = [&aus](const std::string& pfad) {
        std::string schreibpfad = pfad;
        (void)aus.neu(pfad, schreibpfad);
        return schreibpfad;
    };
    Status st;
    for (const Aktion& a : b.aktionen) {
        if (st = ausfuehren(s, a, aus, ausgabe); !st) break;
    }
    s.schreibZiel = {};
    if (!st) return Status::fehler(aus.klartext(st.meldung()));
    return aus.abschliessen();
}

}  // namespace gm::cli
