#include "editing/berg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "core/puffer.h"
#include "core/zahlen.h"

namespace gm {

namespace {

// ---- "Mountain 2" ----

double schwerpunktKoordinate(double a, double b, double c, double r) {
    const double m = (a + b + c) / 3.0;
    const double d = (std::abs(a - m) + std::abs(b - m) + std::abs(c - m)) / 3.0;
    return m + d * r;
}

void schwerpunktTeilen(const BergRec& berg, const Bergpunkt& a, const Bergpunkt& b,
                       const Bergpunkt& c, int level, Zufallsfolge& zufall, Dreiecksliste& liste) {
    const double r1 = (zufall() - 0.5) * berg.ZufallX;
    const double r2 = (zufall() - 0.5) * berg.ZufallY;
    const double r3 = (zufall() - 0.5) * berg.ZufallZ;
    const Bergpunkt m{schwerpunktKoordinate(a.x, b.x, c.x, r1),
                      schwerpunktKoordinate(a.y, b.y, c.y, r2),
                      schwerpunktKoordinate(a.z, b.z, c.z, r3)};
    if (berg.Level <= level + 1) {
        liste.push_back({{a, m, b}});
        liste.push_back({{b, m, c}});
        liste.push_back({{c, m, a}});
        return;
    }
    schwerpunktTeilen(berg, a, m, b, level + 1, zufall, liste);
    schwerpunktTeilen(berg, b, m, c, level + 1, zufall, liste);
    schwerpunktTeilen(berg, c, m, a, level + 1, zufall, liste);
}

// ---- "Mountain 1" ----

struct Gitterzelle {
    bool gesetzt = false;
    Bergpunkt punkt;
};

// Lattice positions (row, column): the peak at (0, 0), the fan triangle's
// first outline corner at (N, 0) and its second at (0, N).
struct Gitterpunkt {
    Bergpunkt p;
    int r = 0, c = 0;
};

class Kantenteiler {
  public:
    Kantenteiler(const BergRec& berg, int kante, Zufallsfolge& zufall, Dreiecksliste& liste)
        : berg_(berg),
          zufall_(zufall),
          liste_(liste),
          kante_(kante),
          gitter_(std::size_t(kante) * kante) {}

    Gitterzelle& zelle(int r, int c) { return gitter_[std::size_t(r) * kante_ + c]; }
    // Clears the flags of the lattice rows and columns 0..n.
    void flaggenLoeschen(int n) {
        for (int r = 0; r <= n; ++r)
            for (int c = 0; c <= n; ++c)
                zelle(r, c).gesetzt = false;
    }
    void setzen(int r, int c, const Bergpunkt& p) { zelle(r, c) = {true, p}; }

    void teilen(const Gitterpunkt& p0, const Gitterpunkt& p1, const Gitterpunkt& p2, int level) {
        const Gitterpunkt m01 = kantenpunkt(p0, p1);
        const Gitterpunkt m12 = kantenpunkt(p1, p2);
        const Gitterpunkt m20 = kantenpunkt(p2, p0);
        if (berg_.Level <= level + 1) {
            liste_.push_back({{p0.p, m01.p, m20.p}});
            liste_.push_back({{m01.p, p1.p, m12.p}});
            liste_.push_back({{m20.p, m12.p, p2.p}});
            liste_.push_back({{m01.p, m12.p, m20.p}});
            return;
        }
        teilen(p0, m01, m20, level + 1);
        teilen(m01, p1, m12, level + 1);
        teilen(m20, m12, p2, level + 1);
        teilen(m01, m12, m20, level + 1);
    }

  private:
    Gitterpunkt kantenpunkt(const Gitterpunkt& a, const Gitterpunkt& b) {
        const int r = (a.r + b.r) / 2, c = (a.c + b.c) / 2;
        Gitterzelle& z = zelle(r, c);
        if (!z.gesetzt) {
            const double fx = (zufall_() - 0.5) * berg_.ZufallX + 0.5;
            const double fy = (zufall_() - 0.5) * berg_.ZufallY + 0.5;
            const double fz = (zufall_() - 0.5) * berg_.ZufallZ + 0.5;
            const Bergpunkt& p = a.p;
            const Bergpunkt& q = b.p;
            z = {true, {p.x + (q.x - p.x) * fx, p.y + (q.y - p.y) * fy, p.z + (q.z - p.z) * fz}};
        }
        return {z.punkt, r, c};
    }

