#include "formats/verlauf.h"

#include <algorithm>
#include <vector>

#include "core/atomare_datei.h"
#include "core/faeden.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "formats/bmp.h"

namespace gm {

// clang-format off
const Parameter VerlaufParameter[5] = {
    Param<&VerlaufRec::BreiteX>("BreiteX", 30, 1, 9999, Skala::Linear, 1, "Breite in X"),
    Param<&VerlaufRec::HoeheY>("HoeheY", 600, 255, 9999, Skala::Linear, 1, "Hoehe in Y"),
    Param<&VerlaufRec::VerlaufAbweichung>("VerlaufAbweichung", 2, 0, 100, Skala::Linear, 1, "Abweichung"),
    Param<&VerlaufRec::VerlaufZufall>("VerlaufZufall", 0, 0, 100, Skala::Linear, 1, "Zufall"),
    Param<&VerlaufRec::Konstant>("Konstant", 0, 0, 1, Skala::Linear, 1, "konstant"),
};
// clang-format on

namespace {

constexpr int kBlock = 64;  // rows drawn, coloured and written at a time

// Palette colours as written: blue, green, red, each times 255 rounded. Rows of
// one value repeat it across the row, so the last colour is kept.
class Farbwahl {
  public:
    explicit Farbwahl(const Palette& p) : p_(p) {}
    void schreiben(double v, char* ziel) {
        if (v != letzter_) {
            const Farbe3 f = PaletteFarbe(p_, v);
            bgr_[0] = char(roundToInt(f.blau * 255));
            bgr_[1] = char(roundToInt(f.gruen * 255));
            bgr_[2] = char(roundToInt(f.rot * 255));
            letzter_ = v;
        }
        std::copy(bgr_, bgr_ + 3, ziel);
    }

  private:
    const Palette& p_;
    double letzter_ = -1.0;
    char bgr_[3] = {};
};

}  // namespace

Status SchreibeVerlauf(Dokument& dok, const Palette& palette1, const VerlaufRec& rec,
                       const std::string& pfad) {
    const int nx = std::clamp(roundToInt(std::clamp(rec.BreiteX, 1.0, 9999.0)), 1, 9999);
    const int ny = std::clamp(roundToInt(std::clamp(rec.HoeheY, 255.0, 9999.0)), 255, 9999);
    const std::size_t zeile = std::size_t(3 * nx + nx % 4);
    AtomareDatei datei(pfad);
    datei.schreiben(bmpKopf(nx, ny));
    // Blocks of rows: the values are drawn in file order on this thread, the
    // colours computed on two, and the block written; memory stays a few rows.
    std::vector<double> werte(std::size_t(kBlock) * std::size_t(nx));
    std::string block(std::size_t(kBlock) * zeile, '\0');
    Zufallsfolge zufall(dok.RandSeed);
    Faeden faeden(2);
    for (int oben = ny - 1; oben >= 0; oben -= kBlock) {
        const int zeilen = std::min(kBlock, oben + 1);
        for (int k = 0; k < zeilen; ++k) {
            const double g = 1.0 - double(oben - k) / ny;
            double* w = &werte[std::size_t(k) * std::size_t(nx)];
            double wert = rec.Konstant ? VerlaufWert(g, rec, zufall) : 0.0;
            for (int x = 0; x < nx; ++x)
                w[x] = rec.Konstant ? wert : VerlaufWert(g, rec, zufall);
        }
        faeden.ausfuehren([&](int teil) {
            Farbwahl farbe(palette1);
            for (int k = teil; k < zeilen; k += 2) {
                const double* w = &werte[std::size_t(k) * std::size_t(nx)];
                char* ziel = &block[std::size_t(k) * zeile];
                for (int x = 0; x < nx; ++x)
                    farbe.schreiben(w[x], ziel + 3 * x);
            }
        });
        datei.schreiben(block.data(), std::size_t(zeilen) * zeile);
    }
    dok.RandSeed = zufall.seed();
    return datei.abschliessen();
}

}  // namespace gm
