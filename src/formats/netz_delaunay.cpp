#include "formats/netz_delaunay.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

#include "formats/netz_praedikate.h"

namespace gm {

namespace {

using std::int32_t;
using std::int64_t;

struct Tri {
    int32_t p[3];
};

// Art of an active triangle by its far corners.
enum Art : int32_t { Nah = 0, EinFern = 1, ZweiFern = 2 };

// A triangle not yet complete, with what its test needs.
struct Aktiv {
    double xmax;                // no later point beyond this can be inside
    double cx, cy, rlo2, rhi2;  // circle in scaled units: inside below rlo2, outside above rhi2
    int32_t id;
    int32_t art;
    int32_t a, b;  // EinFern: the near corners, the far one following b
};

struct Kante {
    int32_t a, b;
};

class Triangulation {
  public:
    Triangulation(std::vector<GitterPunkt> pts, double q) : pts_(std::move(pts)), q_(q) {
        s_ = std::sqrt(q);
        n_ = int32_t(pts_.size());
        xmin_ = xmax_ = pts_[0].x;
        ymin_ = ymax_ = pts_[0].y;
        for (const auto& p : pts_) {
            xmin_ = std::min(xmin_, p.x), xmax_ = std::max(xmax_, p.x);
            ymin_ = std::min(ymin_, p.y), ymax_ = std::max(ymax_, p.y);
        }
        // The box centre cut to whole numbers; the corners lie beyond any bound
        // in the directions of (-2, -1), (0, 2) and (2, -1).
        const int64_t xm = (int64_t(xmin_) + xmax_) / 2, ym = (int64_t(ymin_) + ymax_) / 2;
        fern_[0] = {xm, ym, -2, -1};
        fern_[1] = {xm, ym, 0, 2};
        fern_[2] = {xm, ym, 2, -1};
    }

