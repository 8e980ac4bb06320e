// The mesh exports "&DXF", "PovRay Mesh (*.inc)", "PovRay Mesh2 (*.inc)",
// "Wavefront (*.obj)" and the settings command "Voreinstellungen" -> "&DXF".
// Kept samples are marked red on the main view while the selection runs, and
// the window repaints during the export, which runs beside the window's thread
// and can be cancelled.

#include <mutex>
#include <optional>
#include <vector>

#include "app/austausch.h"
#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/dxf_dialog.h"
#include "app/hauptfenster.h"
#include "app/hintergrund.h"
#include "core/fortschritt.h"
#include "core/zufall.h"
#include "formats/netz_auswahl.h"
#include "formats/netz_export.h"
#include "script/operationen.h"

namespace gm {

namespace {

const DateiArt kDxf{&Fensterzustand::dxf, "Exportieren DXF", "DXF  (*.dxf);;All  (*.*)", "dxf"};
const DateiArt kPovRay{&Fensterzustand::povray, "Exportieren PovRay", "Povray (*.inc);;All  (*.*)",
                       "inc"};
const DateiArt kWavefront{&Fensterzustand::wavefront, "Exportieren Wavefront",
                          "Wavefront (*.obj);;All (*.*)", "obj"};

// Marks kept sample (i, j) as a pure red pixel on the main view.
void markieren(TLandGenerator& f, const NetzRec& rec, int i, int j) {
    const Pixel p = markierPixel(i, j, f.dok(), rec, f.zustand().ZoomFaktor);
    QImage& bild = f.bild()->bild();
    if (bild.rect().contains(p.x, p.y)) bild.setPixel(p.x, p.y, qRgb(255, 0, 0));
}

void punkteMelden(TLandGenerator& f, std::size_t anzahl) {
    f.statusSetzen(1, QStringLiteral("Anzahl Punkte: (%1)").arg(anzahl));
}

// What the worker building the mesh hands over to the window.
struct Uebergabe {
    std::mutex sperre;
    std::vector<GitterPunkt> marken;  // kept samples not drawn yet
    std::vector<std::string> meldungen;
    double anteil = 0.0;
};

struct NetzErgebnis {
    Status bauen;  // only the size limit refuses a mesh
    Status schreiben;
    std::size_t punkte = 0;
};

// Builds and writes the mesh; every report may stop it when cancelled, up to
// the start of writing.
NetzErgebnis netzArbeit(Dokument& dok, const NetzRec& rec, NetzFormat format,
                        const std::string& pfad, Uebergabe& u) {
    NetzOptionen o;
    o.markierung = [&u](int i, int j) {
        double anteil = 0.0;
        {
            const std::lock_guard l(u.sperre);
            u.marken.push_back({i, j});
            anteil = u.anteil;
        }
        FortschrittMelden(anteil);
    };
    o.meldung = [&u](std::string_view m) {
        const std::lock_guard l(u.sperre);
        u.meldungen.emplace_back(m);
    };
    o.fortschritt = [&u](double anteil) {
        {
            const std::lock_guard l(u.sperre);
            u.anteil = 0.9 * anteil;  // the rest is writing
        }
        FortschrittMelden(0.9 * anteil);
    };
    NetzErgebnis e;
    Netz netz;
    e.bauen = NetzBilden(dok, rec, o, netz);
    if (!e.bauen) return e;
    e.punkte = netz.punkte.size();
    FortschrittMelden(0.9);
    e.schreiben = NetzSchreiben(format, netz, pfad);
    return e;
}

// Draws the marks handed over so far.
void uebernehmen(TLandGenerator& f, const NetzRec& rec, Uebergabe& u) {
    std::vector<GitterPunkt> marken;
    {
        const std::lock_guard l(u.sperre);
        marken.swap(u.marken);
    }
    for (const GitterPunkt& m : marken)
        markieren(f, rec, m.x, m.y);
    f.bild()->update();
}

// Builds and writes the mesh beside the window's thread while the window
// draws the marks; nothing when cancelled.
std::optional<NetzErgebnis> mitFortschritt(TLandGenerator& f, const NetzRec& rec, NetzFormat format,
                                           const std::string& pfad) {
    Uebergabe u;
    NetzErgebnis e;
    const bool fertig = imHintergrund(
        &f, QStringLiteral("Exportieren ..."),
        [&] { e = netzArbeit(f.dok(), rec, format, pfad, u); }, [&] { uebernehmen(f, rec, u); });
    for (const std::string& m : u.meldungen)
        f.dienste().fehler(m);
    if (!fertig) return std::nullopt;
    return e;
}

// Exports in the mesh format of the command line's export `name`.
void exportieren(TLandGenerator& f, std::string_view name, const DateiArt& art) {
    const Export* ex = ExportSuchen(name);
    if (!ex || !ex->netz) return;
    const NetzFormat format = *ex->netz;
    const auto pfad = dateiWaehlen(f, art, true);
    if (!pfad) return;
    const NetzRec rec = dxfDialog(f).gespeichert();
    f.neuZeichnen();  // earlier marks go
    const std::optional<NetzErgebnis> lauf = mitFortschritt(f, rec, format, *pfad);
    if (!lauf) return;
    const NetzErgebnis& e = *lauf;
    if (!e.bauen) {
        f.dienste().fehler(e.bauen.meldung());
        return;
    }
    if (austauschMelden(f, e.schreiben, *pfad) && rec.Optimierung) punkteMelden(f, e.punkte);
}

}  // namespace

void DXF1Click(TLandGenerator& f) {
    exportieren(f, "dxf", kDxf);
}

void PovRayinc1Click(TLandGenerator& f) {
    exportieren(f, "pov", kPovRay);
}

void PovRayinc2Click(TLandGenerator& f) {
    exportieren(f, "pov2", kPovRay);
}

void Wavefrontobj1Click(TLandGenerator& f) {
    exportieren(f, "obj", kWavefront);
}

// On acceptance the selection runs once without export and marks its points.
void DXF2Click(TLandGenerator& f) {
    TEingabeDXF& d = dxfDialog(f);
    d.beginnen();
    if (d.exec() != QDialog::Accepted) return;
    const NetzRec& rec = d.gespeichert();
    f.neuZeichnen();
    const Stichproben s = StichprobenBilden(f.dok(), rec);
    Randomize(f.dok());
    const NetzAuswahl aus = PunkteAuswaehlen(f.dok(), s, rec, AbweichungBerechnen(s),
                                             [&f, &rec](int i, int j) { markieren(f, rec, i, j); });
    f.bild()->update();
    punkteMelden(f, aus.punkte.size());
}

}  // namespace gm
