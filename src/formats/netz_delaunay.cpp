#include "formats/netz_delaunay.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <numeric>

#include "formats/netz_praedikate.h"

namespace gm {

namespace {

using std::int32_t;
using std::int64_t;
using std::uint32_t;
using std::uint8_t;

// A triangle, clockwise, with the triangle across each edge v[k] -> v[k + 1]
// (-1 beyond the enclosing triangle). `marke` tells what the current insertion
// found. No point with x beyond `bisX` lies in its circle (known once it has
// been tested and found outside). 32 bytes, so a record never straddles two
// cache lines; its place in the array of the insertion loop is kept apart.
struct alignas(32) Tri {
    int32_t v[3];
    int32_t nb[3];
    uint32_t marke;
    int32_t bisX;
};
static_assert(sizeof(Tri) == 32);

constexpr int32_t Unbekannt = std::numeric_limits<int32_t>::max();
constexpr int32_t KeineSpalte = std::numeric_limits<int32_t>::min();

// What the fan step knows of a fan triangle: whether the new point lies in
// its circle, and whether the triangle after or before it around the apex stays.
enum : uint8_t { Drin = 1, FolgendBleibt = 2, VorherBleibt = 4 };

// The circle of (a, b, c) in the metric dx^2 + q * dy^2, in floating point:
// centre (mx, my) and radius r, with a bound on the error of mx, of r and of
// sqrt(q) * my.
struct Kreis {
    double mx, my, r, fehler;
};

Kreis kreisNaeherung(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q) {
    const double bx = double(b.x - a.x), by = double(b.y - a.y);
    const double cx = double(c.x - a.x), cy = double(c.y - a.y);
    const double cr = bx * cy - by * cx;  // exact, never 0
    const double b2 = bx * bx + q * (by * by), c2 = cx * cx + q * (cy * cy);
    const double ux = (cy * b2 - by * c2) / (2.0 * cr);
    const double uy = (bx * c2 - cx * b2) / (2.0 * cr * q);
    const double r = std::sqrt(ux * ux + q * (uy * uy));
    const double wq = std::sqrt(q);
    const double fehler =
        1e-13 * ((std::fabs(cy) * b2 + std::fabs(by) * c2) / std::fabs(cr) + std::fabs(ux) +
                 wq * ((std::fabs(bx) * c2 + std::fabs(cx) * b2) / (q * std::fabs(cr)) +
                       std::fabs(uy) + std::fabs(a.y)) +
                 r + std::fabs(a.x) + 1.0);
    return {a.x + ux, a.y + uy, r, fehler};
}

// Largest whole x a point inside or on the circle of (a, b, c) can have.
int32_t kreisBisX(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q) {
    const Kreis k = kreisNaeherung(a, b, c, q);
    const double bis = k.mx + k.r + k.fehler;
    return bis < 1e9 ? int32_t(std::floor(bis)) : Unbekannt;
}

// Whole bounds on the y of the points of column x inside or on the circle of
// (a, b, c); an empty range when there are none.
void kreisSpalte(GitterPunkt a, GitterPunkt b, GitterPunkt c, double q, int32_t x, int32_t& von,
                 int32_t& bis) {
    const Kreis k = kreisNaeherung(a, b, c, q);
    const double dx = std::max(std::fabs(x - k.mx) - k.fehler, 0.0);
    const double r = k.r + k.fehler;
    const double d = r * r - dx * dx + 1e-15 * (r * r + dx * dx);
    if (d < 0.0) {
        von = 1, bis = 0;
        return;
    }
    const double wq = std::sqrt(q);
    const double w = std::sqrt(d / q) * (1.0 + 1e-15) + k.fehler / wq + 1e-15 * std::fabs(k.my);
    const double unten = std::floor(k.my - w) - 1.0, oben = std::ceil(k.my + w) + 1.0;
    von = unten > -1e9 ? int32_t(unten) : std::numeric_limits<int32_t>::min();
    bis = oben < 1e9 ? int32_t(oben) : std::numeric_limits<int32_t>::max();
}

// A surviving cavity edge a -> b and the triangle outside it.
struct Kante {
    int32_t a, b, aussen;
};

// A triangle (a, b, apex) of the newest point's fan: its edge away from the
// apex, the triangle outside that edge and the triangle's number.
// Points of column `spalte` inside or on the circle of the triangle outside
// have y in [vonY, bisY] (spalte is KeineSpalte until that is known).
struct FaecherDreieck {
    int32_t a, b, aussen, id;
    int32_t spalte = KeineSpalte, vonY = 0, bisY = 0;
};

// What fernLeitterm keeps of a triangle with two far corners.
struct FernGrad {
    int32_t v[3] = {-1, -1, -1};
    GitterPunkt a{};
    __int128 gA[2]{}, gB[2]{};
};

// The triangles whose circle holds the new point are found by walking to the
// triangle that holds it and spreading over neighbours (the set is connected
// because every circle of a Delaunay triangulation is empty). Their removal
// and the new triangles then follow the array order of the insertion loop
// exactly, so the result is the loop's, triangle for triangle.
class Triangulation {
  public:
    Triangulation(std::vector<GitterPunkt> pts, double q) : pts_(std::move(pts)), q_(q) {
        n_ = int32_t(pts_.size());
        int32_t xmin = pts_[0].x, xmax = xmin, ymin = pts_[0].y, ymax = ymin;
        for (const auto& p : pts_) {
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
        }
        // The box centre cut to whole numbers; the corners lie beyond any bound
        // in the directions of (-2, -1), (0, 2) and (2, -1).
        const int64_t xm = (int64_t(xmin) + xmax) / 2, ym = (int64_t(ymin) + ymax) / 2;
        fern_[0] = {xm, ym, -2, -1};
        fern_[1] = {xm, ym, 0, 2};
        fern_[2] = {xm, ym, 2, -1};
        // Differences below 2^12 keep the in-circle terms exact in 64 bits.
        klein_ = int64_t(xmax) - xmin < 4096 && int64_t(ymax) - ymin < 4096;
        einsQ_ = q == 1.0;
        anfang_.assign(std::size_t(n_) + 3, -1);
        beginnt_.assign(std::size_t(n_) + 3, -1);
        endet_.assign(std::size_t(n_) + 3, -1);
    }

