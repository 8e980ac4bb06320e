// The fan step of the triangulation: the newest point's triangles kept as a
// list, and the insertion of a point whose removed triangles lie in or beside it.

#include <algorithm>
#include <limits>

#include "formats/netz_triangulation.h"

namespace gm::netz_intern {

bool Triangulation::faecherEinfuegen(int32_t k) {
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

std::size_t Triangulation::faecherTesten(GitterPunkt p) {
    faecherDrin_.resize(pool_.size());
    ueberlebende_.clear();
    kandidaten_.clear();
    // Within a column most tests are settled by the pencil bounds; the
    // new point lies above the apex there.
    const GitterPunkt c = pts_[apex_];
    const bool spalte = c.x == p.x;
    for (const int32_t i : fan_) {
        FaecherDreieck& e = pool_[i];
        if (spalte && e.spalte != p.x) spalteSetzen(e, p.x);
        const bool d = (spalte && (p.y <= e.buendel.unter ||
                                   (c.y >= e.buendel.ueber && p.y <= e.buendel.bis))) ||
                       drin(faecherTri(e), p);
        faecherDrin_[i] = d;
        // A removed triangle's outer neighbour needs a look unless its
        // circle's range on this column leaves p out.
        if (!d) {
            ueberlebende_.push_back(i);
        } else if (e.aussen >= 0 && (e.spalte != p.x || (p.y >= e.y.von && p.y <= e.y.bis))) {
            kandidaten_.push_back(i);
        }
    }
    return fan_.size() - ueberlebende_.size();
}

void Triangulation::spalteSetzen(FaecherDreieck& e, int32_t x) const {
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    e.spalte = x;
    e.y = {Min, Max};
    if (e.aussen >= 0) {
        const Tri& u = tris_[e.aussen];
        if (u.v[0] < n_ && u.v[1] < n_ && u.v[2] < n_) {
            e.y = kreisSpalte(pts_[u.v[0]], pts_[u.v[1]], pts_[u.v[2]], q_, x);
        }
    }
    e.buendel = {Min, Max, Min};
    if (e.a < n_ && e.b < n_) e.buendel = kreisBuendel(pts_[e.a], pts_[e.b], q_, x);
}

void Triangulation::speichenMarken() {
    for (const int32_t s : ueberlebende_) {
        const int32_t vorher = endet_[pool_[s].a], folgend = beginnt_[pool_[s].b];
        if (faecherDrin_[vorher] & Drin) faecherDrin_[vorher] |= FolgendBleibt;
        if (faecherDrin_[folgend] & Drin) faecherDrin_[folgend] |= VorherBleibt;
    }
}

bool Triangulation::aussenFinden(GitterPunkt p) {
    aussen_.clear();
    stapel_.clear();
    auto pruefen = [&](int32_t id) {
        if (id < 0 || imFaecher_[id]) return;
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
        FaecherDreieck& e = pool_[i];
        if (e.spalte != p.x) spalteSetzen(e, p.x);
        if (p.y >= e.y.von && p.y <= e.y.bis) pruefen(e.aussen);
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

bool Triangulation::aussenNachbarEntfernt(const Tri& t, int seite) const {
    const int32_t nb = t.nb[seite];
    if (nb < 0) return false;
    if (imFaecher_[nb]) return faecherDrin_[beginnt_[t.v[seite == 2 ? 0 : seite + 1]]] & Drin;
    return tris_[nb].marke == stempel_ + 1;
}

void Triangulation::faecherWalk() {
    faecherPlatz_ = fan_;
    faecherNeu_.clear();
    neueKanten_.clear();
    std::size_t laenge = faecherPlatz_.size();
    std::sort(aussen_.begin(), aussen_.end(),
              [&](int32_t u, int32_t v) { return pos_[u] < pos_[v]; });
    for (const int32_t id : aussen_) {
        const int32_t platz = pos_[id];
        aussenKanten(id);
        for (;;) {
            const int32_t e = faecherPlatz_[--laenge];
            if (!(faecherDrin_[e] & Drin)) {
                faecherSchreiben(e, platz);
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
        faecherSchreiben(faecherPlatz_[i], int32_t(ord_.size()));
}

void Triangulation::neueKante(int32_t a, int32_t b, int32_t aussen) {
    neueKanten_.push_back({a, b, aussen});
    faecherNeu_.push_back(-1);
}

void Triangulation::aussenKanten(int32_t id) {
    const Tri& t = tris_[id];
    for (int k = 0; k < 3; ++k) {
        if (!aussenNachbarEntfernt(t, k)) neueKante(t.v[k], t.v[k == 2 ? 0 : k + 1], t.nb[k]);
    }
    frei_.push_back(id);
}

void Triangulation::faecherKantenVon(int32_t e) {
    const FaecherDreieck& t = pool_[e];
    if (aussen_.empty() || t.aussen < 0 || tris_[t.aussen].marke != stempel_ + 1) {
        faecherNeu_.push_back(e);
    } else {
        faecherFrei(e);
        frei_.push_back(t.id);
    }
    const uint8_t marke = faecherDrin_[e];
    if (marke & FolgendBleibt) neueKante(t.b, apex_, pool_[beginnt_[t.b]].id);
    if (marke & VorherBleibt) neueKante(apex_, t.a, pool_[endet_[t.a]].id);
}

void Triangulation::faecherNeu(int32_t k) {
    faecherFreigeben();
    std::size_t j = 0;
    for (int32_t& e : faecherNeu_) {
        if (e < 0) {
            const Kante& kante = neueKanten_[j++];
            e = faecherAufnehmen({kante.a, kante.b, kante.aussen, nummer()});
            if (kante.aussen >= 0) {
                Tri& u = tris_[kante.aussen];
                u.nb[u.v[0] == kante.b ? 0 : (u.v[1] == kante.b ? 1 : 2)] = pool_[e].id;
            }
        }
        // A corner the fan meets twice (beside a far corner) keeps its last
        // triangle, as in the general step.
        beginnt_[pool_[e].a] = e;
        endet_[pool_[e].b] = e;
    }
    fan_.swap(faecherNeu_);
    apex_ = k;
}

int32_t Triangulation::faecherAufnehmen(const FaecherDreieck& e) {
    int32_t i;
    if (!poolFrei_.empty()) {
        i = poolFrei_.back();
        poolFrei_.pop_back();
    } else {
        i = int32_t(pool_.size());
        pool_.push_back({});
    }
    pool_[i] = e;
    if (imFaecher_.size() < tris_.size()) imFaecher_.resize(tris_.size() + tris_.size() / 2);
    imFaecher_[e.id] = 1;
    return i;
}

void Triangulation::faecherFrei(int32_t e) {
    faecherWeg_.push_back(e);
}

void Triangulation::faecherFreigeben() {
    for (const int32_t e : faecherWeg_) {
        imFaecher_[pool_[e].id] = 0;
        poolFrei_.push_back(e);
    }
    faecherWeg_.clear();
}

void Triangulation::faecherSchreiben(int32_t i, int32_t platz) {
    const FaecherDreieck& e = pool_[i];
    tris_[e.id] = {{e.a, e.b, apex_},
                   {e.aussen, pool_[beginnt_[e.b]].id, pool_[endet_[e.a]].id},
                   0,
                   Unbekannt};
    pos_[e.id] = platz;
    if (platz == int32_t(ord_.size())) {
        ord_.push_back(e.id);
    } else {
        ord_[std::size_t(platz)] = e.id;
    }
    faecherFrei(i);
}

void Triangulation::faecherUebernehmen(int32_t k) {
    fan_.clear();
    for (const int32_t id : neue_) {
        const Tri& t = tris_[id];
        const int32_t i = faecherAufnehmen({t.v[0], t.v[1], t.nb[0], id});
        fan_.push_back(i);
        beginnt_[t.v[0]] = i;
        endet_[t.v[1]] = i;
    }
    ord_.resize(ord_.size() - neue_.size());
    apex_ = k;
}

void Triangulation::faecherAufloesen() {
    if (apex_ < 0) return;
    neue_.clear();
    for (const int32_t i : fan_) {
        neue_.push_back(pool_[i].id);
        faecherSchreiben(i, int32_t(ord_.size()));
    }
    faecherFreigeben();
    letzt_ = neue_.back();
    fan_.clear();
    apex_ = -1;
}

}  // namespace gm::netz_intern
