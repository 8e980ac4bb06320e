// Brush work in scripts: a recorded "stroke" line replays to the same field,
// markers and generator state, and a stroke line is looked up only after the
// command words.

#include <gtest/gtest.h>

#include <memory>

#include "core/puffer.h"
#include "core/zufall.h"
#include "editing/strich_zeile.h"
#include "script/befehlstabelle.h"
#include "script/sitzung.h"
#include "script/zeile.h"

namespace gm {
namespace {

void fuellen(Dokument& d, int punkte, double hoehe) {
    NeueGroesse(d, punkte - 1, punkte - 1, true);
    for (int x = 0; x < punkte; ++x)
        for (int y = 0; y < punkte; ++y)
            d.Hoehenfeld(x, y) = hoehe + 0.001 * ((x * 7 + y * 3) % 11);
}

bool gleicheFelder(const Dokument& a, const Dokument& b) {
    for (int x = 0; x <= a.MaxX; ++x)
        for (int y = 0; y <= a.MaxY; ++y)
            if (a.Hoehenfeld(x, y) != b.Hoehenfeld(x, y) || a.Maske(x, y) != b.Maske(x, y))
                return false;
    return true;
}

TEST(Strich, EveryToolRecordedWithSpreadsReplaysIdentically) {
    auto a = std::make_unique<Sitzung>();
    fuellen(a->dok, 65, 0.2);
    a->dok.ScriptAufnahme = true;
    a->dok.Verknuepfungsmodus = 3;
    a->dok.MarkeOben.Streuung = 0.2;
    a->dok.ModEinstellungen.Aktiv = true;
    a->dok.ModEinstellungen.Iterationen = 2.5;
    setzeSeed(a->dok, 4242);
    auto b = std::make_unique<Sitzung>();
    fuellen(b->dok, 65, 0.2);
    b->dok.MarkeOben.Streuung = 0.2;
    b->dok.ModEinstellungen = a->dok.ModEinstellungen;
    setzeSeed(b->dok, 999);
    for (const WerkzeugInfo& w : Werkzeuge()) {
        Strich s{w.nummer, w.nummer % 2 == 0, {}, {}, {}};
        s.Box = {8.5, 50.0 / 3.0, 12.25, 57.125};
        s.Form.Zufall = {0.6, 0.3};
        s.Form.Drehung = {30, 20};
        s.Form.Verschiebung = {0.4, 0.2};
        s.Form.Ecken = {9, 4};
        s.Berg.Level = 4;
        const int vorher = a->dok.ScriptAnzahl;
        for (int i = 0; i < 3; ++i)
            WerkzeugAnwenden(a->dok, s);
        ASSERT_EQ(a->dok.ScriptAnzahl, vorher + 3) << w.name;
        for (int i = vorher + 1; i <= vorher + 3; ++i) {
            const ZeilenErgebnis e = ZeileAusfuehren(*b, a->dok.ScriptListe[i]);
            ASSERT_TRUE(e.ausgefuehrt()) << a->dok.ScriptListe[i] << ": " << e.text();
        }
        EXPECT_TRUE(gleicheFelder(a->dok, b->dok)) << w.name;
        EXPECT_EQ(a->dok.RandSeed, b->dok.RandSeed) << w.name;
        EXPECT_EQ(a->dok.MarkeOben.Wert, b->dok.MarkeOben.Wert) << w.name;
        EXPECT_EQ(a->dok.MarkeUnten.Wert, b->dok.MarkeUnten.Wert) << w.name;
    }
    EXPECT_EQ(b->dok.ScriptAnzahl, 0) << "a replayed line never records";
    EXPECT_NE(a->dok.Hoehenfeld(30, 30), 0.2);
}

TEST(Strich, StrokeIsAWordBeyondTheTableAndRefusesUnknownTools) {
    EXPECT_EQ(BefehlSuchen("stroke"), nullptr);
    ASSERT_NE(ErweiterungSuchen("stroke"), nullptr);
    EXPECT_EQ(ErweiterungSuchen("gamma"), nullptr);
    auto s = std::make_unique<Sitzung>();
    EXPECT_EQ(ZeileAusfuehren(*s, "stroke(77, 0, 2, 1, 1, 9, 9)").art,
              ZeilenErgebnis::Fehlgeschlagen);
    EXPECT_EQ(ZeileAusfuehren(*s, "strokes(31)").art, ZeilenErgebnis::Unbekannt);
}

}  // namespace
}  // namespace gm