    std::vector<Tri> rechnen() {
        tris_.reserve(std::size_t(2) * n_ + 8);
        pos_.reserve(std::size_t(2) * n_ + 8);
        ord_.reserve(std::size_t(2) * n_ + 8);
        const int32_t start = neu(n_, n_ + 1, n_ + 2);
        letzt_ = start;
        for (int32_t k = 0; k < n_; ++k) {
            if (apex_ >= 0 && faecherEinfuegen(k)) continue;
            faecherAufloesen();
            einfuegen(k);
            faecherUebernehmen(k);
        }
        faecherAufloesen();
        // Remove every triangle with a far corner, the last moving into its place.
        for (std::size_t i = 0; i < ord_.size(); ++i) {
            const Tri& t = tris_[ord_[i]];
            if (t.v[0] >= n_ || t.v[1] >= n_ || t.v[2] >= n_) {
                ord_[i] = ord_.back();
                ord_.pop_back();
                --i;
            }
        }
        std::vector<Tri> out;
        out.reserve(ord_.size());
        for (int32_t id : ord_)
            out.push_back(tris_[id]);
        return out;
    }

  private:
    FernPunkt fernPunkt(int32_t v) const {
        if (v < n_) return {pts_[v].x, pts_[v].y, 0, 0};
        return fern_[v - n_];
    }

    // Positive when p lies strictly left of a -> b (outside a clockwise
    // triangle with that edge).
    int64_t seite(int32_t a, int32_t b, GitterPunkt p) const {
        if (a < n_ && b < n_) return orientierung(pts_[a], pts_[b], p);
        return orientierungFern(fernPunkt(a), fernPunkt(b), p);
    }

    // Whether p lies inside or on the circle of triangle t. The common case,
    // near corners on a small lattice with q = 1, is kept inline.
    bool drin(const Tri& t, GitterPunkt p) const {
        const bool nah = t.v[0] < n_ && t.v[1] < n_ && t.v[2] < n_;
        if (nah && klein_ && einsQ_) {
            return imKreisKleinEins(pts_[t.v[0]], pts_[t.v[1]], pts_[t.v[2]], p);
        }
        return drinAllgemein(t, p);
    }

