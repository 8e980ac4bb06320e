#include "script/abspielen.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/ablage.h"
#include "core/script_liste.h"
#include "skript_hilfen.h"

namespace gm {
namespace {

using skripttest::feldIst;
using skripttest::setzeFeld;

class AbspielenTest : public ::testing::Test {
  protected:
    std::unique_ptr<Sitzung> s = std::make_unique<Sitzung>();
    Dokument& dok = s->dok;
};

TEST_F(AbspielenTest, RecordingKeepsTheFirstTwoHundredLines) {
    dok.ScriptAufnahme = true;
    for (int i = 1; i <= 205; ++i)
        ScriptAnhaengen(dok, "paintmode(" + std::to_string(i) + ")");
    EXPECT_EQ(dok.ScriptAnzahl, 200);
    EXPECT_EQ(dok.ScriptListe[200], "paintmode(200)");
    EXPECT_EQ(dok.ScriptListe[0], "");
}

TEST_F(AbspielenTest, NeuStopsRecording) {
    dok.ScriptAufnahme = true;
    ScriptAnhaengen(dok, "clear");
    ScriptNeu(dok);
    Loeschen(dok);  // an operation that records itself
    EXPECT_EQ(dok.ScriptAnzahl, 0);
    EXPECT_EQ(dok.ScriptListe[1], "");
    EXPECT_FALSE(dok.ScriptAufnahme);
}

TEST_F(AbspielenTest, PaintmodeStaysChangedAndOneUndoRestoresTheStart) {
    setzeFeld(dok, {{0.2, 0.4, 0.6, 0.8, 1.0}, {0.1, 0.3, 0.5, 0.7, 0.9}});
    dok.ModEinstellungen.Invertieren = true;
    dok.ScriptAufnahme = true;
    for (const char* z : {"modify", "paintmode(1)", "blur", "modify", "clear", "modify"})
        ScriptAnhaengen(dok, z);
    ScriptAbspielen(*s);
    EXPECT_TRUE(feldIst(dok, {{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}}));
    EXPECT_EQ(dok.Verknuepfungsmodus, 1);
    EXPECT_EQ(dok.ScriptAnzahl, 6);  // playback neither records nor changes the list
    EXPECT_TRUE(dok.ScriptAufnahme);
    Undo(dok);
    EXPECT_TRUE(feldIst(dok, {{0.2, 0.4, 0.6, 0.8, 1.0}, {0.1, 0.3, 0.5, 0.7, 0.9}}));
}

TEST_F(AbspielenTest, AnEmptyListDoesNothingNotEvenTheUndoCopy) {
    setzeFeld(dok, {{0.5, 0.5, 0.5, 0.5, 0.5}});
    dok.UndoBild(0, 0) = 0.25;
    ScriptAbspielen(*s);
    EXPECT_EQ(dok.UndoBild(0, 0), 0.25);
    EXPECT_EQ(dok.Hoehenfeld(0, 0), 0.5);
}

}  // namespace
}  // namespace gm
