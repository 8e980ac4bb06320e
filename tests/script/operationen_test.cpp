#include "script/operationen.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/puffer.h"
#include "core/zufall.h"
#include "script/einstellungen_parameter.h"
#include "script/zeile.h"

namespace gm {
namespace {

Status setzen(Sitzung& s, std::string_view zuweisung) {
    EinstellungsZuweisung z;
    Status st = EinstellungLesen(zuweisung, z);
    if (st) EinstellungAnwenden(s, z);
    return st;
}

TEST(Einstellungen, KeysAreCaseInsensitiveWithADotForRecordFields) {
    auto s = std::make_unique<Sitzung>();
    Dokument& d = s->dok;
    EXPECT_TRUE(setzen(*s, "Verknuepfungsmodus=13"));
    EXPECT_TRUE(setzen(*s, "verknuepfungsmodusrechts=1"));
    EXPECT_TRUE(setzen(*s, "MASKENMODUS=3"));
    EXPECT_TRUE(setzen(*s, "MarkeOben.Wert=0.75"));
    EXPECT_TRUE(setzen(*s, "markeoben.streuung=0.125"));
    EXPECT_TRUE(setzen(*s, "MarkeUnten.Wert=1e-1"));
    EXPECT_TRUE(setzen(*s, "ModEinstellungen.Aktiv=1"));
    EXPECT_TRUE(setzen(*s, "ModEinstellungen.Modus=8"));
    EXPECT_TRUE(setzen(*s, "modeinstellungen.gamma=2.5"));
    EXPECT_TRUE(setzen(*s, "ModEinstellungen.Anstieg=-1"));
    EXPECT_TRUE(setzen(*s, "ModEinstellungen.Negativ=1"));
    EXPECT_EQ(d.Verknuepfungsmodus, 13);
    EXPECT_EQ(d.VerknuepfungsmodusRechts, 1);
    EXPECT_EQ(d.Maskenmodus, 3);
    EXPECT_EQ(d.MarkeOben.Wert, 0.75);
    EXPECT_EQ(d.MarkeOben.Streuung, 0.125);
    EXPECT_EQ(d.MarkeUnten.Wert, 0.1);
    EXPECT_EQ(d.MarkeUnten.Streuung, 0.0);
    EXPECT_TRUE(d.ModEinstellungen.Aktiv);
    EXPECT_EQ(d.ModEinstellungen.Modus, 8);
    EXPECT_EQ(d.ModEinstellungen.Gamma, 2.5);
    EXPECT_EQ(d.ModEinstellungen.Anstieg, -1.0);
    EXPECT_TRUE(d.ModEinstellungen.Negativ);
    EXPECT_FALSE(d.ModEinstellungen.Welle);  // neighbours untouched
    EXPECT_FALSE(d.ModEinstellungen.Invertieren);
    EXPECT_EQ(d.ModEinstellungen.Iterationen, 1.0);
}

TEST(Einstellungen, BadKeysValuesAndRangesAreRefusedWithoutChange) {
    auto s = std::make_unique<Sitzung>();
    for (const char* z :
         {"Verknuepfungsmodus=14", "Verknuepfungsmodus=0", "Verknuepfungsmodus=2.5",
          "Verknuepfungsmodus=", "Verknuepfungsmodus", "=3", "Unbekannt=1", "MarkeOben=1",
          "MarkeOben.Hoehe=1", "Marke.Wert=1", "MarkeOben.Wert=1.5", "MarkeOben.Wert=0,5",
          "ModEinstellungen.Aktiv=2", "ModEinstellungen.Iterationen=0.05",
          "ModEinstellungen.Modus=9", "Maskenmodus=nan", "Maskenmodus=inf", ".Wert=1"}) {
        EinstellungsZuweisung zw;
        Status st = EinstellungLesen(z, zw);
        EXPECT_FALSE(st) << z;
        EXPECT_FALSE(st.meldung().empty()) << z;
    }
}

TEST(Einstellungen, ModParameterDefaultsMatchThePanelStartValues) {
    const ModRec vorgabe = recordVorgaben<ModRec>(ModParameter());
    const ModRec start{};
    EXPECT_EQ(vorgabe.Aktiv, start.Aktiv);
    EXPECT_EQ(vorgabe.Modus, start.Modus);
    EXPECT_EQ(vorgabe.Welle, start.Welle);
    EXPECT_EQ(vorgabe.Invertieren, start.Invertieren);
    EXPECT_EQ(vorgabe.Negativ, start.Negativ);
    EXPECT_EQ(vorgabe.Iterationen, start.Iterationen);
    EXPECT_EQ(vorgabe.Digits, start.Digits);
    EXPECT_EQ(vorgabe.Gamma, start.Gamma);
    EXPECT_EQ(vorgabe.Verschiebung, start.Verschiebung);
    EXPECT_EQ(vorgabe.Linearitaet1, start.Linearitaet1);
    EXPECT_EQ(vorgabe.Linearitaet2, start.Linearitaet2);
    EXPECT_EQ(vorgabe.Anstieg, start.Anstieg);
    EXPECT_EQ(ModParameter().size(), 12u);
    // Ranges of the panel's sliders: (minimum, maximum) per field.
    const std::pair<const char*, std::pair<double, double>> bereiche[] = {
        {"Iterationen", {0.1, 100}},   {"Anstieg", {-1, 1}},     {"Verschiebung", {0, 2}},
        {"Linearitaet1", {0.01, 100}}, {"Linearitaet2", {0, 1}}, {"Digits", {0, 32}},
        {"Gamma", {0.01, 100}},        {"Modus", {1, 8}}};
    for (auto [name, bereich] : bereiche) {
        auto i = parameterSuchen(ModParameter(), name);
        ASSERT_TRUE(i) << name;
        EXPECT_EQ(ModParameter()[*i].minimum, bereich.first) << name;
        EXPECT_EQ(ModParameter()[*i].maximum, bereich.second) << name;
    }
}

struct ProbeRec {
    double Staerke;
    int Anzahl;
    bool An;
};
const Parameter probeParameter[] = {
    Param<&ProbeRec::Staerke>("Staerke", 0.5, 0, 1),
    Param<&ProbeRec::Anzahl>("Anzahl", 3, 1, 10),
    Param<&ProbeRec::An>("An", 1, 0, 1),
};

TEST(WerteLesen, StartsFromDefaultsAndChecksEveryAssignment) {
    Werte w;
    ASSERT_TRUE(WerteLesen(probeParameter, {}, w));
    EXPECT_EQ(w, (Werte{0.5, 3, 1}));
    const std::string gut[] = {"anzahl=7", "STAERKE=0.25", "An=0"};
    ASSERT_TRUE(WerteLesen(probeParameter, gut, w));
    EXPECT_EQ(w, (Werte{0.25, 7, 0}));
    for (const char* schlecht : {"Anzahl=11", "Anzahl=2.5", "Staerke=x", "Fehlt=1", "Anzahl",
                                 "An=0.5", "Staerke=-0.001"}) {
        const std::string z[] = {schlecht};
        EXPECT_FALSE(WerteLesen(probeParameter, z, w)) << schlecht;
    }
}

// A seeded field of awkward size with a few masked cells.
void startfeld(Dokument& d) {
    NeueGroesse(d, 10, 6, true);
    d.RandSeed = 4711;
    for (int x = 0; x <= d.MaxX; ++x)
        for (int y = 0; y <= d.MaxY; ++y)
            d.Hoehenfeld(x, y) = Random(d);
    d.Maske(3, 2) = 1;
    d.Maske(7, 5) = 1;
    d.RandSeed = 99;
}

TEST(Katalog, EveryRecordedLineReplaysToTheSameField) {
    for (const Operation& op : Operationen()) {
        if (op.wort.empty() || !op.ausfuehren) continue;
        auto lauf = std::make_unique<Sitzung>();
        auto nach = std::make_unique<Sitzung>();
        startfeld(lauf->dok);
        startfeld(nach->dok);
        lauf->dok.ScriptAufnahme = true;
        ASSERT_TRUE(op.ausfuehren(*lauf, op, vorgaben(op.parameter))) << op.name;
        ASSERT_EQ(lauf->dok.ScriptAnzahl, 1) << op.name;
        const std::string& zeile = lauf->dok.ScriptListe[1];
        EXPECT_EQ(zeile.substr(0, op.wort.size()), op.wort) << zeile;
        const ZeilenErgebnis e = ZeileAusfuehren(*nach, zeile);
        ASSERT_TRUE(e.ausgefuehrt()) << zeile << ": " << e.text();
        EXPECT_EQ(nach->dok.ScriptAnzahl, 0) << op.name;
        for (int x = 0; x <= lauf->dok.MaxX; ++x)
            for (int y = 0; y <= lauf->dok.MaxY; ++y)
                ASSERT_EQ(lauf->dok.Hoehenfeld(x, y), nach->dok.Hoehenfeld(x, y))
                    << zeile << " at " << x << "," << y;
    }
}

TEST(Katalog, FilterLinesWithChosenValuesReplayToTheSameField) {
    const std::pair<const char*, std::vector<std::string>> faelle[] = {
        {"terrace",
         {"Stufen=3", "Anstieg=1.25", "Verschiebung=-0.5", "GammaUnten=2.5", "GammaOben=0.5",
          "AnschnittUnten=0.1", "BegrenzenOben=0"}},
        {"crater", {"Schnittlevel=0.45", "Randbreite=0.005", "Tiefe=-2", "Zufall=0.75"}},
        {"crater", {"Schnittlevel=0.5", "Randbreite=0.3", "Tiefe=3", "Zufall=1"}},
        {"blur", {"BlurModus=2", "Weichabstand=2", "Filterstaerke2=3", "Filterstaerke=0.2"}},
        {"blur", {"Filterstaerke=0.875"}},
        {"pass", {"PassTyp=-2", "PassParameter1=0.3", "PassParameter2=4"}},
        {"pass", {"PassTyp=-1", "PassParameter2=0.25"}},
        {"noise", {"Noiseweite=9"}},
    };
    for (const auto& [name, zuweisungen] : faelle) {
        const Operation* op = OperationSuchen(OperationsArt::Filter, name);
        ASSERT_NE(op, nullptr) << name;
        Werte werte;
        ASSERT_TRUE(WerteLesen(op->parameter, zuweisungen, werte)) << name;
        auto lauf = std::make_unique<Sitzung>();
        auto nach = std::make_unique<Sitzung>();
        startfeld(lauf->dok);
        startfeld(nach->dok);
        lauf->dok.ScriptAufnahme = true;
        ASSERT_TRUE(op->ausfuehren(*lauf, *op, werte)) << name;
        const std::string& zeile = lauf->dok.ScriptListe[1];
        ASSERT_TRUE(ZeileAusfuehren(*nach, zeile).ausgefuehrt()) << zeile;
        bool geaendert = false;
        for (int x = 0; x <= lauf->dok.MaxX; ++x)
            for (int y = 0; y <= lauf->dok.MaxY; ++y) {
                ASSERT_EQ(lauf->dok.Hoehenfeld(x, y), nach->dok.Hoehenfeld(x, y))
                    << zeile << " at " << x << "," << y;
                geaendert |= lauf->dok.Hoehenfeld(x, y) != lauf->dok.UndoBild(x, y);
            }
        EXPECT_TRUE(geaendert) << zeile;
        EXPECT_EQ(lauf->dok.RandSeed, nach->dok.RandSeed) << zeile;
    }
    // The scatter width is bounded by the field; a pass type must be one of four.
    auto s = std::make_unique<Sitzung>();
    startfeld(s->dok);
    const Operation* noise = OperationSuchen(OperationsArt::Filter, "noise");
    Werte w;
    ASSERT_TRUE(WerteLesen(noise->parameter, std::vector<std::string>{"Noiseweite=11"}, w));
    const double vorher = s->dok.Hoehenfeld(1, 1);
    EXPECT_FALSE(noise->ausfuehren(*s, *noise, w));
    const Operation* pass = OperationSuchen(OperationsArt::Filter, "pass");
    ASSERT_TRUE(WerteLesen(pass->parameter, std::vector<std::string>{"PassTyp=0"}, w));
    EXPECT_FALSE(pass->ausfuehren(*s, *pass, w));
    EXPECT_EQ(s->dok.Hoehenfeld(1, 1), vorher);
    EXPECT_EQ(ZeileAusfuehren(*s, "pass(0.500, 1.000, 0)").art, ZeilenErgebnis::Ausgefuehrt);
    EXPECT_EQ(s->dok.Hoehenfeld(1, 1), vorher);
}

TEST(Katalog, ReplaysTellWhyALineDidNotRun) {
    auto s = std::make_unique<Sitzung>();
    EXPECT_EQ(ZeileAusfuehren(*s, "inv").art, ZeilenErgebnis::Ignoriert);
    EXPECT_EQ(ZeileAusfuehren(*s, "wobble(1)").art, ZeilenErgebnis::Unbekannt);
    EXPECT_EQ(ZeileAusfuehren(*s, "build_spores(5)").art, ZeilenErgebnis::Unbekannt);
    // A short line of a built word runs: missing arguments take their fallbacks.
    EXPECT_EQ(ZeileAusfuehren(*s, "build_rotate(5)").art, ZeilenErgebnis::Ausgefuehrt);
    EXPECT_EQ(ZeileAusfuehren(*s, "INVERT // all").art, ZeilenErgebnis::Ausgefuehrt);
    const ZeilenErgebnis e =
        ZeileAusfuehren(*s, "save_terragen(30, 30, 30, 6400, 0, 0, 1000, 0, /nicht/da/feld.ter)");
    EXPECT_EQ(e.art, ZeilenErgebnis::Fehlgeschlagen);
    EXPECT_NE(e.text().find("save_terragen"), std::string::npos) << e.text();
    EXPECT_EQ(ZeileAusfuehren(*s, "paintmode(7)").art, ZeilenErgebnis::Ausgefuehrt);
    EXPECT_EQ(s->dok.Verknuepfungsmodus, 7);
}

TEST(Katalog, NativeImportIsFoundByExtensionWithoutCase) {
    EXPECT_NE(ImportFuerPfad("a/b/feld.fla"), nullptr);
    EXPECT_NE(ImportFuerPfad("FELD.FLA"), nullptr);
    EXPECT_EQ(ImportFuerPfad(".fla"), nullptr);  // no name before the extension
    EXPECT_EQ(ImportFuerPfad("feld.flax"), nullptr);
    EXPECT_EQ(ImportFuerPfad("fla"), nullptr);
    EXPECT_EQ(ExportSuchen("nichtda"), nullptr);
    EXPECT_EQ(OperationSuchen(OperationsArt::Generator, "nichtda"), nullptr);
}

}  // namespace
}  // namespace gm