    [[gnu::noinline]] bool drinAllgemein(const Tri& t, GitterPunkt p) const {
        const int fern = (t.v[0] >= n_) + (t.v[1] >= n_) + (t.v[2] >= n_);
        if (fern == 0) return imKreis(pts_[t.v[0]], pts_[t.v[1]], pts_[t.v[2]], p);
        if (fern == 1) {
            // The circle becomes the half-plane on the far corner's side of
            // a-b, plus the open segment a-b.
            const int f = t.v[0] >= n_ ? 0 : (t.v[1] >= n_ ? 1 : 2);
            const GitterPunkt a = pts_[t.v[(f + 1) % 3]], b = pts_[t.v[(f + 2) % 3]];
            const int64_t o = orientierung(a, b, p);
            if (o != 0) return o < 0;
            const int64_t ux = int64_t(b.x) - a.x, uy = int64_t(b.y) - a.y;
            const int64_t s = (int64_t(p.x) - a.x) * ux + (int64_t(p.y) - a.y) * uy;
            return s > 0 && s < ux * ux + uy * uy;
        }
        const FernPunkt f[3] = {fernPunkt(t.v[0]), fernPunkt(t.v[1]), fernPunkt(t.v[2])};
        if (fern == 2) {
            if (const int s = fernLeitterm(t, f, p)) return s < 0;
        }
        return inKreisFern(f, p, q_) <= 0;
    }

    // With two far corners the determinant has no M^4 term, and its M^3 term
    // is linear in p and vanishes at the near corner a: A3 = gA . (p - a),
    // likewise B3. The gradients are kept per triangle (by its corners, so a
    // reused slot cannot mislead). Gives the sign of A3 + q B3, 0 when it is 0.
    int fernLeitterm(const Tri& t, const FernPunkt f[3], GitterPunkt p) const {
        FernGrad* g = nullptr;
        for (FernGrad& e : fernGrad_) {
            if (e.v[0] == t.v[0] && e.v[1] == t.v[1] && e.v[2] == t.v[2]) g = &e;
        }
        if (!g) {
            g = &fernGrad_[fernNaechster_++ % std::size(fernGrad_)];
            g->v[0] = t.v[0], g->v[1] = t.v[1], g->v[2] = t.v[2];
            const int nah = t.v[0] < n_ ? 0 : (t.v[1] < n_ ? 1 : 2);
            g->a = pts_[t.v[nah]];
            __int128 A[5], B[5];
            inKreisFernPolynome(f, {g->a.x + 1, g->a.y}, A, B);
            g->gA[0] = A[3], g->gB[0] = B[3];
            inKreisFernPolynome(f, {g->a.x, g->a.y + 1}, A, B);
            g->gA[1] = A[3], g->gB[1] = B[3];
        }
        const __int128 dx = p.x - g->a.x, dy = p.y - g->a.y;
        return vorzeichenSumme(g->gA[0] * dx + g->gA[1] * dy, g->gB[0] * dx + g->gB[1] * dy, q_);
    }

    // imKreis for points spanning less than 2^12 and q = 1.
    static bool imKreisKleinEins(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d) {
        const int64_t adx = a.x - d.x, ady = a.y - d.y;
        const int64_t bdx = b.x - d.x, bdy = b.y - d.y;
        const int64_t cdx = c.x - d.x, cdy = c.y - d.y;
        const int64_t bc = bdx * cdy - bdy * cdx;
        const int64_t ca = cdx * ady - cdy * adx;
        const int64_t ab = adx * bdy - ady * bdx;
        return (adx * adx + ady * ady) * bc + (bdx * bdx + bdy * bdy) * ca +
                   (cdx * cdx + cdy * cdy) * ab <=
               0;
    }

    // In-circle test of a clockwise triangle, exact; 64-bit terms when the
    // points span less than 2^12 (|terms| < 2^51).
    bool imKreis(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d) const {
        if (!klein_) return inKreis(a, b, c, d, q_) <= 0;
        if (einsQ_) return imKreisKleinEins(a, b, c, d);
        const int64_t adx = a.x - d.x, ady = a.y - d.y;
        const int64_t bdx = b.x - d.x, bdy = b.y - d.y;
        const int64_t cdx = c.x - d.x, cdy = c.y - d.y;
        const int64_t bc = bdx * cdy - bdy * cdx;
        const int64_t ca = cdx * ady - cdy * adx;
        const int64_t ab = adx * bdy - ady * bdx;
        const int64_t A = adx * adx * bc + bdx * bdx * ca + cdx * cdx * ab;
        const int64_t B = ady * ady * bc + bdy * bdy * ca + cdy * cdy * ab;
        // A and B are exact doubles; the sum rounds by at most 2^-52 of its terms.
        const double qb = q_ * double(B);
        const double s = double(A) + qb;
        const double grenze = 4.5e-16 * (std::abs(double(A)) + std::abs(qb));
        if (s > grenze) return false;
        if (s < -grenze) return true;
        return vorzeichenSumme(A, B, q_) <= 0;
    }

