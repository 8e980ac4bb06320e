#include "app/austausch.h"

#include <filesystem>

#include "app/hauptfenster.h"

namespace gm {

DateiDialog austauschDialog(const Fensterzustand& z, const DateiArt& art) {
    const DateiWahl& w = z.*art.wahl;
    std::string vorschlag;
    if (w.gewaehlt()) {
        vorschlag = std::filesystem::path(w.name).replace_extension(art.endung).string();
    } else {
        vorschlag = w.ordner.empty() ? z.Heimordner : w.ordner;
    }
    return {art.titel, art.filter, art.endung, vorschlag};
}

std::optional<std::string> dateiWaehlen(TLandGenerator& f, const DateiArt& art, bool speichern) {
    const DateiDialog d = austauschDialog(f.zustand(), art);
    const auto pfad = speichern ? f.dienste().speichern(d) : f.dienste().oeffnen(d);
    if (!pfad || pfad->empty()) return std::nullopt;
    dateiUebernehmen(f.zustand().*art.wahl, *pfad);
    return pfad;
}

bool austauschMelden(TLandGenerator& f, const Status& s, const std::string& pfad) {
    if (s) return true;
    const std::string& m = s.meldung();
    f.dienste().fehler(m.find(pfad) == std::string::npos ? pfad + ": " + m : m);
    return false;
}

}  // namespace gm