    const BergRec& berg_;
    Zufallsfolge& zufall_;
    Dreiecksliste& liste_;
    int kante_;
    std::vector<Gitterzelle> gitter_;
};

// ---- rasteriser ----

constexpr int ZeilenAnzahl = FeldMaxIndex + 1;
constexpr int KeineSpalte = std::numeric_limits<int>::max();

struct Eintrag {
    int spalte;
    double hoehe;
};

// The left and right ends of each row of one triangle. Both start at "none":
// a triangle wholly left of the grid must not reach column 0.
struct Zeilentabellen {
    std::array<Eintrag, ZeilenAnzahl> links, rechts;

    void zuruecksetzen(int von, int bis) {
        for (int y = von; y <= bis; ++y) {
            links[y] = {KeineSpalte, 0.0};
            rechts[y] = {-KeineSpalte, 0.0};
        }
    }
    void eintragen(int y, int spalte, double hoehe) {
        if (spalte < links[y].spalte) links[y] = {spalte, hoehe};
        if (spalte > rechts[y].spalte) rechts[y] = {spalte, hoehe};
    }
};

struct Ecke {
    int x, y;
    double z;
};

void kanteEintragen(Zeilentabellen& t, const Ecke& a, const Ecke& b) {
    if (a.y == b.y) {
        if (a.y < 0 || a.y >= ZeilenAnzahl) return;
        const Ecke& l = a.x <= b.x ? a : b;
        const Ecke& r = a.x <= b.x ? b : a;
        t.links[a.y] = {l.x, l.z};
        t.rechts[a.y] = {r.x, r.z};
        return;
    }
    const int von = std::max(std::min(a.y, b.y), 0);
    const int bis = std::min(std::max(a.y, b.y), ZeilenAnzahl - 1);
    for (int y = von; y <= bis; ++y) {
        const double t1 = double(y - b.y) / double(a.y - b.y);
        const double spalte = double(a.x) * t1 + double(b.x) * (1.0 - t1);
        t.eintragen(y, roundToInt(spalte), a.z * t1 + b.z * (1.0 - t1));
    }
}

void zeileFuellen(Dokument& dok, int y, const Eintrag& l, const Eintrag& r) {
    const int von = std::max(l.spalte, 0);
    const int bis = std::min(r.spalte, dok.MaxX);
    for (int x = von; x <= bis; ++x) {
        double z = l.spalte == r.spalte
                       ? l.hoehe
                       : (double(x - r.spalte) * l.hoehe + double(l.spalte - x) * r.hoehe) /
                             double(l.spalte - r.spalte);
        if (z <= 0.0) z = 0.0;
        double& zelle = dok.Zweitbild(x, y);
        if (z > zelle) zelle = z;
    }
}

// Corner coordinates far off the grid are clamped before they become integers.
int rasterKoordinate(double v) {
    constexpr double grenze = 1.0e6;
    return roundToInt(std::clamp(v, -grenze, grenze));
}

Rechteck dreieckZeichnen(Dokument& dok, const Bergdreieck& d, Zeilentabellen& tabellen) {
    const Ecke e[3] = {
        {rasterKoordinate(d.p[0].x), rasterKoordinate(d.p[0].y), d.p[0].z},
        {rasterKoordinate(d.p[1].x), rasterKoordinate(d.p[1].y), d.p[1].z},
        {rasterKoordinate(d.p[2].x), rasterKoordinate(d.p[2].y), d.p[2].z},
    };
    const int oben = std::min({e[0].y, e[1].y, e[2].y});
    const int unten = std::max({e[0].y, e[1].y, e[2].y});
    if (unten < 1 || oben >= ZeilenAnzahl) return {};
    const int von = std::max(oben, 0), bis = std::min(unten, ZeilenAnzahl - 1);
    tabellen.zuruecksetzen(von, bis);
    kanteEintragen(tabellen, e[0], e[1]);
    kanteEintragen(tabellen, e[1], e[2]);
    kanteEintragen(tabellen, e[2], e[0]);
    Rechteck r{dok.MaxX + 1, von, -1, std::min(bis, dok.MaxY)};
    for (int y = von; y <= r.y1; ++y) {
        const Eintrag& l = tabellen.links[y];
        const Eintrag& re = tabellen.rechts[y];
        if (l.spalte == KeineSpalte) continue;
        zeileFuellen(dok, y, l, re);
        r.x0 = std::min(r.x0, std::max(l.spalte, 0));
        r.x1 = std::max(r.x1, std::min(re.spalte, dok.MaxX));
    }
    return r;
}

}  // namespace

void BergSchwerpunkt(const BergRec& berg, const Umriss& u, double hoehe, Zufallsfolge& zufall,
                     Dreiecksliste& liste) {
    std::size_t jeKante = 1;
    for (int l = 1; l < berg.Level; ++l)
        jeKante *= 3;
    liste.reserve(liste.size() + std::size_t(u.n) * jeKante);
    const Bergpunkt s{u.spitze.x, u.spitze.y, hoehe};
    for (int k = 1; k <= u.n; ++k) {
        const Bergpunkt a{u.O[k - 1].x, u.O[k - 1].y, 0.0};
        const Bergpunkt c{u.O[k].x, u.O[k].y, 0.0};
        schwerpunktTeilen(berg, a, s, c, 1, zufall, liste);
    }
}

void BergKanten(const BergRec& berg, const Umriss& u, double hoehe, Zufallsfolge& zufall,
                Dreiecksliste& liste) {
    const int N = 1 << berg.Level;
    liste.reserve(liste.size() + std::size_t(u.n) * (std::size_t(1) << (2 * (berg.Level - 1))));
    // Lattice positions run 0..N; nothing beyond them is ever read.
    Kantenteiler teiler(berg, N + 1, zufall, liste);
    std::vector<Bergpunkt> ersteSpalte(std::size_t(N) + 1);
    const Bergpunkt s{u.spitze.x, u.spitze.y, hoehe};
    for (int k = 1; k <= u.n; ++k) {
        teiler.flaggenLoeschen(N);
        if (k > 1) {
            // The radial edge S-O[k-1] reuses the previous triangle's points.
            for (int r = 0; r <= N; ++r)
                teiler.setzen(r, 0, teiler.zelle(0, r).punkt);
        }
        if (k == u.n) {
            // The closing edge S-O[n] = S-O[0] reuses the first triangle's points.
            for (int r = 0; r <= N; ++r)
                teiler.setzen(0, r, ersteSpalte[r]);
        }
        const Gitterpunkt p0{{u.O[k - 1].x, u.O[k - 1].y, 0.0}, N, 0};
        const Gitterpunkt p1{s, 0, 0};
        const Gitterpunkt p2{{u.O[k].x, u.O[k].y, 0.0}, 0, N};
        teiler.setzen(0, 0, p1.p);
        teiler.setzen(N, 0, p0.p);
        teiler.setzen(0, N, p2.p);
        teiler.teilen(p0, p1, p2, 1);
        if (k == 1) {
            for (int r = 0; r <= N; ++r)
                ersteSpalte[r] = teiler.zelle(r, 0).punkt;
        }
    }
}

Rechteck DreieckZeichnen(Dokument& dok, const Bergdreieck& d) {
    auto tabellen = std::make_unique<Zeilentabellen>();
    return dreieckZeichnen(dok, d, *tabellen);
}

Rechteck DreieckeZeichnen(Dokument& dok, const Dreiecksliste& liste) {
    int x0 = dok.MaxX + 1, y0 = dok.MaxY + 1, x1 = -1, y1 = -1;
    for (const Bergdreieck& d : liste) {
        for (const Bergpunkt& p : d.p) {
            x0 = std::min(x0, rasterKoordinate(p.x));
            x1 = std::max(x1, rasterKoordinate(p.x));
            y0 = std::min(y0, rasterKoordinate(p.y));
            y1 = std::max(y1, rasterKoordinate(p.y));
        }
    }
    const Rechteck r{std::max(x0, 0), std::max(y0, 0), std::min(x1, dok.MaxX),
                     std::min(y1, dok.MaxY)};
    if (r.leer()) return {};
    ZweitbildLeeren(dok, r);
    auto tabellen = std::make_unique<Zeilentabellen>();
    for (const Bergdreieck& d : liste)
        dreieckZeichnen(dok, d, *tabellen);
    return r;
}

}  // namespace gm
