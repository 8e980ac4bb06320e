#include "formats/netz_delaunay.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <numeric>

#include "formats/netz_triangulation.h"

namespace gm {
namespace netz_intern {

Triangulation::Triangulation(std::vector<GitterPunkt> pts, double q) : pts_(std::move(pts)), q_(q) {
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

std::vector<Tri> Triangulation::rechnen() {
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

bool Triangulation::drinAllgemein(const Tri& t, GitterPunkt p) const {
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

int Triangulation::fernLeitterm(const Tri& t, const FernPunkt f[3], GitterPunkt p) const {
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

bool Triangulation::imKreis(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d) const {
    if (!klein_) return inKreis(a, b, c, d, q_) <= 0;
    if (einsQ_) return imKreisKleinEins(a, b, c, d);
    const KreisTerme t = kreisTerme(a, b, c, d);
    const int64_t A = t.adx * t.adx * t.bc + t.bdx * t.bdx * t.ca + t.cdx * t.cdx * t.ab;
    const int64_t B = t.ady * t.ady * t.bc + t.bdy * t.bdy * t.ca + t.cdy * t.cdy * t.ab;
    // A and B are exact doubles; the sum rounds by at most 2^-52 of its terms.
    const double qb = q_ * double(B);
    const double s = double(A) + qb;
    const double grenze = 4.5e-16 * (std::abs(double(A)) + std::abs(qb));
    if (s > grenze) return false;
    if (s < -grenze) return true;
    return vorzeichenSumme(A, B, q_) <= 0;
}

int32_t Triangulation::suchen(GitterPunkt p) const {
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

void Triangulation::hoehleFinden(GitterPunkt p) {
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

void Triangulation::bisXSetzen(Tri& t) const {
    if (t.v[0] >= n_ || t.v[1] >= n_ || t.v[2] >= n_) {
        t.bisX = Unbekannt - 1;
        return;
    }
    t.bisX = kreisBisX(pts_[t.v[0]], pts_[t.v[1]], pts_[t.v[2]], q_);
    if (t.bisX == Unbekannt) t.bisX = Unbekannt - 1;
}

void Triangulation::einfuegen(int32_t k) {
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

void Triangulation::ordnen() {
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

void Triangulation::entfernen() {
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

int32_t Triangulation::neu(int32_t a, int32_t b, int32_t c) {
    const int32_t id = nummer();
    tris_[id] = {{a, b, c}, {-1, -1, -1}, 0, Unbekannt};
    pos_[id] = int32_t(ord_.size());
    ord_.push_back(id);
    return id;
}

}  // namespace netz_intern

using netz_intern::Tri;
using netz_intern::Triangulation;

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
