#include "filters/regen_erosion.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"

namespace gm {

const Parameter RegenParameter[4] = {
    {"Zyklen", ParamTyp::Ganz, offsetof(RegenRec, Zyklen), 150, 1, 1000, Skala::Linear, 1,
     "Zyklen"},
    {"Regenmenge", ParamTyp::Real, offsetof(RegenRec, Regenmenge), 0.1, 0.002, 1.0, Skala::Linear,
     0.01, "Menge"},
    {"Abtrag", ParamTyp::Real, offsetof(RegenRec, Abtrag), 0.1, 0.002, 1.0, Skala::Linear, 0.01,
     "Feinheit1"},
    {"Glaettung", ParamTyp::Real, offsetof(RegenRec, Glaettung), 0.03, 0.001, 1.0, Skala::Linear,
     0.01, "Feinheit2"},
};

const RegenRegler RegenReglerTabelle[4] = {
    {1, 1000, 1, 1},
    {0.01, 1, 0.01, 5},
    {0.01, 1, 0.01, 5},
    {0.01, 1, 0.01, 10},
};

int RegenProzent(int zyklus, int gesamt) {
    if (gesamt <= 0) return 0;
    return roundToInt(100.0 * zyklus / gesamt);
}

namespace {

// No lowest neighbour: marks the border cells, which pass 1 never visits.
constexpr std::uint8_t KeineRichtung = 8;

struct Gitter {
    int nx, ny;
    std::size_t zellen() const { return std::size_t(nx) * std::size_t(ny); }
    std::size_t at(int x, int y) const { return std::size_t(x) * std::size_t(ny) + std::size_t(y); }
};

struct Arbeit {
    Gitter g;
    double* z;         // heights of the previous cycle
    double* hoeheNeu;  // heights computed in this cycle; the two swap after each cycle
    std::vector<double> wasser, wasserNeu;
    std::vector<std::uint8_t> richtung;
};

// Pass 1 without its water flow, for columns x0..x1-1 (interior only): the
// lowest neighbour, erosion, pit filling, relaxation and clamp read only the
// heights of the previous cycle and the cell's own water plus this cycle's
// rain, so the columns may be computed in any order.
void hoehenSpalten(Arbeit& a, const RegenRec& rec, int x0, int x1) {
    const int ny = a.g.ny;
    const double regen = rec.Regenmenge, abtrag = rec.Abtrag, glatt = rec.Glaettung;
    for (int x = x0; x < x1; ++x) {
        const double* zl = a.z + a.g.at(x - 1, 0);
        const double* zc = a.z + a.g.at(x, 0);
        const double* zr = a.z + a.g.at(x + 1, 0);
        const double* w = a.wasser.data() + a.g.at(x, 0);
        double* hn = a.hoeheNeu + a.g.at(x, 0);
        std::uint8_t* ri = a.richtung.data() + a.g.at(x, 0);
        for (int y = 1; y < ny - 1; ++y) {
            const double n[8] = {zl[y - 1], zl[y],     zl[y + 1], zc[y - 1],
                                 zc[y + 1], zr[y - 1], zr[y],     zr[y + 1]};
            double m = n[0];
            std::uint8_t k = 0;
            for (std::uint8_t j = 1; j < 8; ++j) {
                const bool tiefer = n[j] < m;
                m = tiefer ? n[j] : m;
                k = tiefer ? j : k;
            }
            const double h = zc[y];
            const double d = h - m;
            double e = abtrag * (w[y] + regen);
            e = e > glatt ? glatt : e;
            double v = d > 0.0 ? h - e * d : m;
            const double summe = n[0] + n[1] + n[2] + n[3] + n[4] + n[5] + n[6] + n[7];
            v = v + glatt * (summe / 8.0 - h);
            hn[y] = clamp01(v);
            ri[y] = k;
        }
    }
}

// The water each interior cell holds after the cycle, for columns x0..x1-1.
// In the sweep the value arriving at a cell t is assigned, not accumulated, so
// it comes from the last cell in visiting order that drains into t. The eight
// neighbours, listed in the neighbour order, are exactly in visiting order;
// neighbour j drains into t when its direction is 7 - j. The water of t itself
// includes this cycle's rain only when t was visited before that source
// (sources j >= 4 lie after t).
void wasserSpalten(Arbeit& a, const RegenRec& rec, int x0, int x1) {
    const int ny = a.g.ny;
    const double regen = rec.Regenmenge;
    for (int x = x0; x < x1; ++x) {
        const std::uint8_t* rl = a.richtung.data() + a.g.at(x - 1, 0);
        const std::uint8_t* rc = a.richtung.data() + a.g.at(x, 0);
        const std::uint8_t* rr = a.richtung.data() + a.g.at(x + 1, 0);
        const double* wl = a.wasser.data() + a.g.at(x - 1, 0);
        const double* wc = a.wasser.data() + a.g.at(x, 0);
        const double* wr = a.wasser.data() + a.g.at(x + 1, 0);
        double* wn = a.wasserNeu.data() + a.g.at(x, 0);
        for (int y = 1; y < ny - 1; ++y) {
            double quelle = 0.0;
            bool danach = false, gefunden = true;
            if (rr[y + 1] == 0) {
                quelle = wr[y + 1], danach = true;
            } else if (rr[y] == 1) {
                quelle = wr[y], danach = true;
            } else if (rr[y - 1] == 2) {
                quelle = wr[y - 1], danach = true;
            } else if (rc[y + 1] == 3) {
                quelle = wc[y + 1], danach = true;
            } else if (rc[y - 1] == 4) {
                quelle = wc[y - 1];
            } else if (rl[y + 1] == 5) {
                quelle = wl[y + 1];
            } else if (rl[y] == 6) {
                quelle = wl[y];
            } else if (rl[y - 1] == 7) {
                quelle = wl[y - 1];
            } else {
                gefunden = false;
            }
            const double eigen = danach ? wc[y] + regen : wc[y];
            wn[y] = gefunden ? eigen + (quelle + regen) : 0.0;
        }
    }
}

// Pass 2 for the heights: the border lines repeat their inner neighbours.
void randKopieren(double* z, const Gitter& g) {
    for (int x = 1; x < g.nx - 1; ++x) {
        double* s = z + g.at(x, 0);
        s[0] = s[1];
        s[g.ny - 1] = s[g.ny - 2];
    }
    const std::size_t n = std::size_t(g.ny) * sizeof(double);
    std::memcpy(z + g.at(0, 0), z + g.at(1, 0), n);
    std::memcpy(z + g.at(g.nx - 1, 0), z + g.at(g.nx - 2, 0), n);
}

// Runs f(x0, x1) over the interior columns, split between `kerne` threads.
template <class F>
void spaltenVerteilen(const Gitter& g, int kerne, F&& f) {
    const int von = 1, bis = g.nx - 1;
    if (kerne < 2) {
        f(von, bis);
        return;
    }
    const int mitte = von + (bis - von) / 2;
    std::thread zweiter([&] { f(mitte, bis); });
    f(von, mitte);
    zweiter.join();
}

}  // namespace

void RegenSimulieren(double* hoehen, int nx, int ny, const RegenRec& rec, int kerne,
                     const RegenFortschritt& fortschritt) {
    if (nx < 3 || ny < 3) return;
    const Gitter g{nx, ny};
    std::vector<double> zweiterPuffer(g.zellen(), 0.0);
    Arbeit a{g,
             hoehen,
             zweiterPuffer.data(),
             std::vector<double>(g.zellen(), 0.0),
             std::vector<double>(g.zellen(), 0.0),
             std::vector<std::uint8_t>(g.zellen(), KeineRichtung)};
    for (int i = 1; i <= rec.Zyklen; ++i) {
        if (fortschritt) fortschritt(i, rec.Zyklen);
        spaltenVerteilen(g, kerne, [&](int x0, int x1) { hoehenSpalten(a, rec, x0, x1); });
        spaltenVerteilen(g, kerne, [&](int x0, int x1) { wasserSpalten(a, rec, x0, x1); });
        randKopieren(a.hoeheNeu, g);
        // The new heights and water become the current ones. The old buffers
        // are overwritten in full next cycle (interior and, for the heights,
        // border), so they need no clearing; water on the border is never read
        // for an interior cell and so never reaches a height.
        std::swap(a.z, a.hoeheNeu);
        std::swap(a.wasser, a.wasserNeu);
    }
    if (a.z != hoehen) std::memcpy(hoehen, a.z, g.zellen() * sizeof(double));
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
    ScriptAnhaengen(
        dok, ScriptZeile("raining", {rec.Zyklen, rec.Regenmenge, rec.Abtrag, rec.Glaettung}));
}

void RegenErosionNachspielen(Dokument& dok, ScriptArgumente& args) {
    RegenRec rec;
    rec.Zyklen = ArgumentGanzzahl(args, 1, 150, 1000, 1);
    rec.Regenmenge = ArgumentZahl(args, 2, 0.1, 1.0, 0.01);
    rec.Abtrag = ArgumentZahl(args, 3, 0.1, 1.0, 0.01);
    rec.Glaettung = ArgumentZahl(args, 4, 0.03, 1.0, 0.01);
    RegenErosionAnwenden(dok, rec);
}

}  // namespace gm
