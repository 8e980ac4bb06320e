#pragma once
// The insertion loop of the mesh triangulation: its state and its steps. The
// general step lives in netz_delaunay.cpp, the fan step in netz_faecher.cpp.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "formats/netz_kreis.h"
#include "formats/netz_praedikate.h"
#include "formats/netz_typen.h"

namespace gm::netz_intern {

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

// A surviving cavity edge a -> b and the triangle outside it.
struct Kante {
    int32_t a, b, aussen;
};

// A triangle (a, b, apex) of the newest point's fan: its edge away from the
// apex, the triangle outside that edge and the triangle's number. What is
// known for column `spalte` (KeineSpalte until it is known): points of the
// column inside or on the outside triangle's circle have y in `y`, and
// `buendel` tells for the circles through a, b and a point of the column.
struct FaecherDreieck {
    int32_t a, b, aussen, id;
    int32_t spalte = KeineSpalte;
    Spanne y{0, 0};
    Buendel buendel{0, 0, 0};
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
//
// Points come column by column, and each point of a column removes nearly
// all of the previous point's fan and builds the same fan again around
// itself. So the newest fan is kept as a list of its outer edges at the end
// of the array: the fan step tests the list, walks it as the loop would and
// writes records only for the few triangles that stay. A point whose removed
// triangles do not fit that step takes the general one.
class Triangulation {
  public:
    Triangulation(std::vector<GitterPunkt> pts, double q);

    std::vector<Tri> rechnen();

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

    [[gnu::noinline]] bool drinAllgemein(const Tri& t, GitterPunkt p) const;

    // With two far corners the determinant has no M^4 term, and its M^3 term
    // is linear in p and vanishes at the near corner a: A3 = gA . (p - a),
    // likewise B3. The gradients are kept per triangle (by its corners, so a
    // reused slot cannot mislead). Gives the sign of A3 + q B3, 0 when it is 0.
    int fernLeitterm(const Tri& t, const FernPunkt f[3], GitterPunkt p) const;

    // The in-circle determinant's parts for a, b, c seen from d: the
    // differences and the cross products of each pair.
    struct KreisTerme {
        int64_t adx, ady, bdx, bdy, cdx, cdy, bc, ca, ab;
    };
    static KreisTerme kreisTerme(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d) {
        KreisTerme t{a.x - d.x, a.y - d.y, b.x - d.x, b.y - d.y, c.x - d.x, c.y - d.y, 0, 0, 0};
        t.bc = t.bdx * t.cdy - t.bdy * t.cdx;
        t.ca = t.cdx * t.ady - t.cdy * t.adx;
        t.ab = t.adx * t.bdy - t.ady * t.bdx;
        return t;
    }

    // imKreis for points spanning less than 2^12 and q = 1.
    static bool imKreisKleinEins(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d) {
        const KreisTerme t = kreisTerme(a, b, c, d);
        return (t.adx * t.adx + t.ady * t.ady) * t.bc + (t.bdx * t.bdx + t.bdy * t.bdy) * t.ca +
                   (t.cdx * t.cdx + t.cdy * t.cdy) * t.ab <=
               0;
    }

    // In-circle test of a clockwise triangle, exact; 64-bit terms when the
    // points span less than 2^12 (|terms| < 2^51).
    bool imKreis(GitterPunkt a, GitterPunkt b, GitterPunkt c, GitterPunkt d) const;

    // A triangle holding p (inside or on its boundary), reached by walking
    // from the last new triangle; -1 when the walk does not end.
    int32_t suchen(GitterPunkt p) const;

    // Every triangle whose circle holds p, marked and listed in raus_[0, rausAnzahl_).
    void hoehleFinden(GitterPunkt p);

    // Bounds the circle of a triangle without far corners; far ones stay unbounded.
    void bisXSetzen(Tri& t) const;

    bool entfernt(int32_t id) const { return id >= 0 && tris_[id].marke == stempel_ + 1; }

    // The general step: inserts point k wherever its removed triangles lie.
    void einfuegen(int32_t k);

    // Sorts raus_ by place in the array. Most lie near its end (the previous
    // point's fan): those are placed directly by position, the rest sorted.
    void ordnen();

    // Removes the triangles in raus_ as the array walk meets them: a removed
    // triangle's place takes the last one, which is looked at next. Collects
    // the edges not shared by two removed triangles, in the walk's order.
    void entfernen();

