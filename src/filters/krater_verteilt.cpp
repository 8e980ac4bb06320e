#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "core/faeden.h"
#include "core/zufall.h"
#include "filters/krater_band.h"
#include "filters/krater_spalte.h"
#include "filters/ziehungen.h"

namespace gm {

namespace {

// Columns per block: a block's cells and lists stay in the core's cache
// between listing its open cells and setting its values.
constexpr int kBlockSpalten = 8;

// One thread's working memory for its current block of columns. The block's
// cells with a fixed number of draws are only counted; its open cells are
// listed in order.
struct Block {
    int anfang = 0, ende = 0;
    // Per column and one more: fixed draws and open cells of the block
    // before that column, and all draws of the field before it.
    std::uint32_t spalteFest[kBlockSpalten + 1] = {}, spalteOffen[kBlockSpalten + 1] = {};
    std::uint64_t vorher[kBlockSpalten + 1] = {};
    // Per open cell: fixed draws of the block before it, its interval and
    // whether it draws twice; room for 8 or 16 entries past the last.
    std::vector<std::uint32_t> fest;
    std::vector<KraterIntervall> intervall;
    std::vector<std::uint8_t> zweite;
    std::vector<double> offenX;
    std::vector<std::uint32_t> folge;  // the draws of one column

    explicit Block(int n)
        : fest(std::size_t(kBlockSpalten) * std::size_t(n) + 8),
          intervall(std::size_t(kBlockSpalten) * std::size_t(n) + 1),
          zweite(std::size_t(kBlockSpalten) * std::size_t(n) + 16),
          offenX(std::size_t(n) + 8),
          folge(2 * std::size_t(n) + 32) {}
};

// Lists the block's open cells and, where `undo`, copies its columns there.
void erfassen(const Dokument& dok, const KraterBand& b, Block& block, TFeld* undo, bool vektor) {
    const int n = dok.MaxY + 1;
    SpaltenStand stand;
    for (int x = block.anfang; x < block.ende; ++x) {
        if (undo)
            std::memcpy(undo->spalte(x), dok.Hoehenfeld.spalte(x), std::size_t(n) * sizeof(double));
        // The column's open cells are listed from offenX[0] on.
        const std::uint32_t alt = stand.offen;
        stand.y = 0;
        stand.offen = 0;
        OffeneSammeln(b, dok.Hoehenfeld.spalte(x), dok.Maske.spalte(x), n, stand,
                      block.offenX.data(), block.fest.data() + alt, vektor);
        Intervalle(b, block.offenX.data(), stand.offen, block.intervall.data() + alt, vektor);
        stand.offen += alt;
        const std::size_t c = std::size_t(x - block.anfang);
        block.spalteFest[c + 1] = stand.ziehungen;
        block.spalteOffen[c + 1] = stand.offen;
    }
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

// The decisions' state after the blocks decided so far. `seed` is the seed
// after the first draw of the last open cell, `festAlt` the fixed draws
// before it, counted over the field; before the first open cell, the start
// seed and no draws, so that the first cell's first draw follows the fixed
// draws before it.
struct Kette {
    std::uint32_t seed;
    std::uint32_t zweiteAlt = 0;  // all ones when the last open cell draws twice
    std::uint64_t festAlt = 0;
    std::uint64_t fest = 0;       // fixed draws before the next block
    std::uint64_t ziehungen = 0;  // all draws before the next block
};

// Decides, in the order of the draws, which open cells of the block draw
// twice, and the draws before each of its columns. The state is kept in
// locals: the stores of the decisions could otherwise alias it.
void entscheiden(const Spruenge& sprung, Kette& kette, Block& block) {
    const std::uint32_t* fest = block.fest.data();
    const KraterIntervall* intervall = block.intervall.data();
    std::uint8_t* zweiteAus = block.zweite.data();
    const Sprung* klein = sprung.klein.data();
    const Sprung* gross = sprung.gross.data();
    const auto spring = [&](std::uint64_t n) {
        if (n < kKlein) [[likely]]
            return klein[n];
        const Sprung k = klein[n % kKlein], g = gross[n / kKlein];
        return Sprung{k.a * g.a, k.a * g.c + k.c};
    };
    std::uint32_t s = kette.seed, za = kette.zweiteAlt;
    std::uint64_t fa = kette.festAlt;
    const std::uint64_t festBasis = kette.fest;
    block.vorher[0] = kette.ziehungen;
    const int spalten = block.ende - block.anfang;
    for (int c = 0; c < spalten; ++c) {
        std::uint32_t zweite = 0;
        const std::uint32_t i1 = block.spalteOffen[c + 1];
        for (std::uint32_t i = block.spalteOffen[c]; i < i1; ++i) {
            // The second draw of the previous cell, the fixed draws between,
            // and this cell's first draw. What the second draw changes is a
            // map of its own, added without a branch (either case is as
            // likely) and without waiting for the other map.
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
        block.vorher[c + 1] = block.vorher[c] + (block.spalteFest[c + 1] - block.spalteFest[c]) +
                              (i1 - block.spalteOffen[c]) + zweite;
    }
    kette.seed = s;
    kette.zweiteAlt = za;
    kette.festAlt = fa;
    kette.fest = festBasis + block.spalteFest[spalten];
    kette.ziehungen = block.vorher[spalten];
}

// Sets the free cells of the block's columns, each from the seed its draws
// before it give, and meanwhile fetches the columns from `naechster` on (the
// thread's next block) into the cache, with their columns of `undo` (if any)
// ready for writing.
void setzen(Dokument& dok, const KraterBand& b, Block& block, std::uint32_t start, int naechster,
            TFeld* undo, bool vektor) {
    for (int x = block.anfang; x < block.ende; ++x) {
        const std::size_t c = std::size_t(x - block.anfang);
        const int voraus = std::min(naechster + int(c), dok.MaxX);
        const std::uint64_t ziehungen = block.vorher[c + 1] - block.vorher[c];
        ZiehungenFolge(ZufallVoraus(start, block.vorher[c]), int(ziehungen) + 17,
                       block.folge.data());
        SpaltenStand stand;
        SpalteSetzen(b, dok.Hoehenfeld.spalte(x), dok.Maske.spalte(x), dok.MaxY + 1, stand,
                     block.folge.data(), block.zweite.data() + block.spalteOffen[c],
                     {dok.Hoehenfeld.spalte(voraus), dok.Maske.spalte(voraus),
                      (undo ? *undo : dok.Hoehenfeld).spalte(voraus)},
                     vektor);
    }
}

}  // namespace

void KraterisierenVerteilt(Dokument& dok, const KraterisierenRec& rec, bool vektor,
                           bool undoKopie) {
    vektor = vektor && KraterVektorVerfuegbar();
    const KraterBand b(rec);
    const std::uint32_t start = dok.RandSeed;
    const int spalten = dok.MaxX + 1;
    const int bloecke = (spalten + kBlockSpalten - 1) / kBlockSpalten;
    static const Spruenge spruenge;  // the same for every run
    Kette kette{start};
    TFeld* undo = undoKopie ? &dok.UndoBild : nullptr;
    std::atomic<int> naechster{0}, entschieden{0};
    // Each thread takes the next block, lists its open cells, waits until the
    // block before it is decided, decides its own, takes its next block and
    // sets the one decided while fetching the next one's cells. Blocks are
    // taken in order, so the block waited for is always in someone's hands;
    // when the second thread cannot start, the first takes every block.
    Faeden faeden(2);
    faeden.ausfuehren([&](int) {
        Block block(dok.MaxY + 1);
        for (int i = naechster.fetch_add(1, std::memory_order_relaxed); i < bloecke;) {
            block.anfang = i * kBlockSpalten;
            block.ende = std::min(spalten, block.anfang + kBlockSpalten);
            erfassen(dok, b, block, undo, vektor);
            while (entschieden.load(std::memory_order_acquire) != i)
                std::this_thread::yield();
            entscheiden(spruenge, kette, block);
            entschieden.store(i + 1, std::memory_order_release);
            const int j = naechster.fetch_add(1, std::memory_order_relaxed);
            setzen(dok, b, block, start, std::min(j, bloecke - 1) * kBlockSpalten, undo, vektor);
            i = j;
        }
    });
    dok.RandSeed = ZufallVoraus(start, kette.ziehungen);
    if (undo) {
        dok.UndoMaxX = dok.MaxX;
        dok.UndoMaxY = dok.MaxY;
    }
}

}  // namespace gm
