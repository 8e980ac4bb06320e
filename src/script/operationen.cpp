#include "script/operationen.h"

#include <vector>

#include "core/ablage.h"
#include "core/nativdatei.h"
#include "core/zahlen.h"
#include "editing/werkzeug_parameter.h"
#include "filters/blur.h"
#include "filters/digit.h"
#include "filters/gamma.h"
#include "filters/hell_kontr.h"
#include "filters/invertieren.h"
#include "filters/kraterisieren.h"
#include "filters/nachbarschaft.h"
#include "filters/noise_filter.h"
#include "filters/pass_filter.h"
#include "filters/regen_erosion.h"
#include "filters/terrasse.h"
#include "filters/trace.h"
#include "filters/transformieren.h"
#include "filters/verschieben.h"
#include "formats/ansicht3d_bmp.h"
#include "formats/bild_import.h"
#include "formats/bmp.h"
#include "formats/coffee.h"
#include "formats/farbbild.h"
#include "formats/netz_export.h"
#include "formats/png16.h"
#include "formats/raw16.h"
#include "formats/stm.h"
#include "formats/targa.h"
#include "formats/terragen.h"
#include "formats/verlauf.h"
#include "generators/duenen.h"
#include "generators/fraktal.h"
#include "generators/fuellen.h"
#include "generators/funktionen.h"
#include "generators/krater.h"
#include "generators/landschaft.h"
#include "generators/midpoint.h"
#include "generators/noise.h"
#include "generators/rotation.h"
#include "generators/sporen.h"
#include "generators/zellen.h"
#include "script/einstellungen_parameter.h"