    // A triangle holding p (inside or on its boundary), reached by walking
    // from the last new triangle; -1 when the walk does not end.
    int32_t suchen(GitterPunkt p) const {
        int32_t t = letzt_, vorher = -1;
        for (std::size_t schritte = 0; schritte <= tris_.size() + 3; ++schritte) {
            const Tri& d = tris_[t];
            int32_t weiter = -1;
            for (int k = 0; k < 3 && weiter < 0; ++k) {
                if (d.nb[k] < 0 || d.nb[k] == vorher) continue;
                if (seite(d.v[k], d.v[(k + 1) % 3], p) > 0) weiter = d.nb[k];
            }
            if (weiter < 0) return t;
            vorher = t;
            t = weiter;
        }
        return -1;
    }

    // Every triangle whose circle holds p, marked and listed in raus_[0, rausAnzahl_).
    void hoehleFinden(GitterPunkt p) {
        // The new point usually lies in a circle of the previous point's fan.
        int32_t start = -1;
        for (auto it = neue_.rbegin(); it != neue_.rend() && start < 0; ++it) {
            if (drin(tris_[*it], p)) start = *it;
        }
        if (start < 0) {
            start = suchen(p);
            if (start >= 0 && !drin(tris_[start], p)) start = -1;
        }
        if (start < 0) {
            // Not expected on a valid triangulation; a full search stays correct.
            for (int32_t id : ord_)
                if (drin(tris_[id], p)) start = id;
            assert(start >= 0);
        }
        // The set is at most every triangle; the list is written in place.
        if (raus_.size() <= tris_.size()) raus_.resize(2 * tris_.size() + 1);
        int32_t* liste = raus_.data();
        std::size_t anzahl = 0;
        tris_[start].marke = stempel_ + 1;
        liste[anzahl++] = start;
        // Depth first: the walk runs along the fan, which keeps the outcome of
        // the mark test regular. The order of the list does not matter.
        stapel_.clear();
        stapel_.push_back(start);
        while (!stapel_.empty()) {
            const Tri& t = tris_[stapel_.back()];
            stapel_.pop_back();
            for (const int32_t nb : t.nb) {
                if (nb < 0) continue;
                Tri& u = tris_[nb];
                if (u.marke >= stempel_) continue;
                if (p.x <= u.bisX && drin(u, p)) {
                    u.marke = stempel_ + 1;
                    liste[anzahl++] = nb;
                    stapel_.push_back(nb);
                } else {
                    u.marke = stempel_;
                    if (u.bisX == Unbekannt) bisXSetzen(u);
                }
            }
        }
        rausAnzahl_ = anzahl;
    }

    // Bounds the circle of a triangle without far corners; far ones stay unbounded.
    void bisXSetzen(Tri& t) const {
        if (t.v[0] >= n_ || t.v[1] >= n_ || t.v[2] >= n_) {
            t.bisX = Unbekannt - 1;
            return;
        }
        t.bisX = kreisBisX(pts_[t.v[0]], pts_[t.v[1]], pts_[t.v[2]], q_);
        if (t.bisX == Unbekannt) t.bisX = Unbekannt - 1;
    }

    bool entfernt(int32_t id) const { return id >= 0 && tris_[id].marke == stempel_ + 1; }

    void einfuegen(int32_t k) {
        stempel_ += 2;
        hoehleFinden(pts_[k]);
        entfernen();
        // One new triangle per surviving edge, in edge order; each is linked
        // to the triangle outside its edge and to its neighbours in the fan.
        neue_.resize(kantenAnzahl_);
        for (std::size_t i = 0; i < kantenAnzahl_; ++i) {
            const Kante e = kanten_[i];
            const int32_t id = neu(e.a, e.b, k);
            tris_[id].nb[0] = e.aussen;
            if (e.aussen >= 0) {
                Tri& u = tris_[e.aussen];
                const int s = u.v[0] == e.b ? 0 : (u.v[1] == e.b ? 1 : 2);
                u.nb[s] = id;
            }
            anfang_[e.a] = id;
            neue_[i] = id;
        }
        for (int32_t id : neue_) {
            Tri& t = tris_[id];
            const int32_t folgend = anfang_[t.v[1]];
            t.nb[1] = folgend;
            tris_[folgend].nb[2] = id;
        }
        letzt_ = neue_.back();
    }

