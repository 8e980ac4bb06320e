// The mesh exports "&DXF", "PovRay Mesh (*.inc)", "PovRay Mesh2 (*.inc)",
// "Wavefront (*.obj)" and the settings command "Voreinstellungen" -> "&DXF".
// Kept samples are marked red on the main view while the selection runs, and
// the window repaints during the export.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include "app/austausch.h"
#include "app/befehle.h"
#include "app/bild_widget.h"
#include "app/dxf_dialog.h"
#include "app/hauptfenster.h"
#include "core/zufall.h"
#include "formats/netz_auswahl.h"
#include "formats/netz_export.h"

namespace gm {

namespace {

const DateiArt kDxf{&Fensterzustand::dxf, "Exportieren DXF", "DXF  (*.dxf);;All  (*.*)", "dxf"};
const DateiArt kPovRay{&Fensterzustand::povray, "Exportieren PovRay", "Povray (*.inc);;All  (*.*)",
                       "inc"};
const DateiArt kWavefront{&Fensterzustand::wavefront, "Exportieren Wavefront",
                          "Wavefront (*.obj);;All (*.*)", "obj"};

// Lets the window repaint, at most every 50 ms, ignoring the user's input.
class Auffrischen {
  public:
    explicit Auffrischen(TLandGenerator& f) : f_(f) { uhr_.start(); }
    void operator()(bool sofort = false) {
        if (!sofort && uhr_.elapsed() < 50) return;
        f_.bild()->update();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        uhr_.restart();
    }

  private:
    TLandGenerator& f_;
    QElapsedTimer uhr_;
};

// Marks kept sample (i, j) as a pure red pixel on the main view.
NetzMarkierung markierer(TLandGenerator& f, const NetzRec& rec, Auffrischen& auffrischen) {
    return [&f, rec, &auffrischen](int i, int j) {
        const Pixel p = markierPixel(i, j, f.dok(), rec, f.zustand().ZoomFaktor);
        QImage& bild = f.bild()->bild();
        if (bild.rect().contains(p.x, p.y)) bild.setPixel(p.x, p.y, qRgb(255, 0, 0));
        auffrischen();
    };
}

void punkteMelden(TLandGenerator& f, std::size_t anzahl) {
    f.statusSetzen(1, QStringLiteral("Anzahl Punkte: (%1)").arg(anzahl));
}

// Builds the mesh with a progress indication and the marks, then writes it.
void exportieren(TLandGenerator& f, NetzFormat format, const DateiArt& art) {
    const auto pfad = dateiWaehlen(f, art, true);
    if (!pfad) return;
    const NetzRec rec = dxfDialog(f).gespeichert();
    f.neuZeichnen();  // earlier marks go
    QProgressDialog fortschritt(QStringLiteral("Exportieren ..."), QString(), 0, 100, &f);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(0);
    Auffrischen auffrischen(f);
    NetzOptionen o;
    o.markierung = markierer(f, rec, auffrischen);
    o.meldung = [&f](std::string_view m) { f.dienste().fehler(std::string(m)); };
    o.fortschritt = [&](double anteil) {
        fortschritt.setValue(int(anteil * 90));
        auffrischen(true);
    };
    Netz netz;
    // Only the size limit can refuse the mesh; its message stands alone.
    if (const Status s = NetzBilden(f.dok(), rec, o, netz); !s) {
        f.dienste().fehler(s.meldung());
        return;
    }
    fortschritt.setValue(90);
    auffrischen(true);
    if (!austauschMelden(f, NetzSchreiben(format, netz, *pfad), *pfad)) return;
    fortschritt.setValue(100);
    if (rec.Optimierung) punkteMelden(f, netz.punkte.size());
}

}  // namespace

void DXF1Click(TLandGenerator& f) {
    exportieren(f, NetzFormat::DXF, kDxf);
}

void PovRayinc1Click(TLandGenerator& f) {
    exportieren(f, NetzFormat::Mesh, kPovRay);
}

void PovRayinc2Click(TLandGenerator& f) {
    exportieren(f, NetzFormat::Mesh2, kPovRay);
}

void Wavefrontobj1Click(TLandGenerator& f) {
    exportieren(f, NetzFormat::OBJ, kWavefront);
}

// On acceptance the selection runs once without export and marks its points.
void DXF2Click(TLandGenerator& f) {
    TEingabeDXF& d = dxfDialog(f);
    d.beginnen();
    if (d.exec() != QDialog::Accepted) return;
    const NetzRec& rec = d.gespeichert();
    f.neuZeichnen();
    Auffrischen auffrischen(f);
    const Stichproben s = StichprobenBilden(f.dok(), rec);
    Randomize(f.dok());
    const NetzAuswahl aus =
        PunkteAuswaehlen(f.dok(), s, rec, AbweichungBerechnen(s), markierer(f, rec, auffrischen));
    f.bild()->update();
    punkteMelden(f, aus.punkte.size());
}

}  // namespace gm
