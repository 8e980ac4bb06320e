#include <cstdint>
#include <memory>
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
    std::uint64_t zweiteSumme = 0;

    std::uint64_t ziehungen() const {
        return std::uint64_t(spalteFest.back()) + spalteOffen.back() + zweiteSumme;
    }
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

// The maps of 0..kTabelle-1 draws; longer gaps between open cells are rare.
constexpr std::uint64_t kTabelle = 1024;

struct Spruenge {
    std::vector<Sprung> tabelle;
    Spruenge() : tabelle(kTabelle) {
        for (std::size_t n = 1; n < kTabelle; ++n)
            tabelle[n] = {tabelle[n - 1].a * 134775813u, tabelle[n - 1].c * 134775813u + 1u};
    }
    Sprung operator()(std::uint64_t n) const { return n < kTabelle ? tabelle[n] : SprungUeber(n); }
};

// Decides, in the order of the draws, which open cells draw twice. `seed` is
// the seed after the first draw of the current open cell, `festAlt` the fixed
// draws before it, counted over the whole field.
struct Entscheidung {
    const Spruenge& sprung;
    bool erste = true;
    std::uint32_t seed = 0;
    std::uint64_t festAlt = 0;
    std::uint32_t zweiteAlt = 0;  // all ones when the previous cell draws twice

    void teil(Teil& t, std::uint32_t start, std::uint64_t festBasis) {
        std::uint64_t summe = 0;
        for (std::size_t i = 0; i < t.offen; ++i) {
            const std::uint64_t f = festBasis + t.fest[i];
            if (erste) {
                seed = ZufallVoraus(start, f + 1);
                erste = false;
            } else {
                // The second draw of the previous cell, the fixed draws
                // between, and this cell's first draw; chosen without a
                // branch, as either is as likely.
                const std::uint64_t n = f - festAlt + 1;
                const std::uint32_t ohne = sprung(n)(seed), mit = sprung(n + 1)(seed);
                seed = ohne ^ ((ohne ^ mit) & zweiteAlt);
            }
            const KraterIntervall iv = t.intervall[i];
            zweiteAlt = 0u - std::uint32_t(std::uint32_t(seed - iv.anfang) < iv.breite);
            t.zweite[i] = std::uint8_t(zweiteAlt & 1u);
            summe += zweiteAlt & 1u;
            festAlt = f;
        }
        t.zweiteSumme = summe;
    }
};

void anwenden(Dokument& dok, const KraterBand& b, const Teil& t, std::uint32_t seed, bool vektor) {
    const int n = dok.MaxY + 1;
    std::vector<std::uint32_t> folge(2 * static_cast<std::size_t>(n) + 32);
    for (int x = t.spalten.anfang; x < t.spalten.ende; ++x) {
        const std::size_t c = std::size_t(x - t.spalten.anfang);
        const std::uint32_t o0 = t.spalteOffen[c], o1 = t.spalteOffen[c + 1];
        std::uint32_t ziehungen = t.spalteFest[c + 1] - t.spalteFest[c] + (o1 - o0);
        for (std::uint32_t i = o0; i < o1; ++i)
            ziehungen += t.zweite[i];
        ZiehungenFolge(seed, int(ziehungen) + 17, folge.data());
        if (ziehungen > 0) seed = folge[ziehungen - 1];
        SpaltenStand stand;
        SpalteSetzen(b, dok.Hoehenfeld.spalte(x), dok.Maske.spalte(x), n, stand, folge.data(),
                     t.zweite.get() + o0, vektor);
    }
}

}  // namespace

void KraterisierenVerteilt(Dokument& dok, const KraterisierenRec& rec, bool vektor) {
    vektor = vektor && KraterVektorVerfuegbar();
    const KraterBand b(rec);
    const std::uint32_t start = dok.RandSeed;
    Teil teile[2];
    Faeden faeden(2);
    faeden.ausfuehren([&](int i) {
        teile[i].spalten = haelfte(i, dok.MaxX + 1);
        erfassen(dok, b, teile[i], vektor);
    });
    const Spruenge spruenge;
    Entscheidung entscheidung{spruenge};
    entscheidung.teil(teile[0], start, 0);
    entscheidung.teil(teile[1], start, teile[0].spalteFest.back());
    const std::uint32_t seeds[2] = {start, ZufallVoraus(start, teile[0].ziehungen())};
    faeden.ausfuehren([&](int i) { anwenden(dok, b, teile[i], seeds[i], vektor); });
    dok.RandSeed = ZufallVoraus(start, teile[0].ziehungen() + teile[1].ziehungen());
}

}  // namespace gm