    // Sorts raus_ by place in the array. Most lie near its end (the previous
    // point's fan): those are placed directly by position, the rest sorted.
    void ordnen() {
        const std::size_t n = ord_.size(), fenster = std::min(n, 4 * rausAnzahl_ + 64);
        const std::size_t basis = n - fenster;
        if (platz_.size() < fenster) platz_.resize(fenster, -1);
        schluessel_.clear();
        std::size_t erster = fenster;
        for (std::size_t i = 0; i < rausAnzahl_; ++i) {
            const int32_t id = raus_[i];
            const std::size_t pos = std::size_t(pos_[id]);
            if (pos >= basis) {
                platz_[pos - basis] = id;
                erster = std::min(erster, pos - basis);
            } else {
                schluessel_.push_back(std::uint64_t(pos) << 32 | uint32_t(id));
            }
        }
        std::sort(schluessel_.begin(), schluessel_.end());
        std::size_t k = 0;
        for (std::uint64_t s : schluessel_)
            raus_[k++] = int32_t(uint32_t(s));
        for (std::size_t i = erster; k < rausAnzahl_; ++i) {
            if (platz_[i] >= 0) {
                raus_[k++] = platz_[i];
                platz_[i] = -1;
            }
        }
    }

    // Removes the triangles in raus_ as the array walk meets them: a removed
    // triangle's place takes the last one, which is looked at next. Collects
    // the edges not shared by two removed triangles, in the walk's order.
    void entfernen() {
        ordnen();
        if (kanten_.size() < 3 * rausAnzahl_ + 1) kanten_.resize(3 * rausAnzahl_ + 1);
        Kante* kante = kanten_.data();
        std::size_t f = 0, b = rausAnzahl_;
        while (f < b) {
            const int32_t id = raus_[f];
            const Tri& t = tris_[id];
            for (int k = 0; k < 3; ++k) {
                if (!entfernt(t.nb[k])) *kante++ = {t.v[k], t.v[k == 2 ? 0 : k + 1], t.nb[k]};
            }
            const int32_t j = pos_[id];
            const int32_t letzter = ord_.back();
            ord_[j] = letzter;
            pos_[letzter] = j;
            ord_.pop_back();
            frei_.push_back(id);
            if (letzter != id && raus_[b - 1] == letzter && b - 1 > f) {
                raus_[f] = letzter;
                --b;
            } else {
                ++f;
            }
        }
        kantenAnzahl_ = std::size_t(kante - kanten_.data());
    }

    // The fan: every triangle of the newest point apex_, at the last
    // fan_.size() places of the array in fan_ order, after those of ord_. Their
    // records are written only when the fan is dissolved; the triangles outside
    // already link to them by number.

    Tri faecherTri(const FaecherDreieck& e) const {
        return {{e.a, e.b, apex_}, {-1, -1, -1}, 0, Unbekannt};
    }

    // Inserts point k as the array walk would, when the triangles whose circle
    // holds it include some of the fan and leave the fan's surviving places
    // enough to fill those freed before it. Changes nothing and gives false
    // otherwise.
    bool faecherEinfuegen(int32_t k) {
        const GitterPunkt p = pts_[k];
        const std::size_t n = fan_.size();
        const std::size_t drinnen = faecherTesten(p);
        if (drinnen == 0) return false;
        stempel_ += 2;
        if (!aussenFinden(p) || aussen_.size() > n - drinnen) return false;
        speichenMarken();
        faecherWalk();
        faecherNeu(k);
        return true;
    }

