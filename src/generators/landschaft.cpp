#include "generators/landschaft.h"

#include <cmath>
#include <vector>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zufall.h"

namespace gm {

namespace {

using R = LandschaftParamRec;

const Parameter faktor = Param<&R::Faktor>("Faktor", 1.0, 0.5, 1.5, Skala::Linear, 0.01, "Details");
const Parameter weichheit =
    Param<&R::Weichheit>("Weichheit", 0.0, 0.0, 1.0, Skala::Linear, 0.01, "Weichheit");

const Parameter schollenParameter[] = {
    Param<&R::Anzahl>("Anzahl", 128, 5, 1000, Skala::Linear, 5, "Level"), faktor, weichheit};
const Parameter quadtreeParameter[] = {
    Param<&R::Ebenen>("Ebenen", 10, 2, 10, Skala::Linear, 1, "Level"), faktor, weichheit};

// One fault cut: the line y = c + m * (x + 1 - x1) row by row, kept as the
// running value c that each row advances by m, as the cut was drawn.
struct Schnitt {
    double c, m, h;
    bool unten;  // raises y < line (the second point right of the first), else y > line
};

std::vector<Schnitt> schnitteZiehen(Dokument& dok, const R& rec) {
    std::vector<Schnitt> schnitte;
    schnitte.reserve(std::size_t(rec.Anzahl));
    const double maxX = dok.MaxX, maxY = dok.MaxY;
    double h = 1.0;
    for (int k = 0; k < rec.Anzahl; ++k) {
        h *= rec.Faktor;
        const double x1 = Random(dok) * maxX, y1 = Random(dok) * maxY;
        double x2, y2;
        do {
            x2 = Random(dok) * maxX;
            y2 = Random(dok) * maxY;
        } while (x2 == x1 || y2 == y1);
        const double m = (y2 - y1) / (x2 - x1);
        schnitte.push_back({y1 - x1 * m, m, h, x2 > x1});
    }
    return schnitte;
}

// The fault pass. Each row's cells covered by a cut form one run (a prefix
// or a suffix of the row), so each cut adds +h and -h to a difference row,
// and one running sum per row replaces a pass over every covered cell.
void schollen(Dokument& dok, const R& rec) {
    std::vector<Schnitt> schnitte = schnitteZiehen(dok, rec);
    const int n = dok.MaxY + 1;
    std::vector<double> differenz(std::size_t(n) + 1);
    for (int x = 0; x <= dok.MaxX; ++x) {
        std::fill(differenz.begin(), differenz.end(), 0.0);
        for (Schnitt& s : schnitte) {
            s.c += s.m;
            if (s.unten) {
                // Cells y < c: y = 0 .. ceil(c) - 1.
                const double ende = std::ceil(s.c);
                if (ende <= 0.0) continue;
                differenz[0] += s.h;
                if (ende < n) differenz[std::size_t(ende)] -= s.h;
            } else {
                // Cells y > c: y = floor(c) + 1 .. n - 1.
                const double anfang = std::floor(s.c) + 1.0;
                if (anfang >= n) continue;
                differenz[anfang <= 0.0 ? 0 : std::size_t(anfang)] += s.h;
            }
        }
        double* z = dok.Zweitbild.spalte(x);
        double summe = 0.0;
        for (int y = 0; y < n; ++y) {
            summe += differenz[std::size_t(y)];
            z[y] += summe;
        }
    }
}

// Draws made by a node of level l and everything below it.
std::uint64_t zuege(int l) {
    return l <= 1 ? 4 : 4 + 4 * zuege(l - 1);
}

struct Quadtree {
    Dokument& dok;
    Zufallsfolge zufall;

    // QuadtreeTeilen: v accumulates over the four quadrants in the order
    // (0,0), (0,1), (1,0), (1,1). A quadrant that starts outside the field
    // holds no leaf inside it; its draws are skipped, not made.
    void teilen(int l, int x0, int y0, double f, double v) {
        l -= 1;
        f *= f;
        const int seite = 1 << l;
        for (int i = 0; i < 2; ++i) {
            const int x = x0 + i * seite;
            for (int j = 0; j < 2; ++j) {
                v += zufall() * f;
                const int y = y0 + j * seite;
                const bool innen = x <= dok.MaxX && y <= dok.MaxY;
                if (l > 0) {
                    if (innen) {
                        teilen(l, x, y, f, v);
                    } else {
                        zufall = Zufallsfolge(ZufallVoraus(zufall.seed(), zuege(l)));
                    }
                } else if (innen) {
                    dok.Zweitbild(x, y) += v;
                }
            }
        }
    }
};

}  // namespace

std::span<const Parameter> SchollenParameter() {
    return schollenParameter;
}
std::span<const Parameter> QuadtreeParameter() {
    return quadtreeParameter;
}

LandschaftParamRec LandschaftStandard() {
    return {10, 128, 1.0, 0.0};
}

void LandschaftGlaetten(Dokument& dok, double a) {
    // With a = 0 every step is a * b + 1 * z = z.
    if (a == 0.0) return;
    const double b = 1.0 - a;
    const int maxX = dok.MaxX, maxY = dok.MaxY;
    for (int x = 0; x <= maxX; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 1; y <= maxY; ++y)
            z[y] = a * z[y - 1] + b * z[y];
        for (int y = maxY - 1; y >= 0; --y)
            z[y] = a * z[y + 1] + b * z[y];
    }
    // Along x, a whole column at a time: the same steps for every row.
    for (int x = 1; x <= maxX; ++x) {
        const double* vor = dok.Zweitbild.spalte(x - 1);
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= maxY; ++y)
            z[y] = a * vor[y] + b * z[y];
    }
    for (int x = maxX - 1; x >= 0; --x) {
        const double* nach = dok.Zweitbild.spalte(x + 1);
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= maxY; ++y)
            z[y] = a * nach[y] + b * z[y];
    }
}

void LandschaftBerechnen(Dokument& dok, const LandschaftParamRec& rec, int modus) {
    ZweitbildNullen(dok);
    if (modus == LandschaftSchollen) {
        schollen(dok, rec);
    } else if (modus == LandschaftQuadtree) {
        Quadtree q{dok, Zufallsfolge(dok.RandSeed)};
        q.teilen(rec.Ebenen, 0, 0, rec.Faktor, 1.0);
        dok.RandSeed = q.zufall.seed();
    }
    LandschaftGlaetten(dok, rec.Weichheit);
}

Status SchollenAusfuehren(Dokument& dok, const Werte& werte) {
    LandschaftBerechnen(dok, recordAus(SchollenParameter(), werte, LandschaftStandard()),
                        LandschaftSchollen);
    ZweitbildVerknuepfen(dok);
    return {};
}

Status QuadtreeAusfuehren(Dokument& dok, const Werte& werte) {
    LandschaftBerechnen(dok, recordAus(QuadtreeParameter(), werte, LandschaftStandard()),
                        LandschaftQuadtree);
    ZweitbildVerknuepfen(dok);
    return {};
}

}  // namespace gm