    std::vector<Tri> rechnen() {
        neu({n_, n_ + 1, n_ + 2});
        for (int32_t k = 0; k < n_; ++k)
            einfuegen(k);
        // Remove every triangle with a far corner, the last moving into its place.
        for (std::size_t i = 0; i < ord_.size(); ++i) {
            const Tri& t = tris_[ord_[i]];
            if (t.p[0] >= n_ || t.p[1] >= n_ || t.p[2] >= n_) {
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

    bool drin(const Aktiv& e, GitterPunkt p, double pys) const {
        switch (e.art) {
            case Nah: {
                const double dx = p.x - e.cx, dy = pys - e.cy;
                const double d2 = dx * dx + dy * dy;
                if (d2 > e.rhi2) return false;
                if (d2 < e.rlo2) return true;
                const Tri& t = tris_[e.id];
                return inKreis(pts_[t.p[0]], pts_[t.p[1]], pts_[t.p[2]], p, q_) <= 0;
            }
            case EinFern: {
                // The circle becomes the half-plane on the far corner's side of
                // a-b, plus the open segment a-b.
                const GitterPunkt a = pts_[e.a], b = pts_[e.b];
                const int64_t o = orientierung(a, b, p);
                if (o != 0) return o < 0;
                const int64_t ux = int64_t(b.x) - a.x, uy = int64_t(b.y) - a.y;
                const int64_t t = (int64_t(p.x) - a.x) * ux + (int64_t(p.y) - a.y) * uy;
                return t > 0 && t < ux * ux + uy * uy;
            }
            default: {
                const Tri& t = tris_[e.id];
                const FernPunkt f[3] = {fernPunkt(t.p[0]), fernPunkt(t.p[1]), fernPunkt(t.p[2])};
                return inKreisFern(f, p, q_) <= 0;
            }
        }
    }

    void einfuegen(int32_t k) {
        const GitterPunkt p = pts_[k];
        const double pys = p.y * s_;
        raus_.clear();
        std::size_t behalten = 0;
        for (std::size_t i = 0; i < aktiv_.size(); ++i) {
            const Aktiv& e = aktiv_[i];
            if (e.xmax < p.x) continue;  // complete
            if (drin(e, p, pys)) {
                raus_.push_back(e.id);
            } else {
                aktiv_[behalten++] = e;
            }
        }
        aktiv_.resize(behalten);
        entfernen();
        doppelteStreichen();
        for (const Kante& e : kanten_) {
            if (e.a >= 0) neu({e.a, e.b, k});
        }
    }

    // Removes the triangles in raus_ in the order the array walk meets them:
    // a removed triangle's place takes the last one, which is looked at next.
    void entfernen() {
        std::sort(raus_.begin(), raus_.end(),
                  [&](int32_t u, int32_t v) { return pos_[u] < pos_[v]; });
        kanten_.clear();
        std::size_t f = 0, b = raus_.size();
        while (f < b) {
            const int32_t id = raus_[f];
            const Tri& t = tris_[id];
            kanten_.push_back({t.p[0], t.p[1]});
            kanten_.push_back({t.p[1], t.p[2]});
            kanten_.push_back({t.p[2], t.p[0]});
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
    }

    // An edge and its reverse both vanish; the rest keep their order.
    void doppelteStreichen() {
        const std::size_t m = kanten_.size();
        if (m <= 48) {
            for (std::size_t i = 0; i < m; ++i) {
                if (kanten_[i].a < 0) continue;
                for (std::size_t j = i + 1; j < m; ++j) {
                    if (kanten_[j].a == kanten_[i].b && kanten_[j].b == kanten_[i].a) {
                        kanten_[i].a = kanten_[j].a = -1;
                        break;
                    }
                }
            }
            return;
        }
        std::size_t groesse = 64;
        while (groesse < 2 * m)
            groesse *= 2;
        if (tabelle_.size() < groesse) tabelle_.assign(groesse, {0, 0, 0});
        ++stempel_;
        const std::size_t maske = groesse - 1;
        auto schluessel = [](int32_t a, int32_t b) {
            return (std::uint64_t(std::uint32_t(a)) << 32) | std::uint32_t(b);
        };
        auto streuen = [&](std::uint64_t s) {
            return std::size_t((s * 0x9E3779B97F4A7C15ull) >> 29) & maske;
        };
        for (std::size_t i = 0; i < m; ++i) {
            const Kante e = kanten_[i];
            const std::uint64_t rueck = schluessel(e.b, e.a);
            std::size_t h = streuen(rueck);
            bool gefunden = false;
            while (tabelle_[h].stempel == stempel_) {
                if (tabelle_[h].schluessel == rueck && kanten_[tabelle_[h].index].a >= 0) {
                    kanten_[tabelle_[h].index].a = -1;
                    kanten_[i].a = -1;
                    gefunden = true;
                    break;
                }
                h = (h + 1) & maske;
            }
            if (gefunden) continue;
            const std::uint64_t vor = schluessel(e.a, e.b);
            h = streuen(vor);
            while (tabelle_[h].stempel == stempel_)
                h = (h + 1) & maske;
            tabelle_[h] = {vor, std::uint32_t(i), stempel_};
        }
    }

    void neu(Tri t) {
        int32_t id;
        if (!frei_.empty()) {
            id = frei_.back();
            frei_.pop_back();
            tris_[id] = t;
        } else {
            id = int32_t(tris_.size());
            tris_.push_back(t);
            pos_.push_back(0);
        }
        pos_[id] = int32_t(ord_.size());
        ord_.push_back(id);
        aktiv_.push_back(aktivFuer(id, t));
    }

    Aktiv aktivFuer(int32_t id, const Tri& t) const {
        Aktiv e{};
        e.id = id;
        const int fern = (t.p[0] >= n_) + (t.p[1] >= n_) + (t.p[2] >= n_);
        if (fern == 0) {
            kreis(t, e);
        } else if (fern == 1) {
            const int f = t.p[0] >= n_ ? 0 : (t.p[1] >= n_ ? 1 : 2);
            e.art = EinFern;
            e.a = t.p[(f + 1) % 3];
            e.b = t.p[(f + 2) % 3];
            e.xmax = halbebeneXmax(pts_[e.a], pts_[e.b]);
        } else {
            e.art = ZweiFern;
            e.xmax = std::numeric_limits<double>::infinity();
        }
        return e;
    }

    // Circumcircle in units where the second axis is scaled by sqrt(q), with
    // a margin that bounds its rounding.
    void kreis(const Tri& t, Aktiv& e) const {
        const GitterPunkt a = pts_[t.p[0]], b = pts_[t.p[1]], c = pts_[t.p[2]];
        const double bx = double(b.x - a.x), by = double(b.y - a.y);
        const double cx = double(c.x - a.x), cy = double(c.y - a.y);
        const double cr = bx * cy - by * cx;  // exact, never 0
        const double b2 = bx * bx + q_ * (by * by), c2 = cx * cx + q_ * (cy * cy);
        const double ux = (cy * b2 - by * c2) / (2.0 * cr);
        const double uy = (bx * c2 - cx * b2) / (2.0 * cr * q_);  // in lattice units
        const double uys = uy * s_;
        const double r = std::sqrt(ux * ux + uys * uys);
        const double fx =
            1e-14 * ((std::fabs(cy) * b2 + std::fabs(by) * c2) / std::fabs(cr) + std::fabs(ux));
        const double fy =
            s_ * 1e-14 *
            ((std::fabs(bx) * c2 + std::fabs(cx) * b2) / (q_ * std::fabs(cr)) + std::fabs(uy));
        e.art = Nah;
        e.cx = a.x + ux;
        e.cy = (a.y + uy) * s_;
        const double m = 2.0 * (fx + fy) + 1e-12 * (std::fabs(e.cx) + std::fabs(e.cy) + r + 1.0);
        e.rhi2 = (r + m) * (r + m) * (1.0 + 1e-12);
        e.rlo2 = r > m ? (r - m) * (r - m) * (1.0 - 1e-12) : -1.0;
        e.xmax = e.cx + r + m;
    }

    // Largest x of the region a far corner right of a->b claims within the
    // points' box: the box's right edge when any box corner lies strictly on
    // that side, else the segment's end.
    double halbebeneXmax(GitterPunkt a, GitterPunkt b) const {
        const GitterPunkt ecken[4] = {
            {xmin_, ymin_}, {xmin_, ymax_}, {xmax_, ymin_}, {xmax_, ymax_}};
        for (const auto& c : ecken) {
            if (orientierung(a, b, c) < 0) return xmax_;
        }
        return std::max(a.x, b.x);
    }

    struct Eintrag {
        std::uint64_t schluessel;
        std::uint32_t index;
        std::uint32_t stempel;
    };

    std::vector<GitterPunkt> pts_;
    double q_, s_;
    int32_t n_;
    int32_t xmin_, xmax_, ymin_, ymax_;
    FernPunkt fern_[3];
    std::vector<Tri> tris_;
    std::vector<int32_t> pos_, ord_, frei_, raus_;
    std::vector<Aktiv> aktiv_;
    std::vector<Kante> kanten_;
    std::vector<Eintrag> tabelle_;
    std::uint32_t stempel_ = 0;
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
        out.push_back({herkunft[d.p[0]] + 1, herkunft[d.p[1]] + 1, herkunft[d.p[2]] + 1});
    }
    return out;
}

}  // namespace gm