    // The fan: every triangle of the newest point apex_, at the last
    // fan_.size() places of the array in fan_ order, after those of ord_.
    // fan_ holds places in pool_, where a triangle stays while it is
    // removed and made again on the same outer edge. The records are written
    // only when a triangle leaves the fan; the triangles outside already link
    // to them by number.
    Tri faecherTri(const FaecherDreieck& e) const {
        return {{e.a, e.b, apex_}, {-1, -1, -1}, 0, Unbekannt};
    }

    // Inserts point k as the array walk would, when the triangles whose circle
    // holds it include some of the fan and leave the fan's surviving places
    // enough to fill those freed before it. Changes nothing and gives false
    // otherwise.
    bool faecherEinfuegen(int32_t k);

    // Marks the fan triangles whose circle holds p; gives their number.
    std::size_t faecherTesten(GitterPunkt p);

    // Sets what a fan triangle knows for column x.
    void spalteSetzen(FaecherDreieck& e, int32_t x) const;

    // Marks the removed fan triangles that share an edge to the apex with a
    // surviving one: that edge stays.
    void speichenMarken();

    // The removed triangles outside the fan, marked and listed in aussen_: the
    // removed set is connected, so they are reached across the outer edges of
    // removed fan triangles. False when the search does not end.
    bool aussenFinden(GitterPunkt p);

    // Whether the triangle across edge `seite` of the listed triangle t is removed.
    bool aussenNachbarEntfernt(const Tri& t, int seite) const;

    // The array walk: the removed places before the fan, in order, each taking
    // the fan's last places until one survives; then the fan's places, a
    // removed one taking the last. Survivors get their records; every edge of
    // a removed triangle not shared by another removed one goes into the next
    // fan in walk order, an outer fan edge as its triangle.
    void faecherWalk();

    // A new triangle's edge for the next fan, made once the walk is over.
    void neueKante(int32_t a, int32_t b, int32_t aussen);

    // The kept edges of the removed triangle id outside the fan; frees its number.
    void aussenKanten(int32_t id);

    // The kept edges of the removed fan triangle e: its outer edge (the
    // triangle freed instead when the one outside goes too), then the edges
    // to the apex that it shares with a survivor.
    void faecherKantenVon(int32_t e);

    // The next fan becomes the fan of point k: the new triangles get their
    // numbers and are linked from the triangles outside their edges.
    void faecherNeu(int32_t k);

    // Puts a triangle into the fan's pool; gives its place there.
    int32_t faecherAufnehmen(const FaecherDreieck& e);

    // Takes pool place e out of the fan once the walk is over: until then
    // its triangle still counts as the fan's.
    void faecherFrei(int32_t e);
    void faecherFreigeben();

    // Writes the record of the fan triangle at pool place i, puts it at
    // place `platz` of the array (the next one or one freed before the fan)
    // and takes it out of the fan.
    void faecherSchreiben(int32_t i, int32_t platz);

    // Takes the triangles the general insertion of k made (the end of ord_) as the fan.
    void faecherUebernehmen(int32_t k);

    // Writes the fan's records, so the general insertion can take over.
    void faecherAufloesen();

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

    int32_t neu(int32_t a, int32_t b, int32_t c);

    std::vector<GitterPunkt> pts_;
    double q_;
    int32_t n_;
    bool klein_, einsQ_;
    FernPunkt fern_[3];
    mutable FernGrad fernGrad_[4];
    mutable unsigned fernNaechster_ = 0;
    // The triangles by number, the number at each place of the array and the
    // place of each number, the free numbers.
    std::vector<Tri> tris_;
    std::vector<int32_t> ord_, pos_, frei_;
    // The general step's state.
    std::vector<int32_t> stapel_, raus_, neue_, anfang_, platz_;
    std::vector<Kante> kanten_;
    std::size_t kantenAnzahl_ = 0, rausAnzahl_ = 0;
    std::vector<std::uint64_t> schluessel_;
    int32_t letzt_ = 0;
    uint32_t stempel_ = 0;
    // The fan step's state: the apex (-1 while there is no fan), the fan and
    // the next one as places in the pool, the pool place each corner's fan
    // triangle begins and ends at, the marks of the pool places, whether a
    // triangle number belongs to the fan, the new edges of the next fan.
    int32_t apex_ = -1;
    std::vector<FaecherDreieck> pool_;
    std::vector<int32_t> fan_, faecherNeu_, poolFrei_, faecherWeg_;
    std::vector<int32_t> beginnt_, endet_;
    std::vector<uint8_t> faecherDrin_, imFaecher_;
    std::vector<Kante> neueKanten_;
    std::vector<int32_t> faecherPlatz_, aussen_, ueberlebende_, kandidaten_;
};

}  // namespace gm::netz_intern