    // Marks the fan triangles whose circle holds p; gives their number. With
    // near corners on a small lattice and q = 1 the apex's terms are taken once.
    std::size_t faecherTesten(GitterPunkt p) {
        const std::size_t n = fan_.size();
        faecherDrin_.resize(n);
        ueberlebende_.clear();
        kandidaten_.clear();
        // A removed triangle's outer neighbour needs a look unless its
        // circle's known range on this column leaves p out.
        auto merken = [&](std::size_t i, bool d) {
            faecherDrin_[i] = d;
            const FaecherDreieck& e = fan_[i];
            if (!d) {
                ueberlebende_.push_back(int32_t(i));
            } else if (e.aussen >= 0 && (e.spalte != p.x || (p.y >= e.vonY && p.y <= e.bisY))) {
                kandidaten_.push_back(int32_t(i));
            }
        };
        if (!klein_ || !einsQ_) {
            for (std::size_t i = 0; i < n; ++i)
                merken(i, drin(faecherTri(fan_[i]), p));
            return n - ueberlebende_.size();
        }
        const GitterPunkt c = pts_[apex_];
        const int64_t cdx = c.x - p.x, cdy = c.y - p.y, lc = cdx * cdx + cdy * cdy;
        for (std::size_t i = 0; i < n; ++i) {
            const FaecherDreieck& e = fan_[i];
            bool d;
            if (e.a < n_ && e.b < n_) {
                const GitterPunkt a = pts_[e.a], b = pts_[e.b];
                const int64_t adx = a.x - p.x, ady = a.y - p.y;
                const int64_t bdx = b.x - p.x, bdy = b.y - p.y;
                const int64_t bc = bdx * cdy - bdy * cdx;
                const int64_t ca = cdx * ady - cdy * adx;
                const int64_t ab = adx * bdy - ady * bdx;
                d = (adx * adx + ady * ady) * bc + (bdx * bdx + bdy * bdy) * ca + lc * ab <= 0;
            } else {
                d = drinAllgemein(faecherTri(e), p);
            }
            merken(i, d);
        }
        return n - ueberlebende_.size();
    }

    // Marks the removed fan triangles that share an edge to the apex with a
    // surviving one: that edge stays.
    void speichenMarken() {
        for (const int32_t s : ueberlebende_) {
            const int32_t vorher = endet_[fan_[s].a], folgend = beginnt_[fan_[s].b];
            if (faecherDrin_[vorher] & Drin) faecherDrin_[vorher] |= FolgendBleibt;
            if (faecherDrin_[folgend] & Drin) faecherDrin_[folgend] |= VorherBleibt;
        }
    }

    // The removed triangles outside the fan, marked and listed in aussen_: the
    // removed set is connected, so they are reached across the outer edges of
    // removed fan triangles. False when the search does not end.
    bool aussenFinden(GitterPunkt p) {
        aussen_.clear();
        stapel_.clear();
        auto pruefen = [&](int32_t id) {
            if (id < 0 || faecherVon_[id] == apex_) return;
            Tri& u = tris_[id];
            if (u.marke >= stempel_) return;
            if (p.x <= u.bisX && drin(u, p)) {
                u.marke = stempel_ + 1;
                aussen_.push_back(id);
                stapel_.push_back(id);
            } else {
                u.marke = stempel_;
                if (u.bisX == Unbekannt) bisXSetzen(u);
            }
        };
        // An outer neighbour is never in the fan. The same ones are asked
        // for point after point of a column, so each fan triangle keeps the
        // y range its outer neighbour's circle covers on the column.
        for (const int32_t i : kandidaten_) {
            FaecherDreieck& e = fan_[i];
            if (e.spalte != p.x) {
                const Tri& u = tris_[e.aussen];
                e.spalte = p.x;
                e.vonY = std::numeric_limits<int32_t>::min();
                e.bisY = std::numeric_limits<int32_t>::max();
                if (u.v[0] < n_ && u.v[1] < n_ && u.v[2] < n_) {
                    kreisSpalte(pts_[u.v[0]], pts_[u.v[1]], pts_[u.v[2]], q_, p.x, e.vonY, e.bisY);
                }
            }
            if (p.y >= e.vonY && p.y <= e.bisY) pruefen(e.aussen);
        }
        while (!stapel_.empty()) {
            const Tri& t = tris_[stapel_.back()];
            stapel_.pop_back();
            for (const int32_t nb : t.nb)
                pruefen(nb);
            if (aussen_.size() > fan_.size()) return false;
        }
        return true;
    }

    // Whether the triangle across edge `seite` of the listed triangle t is removed.
    bool aussenNachbarEntfernt(const Tri& t, int seite) const {
        const int32_t nb = t.nb[seite];
        if (nb < 0) return false;
        if (faecherVon_[nb] == apex_)
            return faecherDrin_[beginnt_[t.v[seite == 2 ? 0 : seite + 1]]] & Drin;
        return tris_[nb].marke == stempel_ + 1;
    }

