#pragma once
// The editing state: every grid, size, mode and setting of the open document.
// One object is passed by reference to every operation; nothing lives in globals.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/feld.h"

namespace gm {

// A height marker of the colour bar.
struct Marke {
    double Wert = 0.0;
    double Streuung = 0.0;
};

// Settings of the modifier panel.
struct ModRec {
    bool Aktiv = false;
    int Modus = 3;  // 1..8, "f=x"
    bool Welle = false;
    bool Invertieren = false;
    bool Negativ = false;
    double Iterationen = 1.0;
    double Digits = 0.0;
    double Gamma = 1.0;
    double Verschiebung = 0.0;
    double Linearitaet1 = 1.0;
    double Linearitaet2 = 0.5;
    double Anstieg = 0.0;
};

constexpr int ScriptMaxZeilen = 200;

struct Dokument {
    // The three permanent grids and the mask are allocated once, at full size.
    TFeld Hoehenfeld;
    TFeld Zweitbild;
    TFeld UndoBild;
    TMaske Maske;
    // Clipboard, allocated from the first Cut or Copy until released.
    std::unique_ptr<TFeld> Ablagebild;
    // Stroke grid, allocated for one stroke or shape.
    std::unique_ptr<TFeld> Strichbild;

    int MaxX = 512;
    int MaxY = 512;
    // The extents UndoBild was taken at: Undo brings them back with the cells,
    // so a size change can be undone like any other change.
    int UndoMaxX = 512;
    int UndoMaxY = 512;

    int Maskenmodus = 1;  // 1 new, 2 plus, 3 minus
    Marke MarkeUnten{0.0, 0.0};
    Marke MarkeOben{1.0, 0.0};
    ModRec ModEinstellungen;
    int Verknuepfungsmodus = 2;
    int VerknuepfungsmodusRechts = 6;
    int Werkzeug = 1;
    int Gleichmodus = 3;  // level of the "Same" brush: 1 minimum, 2 maximum, 3 mean

    std::uint32_t RandSeed = 0;

    // Script recording: lines 1..ScriptAnzahl are used, index 0 never.
    std::array<std::string, ScriptMaxZeilen + 1> ScriptListe;
    int ScriptAnzahl = 0;
    bool ScriptAufnahme = false;

    bool AblageBelegt() const { return Ablagebild != nullptr; }
    int punkteX() const { return MaxX + 1; }
    int punkteY() const { return MaxY + 1; }
};

}  // namespace gm
