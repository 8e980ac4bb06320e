#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "core/faeden.h"
#include "core/zufall.h"
#include "filters/krater_band.h"
#include "filters/krater_spalte.h"
#include "filters/ziehungen.h"

namespace gm {

namespace {

// One half of the columns: its cells with a fixed number of draws are only
// counted; its open cells are listed in order.
struct Teil {
    Spalten spalten{0, 0};
    // Per column and one more: fixed draws and open cells of the half before
    // that column.
    std::vector<std::uint32_t> spalteFest, spalteOffen;
    // Per open cell: fixed draws of the half before it, its interval and
    // whether it draws twice. Room for every cell of the half (and one more,
    // so that reading ahead is safe); only the pages used are touched.
    std::unique_ptr<std::uint32_t[]> fest;
    std::unique_ptr<KraterIntervall[]> intervall;
    std::unique_ptr<std::uint8_t[]> zweite;
    std::size_t offen = 0;
};

void erfassen(const Dokument& dok, const KraterBand& b, Teil& t, bool vektor) {
    const int n = dok.MaxY + 1;
    const std::size_t zellen = std::size_t(t.spalten.ende - t.spalten.anfang) * std::size_t(n);
    t.fest.reset(new std::uint32_t[zellen + 8]);
    t.intervall.reset(new KraterIntervall[zellen + 1]);
    std::vector<double> offenX(static_cast<std::size_t>(n) + 8);
    SpaltenStand stand;
    t.spalteFest.assign(1, 0);
    t.spalteOffen.assign(1, 0);
    for (int x = t.spalten.anfang; x < t.spalten.ende; ++x) {
        // The column's open cells are listed from offenX[0] on.
        const std::uint32_t alt = stand.offen;
        stand.y = 0;
        stand.offen = 0;
        OffeneSammeln(b, dok.Hoehenfeld.spalte(x), dok.Maske.spalte(x), n, stand, offenX.data(),
                      t.fest.get() + alt, vektor);
        Intervalle(b, offenX.data(), stand.offen, t.intervall.get() + alt, vektor);
        stand.offen += alt;
        t.spalteFest.push_back(stand.ziehungen);
        t.spalteOffen.push_back(stand.offen);
    }
    t.offen = stand.offen;
    t.zweite.reset(new std::uint8_t[t.offen + 16]());
}

// The map of any number of draws a field can take (two per cell at most):
// from a table for the short gaps between open cells, else as the map of
// the low ten bits after the map of the rest. No call and no loop, so the
// decisions' chain keeps its values in registers.
constexpr std::uint64_t kKlein = 1024;
constexpr std::uint64_t kGross = (2 * FeldZellen + 2) / kKlein + 1;

struct Spruenge {
    std::vector<Sprung> klein, gross;  // n and kKlein n draws
    Spruenge() : klein(kKlein), gross(kGross) {
        for (std::size_t n = 1; n < kKlein; ++n)
            klein[n] = {klein[n - 1].a * 134775813u, klein[n - 1].c * 134775813u + 1u};
        const Sprung k = {klein[kKlein - 1].a * 134775813u, klein[kKlein - 1].c * 134775813u + 1u};
        for (std::size_t n = 1; n < kGross; ++n)
            gross[n] = {k.a * gross[n - 1].a, k.a * gross[n - 1].c + k.c};
    }
};

// Draws before each column, known once the open cells up to that column are
// decided; `entschieden` counts the columns whose draws are known.
struct Fortgang {
    std::vector<std::uint64_t> vorher;  // per column and one more
    std::atomic<int> entschieden{0};
};

// Decides, in the order of the draws, which open cells draw twice, and after
// each column publishes the draws before the next. `seed` is the seed after
// the first draw of the previous open cell, `festAlt` the fixed draws before
// it, counted over the whole field; before the first open cell, the start
// seed and no draws, so that the first cell's first draw follows the fixed
// draws before it.
struct Entscheidung {
    const Spruenge& sprung;
    Fortgang& fortgang;
    std::uint32_t seed;
    std::uint64_t festAlt = 0;
    std::uint32_t zweiteAlt = 0;  // all ones when the previous cell draws twice

