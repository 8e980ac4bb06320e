#include "filters/terrasse.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/faeden.h"
#include "core/zahlen.h"
#include "filters/zellen.h"

namespace gm {

const Parameter TerrasseParameter[11] = {
    Param<&TerrasseRec::TerrasseReserve>("TerrasseReserve", 0.0, 0.0, 1.0),
    Param<&TerrasseRec::Stufen>("Stufen", 4, 1, 16, Skala::Linear, 1, "Stufen"),
    Param<&TerrasseRec::Verschiebung>("Verschiebung", -1.0, -1.0, 1.0, Skala::Linear, 0.01,
                                      "Verschiebung"),
    Param<&TerrasseRec::Anstieg>("Anstieg", 2.0, -3.0, 3.0, Skala::Linear, 0.01, "Anstieg"),
    Param<&TerrasseRec::Mittelpunkt>("Mittelpunkt", 0.5, 0.0, 1.0, Skala::Linear, 0.01,
                                     "Mittelpunkt"),
    Param<&TerrasseRec::GammaUnten>("GammaUnten", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                                    "Gamma Unten"),
    Param<&TerrasseRec::GammaOben>("GammaOben", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01,
                                   "Gamma Oben"),
    Param<&TerrasseRec::AnschnittUnten>("AnschnittUnten", 0.0, 0.0, 1.0, Skala::Linear, 0.01,
                                        "Anschnitt Unten"),
    Param<&TerrasseRec::AnschnittOben>("AnschnittOben", 1.0, 0.0, 1.0, Skala::Linear, 0.01,
                                       "Anschnitt Oben"),
    Param<&TerrasseRec::BegrenzenUnten>("BegrenzenUnten", 1, 0, 1, Skala::Linear, 1,
                                        "Begrenzen Unten"),
    Param<&TerrasseRec::BegrenzenOben>("BegrenzenOben", 1, 0, 1, Skala::Linear, 1,
                                       "Begrenzen Oben"),
};

const ScriptArgument TerrasseArgumente[11] = {
    Arg<&TerrasseRec::TerrasseReserve>(0.0, 1.0, 0.0),
    Arg<&TerrasseRec::Stufen>(4, 16, 1),
    Arg<&TerrasseRec::Verschiebung>(-1.0, 1.0, -1.0),
    Arg<&TerrasseRec::Anstieg>(2.0, 3.0, -3.0),
    Arg<&TerrasseRec::Mittelpunkt>(0.5, 1.0, 0.0),
    Arg<&TerrasseRec::GammaUnten>(1.0, 100.0, 0.01),
    Arg<&TerrasseRec::GammaOben>(1.0, 100.0, 0.01),
    Arg<&TerrasseRec::AnschnittUnten>(0.0, 1.0, 0.0),
    Arg<&TerrasseRec::AnschnittOben>(1.0, 1.0, 0.0),
    // Only exactly 1 is inside the range 1..1; anything else gives the default 0.
    Arg<&TerrasseRec::BegrenzenUnten>(0.0, 1.0, 1.0, ArgForm::GanzAlsZahl),
    Arg<&TerrasseRec::BegrenzenOben>(0.0, 1.0, 1.0, ArgForm::GanzAlsZahl),
};

namespace {

// The record's values as the transfer function uses them, all as doubles so
// the loop over a column vectorises; each clamp flag becomes a limit that
// either tests like the flag or can never be crossed.
struct Terrasse {
    double n, q, nMinus1;
    double anschnittUnten, anschnittOben, anstieg, verschiebung;
    double m, gammaUnten, gammaOben;
    double grenzeUnten, grenzeOben;
    bool gammaUntenAktiv, gammaObenAktiv;

    explicit Terrasse(const TerrasseRec& r)
        : n(r.Stufen < 1 ? 1 : r.Stufen),
          q(1.0 / n),
          nMinus1(n - 1),
          anschnittUnten(r.AnschnittUnten),
          anschnittOben(r.AnschnittOben),
          anstieg(r.Anstieg),
          verschiebung(r.Verschiebung),
          m(r.Mittelpunkt),
          gammaUnten(r.GammaUnten),
          gammaOben(r.GammaOben),
          grenzeUnten(r.BegrenzenUnten ? 0.0 : -std::numeric_limits<double>::infinity()),
          grenzeOben(r.BegrenzenOben ? 1.0 : std::numeric_limits<double>::infinity()),
          gammaUntenAktiv(r.GammaUnten != 1.0 && r.GammaUnten > 0.0 && r.Mittelpunkt > 0.0),
          // Skipped at Mittelpunkt 1, where it would divide by zero.
          gammaObenAktiv(r.GammaOben != 1.0 && r.GammaOben > 0.0 && r.Mittelpunkt > 0.0 &&
                         r.Mittelpunkt != 1.0) {}

