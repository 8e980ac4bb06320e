#include "filters/regen_erosion.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"

namespace gm {

const Parameter RegenParameter[4] = {
    Param<&RegenRec::Zyklen>("Zyklen", 150, 1, 1000, Skala::Linear, 1, "Zyklen"),
    Param<&RegenRec::Regenmenge>("Regenmenge", 0.1, 0.002, 1.0, Skala::Linear, 0.01, "Menge"),
    Param<&RegenRec::Abtrag>("Abtrag", 0.1, 0.002, 1.0, Skala::Linear, 0.01, "Feinheit1"),
    Param<&RegenRec::Glaettung>("Glaettung", 0.03, 0.001, 1.0, Skala::Linear, 0.01, "Feinheit2"),
};

const RegenRegler RegenReglerTabelle[4] = {
    {1, 1000, 1, 1},
    {0.01, 1, 0.01, 5},
    {0.01, 1, 0.01, 5},
    {0.01, 1, 0.01, 10},
};

const ScriptArgument RegenArgumente[4] = {
    Arg<&RegenRec::Zyklen>(150, 1000, 1),
    Arg<&RegenRec::Regenmenge>(0.1, 1.0, 0.01),
    Arg<&RegenRec::Abtrag>(0.1, 1.0, 0.01),
    Arg<&RegenRec::Glaettung>(0.03, 1.0, 0.01),
};

int RegenProzent(int zyklus, int gesamt) {
    if (gesamt <= 0) return 0;
    return roundToInt(100.0 * zyklus / gesamt);
}

void RegenErosionAnwenden(Dokument& dok, const RegenRec& rec, const RegenFortschritt& fortschritt) {
    ZweitbildKopieren(dok);
    const int nx = dok.MaxX + 1, ny = dok.MaxY + 1;
    std::vector<double> hoehen(std::size_t(nx) * std::size_t(ny));
    for (int x = 0; x < nx; ++x) {
        std::memcpy(hoehen.data() + std::size_t(x) * ny, dok.Zweitbild.spalte(x),
                    std::size_t(ny) * sizeof(double));
    }
    const int kerne = std::thread::hardware_concurrency() >= 2 && nx >= 64 ? 2 : 1;
    RegenSimulieren(hoehen.data(), nx, ny, rec, kerne, fortschritt);
    for (int x = 0; x < nx; ++x) {
        const double* s = hoehen.data() + std::size_t(x) * ny;
        std::memcpy(dok.Zweitbild.spalte(x), s, std::size_t(ny) * sizeof(double));
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y < ny; ++y) {
            if (h[y] != 0.0 && m[y] == 0) h[y] = s[y];
        }
    }
}

void RegenErosion(Dokument& dok, const RegenRec& rec, const RegenFortschritt& fortschritt) {
    UndoSichern(dok);
    RegenErosionAnwenden(dok, rec, fortschritt);
    ScriptAnhaengen(dok, ScriptZeileAus("raining", RegenArgumente, rec));
}

void RegenErosionNachspielen(Dokument& dok, ScriptArgumente& args) {
    RegenErosionAnwenden(dok, ausArgumenten<RegenRec>(args, RegenArgumente, dok));
}

Status RegenErosionAusfuehren(Dokument& dok, const Werte& werte) {
    RegenErosion(dok, recordAus<RegenRec>(RegenParameter, werte));
    return {};
}

}  // namespace gm