    // The state is kept in locals: the stores of the decisions could
    // otherwise alias it.
    void teil(Teil& t, std::uint64_t festBasis) {
        const std::uint32_t* fest = t.fest.get();
        const KraterIntervall* intervall = t.intervall.get();
        std::uint8_t* zweiteAus = t.zweite.get();
        const Sprung* klein = sprung.klein.data();
        const Sprung* gross = sprung.gross.data();
        const auto spring = [&](std::uint64_t n) {
            if (n < kKlein) [[likely]]
                return klein[n];
            const Sprung k = klein[n % kKlein], g = gross[n / kKlein];
            return Sprung{k.a * g.a, k.a * g.c + k.c};
        };
        std::uint32_t s = seed, za = zweiteAlt;
        std::uint64_t fa = festAlt;
        for (int x = t.spalten.anfang; x < t.spalten.ende; ++x) {
            const std::size_t c = std::size_t(x - t.spalten.anfang);
            std::uint32_t zweite = 0;
            const std::size_t i1 = t.spalteOffen[c + 1];
            for (std::size_t i = t.spalteOffen[c]; i < i1; ++i) {
                // The second draw of the previous cell, the fixed draws
                // between, and this cell's first draw. What the second draw
                // changes is a map of its own, added without a branch (either
                // case is as likely) and without waiting for the other map.
                const std::uint64_t f = festBasis + fest[i];
                const std::uint64_t n = f - fa + 1;
                const Sprung o = spring(n), m = spring(n + 1);
                const Sprung d = {m.a - o.a, m.c - o.c};
                s = o(s) + (d(s) & za);
                const KraterIntervall iv = intervall[i];
                za = 0u - std::uint32_t(std::uint32_t(s - iv.anfang) < iv.breite);
                zweiteAus[i] = std::uint8_t(za & 1u);
                zweite += za & 1u;
                fa = f;
            }
            fortgang.vorher[std::size_t(x) + 1] =
                fortgang.vorher[std::size_t(x)] + (t.spalteFest[c + 1] - t.spalteFest[c]) +
                (t.spalteOffen[c + 1] - t.spalteOffen[c]) + zweite;
            fortgang.entschieden.store(x + 1, std::memory_order_release);
        }
        seed = s;
        zweiteAlt = za;
        festAlt = fa;
    }
};

// The columns still to set, [unten, oben), taken from both ends.
class Vorrat {
  public:
    explicit Vorrat(int n) : paar_(std::uint64_t(std::uint32_t(n)) << 32) {}
    // The lowest (vonUnten) or highest column left, or -1 when none is.
    int nehmen(bool vonUnten) {
        std::uint64_t alt = paar_.load(std::memory_order_relaxed);
        for (;;) {
            const std::uint32_t unten = std::uint32_t(alt), oben = std::uint32_t(alt >> 32);
            if (unten >= oben) return -1;
            const std::uint64_t neu = vonUnten ? alt + 1 : alt - (std::uint64_t(1) << 32);
            if (paar_.compare_exchange_weak(alt, neu, std::memory_order_relaxed))
                return int(vonUnten ? unten : oben - 1);
        }
    }

  private:
    std::atomic<std::uint64_t> paar_;
};

// Sets the free cells of column x from the seed before its first draw.
void spalteAnwenden(Dokument& dok, const KraterBand& b, const Teil& t, int x, std::uint32_t seed,
                    std::vector<std::uint32_t>& folge, bool vektor) {
    const std::size_t c = std::size_t(x - t.spalten.anfang);
    const std::uint32_t o0 = t.spalteOffen[c], o1 = t.spalteOffen[c + 1];
    std::uint32_t ziehungen = t.spalteFest[c + 1] - t.spalteFest[c] + (o1 - o0);
    for (std::uint32_t i = o0; i < o1; ++i)
        ziehungen += t.zweite[i];
    ZiehungenFolge(seed, int(ziehungen) + 17, folge.data());
    SpaltenStand stand;
    SpalteSetzen(b, dok.Hoehenfeld.spalte(x), dok.Maske.spalte(x), dok.MaxY + 1, stand,
                 folge.data(), t.zweite.get() + o0, vektor);
}

}  // namespace

void KraterisierenVerteilt(Dokument& dok, const KraterisierenRec& rec, bool vektor) {
    vektor = vektor && KraterVektorVerfuegbar();
    const KraterBand b(rec);
    const std::uint32_t start = dok.RandSeed;
    const int spalten = dok.MaxX + 1;
    Teil teile[2];
    Faeden faeden(2);
    faeden.ausfuehren([&](int i) {
        teile[i].spalten = haelfte(i, spalten);
        erfassen(dok, b, teile[i], vektor);
    });
    const Spruenge spruenge;
    Fortgang fortgang;
    fortgang.vorher.assign(std::size_t(spalten) + 1, 0);
    Vorrat vorrat(spalten);
    // Part 0 decides, in order, and then sets columns from the top down; part
    // 1 sets columns from the bottom up as soon as they are decided. Every
    // column starts from the seed its draws before it give, so the result
    // does not depend on which part sets it.
    faeden.ausfuehren([&](int teil) {
        std::vector<std::uint32_t> folge(2 * static_cast<std::size_t>(dok.MaxY + 1) + 32);
        if (teil == 0) {
            Entscheidung entscheidung{spruenge, fortgang, start};
            entscheidung.teil(teile[0], 0);
            entscheidung.teil(teile[1], teile[0].spalteFest.back());
        }
        for (int x; (x = vorrat.nehmen(teil == 1)) >= 0;) {
            while (fortgang.entschieden.load(std::memory_order_acquire) <= x)
                std::this_thread::yield();
            const Teil& t = teile[x < teile[1].spalten.anfang ? 0 : 1];
            spalteAnwenden(dok, b, t, x, ZufallVoraus(start, fortgang.vorher[std::size_t(x)]),
                           folge, vektor);
        }
    });
    dok.RandSeed = ZufallVoraus(start, fortgang.vorher.back());
}

}  // namespace gm