    // The array walk: the removed places before the fan, in order, each taking
    // the fan's last places until one survives; then the fan's places, a
    // removed one taking the last. Survivors get their records; every edge of
    // a removed triangle not shared by another removed one is listed in walk
    // order, an outer fan edge keeping its triangle's number.
    void faecherWalk() {
        const std::size_t n = fan_.size();
        faecherPlatz_.resize(n);
        std::iota(faecherPlatz_.begin(), faecherPlatz_.end(), 0);
        faecherKanten_.clear();
        std::size_t laenge = n;
        std::sort(aussen_.begin(), aussen_.end(),
                  [&](int32_t u, int32_t v) { return pos_[u] < pos_[v]; });
        for (const int32_t id : aussen_) {
            const int32_t platz = pos_[id];
            aussenKanten(id);
            for (;;) {
                const int32_t e = faecherPlatz_[--laenge];
                if (!(faecherDrin_[e] & Drin)) {
                    faecherSchreiben(fan_[e], platz);
                    break;
                }
                faecherKantenVon(e);
            }
        }
        for (std::size_t i = 0; i < laenge;) {
            const int32_t e = faecherPlatz_[i];
            if (faecherDrin_[e] & Drin) {
                faecherKantenVon(e);
                faecherPlatz_[i] = faecherPlatz_[--laenge];
            } else {
                ++i;
            }
        }
        for (std::size_t i = 0; i < laenge; ++i)
            faecherSchreiben(fan_[faecherPlatz_[i]], int32_t(ord_.size()));
    }

    void aussenKanten(int32_t id) {
        const Tri& t = tris_[id];
        for (int k = 0; k < 3; ++k) {
            if (!aussenNachbarEntfernt(t, k)) {
                faecherKanten_.push_back({t.v[k], t.v[k == 2 ? 0 : k + 1], t.nb[k], -1});
            }
        }
        frei_.push_back(id);
    }

    void faecherKantenVon(int32_t e) {
        const FaecherDreieck& t = fan_[e];
        if (aussen_.empty() || t.aussen < 0 || tris_[t.aussen].marke != stempel_ + 1) {
            faecherKanten_.push_back(t);
        } else {
            frei_.push_back(t.id);
        }
        const uint8_t marke = faecherDrin_[e];
        if (marke & FolgendBleibt) {
            faecherKanten_.push_back({t.b, apex_, fan_[beginnt_[t.b]].id, -1});
        }
        if (marke & VorherBleibt) {
            faecherKanten_.push_back({apex_, t.a, fan_[endet_[t.a]].id, -1});
        }
    }

    // The new fan of point k, one triangle per listed edge; a new number is
    // linked from the triangle outside its edge.
    void faecherNeu(int32_t k) {
        faecherVon_.resize(std::max(faecherVon_.size(), tris_.size() + faecherKanten_.size()), -1);
        for (std::size_t i = 0; i < faecherKanten_.size(); ++i) {
            FaecherDreieck& e = faecherKanten_[i];
            if (e.id < 0) {
                e.id = nummer();
                if (e.aussen >= 0) {
                    Tri& u = tris_[e.aussen];
                    u.nb[u.v[0] == e.b ? 0 : (u.v[1] == e.b ? 1 : 2)] = e.id;
                }
            }
            beginnt_[e.a] = int32_t(i);
            endet_[e.b] = int32_t(i);
            faecherVon_[e.id] = k;
        }
        fan_.swap(faecherKanten_);
        apex_ = k;
    }

    // Which fan triangle begins and which ends at each corner other than the
    // apex; and which numbers belong to the fan.
    void faecherVerweise() {
        faecherVon_.resize(std::max(faecherVon_.size(), tris_.size()), -1);
        for (std::size_t i = 0; i < fan_.size(); ++i) {
            beginnt_[fan_[i].a] = int32_t(i);
            endet_[fan_[i].b] = int32_t(i);
            faecherVon_[fan_[i].id] = apex_;
        }
    }

    // Writes a fan triangle's record and puts it at place `platz` of the
    // array, the next one or one freed before the fan.
    void faecherSchreiben(const FaecherDreieck& e, int32_t platz) {
        tris_[e.id] = {{e.a, e.b, apex_},
                       {e.aussen, fan_[beginnt_[e.b]].id, fan_[endet_[e.a]].id},
                       0,
                       Unbekannt};
        pos_[e.id] = platz;
        if (platz == int32_t(ord_.size())) {
            ord_.push_back(e.id);
        } else {
            ord_[std::size_t(platz)] = e.id;
        }
    }

