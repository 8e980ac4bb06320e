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

// How many draws every value takes when that number does not depend on the
// draws, else 0. A jitter follows the first draw whenever the gradient value
// is kept, and a random value whenever it is not, so with a jitter every
// value takes two; without one, a share of 0 always keeps the gradient (one
// draw) and a share of 100 or more never does (two).
int ZuegeJeWert(const VerlaufRec& rec) {
    if (rec.VerlaufAbweichung > 0) return 2;
    const double anteil = rec.VerlaufZufall / 100;
    if (anteil <= 0.0) return 1;
    if (!(anteil < 1.0)) return 2;
    return 0;
}

struct Block {
    const VerlaufRec& rec;
    const Palette& palette;
    int nx, ny;
    std::size_t zeile;  // bytes per row, padding included
    char* bytes;

    // The gradient value of row k of the block whose top row is `oben`.
    double g(int oben, int k) const { return 1.0 - double(oben - k) / ny; }
    char* ziel(int k) const { return bytes + std::size_t(k) * zeile; }
};

// Rows whose values take a varying number of draws: drawn on this thread in
// file order, then coloured on two.
void blockInFolge(const Block& b, int oben, int zeilen, Zufallsfolge& zufall,
                  std::vector<double>& werte, Faeden& faeden) {
    const std::size_t nx = std::size_t(b.nx);
    for (int k = 0; k < zeilen; ++k) {
        double* w = &werte[std::size_t(k) * nx];
        if (b.rec.Konstant) {
            std::fill(w, w + nx, VerlaufWert(b.g(oben, k), b.rec, zufall));
        } else {
            for (std::size_t x = 0; x < nx; ++x)
                w[x] = VerlaufWert(b.g(oben, k), b.rec, zufall);
        }
    }
    faeden.ausfuehren([&](int teil) {
        Farbwahl farbe(b.palette);
        for (int k = teil; k < zeilen; k += 2) {
            const double* w = &werte[std::size_t(k) * nx];
            char* ziel = b.ziel(k);
            for (std::size_t x = 0; x < nx; ++x)
                farbe.schreiben(w[x], ziel + 3 * x);
        }
    });
}

// Rows whose values take `zuege` draws each: each thread draws and colours its
// half of the rows, starting from the seed that many draws further on.
void blockGeteilt(const Block& b, int oben, int zeilen, int zuege, Zufallsfolge& zufall,
                  Faeden& faeden) {
    const std::uint64_t jeZeile = std::uint64_t(b.nx) * std::uint64_t(zuege);
    faeden.ausfuehren([&](int teil) {
        const Spalten s = haelfte(teil, zeilen);
        Zufallsfolge z(ZufallVoraus(zufall.seed(), std::uint64_t(s.anfang) * jeZeile));
        Farbwahl farbe(b.palette);
        for (int k = s.anfang; k < s.ende; ++k) {
            char* ziel = b.ziel(k);
            for (int x = 0; x < b.nx; ++x)
                farbe.schreiben(VerlaufWert(b.g(oben, k), b.rec, z), ziel + 3 * x);
        }
    });
    zufall = Zufallsfolge(ZufallVoraus(zufall.seed(), std::uint64_t(zeilen) * jeZeile));
}

}  // namespace

Status SchreibeVerlauf(Dokument& dok, const Palette& palette1, const VerlaufRec& rec,
                       const std::string& pfad) {
    const int nx = std::clamp(roundToInt(std::clamp(rec.BreiteX, 1.0, 9999.0)), 1, 9999);
    const int ny = std::clamp(roundToInt(std::clamp(rec.HoeheY, 255.0, 9999.0)), 255, 9999);
    AtomareDatei datei(pfad);
    datei.schreiben(bmpKopf(nx, ny));
    // Blocks of rows, written in file order; memory stays a few rows.
    const std::size_t zeile = std::size_t(3 * nx + nx % 4);
    std::string bytes(std::size_t(kBlock) * zeile, '\0');
    const Block b{rec, palette1, nx, ny, zeile, bytes.data()};
    const int zuege = rec.Konstant ? 0 : ZuegeJeWert(rec);
    std::vector<double> werte(zuege ? 0 : std::size_t(kBlock) * std::size_t(nx));
    Zufallsfolge zufall(dok.RandSeed);
    Faeden faeden(2);
    for (int oben = ny - 1; oben >= 0; oben -= kBlock) {
        const int zeilen = std::min(kBlock, oben + 1);
        if (zuege)
            blockGeteilt(b, oben, zeilen, zuege, zufall, faeden);
        else
            blockInFolge(b, oben, zeilen, zufall, werte, faeden);
        datei.schreiben(bytes.data(), std::size_t(zeilen) * b.zeile);
    }
    dok.RandSeed = zufall.seed();
    return datei.abschliessen();
}

}  // namespace gm