    // T(x) in three steps: the profile u of x inside its terrace (kq is the
    // terrace's foot), the gammas, and the clamps and the way back. The first
    // and last are branch-free selects so that a loop over a column vectorises.
    double profil(double x, double& kq) const {
        // Bounded as a double first, so a huge value never overflows the conversion.
        const double nx = n * x;
        const double grenze = !(nx >= 0.0) ? 0.0 : (nx > nMinus1 ? nMinus1 : nx);
        kq = int(grenze) * q;
        double t = (x - kq) * n;
        t = t <= anschnittUnten ? 0.0 : t;
        t = t >= anschnittOben ? 1.0 : t;
        return t * anstieg + verschiebung;
    }
    // Whether the lower or the upper gamma applies to u (never both); written
    // with & rather than && so that listing the cells needs no branch.
    bool untenTrifft(double u) const { return gammaUntenAktiv & (u < m) & (u > 0.0); }
    bool obenTrifft(double u) const {
        return !untenTrifft(u) & gammaObenAktiv & (u > m) & (u > 0.0);
    }
    double gammaUntenAuf(double u) const { return m * std::pow(u / m, gammaUnten); }
    double gammaObenAuf(double u) const {
        return m + (1.0 - m) * std::pow((u - m) / (1.0 - m), gammaOben);
    }
    double gamma(double u) const {
        if (untenTrifft(u)) return gammaUntenAuf(u);
        if (obenTrifft(u)) return gammaObenAuf(u);
        return u;
    }
    double zurueck(double u, double kq) const {
        u = u < grenzeUnten ? 0.0 : u;
        u = u > grenzeOben ? 1.0 : u;
        return clamp01(u / n + kq);
    }
    bool mitGamma() const { return gammaUntenAktiv || gammaObenAktiv; }
};

// Per free cell h := T(h) for the columns [anfang, ende).
[[gnu::always_inline]] inline void spaltenOhneGamma(Dokument& dok, const Terrasse& r, int anfang,
                                                    int ende) {
    // A local copy: the compiler then knows the writes to the field leave it alone.
    const Terrasse f = r;
    for (int x = anfang; x < ende; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            double kq;
            const double u = f.profil(h[y], kq);
            const double v = f.zurueck(u, kq);
            h[y] = m[y] == 0 ? v : h[y];
        }
    }
}

// The same with the gammas: the profile and the way back run over a whole
// column as vector loops. In between, the cells that take a gamma are listed
// without a branch and only those call pow, so no cell waits on a
// mispredicted jump.
struct GammaSpalte {
    std::vector<double> u, kq;
    std::vector<int> unten, oben;
    explicit GammaSpalte(int ny)
        : u(std::size_t(ny)), kq(std::size_t(ny)), unten(std::size_t(ny)), oben(std::size_t(ny)) {}
};

[[gnu::always_inline]] inline void spaltenMitGamma(Dokument& dok, const Terrasse& r, int anfang,
                                                   int ende) {
    const Terrasse f = r;
    const int ny = dok.MaxY + 1;
    GammaSpalte g(ny);
    double* u = g.u.data();
    double* kq = g.kq.data();
    for (int x = anfang; x < ende; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const std::uint8_t* m = dok.Maske.spalte(x);
        for (int y = 0; y < ny; ++y)
            u[y] = f.profil(h[y], kq[y]);
        int nUnten = 0, nOben = 0;
        for (int y = 0; y < ny; ++y) {
            g.unten[std::size_t(nUnten)] = y;
            nUnten += f.untenTrifft(u[y]);
            g.oben[std::size_t(nOben)] = y;
            nOben += f.obenTrifft(u[y]);
        }
        for (int i = 0; i < nUnten; ++i)
            u[g.unten[std::size_t(i)]] = f.gammaUntenAuf(u[g.unten[std::size_t(i)]]);
        for (int i = 0; i < nOben; ++i)
            u[g.oben[std::size_t(i)]] = f.gammaObenAuf(u[g.oben[std::size_t(i)]]);
        for (int y = 0; y < ny; ++y) {
            const double v = f.zurueck(u[y], kq[y]);
            h[y] = m[y] == 0 ? v : h[y];
        }
    }
}

void spaltenTerrassieren(Dokument& dok, const Terrasse& f, int anfang, int ende) {
    if (f.mitGamma()) {
        spaltenMitGamma(dok, f, anfang, ende);
    } else {
        spaltenOhneGamma(dok, f, anfang, ende);
    }
}

// The same code for processors with AVX2: twice the lanes, the same operations
// in every lane (AVX2 brings no fused multiply-add), so the same bits.
#if defined(__x86_64__)
__attribute__((target("avx2"))) void spaltenTerrassierenAvx2(Dokument& dok, const Terrasse& f,
                                                             int anfang, int ende) {
    if (f.mitGamma()) {
        spaltenMitGamma(dok, f, anfang, ende);
    } else {
        spaltenOhneGamma(dok, f, anfang, ende);
    }
}
#endif

using Kern = void (*)(Dokument&, const Terrasse&, int, int);

Kern kernWaehlen() {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx2")) return spaltenTerrassierenAvx2;
#endif
    return spaltenTerrassieren;
}

}  // namespace

double TerrasseWert(const TerrasseRec& rec, double x) {
    const Terrasse f(rec);
    double kq;
    const double u = f.profil(x, kq);
    return f.zurueck(f.gamma(u), kq);
}

void TerrasseAnwenden(Dokument& dok, const TerrasseRec& rec) {
    const Terrasse f(rec);
    const Kern kern = kernWaehlen();
    ZweiFaeden([&](int t) {
        const Spalten s = haelfte(t, dok.MaxX + 1);
        kern(dok, f, s.anfang, s.ende);
    });
}

}  // namespace gm