namespace gm {

namespace {

Status nativOeffnen(Sitzung& s, const std::string& pfad) {
    return NativLesen(s.dok, pfad);
}

Status paintmodeNachspielen(Sitzung& s, const Operation& op, ScriptArgumente& args) {
    ArgumenteLesen(args, op.argumente, s.dok, s.dok);
    return {};
}

Status save_terragenNachspielen(Sitzung& s, const Operation&, ScriptArgumente& args) {
    return terragenNachspielen(s.dok, s.terragen, args, s.schreibZiel);
}

// The pass filter refuses a type other than 1, -1, 2 or -2, which replay ignores.
Status passLauf(Sitzung& s, const Operation& op, const Werte& werte) {
    const int typ = recordAus<PassRec>(op.parameter, werte).PassTyp;
    if (typ != 1 && typ != -1 && typ != 2 && typ != -2) {
        return Status::fehler(
            "PassTyp must be 1 (band pass), -1 (band reject), 2 (low pass) or -2 "
            "(high pass), got " +
            std::to_string(typ));
    }
    return filterLauf<PassRec, &PassFilterAnwenden>(s, op, werte);
}

// The scatter width is bounded by the field's width.
Status noiseFilterLauf(Sitzung& s, const Operation& op, const Werte& werte) {
    const double w = recordAus<NoiseFilterRec>(op.parameter, werte).Noiseweite;
    if (w > s.dok.MaxX) {
        return Status::fehler("Noiseweite must lie in 1.." + std::to_string(s.dok.MaxX) +
                              " for this field, got " + formatScriptNumber(w));
    }
    return filterLauf<NoiseFilterRec, &NoiseFilterAnwenden>(s, op, werte);
}

Status sporenLauf(Sitzung& s, const Operation&, const Werte& werte) {
    return SporenAusfuehren(s.dok, s.sporen, werte);
}

const ScriptArgument paintmodeArgumente[] = {Arg<&Dokument::Verknuepfungsmodus>(2, 13, 1)};

// The lists below keep one registration per line.
// clang-format off
// Generators, filters and script words: name, kind, parameters, script word,
// script arguments, run, replay, menu command, dialog.
const std::vector<Operation>& operationsListe() {
    using enum OperationsArt;
    using enum DialogArt;
    static const std::vector<Operation> liste = {
        {"noise", Generator, NoiseParameter(), "build_noise", NoiseArgumente(), &mitWerten<NoiseAusfuehren>, &aufDokument<build_noiseNachspielen>, "PerlinNoise1Click", Eigener},
        {"midpoint", Generator, MittelpunktParameter(), {}, {}, &mitWerten<MittelpunktAusfuehren>, nullptr, "MidpointDisplacement1Click", Eigener},
        {"rotate", Generator, RotationParameter(), "build_rotate", RotationArgumente(), &mitWerten<RotationAusfuehren>, &generatorNachspielen<RotationParamRec, &RotationBerechnen>, "Rotation1Click", Eigener, true},
        {"function", Generator, FunktionenParameter(), {}, {}, &mitWerten<FunktionenAusfuehren>, nullptr, "Funktion1Click", Eigener},
        {"faults", Generator, SchollenParameter(), {}, {}, &mitWerten<SchollenAusfuehren>, nullptr, "Schollen1Click", Eigener},
        {"quadtree", Generator, QuadtreeParameter(), {}, {}, &mitWerten<QuadtreeAusfuehren>, nullptr, "ErsterVersuch1Click", Eigener},
        {"spores", Generator, SporenParameter(), {}, {}, &sporenLauf, nullptr, "Sporen1Click", Eigener, true},
        {"constant", Generator, {}, {}, {}, &ohneWerte<KonstantFuellen>, nullptr, "Konstant1Click", Keiner},
        {"random", Generator, {}, {}, {}, &ohneWerte<RauschenFuellen>, nullptr, "Rauschen1Click", Keiner},
        {"fractal", Generator, FraktalParameter(), {}, {}, &generatorLauf<FraktalParamRec, &FraktalErzeugen>, nullptr, "Fraktal1Click", Eigener, true},
        {"craters", Generator, KraterParameter(), {}, {}, &mitWerten<KraterAusfuehren>, nullptr, "Krater1Click", Eigener},
        {"dunes", Generator, DuenenParameter(), {}, {}, [](Sitzung& s, const Operation&, const Werte& w) { return DuenenAusfuehren(s.dok, s.duenen, w); }, nullptr, "Duenen1Click", Eigener, true},
        {"cells", Generator, ZellenParameter(), {}, {}, [](Sitzung& s, const Operation&, const Werte& w) { return ZellenAusfuehren(s.dok, s.zellen, w); }, nullptr, "Zellen1Click", Eigener, true},
        {"gamma", Filter, GammaParameter, "gamma", GammaArgumente, &mitWerten<GammaAusfuehren>, &aufDokument<GammaKorrekturNachspielen>, "Gamma1Click", Eigener},
        {"lumcontr", Filter, HellKontrParameter, "lumcontr", HellKontrArgumente, &mitWerten<HelligkeitKontrastAusfuehren>, &aufDokument<HelligkeitKontrastNachspielen>, "HelligkeitKontrast1Click", Eigener},
        {"digit", Filter, DigitParameter, "digit", DigitArgumente, &mitWerten<DigitalisierenAusfuehren>, &aufDokument<DigitalisierenNachspielen>, "Digitalisieren1Click", Eigener},
        {"invert", Filter, {}, "invert", {}, &mitWerten<InvertierenAusfuehren>, &aufDokument<InvertierenNachspielen>, "In1Click", Keiner},
        {"scale", Filter, SkalierenParameter, "scale", SkalierenArgumente, &mitWerten<SkalierenAusfuehren>, &aufDokument<SkalierenNachspielen>, {}, Allgemein},
        {"modify", Filter, {}, "modify", {}, &mitWerten<ModifizierenAusfuehren>, &aufDokument<ModifizierenNachspielen>, "Modifizieren1Click", Keiner},
        {"raining", Filter, RegenParameter, "raining", RegenArgumente, &mitWerten<RegenErosionAusfuehren>, &aufDokument<RegenErosionNachspielen>, "RegenErosionClick", Eigener, true},
        {"sharpen", Filter, {}, "sharpen", {}, &bareFilterLauf<Schaerfen>, &ohneArgumente<Schaerfen>, "Schrfen1Click", Keiner},
        {"soften", Filter, {}, "soften", {}, &bareFilterLauf<Weichzeichnen>, &ohneArgumente<Weichzeichnen>, "wischen1Click", Keiner},
        {"erosion", Filter, {}, "erosion", {}, &bareFilterLauf<Erodieren>, &ohneArgumente<Erodieren>, "Erosion1Click", Keiner},
        {"dilation", Filter, {}, "dilation", {}, &bareFilterLauf<Dilatieren>, &ohneArgumente<Dilatieren>, "Dilation1Click", Keiner},
        {"terrace", Filter, TerrasseParameter, "terrace", TerrasseArgumente, &filterLauf<TerrasseRec, &TerrasseAnwenden>, &filterNachspielen<TerrasseRec, &TerrasseAnwenden>, "Terrassieren1Click", Eigener},
        {"crater", Filter, KraterisierenParameter, "crater", KraterisierenArgumente, &filterLaufMitUndo<KraterisierenRec, &KraterisierenMitUndo>, &filterNachspielen<KraterisierenRec, &KraterisierenAnwenden>, "Kraterisieren1Click", Eigener},
        {"blur", Filter, BlurParameter, "blur", BlurArgumente, &filterLauf<BlurRec, &BlurAnwenden>, &filterNachspielen<BlurRec, &BlurAnwenden>, {}, Eigener},
        {"pass", Filter, PassParameter, "pass", PassArgumente, &passLauf, &filterNachspielen<PassRec, &PassFilterAnwenden>, {}, Eigener},
        {"noise", Filter, NoiseFilterParameter, "noise", NoiseFilterArgumente, &noiseFilterLauf, &filterNachspielen<NoiseFilterRec, &NoiseFilterAnwenden>, "NoiseFilter1Click", Eigener},
        {"mirror-x", Filter, {}, {}, {}, &ohneWerte<SpiegelnVertikal>, nullptr, "Vertikal1Click", Keiner},
        {"mirror-y", Filter, {}, {}, {}, &ohneWerte<SpiegelnHorizontal>, nullptr, "Horizontal1Click", Keiner},
        {"mirror-diag", Filter, {}, {}, {}, &ohneWerte<SpiegelnDiagonal2>, nullptr, "Diagonal21Click", Keiner},
        {"mirror-antidiag", Filter, {}, {}, {}, &ohneWerte<SpiegelnDiagonal1>, nullptr, "Diagonal11Click", Keiner},
        {"rotate-90", Filter, {}, {}, {}, &ohneWerte<Drehen90>, nullptr, "N901Click", Keiner},
        {"rotate-180", Filter, {}, {}, {}, &ohneWerte<Drehen180>, nullptr, "N1801Click", Keiner},
        {"rotate-270", Filter, {}, {}, {}, &ohneWerte<Drehen270>, nullptr, "N2701Click", Keiner},
        {"polar", Filter, {}, {}, {}, &ohneWerte<KartesischPolar>, nullptr, "KartesischPolar1Click", Keiner},
        {"tile_normal", Filter, {}, "tile_normal", {}, &bareFilterLauf<KachelnNormal>, &ohneArgumente<KachelnNormal>, "Teilen1Click", Keiner},
        {"tile_mirror", Filter, {}, "tile_mirror", {}, &bareFilterLauf<KachelnSpiegel>, &ohneArgumente<KachelnSpiegel>, "TeilenSpiegelClick", Keiner},
        {"twirl", Filter, TwirlParameter, "twirl", TwirlArgumente, &mitWerten<TwirlAusfuehren>, &aufDokument<TwirlNachspielen>, "Twirl1Click", Eigener},
        {"wave", Filter, WellenParameter, "wave", WellenArgumente, &mitWerten<WellenAusfuehren>, &aufDokument<WellenNachspielen>, "Wellen1Click", Allgemein},
        {"trace", Filter, TraceParameter, "trace", TraceArgumente, &mitWerten<TraceAusfuehren>, &aufDokument<TraceNachspielen>, "Trace1Click", Eigener},
        {"shift", Filter, VerschiebenParameter, {}, {}, &mitWerten<VerschiebenAusfuehren>, nullptr, "Bildverschieben1Click", Eigener},
        {"enlarge", Filter, ErweiternParameter, {}, {}, &mitWerten<ErweiternAusfuehren>, nullptr, "Anfgen1Click", Eigener},
        {"clear", Filter, {}, "clear", {}, &ohneWerte<Loeschen>, &ohneArgumente<HoehenfeldNullen>, "Lschen1Click", Keiner},
        {"paintmode", Skript, {}, "paintmode", paintmodeArgumente, nullptr, &paintmodeNachspielen, {}, Keiner},
        {"save_terragen", Skript, {}, "save_terragen", TerragenArgumente, nullptr, &save_terragenNachspielen, {}, Keiner},
    };
    return liste;
}

// Exports by format name, one line each.
const std::vector<Export>& exportListe() {
    static const std::vector<Export> liste = {
        {"bmp", [](Sitzung& s, const std::string& p) { return farbBmpSchreiben(s.dok, s.farben, p); }},
        {"tga", [](Sitzung& s, const std::string& p) { return farbTargaSchreiben(s.dok, s.farben, p); }},
        {"tga16", [](Sitzung& s, const std::string& p) { return targa16Schreiben(s.dok, p); }},
        {"maskbmp", [](Sitzung& s, const std::string& p) { return maskeBmpSchreiben(s.dok, p); }},
        {"ter", [](Sitzung& s, const std::string& p) { return SchreibeTerragen(s.dok, s.terragen, p, false); }},
        {"ter-wm", [](Sitzung& s, const std::string& p) { return SchreibeTerragen(s.dok, s.terragen, p, true); }},
        {"png16", [](Sitzung& s, const std::string& p) { return png16Schreiben(s.dok, p); }},
        {"r16", [](Sitzung& s, const std::string& p) { return raw16Schreiben(s.dok, p); }},
        {"dxf", [](Sitzung& s, const std::string& p) { return ExportiereNetz(s.dok, s.netz, NetzFormat::DXF, p, NetzOptionenMitSeed(s.dok.RandSeed)); }, NetzFormat::DXF},
        {"pov", [](Sitzung& s, const std::string& p) { return ExportiereNetz(s.dok, s.netz, NetzFormat::Mesh, p, NetzOptionenMitSeed(s.dok.RandSeed)); }, NetzFormat::Mesh},
        {"pov2", [](Sitzung& s, const std::string& p) { return ExportiereNetz(s.dok, s.netz, NetzFormat::Mesh2, p, NetzOptionenMitSeed(s.dok.RandSeed)); }, NetzFormat::Mesh2},
        {"obj", [](Sitzung& s, const std::string& p) { return ExportiereNetz(s.dok, s.netz, NetzFormat::OBJ, p, NetzOptionenMitSeed(s.dok.RandSeed)); }, NetzFormat::OBJ},
        {"view3d", [](Sitzung& s, const std::string& p) { return ansicht3DBmpSchreiben(s.dok, s.farben, s.ansicht, p); }},
        {"gradient", [](Sitzung& s, const std::string& p) { return SchreibeVerlauf(s.dok, s.farben.palette(1), s.verlauf, p); }},
        {"coffee", [](Sitzung& s, const std::string& p) { return SchreibeCoffee(s.farben, s.coffee, p); }},
    };
    return liste;
}

// Imports by file extension, one line each.
const std::vector<Import>& importListe() {
    static const std::vector<Import> liste = {
        {".fla", &nativOeffnen},
        {".ter", [](Sitzung& s, const std::string& p) { return LiesTerragen(s.dok, s.terragen, p); }},
        {".stm", [](Sitzung& s, const std::string& p) { return LiesStm(s.dok, p); }},
        {".bmp", [](Sitzung& s, const std::string& p) { return BildImportieren(s.dok, p); }},
        {".jpg", [](Sitzung& s, const std::string& p) { return BildImportieren(s.dok, p); }},
        {".jpeg", [](Sitzung& s, const std::string& p) { return BildImportieren(s.dok, p); }},
        {".png", [](Sitzung& s, const std::string& p) { return png16Lesen(s.dok, p); }},
    };
    return liste;
}

// Settings records, one line each.
const std::vector<Einstellungssatz>& satzListe() {
    static const std::vector<Einstellungssatz> liste = {
        {"MarkeOben", MarkeObenParameter(), [](Sitzung& s) -> void* { return &s.dok.MarkeOben; }},
        {"MarkeUnten", MarkeUntenParameter(), [](Sitzung& s) -> void* { return &s.dok.MarkeUnten; }},
        {"ModEinstellungen", ModParameter(), [](Sitzung& s) -> void* { return &s.dok.ModEinstellungen; }},
        {"RenderRec", RenderParameter(), [](Sitzung& s) -> void* { return &s.farben.Render; }},
        // As the dialog does, a scale set on the command line holds for all three axes.
        {"TerragenRec", TerragenParameter, [](Sitzung& s) -> void* { return &s.terragen; },
         [](void* r) { terragenSkalaAngleichen(*static_cast<TerragenRec*>(r)); }},
        {"NetzRec", NetzParameter, [](Sitzung& s) -> void* { return &s.netz; }},
        {"AnsichtRec", AnsichtParameter(), [](Sitzung& s) -> void* { return &s.ansicht; }},
        {"FormRec", FormReglerParameter(), [](Sitzung& s) -> void* { return &s.werkzeug.Form; }},
        {"InX", KlickStreuungParameter(), [](Sitzung& s) -> void* { return &s.werkzeug.InX; }},
        {"InY", KlickStreuungParameter(), [](Sitzung& s) -> void* { return &s.werkzeug.InY; }},
        {"BergRec", BergParameter(), [](Sitzung& s) -> void* { return &s.werkzeug.Berg; }},
        {"VerlaufRec", VerlaufParameter, [](Sitzung& s) -> void* { return &s.verlauf; }},
        {"CoffeeRec", CoffeeParameter, [](Sitzung& s) -> void* { return &s.coffee; }},
    };
    return liste;
}

// Single settings, one line each: a field and the record holding it.
const std::vector<Einstellungswert>& wertListe() {
    static const std::vector<Einstellungswert> liste = {
        {Param<&Dokument::Verknuepfungsmodus>("Verknuepfungsmodus", 2, 1, 13, Skala::Linear, 1, "Modus"), [](Sitzung& s) -> void* { return &s.dok; }},
        {Param<&Dokument::VerknuepfungsmodusRechts>("VerknuepfungsmodusRechts", 6, 1, 13, Skala::Linear, 1, "Modus rechts"), [](Sitzung& s) -> void* { return &s.dok; }},
        {Param<&Dokument::Maskenmodus>("Maskenmodus", 1, 1, 3, Skala::Linear, 1, "Maskenmodus"), [](Sitzung& s) -> void* { return &s.dok; }},
        {Param<&ColourState::Farbmodus>("Farbmodus", 1, 0, 3, Skala::Linear, 1, "Modus"), [](Sitzung& s) -> void* { return &s.farben; }},
        {Param<&Dokument::Gleichmodus>("Gleichmodus", 3, 1, 3, Skala::Linear, 1, "GleichPinsel"), [](Sitzung& s) -> void* { return &s.dok; }},
        {PlatzierungParameter(), [](Sitzung& s) -> void* { return &s.werkzeug; }},
        {KlickGroesseParameter(false), [](Sitzung& s) -> void* { return &s.werkzeug; }},
        {KlickGroesseParameter(true), [](Sitzung& s) -> void* { return &s.werkzeug; }},
    };
    return liste;
}

// Text settings, one line each.
const std::vector<Texteinstellung>& textListe() {
    static const std::vector<Texteinstellung> liste = {
        {"CoffeeRec.Name", [](Sitzung& s, const std::string& t) { s.coffee.Name = t; }},
    };
    return liste;
}

// clang-format on

template <class T, class Name>
const T* suchen(const std::vector<T>& liste, std::string_view name, Name feld) {
    for (const T& e : liste) {
        if (gleichOhneGross(feld(e), name)) return &e;
    }
    return nullptr;
}

// Splits "KEY=VALUE" at the first "=".
Status zuweisungTeilen(std::string_view zuweisung, std::string_view& schluessel,
                       std::string_view& wert) {
    const auto gleich = zuweisung.find('=');
    if (gleich == std::string_view::npos || gleich == 0) {
        return Status::fehler("expected KEY=VALUE, got \"" + std::string(zuweisung) + "\"");
    }
    schluessel = zuweisung.substr(0, gleich);
    wert = zuweisung.substr(gleich + 1);
    return {};
}

// Reads the value of the setting `schluessel` ("MarkeUnten.Wert"), which the
// messages name in full: a field name alone is ambiguous between records.
Status zahlLesen(std::string_view schluessel, const Parameter& p, std::string_view text,
                 double& wert) {
    const std::string name(schluessel);
    auto zahl = parseNumber(text);
    if (!zahl) {
        return Status::fehler(name + "=" + std::string(text) + ": \"" + std::string(text) +
                              "\" is not a number (" + name + " takes " +
                              formatFixed(p.minimum, 3) + ".." + formatFixed(p.maximum, 3) + ")");
    }
    if (Status s = wertPruefen(p, *zahl); !s) {
        // The check names the field; the key says which record it belongs to.
        return Status::fehler(name + "=" + std::string(text) + ": " + name +
                              s.meldung().substr(p.name.size()));
    }
    wert = *zahl;
    return {};
}

}  // namespace

std::span<const Operation> Operationen() {
    return operationsListe();
}
std::span<const Export> Exporte() {
    return exportListe();
}
std::span<const Import> Importe() {
    return importListe();
}
std::span<const Einstellungssatz> Einstellungssaetze() {
    return satzListe();
}
std::span<const Einstellungswert> Einstellungswerte() {
    return wertListe();
}
std::span<const Texteinstellung> Texteinstellungen() {
    return textListe();
}

const Operation* OperationSuchen(OperationsArt art, std::string_view name) {
    for (const Operation& o : operationsListe()) {
        if (o.art == art && gleichOhneGross(o.name, name)) return &o;
    }
    return nullptr;
}

const Operation* OperationSuchen(std::string_view name) {
    for (const Operation& o : operationsListe()) {
        if (gleichOhneGross(o.name, name)) return &o;
    }
    return nullptr;
}

const Operation* OperationFuerWort(std::string_view wort) {
    if (wort.empty()) return nullptr;
    for (const Operation& o : operationsListe()) {
        if (o.wort == wort) return &o;
    }
    return nullptr;
}

const Export* ExportSuchen(std::string_view format) {
    return suchen(exportListe(), format, [](const Export& e) { return e.format; });
}

const Import* ImportFuerPfad(std::string_view pfad) {
    for (const Import& i : importListe()) {
        if (pfad.size() > i.endung.size() &&
            gleichOhneGross(pfad.substr(pfad.size() - i.endung.size()), i.endung)) {
            return &i;
        }
    }
    return nullptr;
}

Status WerteLesen(std::span<const Parameter> parameter, std::span<const std::string> zuweisungen,
                  Werte& werte) {
    werte = vorgaben(parameter);
    for (const std::string& z : zuweisungen) {
        std::string_view schluessel, text;
        if (Status s = zuweisungTeilen(z, schluessel, text); !s) return s;
        if (Status s = wertSetzen(parameter, werte, schluessel, text); !s) return s;
    }
    return {};
}

Status EinstellungLesen(std::string_view zuweisung, EinstellungsZuweisung& aus) {
    std::string_view schluessel, text;
    if (Status s = zuweisungTeilen(zuweisung, schluessel, text); !s) return s;
    aus = {};
    if (auto* t =
            suchen(textListe(), schluessel, [](const Texteinstellung& t) { return t.name; })) {
        aus.textFeld = t;
        aus.text = std::string(text);
        return {};
    }
    const auto punkt = schluessel.find('.');
    if (punkt == std::string_view::npos) {
        auto* e = suchen(wertListe(), schluessel,
                         [](const Einstellungswert& w) { return w.parameter.name; });
        if (!e) return Status::fehler("unknown setting " + std::string(schluessel));
        aus.ort = e->ort;
        aus.parameter = &e->parameter;
    } else {
        const std::string_view satzName = schluessel.substr(0, punkt);
        const std::string_view feld = schluessel.substr(punkt + 1);
        auto* satz =
            suchen(satzListe(), satzName, [](const Einstellungssatz& e) { return e.name; });
        if (!satz) return Status::fehler("unknown settings record " + std::string(satzName));
        auto i = parameterSuchen(satz->parameter, feld);
        if (!i) return Status::fehler("unknown setting " + std::string(schluessel));
        aus.ort = satz->record;
        aus.parameter = &satz->parameter[*i];
        aus.nachSetzen = satz->nachSetzen;
    }
    return zahlLesen(schluessel, *aus.parameter, text, aus.wert);
}

void EinstellungAnwenden(Sitzung& s, const EinstellungsZuweisung& z) {
    if (z.textFeld) {
        z.textFeld->setzen(s, z.text);
        return;
    }
    void* ort = z.ort(s);
    z.parameter->setzen(ort, z.wert);
    if (z.nachSetzen) z.nachSetzen(ort);
}

}  // namespace gm