    // Takes the triangles the general insertion of k made (the end of ord_) as the fan.
    void faecherUebernehmen(int32_t k) {
        fan_.clear();
        for (const int32_t id : neue_) {
            const Tri& t = tris_[id];
            fan_.push_back({t.v[0], t.v[1], t.nb[0], id});
        }
        ord_.resize(ord_.size() - neue_.size());
        apex_ = k;
        faecherVerweise();
    }

    // Writes the fan's records, so the general insertion can take over.
    void faecherAufloesen() {
        if (apex_ < 0) return;
        neue_.clear();
        for (const FaecherDreieck& e : fan_) {
            faecherSchreiben(e, int32_t(ord_.size()));
            neue_.push_back(e.id);
        }
        letzt_ = neue_.back();
        fan_.clear();
        apex_ = -1;
    }

    // A free triangle number.
    int32_t nummer() {
        if (!frei_.empty()) {
            const int32_t id = frei_.back();
            frei_.pop_back();
            return id;
        }
        tris_.push_back({});
        pos_.push_back(0);
        return int32_t(tris_.size()) - 1;
    }

    int32_t neu(int32_t a, int32_t b, int32_t c) {
        const int32_t id = nummer();
        tris_[id] = {{a, b, c}, {-1, -1, -1}, 0, Unbekannt};
        pos_[id] = int32_t(ord_.size());
        ord_.push_back(id);
        return id;
    }

    std::vector<GitterPunkt> pts_;
    double q_;
    int32_t n_;
    bool klein_, einsQ_;
    FernPunkt fern_[3];
    std::vector<Tri> tris_;
    std::vector<int32_t> pos_, ord_, frei_, stapel_, raus_, neue_, anfang_, platz_;
    std::vector<Kante> kanten_;
    std::vector<FaecherDreieck> fan_, faecherKanten_;
    std::vector<int32_t> beginnt_, endet_, faecherPlatz_, faecherVon_, aussen_;
    std::vector<int32_t> ueberlebende_, kandidaten_;
    std::vector<uint8_t> faecherDrin_;
    int32_t apex_ = -1;
    std::size_t kantenAnzahl_ = 0, rausAnzahl_ = 0;
    std::vector<std::uint64_t> schluessel_;
    int32_t letzt_ = 0;
    mutable FernGrad fernGrad_[4];
    mutable unsigned fernNaechster_ = 0;
    uint32_t stempel_ = 0;
};

}  // namespace

std::vector<Dreieck> Triangulieren(std::span<const GitterPunkt> punkte, double q,
                                   const NetzMeldung& meldung) {
    std::vector<int32_t> ordnung(punkte.size());
    std::iota(ordnung.begin(), ordnung.end(), 0);
    auto kleiner = [&](int32_t u, int32_t v) {
        const GitterPunkt a = punkte[u], b = punkte[v];
        return a.x != b.x ? a.x < b.x : a.y < b.y;
    };
    if (!std::is_sorted(ordnung.begin(), ordnung.end(), kleiner)) {
        std::stable_sort(ordnung.begin(), ordnung.end(), kleiner);
    }
    std::vector<GitterPunkt> pts;
    std::vector<int32_t> herkunft;
    pts.reserve(punkte.size());
    herkunft.reserve(punkte.size());
    for (int32_t i : ordnung) {
        const GitterPunkt p = punkte[i];
        assert(std::abs(p.x) <= GitterGrenze && std::abs(p.y) <= GitterGrenze);
        if (!pts.empty() && pts.back().x == p.x && pts.back().y == p.y) {
            if (meldung) meldung(KoinzidenzMeldung);
            continue;
        }
        pts.push_back(p);
        herkunft.push_back(i);
    }
    std::vector<Dreieck> out;
    if (pts.size() <= 3 || !(q > 0.0)) return out;
    Triangulation t(std::move(pts), q);
    for (const Tri& d : t.rechnen()) {
        out.push_back({herkunft[d.v[0]] + 1, herkunft[d.v[1]] + 1, herkunft[d.v[2]] + 1});
    }
    return out;
}

}  // namespace gm
