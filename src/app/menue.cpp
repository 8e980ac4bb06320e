// Every menu item of the main window in one table, grouped by menu. An item
// whose object name a catalogue operation names runs that operation; an item
// without either belongs to a command that is not built yet: it is shown
// disabled so the menu already presents the whole program.

#include <QAction>
#include <QActionGroup>
#include <QMap>
#include <QMenu>
#include <QMenuBar>

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "app/werkzeug_maus.h"

namespace gm {

namespace {

enum Art { Normal, Haken, Radio };

struct Eintrag {
    const char* pfad;   // menu path, levels separated by '|'
    const char* titel;  // caption with its '&' accelerator
    const char* name;   // object name of the action (the handler's name)
    Befehl befehl;      // nullptr: the catalogue's operation of that name, or not built
    const char* taste = nullptr;
    Art art = Normal;
    const char* gruppe = nullptr;  // radio group
};

// clang-format off
const Eintrag kMenue[] = {
    {"&Datei", "&Neu", "FileNew1Execute", FileNew1Execute, "Ctrl+N"},
    {"&Datei", "Ö&ffnen", "FileOpen1Execute", FileOpen1Execute, "Ctrl+O"},
    {"&Datei", "Hinzu Öffnen", "Hinzuffnen1Click", Hinzuffnen1Click},
    {"&Datei", "&Speichern", "FileSave1Execute", FileSave1Execute, "Ctrl+S"},
    {"&Datei", "Speichern &unter...", "FileSaveAs1Execute", FileSaveAs1Execute, "Ctrl+Shift+S"},
    {"&Datei|&Importieren", "Grafik", "ImportierenGrafikClick", ImportierenGrafikClick},
    {"&Datei|&Importieren", "Terragen (Beta)", "ImportierenTerragenClick", ImportierenTerragenClick},
    {"&Datei|&Importieren", "stm", "stm1Click", stm1Click},
    {"&Datei|&Importieren", "PNG 16 Bit (*.png)", "ImportierenPNGClick", ImportierenPNGClick},
    {"&Datei|&Importieren", "DXF (3DFace Dreiecke)", "DXF3DFaceDreiecke1Click", nullptr},
    {"&Datei|&Importieren", "LVK", "LVK1Click", nullptr},
    {"&Datei|&Exportieren", "&BMP", "BMP1Click", BMP1Click},
    {"&Datei|&Exportieren", "Targa (*.tga)", "Targatga1Click", Targatga1Click},
    {"&Datei|&Exportieren", "Targa hf_gray_16 (*.tga)", "Targa16Bittga1Click", Targa16Bittga1Click},
    {"&Datei|&Exportieren", "PNG 16 Bit (*.png)", "Png16Click", Png16Click},
    {"&Datei|&Exportieren", "Raw 16 Bit (*.r16)", "Raw16Click", Raw16Click},
    {"&Datei|&Exportieren", "PovRay Mesh (*.inc)", "PovRayinc1Click", PovRayinc1Click},
    {"&Datei|&Exportieren", "PovRay Mesh2 (*.inc)", "PovRayinc2Click", PovRayinc2Click},
    {"&Datei|&Exportieren", "&DXF", "DXF1Click", DXF1Click},
    {"&Datei|&Exportieren", "Wavefront (*.obj)", "Wavefrontobj1Click", Wavefrontobj1Click},
    {"&Datei|&Exportieren", "Terragen (Beta)", "ExportierenTerragenClick", ExportierenTerragenClick},
    {"&Datei|&Exportieren", "Terragen (Beta / WM)", "TerragenBetaWM1Click", TerragenBetaWM1Click},
    {"&Datei|&Exportieren", "&Verlauf BMP", "VerlaufBMP1Click", VerlaufBMP1Click},
    {"&Datei|&Exportieren", "Verlauf COFFEE", "COFFEE1Click", COFFEE1Click},
    {"&Datei", "&Beenden", "FileExit1Execute", FileExit1Execute, "Ctrl+Q"},

    {"B&earbeiten", "&Undo", "Undo1Click", Undo1Click, "Ctrl+Z"},
    {"B&earbeiten", "Bitmap kopieren", "Bitmapkopieren1Click", Bitmapkopieren1Click},
    {"B&earbeiten", "&Ausschneiden", "CutItemClick", CutItemClick, "Ctrl+X"},
    {"B&earbeiten", "&Kopieren", "CopyItemClick", CopyItemClick, "Ctrl+C"},
    {"B&earbeiten", "&Einfügen", "PasteItemClick", PasteItemClick, "Ctrl+V"},
    {"B&earbeiten", "Tauschen", "Tauschen1Click", Tauschen1Click},
    {"B&earbeiten", "Freigeben", "Freigeben1Click", Freigeben1Click},
    {"B&earbeiten", "Neu malen", "Neumalen1Click", Neumalen1Click},
    {"B&earbeiten", "Löschen", "Lschen1Click", nullptr},
    {"B&earbeiten|Voreinstellungen", "Berge", "Berge1Click", Berge1Click},
    {"B&earbeiten|Voreinstellungen", "&DXF", "DXF2Click", DXF2Click},
    {"B&earbeiten|Voreinstellungen", "&Verlauf BMP", "VerlaufBMP2Click", VerlaufBMP2Click},
    {"B&earbeiten|Voreinstellungen|GleichPinsel", "Minimum", "Minimum1Click", Minimum1Click},
    {"B&earbeiten|Voreinstellungen|GleichPinsel", "Mittel", "Mittel1Click", Mittel1Click},
    {"B&earbeiten|Voreinstellungen|GleichPinsel", "Maximum", "Maximum1Click", Maximum1Click},
    {"B&earbeiten|Sprache", "Deutsch", "Deutsch1Click", nullptr},
    {"B&earbeiten|Sprache", "Englisch", "Englisch1Click", nullptr},
    {"B&earbeiten|Sprache", "Französisch", "Franzsisch1Click", nullptr},
    {"B&earbeiten|Sprache", "Spanisch", "Spanisch1Click", nullptr},
    {"B&earbeiten|Sprache", "Italienisch", "Italienisch1Click", nullptr},
    {"B&earbeiten|Sprache", "Polnisch", "Polnisch1Click", nullptr},
    {"B&earbeiten|Sprache", "Niederländisch", "Niederlndisch1Click", nullptr},

    {"&Ansicht", "Zoom+", "Zoom1Click", Zoom1Click, "Ctrl++; Ctrl+="},
    {"&Ansicht", "Zoom-", "Zoom2Click", Zoom2Click, "Ctrl+-"},
    {"&Ansicht", "1:1", "N1001Click", N1001Click},
    {"&Ansicht|Zoom", "25%", "N501Click", N501Click},
    {"&Ansicht|Zoom", "33%", "N331Click", N331Click},
    {"&Ansicht|Zoom", "50%", "N502Click", N502Click},
    {"&Ansicht|Zoom", "100%", "N1001Click_2", N1001Click},
    {"&Ansicht|Zoom", "200%", "N2001Click", N2001Click},
    {"&Ansicht|Zoom", "300%", "N3001Click", N3001Click},
    {"&Ansicht|Zoom", "400%", "N4001Click", N4001Click},
    {"&Ansicht", "&Vorne", "Vorne1Click", Vorne1Click},
    {"&Ansicht", "&Hinten", "Hinten1Click", Hinten1Click},
    {"&Ansicht", "&Rechts", "Rechts1Click", Rechts1Click},
    {"&Ansicht", "&Links", "Links1Click", Links1Click},
    {"&Ansicht", "3-&D-Vorschau", "N3DVorschau1Click", N3DVorschau1Click},

    {"Maske", "Abwählen", "Abwhlen1Click", Abwhlen1Click},
    {"Maske", "Invertieren", "MaskeInvertieren1Click", MaskeInvertieren1Click},
    {"Maske", "Alles", "Alles1Click", Alles1Click},
    {"Maske|Maskenmodus", "Maske Neu", "MaskeNeu1Click", MaskeNeu1Click, nullptr, Radio, "maske"},
    {"Maske|Maskenmodus", "Maske Plus", "MaskePlus1Click", MaskePlus1Click, nullptr, Radio, "maske"},
    {"Maske|Maskenmodus", "Maske Minus", "MaskeMinus1Click", MaskeMinus1Click, nullptr, Radio, "maske"},
    {"Maske|Hoehenbereich", "Über Höhe", "berHhe1Click", berHhe1Click},
    {"Maske|Hoehenbereich", "Höhe", "Hhe1Click", Hhe1Click},
    {"Maske|Hoehenbereich", "Unter Höhe", "UnterHhe1Click", UnterHhe1Click},
    {"Maske|Hoehenbereich", "Null", "Null1Click", Null1Click},
    {"Maske", "Exportieren BMP", "ExportierenBMP1Click", ExportierenBMP1Click},

    {"&Palette", "&Anordnen", "Kopieren2Click", Kopieren2Click},
    {"&Palette", "&Palette umkehren", "PaletteInvertierenClick", PaletteInvertierenClick},
    {"&Palette|P1 vs. P2", "Gr --> P1", "GrP11Click", GrP11Click},
    {"&Palette|P1 vs. P2", "Gr --> P2", "GrP21Click", GrP21Click},
    {"&Palette|P1 vs. P2", "P1 --> P2", "P1P21Click", P1P21Click},
    {"&Palette|P1 vs. P2", "P2 --> P1", "P2P11Click", P2P11Click},
    {"&Palette|P1 vs. P2", "P1 <-> P2", "P1P22Click", P1P22Click},
    {"&Palette|Modus", "Graustufen", "Graustufen1Click", Graustufen1Click, nullptr, Radio, "farbe"},
    {"&Palette|Modus", "Palette I", "Palette11Click", Palette11Click, nullptr, Radio, "farbe"},
    {"&Palette|Modus", "Palette II", "Palette22Click", Palette22Click, nullptr, Radio, "farbe"},
    {"&Palette|Modus", "Palette I+II", "Palette12Click", Palette12Click, nullptr, Radio, "farbe"},
    {"&Palette", "Öffnen", "Laden1Click", Laden1Click},
    {"&Palette", "Speichern", "Speichern1Click", Speichern1Click},
    {"&Palette", "Speichern unter", "Speichernals1Click", Speichernals1Click},
    {"&Palette", "Einstellungen", "Einstellungen1Click", Einstellungen1Click},

    {"&Bild", "&Helligkeit / Kontrast", "HelligkeitKontrast1Click", nullptr},
    {"&Bild|Helligkeit / Kontrast - Auto", "0.0 -> 1.0", "N00101Click", N00101Click},
    {"&Bild|Helligkeit / Kontrast - Auto", "min -> max", "minmax1Click", minmax1Click},
    {"&Bild", "&Gamma", "Gamma1Click", nullptr},
    {"&Bild", "&Invertieren", "In1Click", nullptr},
    {"&Bild", "&Digitalisieren", "Digitalisieren1Click", nullptr},
    {"&Bild", "Modifizieren", "Modifizieren1Click", nullptr},
    {"&Bild", "Terrassieren", "Terrassieren1Click", nullptr},
    {"&Bild", "Kraterisieren", "Kraterisieren1Click", nullptr},
    {"&Bild|Eroieren", "Regen", "RegenErosionClick", nullptr},
    {"&Bild", "Trace", "Trace1Click", nullptr},
    {"&Bild|FIR-Filter", "Standard", "FIRFilter1Click", FIRFilter1Click},
    {"&Bild|FIR-Filter", "Weich", "Weich1Click", Weich1Click},
    {"&Bild", "Noise-Filter", "NoiseFilter1Click", nullptr},
    {"&Bild|PassFilter", "BPass", "BPass1Click", BPass1Click},
    {"&Bild|PassFilter", "Breject", "Breject1Click", Breject1Click},
    {"&Bild|PassFilter", "LoPass", "LoPass1Click", LoPass1Click},
    {"&Bild|PassFilter", "HiPass", "HiPass1Click", HiPass1Click},
    {"&Bild|Weitere Filter", "&Scharf", "Schrfen1Click", nullptr},
    {"&Bild|Weitere Filter", "&Weich", "wischen1Click", nullptr},
    {"&Bild|Weitere Filter", "Erosion", "Erosion1Click", nullptr, "Ctrl+R"},
    {"&Bild|Weitere Filter", "Dilation", "Dilation1Click", nullptr, "Ctrl+I"},
    {"&Bild", "Bildgröße", "Bildgre1Click", Bildgre1Click},
    {"&Bild", "Bild erweitern", "Anfgen1Click", nullptr},
    {"&Bild", "Bild verschieben", "Bildverschieben1Click", nullptr},
    {"&Bild|Drehen", "90°", "N901Click", nullptr},
    {"&Bild|Drehen", "180°", "N1801Click", nullptr},
    {"&Bild|Drehen", "270°", "N2701Click", nullptr},
    {"&Bild|Spiegeln", "Horizontal", "Horizontal1Click", nullptr},
    {"&Bild|Spiegeln", "Vertikal", "Vertikal1Click", nullptr},
    {"&Bild|Spiegeln", "Diagonal 1", "Diagonal11Click", nullptr},
    {"&Bild|Spiegeln", "Diagonal 2", "Diagonal21Click", nullptr},
    {"&Bild|Transformieren", "Kartesisch -> Polar", "KartesischPolar1Click", nullptr},
    {"&Bild", "Twirl", "Twirl1Click", nullptr},
    {"&Bild|Teilen", "Normal", "Teilen1Click", nullptr},
    {"&Bild|Teilen", "Spiegel", "TeilenSpiegelClick", nullptr},
    {"&Bild", "Wellen", "Wellen1Click", nullptr},

    {"&Fuellen", "Konstant", "Konstant1Click", nullptr},
    {"&Fuellen", "&Fraktal", "Fraktal1Click", nullptr},
    {"&Fuellen", "F&unktion", "Funktion1Click", nullptr},
    {"&Fuellen", "Rotation", "Rotation1Click", nullptr},
    {"&Fuellen", "Muster", "Muster2Click", nullptr},
    {"&Fuellen", "Rauschen", "Rauschen1Click", nullptr},
    {"&Fuellen", "Schollen", "Schollen1Click", nullptr},
    {"&Fuellen", "Mittelpunkt ersetzen", "MidpointDisplacement1Click", nullptr},
    {"&Fuellen", "Noise", "PerlinNoise1Click", nullptr},
    {"&Fuellen", "Dünen", "Duenen1Click", nullptr},
    {"&Fuellen", "Erster Versuch", "ErsterVersuch1Click", nullptr},
    {"&Fuellen", "Zellen", "Zellen1Click", nullptr},
    {"&Fuellen", "Krater", "Krater1Click", nullptr},
    {"&Fuellen", "Sporen", "Sporen1Click", nullptr},
    {"&Fuellen", "Gitter", "Gitter1Click", nullptr},

    {"Formationen", "Punkt", "Punkt1Click", nullptr},
    {"Formationen", "Linie", "Linie1Click", nullptr},
    {"Formationen", "Viereck", "Viereck1Click", nullptr},
    {"Formationen", "Ring", "Kreis1Click", nullptr},
    {"Formationen", "Zufallskreis", "Zufallskreis1Click", nullptr},

    {"Objekte", "Helix", "Helix1Click", nullptr},
    {"Objekte", "Rauch", "Rauch1Click", nullptr},

    {"Script", "Neu", "ScriptNeuClick", ScriptNeuClick},
    {"Script", "Aufnehmen", "ScriptAufnehmenClick", ScriptAufnehmenClick, nullptr, Haken},
    {"Script", "Stoppen", "ScriptStoppenClick", ScriptStoppenClick},
    {"Script", "Öffnen", "ScriptLadenClick", ScriptLadenClick},
    {"Script", "Speichern", "ScriptSpeichernClick", ScriptSpeichernClick},
    {"Script", "Abspielen", "ScriptAbspielenClick", ScriptAbspielenClick},

    {"&Hilfe", "&Info...", "HelpAbout1Execute", HelpAbout1Execute},
};
// clang-format on

QMenu* menueFuer(TLandGenerator& f, QMap<QString, QMenu*>& menues, const QString& pfad) {
    if (QMenu* m = menues.value(pfad)) return m;
    const int trenner = pfad.lastIndexOf('|');
    QMenu* m = trenner < 0
                   ? f.menuBar()->addMenu(pfad)
                   : menueFuer(f, menues, pfad.left(trenner))->addMenu(pfad.mid(trenner + 1));
    menues.insert(pfad, m);
    return m;
}

}  // namespace

void MenueAufbauen(TLandGenerator& f) {
    QMap<QString, QMenu*> menues;
    QMap<QString, QActionGroup*> gruppen;
    for (const Eintrag& e : kMenue) {
        QMenu* menue = menueFuer(f, menues, QString::fromUtf8(e.pfad));
        QAction* a = menue->addAction(QString::fromUtf8(e.titel));
        a->setObjectName(e.name);
        if (e.taste) a->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(e.taste)));
        if (e.art != Normal) a->setCheckable(true);
        if (e.gruppe) {
            QActionGroup*& g = gruppen[e.gruppe];
            if (!g) g = new QActionGroup(&f);
            g->addAction(a);
        }
        if (e.befehl) {
            const Befehl b = e.befehl;
            QObject::connect(a, &QAction::triggered, &f, [&f, b] { b(f); });
        } else if (const Operation* op = OperationFuerMenue(e.name)) {
            QObject::connect(a, &QAction::triggered, &f, [&f, op] { OperationBefehl(f, *op); });
        } else {
            a->setEnabled(false);
        }
        f.aktionRegistrieren(a);
    }
}

}  // namespace gm
