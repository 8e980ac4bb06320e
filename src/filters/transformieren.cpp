#include "filters/transformieren.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "core/faeden.h"
#include "core/kombination.h"
#include "core/puffer.h"
#include "core/script_liste.h"
#include "core/zahlen.h"

namespace gm {

namespace {

constexpr double pi = std::numbers::pi;

// Side of the square blocks in which a transposing copy walks both grids, so
// that the strided reads stay within a few cache lines per column.
constexpr int Block = 32;

struct Quelle {
    bool tauschen;  // the source's first index follows y
    bool umX;       // the source's first index runs backwards
    bool umY;       // the source's second index runs backwards
};

Quelle quelleVon(Abbild a) {
    switch (a) {
        case Abbild::Horizontal:
            return {false, false, true};
        case Abbild::Vertikal:
            return {false, true, false};
        case Abbild::Diagonal1:
            return {true, true, true};
        case Abbild::Diagonal2:
            return {true, false, false};
        case Abbild::Dreh90:
            return {true, false, true};
        case Abbild::Dreh180:
            return {false, true, true};
        case Abbild::Dreh270:
            return {true, true, false};
    }
    return {false, false, false};
}

// Zweitbild over 0..nx x 0..ny from Hoehenfeld. Without exchange the source
// is (umX ? nx - x : x, umY ? ny - y : y), a column copied forwards or
// backwards; with it (umX ? ny - y : y, umY ? nx - x : x), copied in blocks.
void umordnen(Dokument& dok, Quelle q, int nx, int ny) {
    const TFeld& h = dok.Hoehenfeld;
    if (!q.tauschen) {
        for (int x = 0; x <= nx; ++x) {
            const double* s = h.spalte(q.umX ? nx - x : x);
            double* z = dok.Zweitbild.spalte(x);
            if (q.umY) {
                for (int y = 0; y <= ny; ++y)
                    z[y] = s[ny - y];
            } else {
                std::copy(s, s + ny + 1, z);
            }
        }
        return;
    }
    const double* basis = h.daten();
    for (int x0 = 0; x0 <= nx; x0 += Block) {
        const int x1 = std::min(nx, x0 + Block - 1);
        for (int y0 = 0; y0 <= ny; y0 += Block) {
            const int y1 = std::min(ny, y0 + Block - 1);
            for (int x = x0; x <= x1; ++x) {
                const int sy = q.umY ? nx - x : x;
                double* z = dok.Zweitbild.spalte(x);
                for (int y = y0; y <= y1; ++y) {
                    const int sx = q.umX ? ny - y : y;
                    z[y] = basis[TFeld::index(sx, sy)];
                }
            }
        }
    }
}

}  // namespace

bool vertauschtAchsen(Abbild a) {
    return quelleVon(a).tauschen;
}

void Abbilden(Dokument& dok, Abbild a) {
    const Quelle q = quelleVon(a);
    const int altX = dok.MaxX, altY = dok.MaxY;
    if (!q.tauschen || altX == altY) {
        umordnen(dok, q, altX, altY);
        ZweitbildVerknuepfen(dok);
        return;
    }
    const int nx = altY, ny = altX;
    umordnen(dok, q, nx, ny);
    UndoSichern(dok);
    NeueGroesse(dok, nx, ny, false);
    // Cells the old field did not cover meet the result as 0.
    for (int x = 0; x <= nx; ++x) {
        double* h = dok.Hoehenfeld.spalte(x);
        const int ab = x <= altX ? std::min(altY, ny) + 1 : 0;
        std::fill(h + ab, h + ny + 1, 0.0);
    }
    dok.Ablagebild.reset();
    ZweitbildEinrechnen(dok, dok.Verknuepfungsmodus);
}

void SpiegelnHorizontal(Dokument& dok) {
    Abbilden(dok, Abbild::Horizontal);
}
void SpiegelnVertikal(Dokument& dok) {
    Abbilden(dok, Abbild::Vertikal);
}
void SpiegelnDiagonal1(Dokument& dok) {
    Abbilden(dok, Abbild::Diagonal1);
}
void SpiegelnDiagonal2(Dokument& dok) {
    Abbilden(dok, Abbild::Diagonal2);
}
void Drehen90(Dokument& dok) {
    Abbilden(dok, Abbild::Dreh90);
}
void Drehen180(Dokument& dok) {
    Abbilden(dok, Abbild::Dreh180);
}
void Drehen270(Dokument& dok) {
    Abbilden(dok, Abbild::Dreh270);
}

void KartesischPolar(Dokument& dok) {
    ZweitbildLeeren(dok);
    const int maxX = dok.MaxX, maxY = dok.MaxY;
    std::vector<double> faktor(std::size_t(maxY) + 1);
    for (int y = 0; y <= maxY; ++y) {
        const double phi = maxY == 1 ? 0.0 : (y - (maxY - 1) / 2.0) * pi / (maxY - 1);
        faktor[std::size_t(y)] = std::cos(phi);
    }
    const double mitte = maxX / 2.0;
    ZweiFaeden([&](int teil) {
        for (int x = teil; x <= maxX; x += 2) {
            double* z = dok.Zweitbild.spalte(x);
            for (int y = 0; y <= maxY; ++y) {
                const double sx = roundHalfEven(mitte + (x - mitte) * faktor[std::size_t(y)]);
                if (sx >= 0.0 && sx <= maxX) z[y] = dok.Hoehenfeld(int(sx), y);
            }
        }
    });
    ZweitbildVerknuepfen(dok);
}

namespace {

// The source index of a tiling along one axis of largest index m.
int kachelQuelle(int i, int m, bool spiegeln) {
    if (spiegeln && i > m / 2) return (2 * (m - i)) % (m + 1);
    return (2 * i) % (m + 1);
}

void kacheln(Dokument& dok, bool spiegeln) {
    ZweitbildLeeren(dok);
    std::vector<int> sy(std::size_t(dok.MaxY) + 1);
    for (int y = 0; y <= dok.MaxY; ++y)
        sy[std::size_t(y)] = kachelQuelle(y, dok.MaxY, spiegeln);
    for (int x = 0; x <= dok.MaxX; ++x) {
        const double* s = dok.Hoehenfeld.spalte(kachelQuelle(x, dok.MaxX, spiegeln));
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            z[y] = s[sy[std::size_t(y)]];
    }
    ZweitbildUebernehmen(dok);
}

}  // namespace

void KachelnNormal(Dokument& dok) {
    kacheln(dok, false);
}
void KachelnSpiegel(Dokument& dok) {
    kacheln(dok, true);
}

const Parameter TwirlParameter[4] = {
    Param<&TwirlRec::TwirlX>("TwirlX", -1, -1, FeldMaxIndex, Skala::Linear, 1,
                             "Mittelpunkt X (-1: Mitte)"),
    Param<&TwirlRec::TwirlY>("TwirlY", -1, -1, FeldMaxIndex, Skala::Linear, 1,
                             "Mittelpunkt Y (-1: Mitte)"),
    Param<&TwirlRec::TwirlWinkel>("TwirlWinkel", 90.0, -1800.0, 1800.0, Skala::Linear, 1, "Winkel"),
    Param<&TwirlRec::TwirlRadius>("TwirlRadius", 150.0, 1.0, 2049.0, Skala::Linear, 1, "Radius"),
};

namespace {
double maxX(const Dokument& dok) {
    return dok.MaxX;
}
double maxY(const Dokument& dok) {
    return dok.MaxY;
}
double mitteX(const Dokument& dok) {
    return dok.MaxX / 2;
}
double mitteY(const Dokument& dok) {
    return dok.MaxY / 2;
}
}  // namespace

const ScriptArgument TwirlArgumente[4] = {
    ArgIm<&TwirlRec::TwirlX>(&maxX, &mitteX, 0, ArgForm::Ganz),
    ArgIm<&TwirlRec::TwirlY>(&maxY, &mitteY, 0, ArgForm::Ganz),
    Arg<&TwirlRec::TwirlWinkel>(90.0, 1800.0, -1800.0),
    Arg<&TwirlRec::TwirlRadius>(150.0, 2049.0, 1.0),
};

TwirlRec TwirlMitte(const Dokument& dok, TwirlRec rec) {
    if (rec.TwirlX == -1) rec.TwirlX = dok.MaxX / 2;
    if (rec.TwirlY == -1) rec.TwirlY = dok.MaxY / 2;
    return rec;
}

namespace {

// The twirl's disc: centre (ix, iy), radius r and k = 2 pi W / (180 r).
struct Wirbel {
    int ix, iy, maxX, maxY;
    double r, k;
};

// Side of the square tiles of distances (a, b) the twirl works in.
constexpr int WirbelKachel = 32;
constexpr int WirbelZellen = WirbelKachel * WirbelKachel;
static_assert(WirbelKachel % 2 == 0, "the offsets are computed two at a time");

// Two doubles side by side, and two ints.
using Paar = double __attribute__((vector_size(16)));
using GanzPaar = std::int32_t __attribute__((vector_size(8)));

// The whole part of each lane, for |v| inside the int range.
inline Paar ganzerTeil(Paar v) {
    return __builtin_convertvector(__builtin_convertvector(v, GanzPaar), Paar);
}

// roundHalfEven in each lane, for |v| inside the int range: the same floor,
// remainder and parity test, with the floors taken through integers.
inline Paar gerundet(Paar v) {
    const Paar null = {0.0, 0.0}, halb = {0.5, 0.5}, eins = {1.0, 1.0};
    const Paar t = ganzerTeil(v);
    const Paar r = t > v ? t - eins : t;
    const Paar rest = v - r;
    const Paar haelfte = r * halb;
    const auto ungerade = ganzerTeil(haelfte) != haelfte;
    return r + ((rest > halb) | ((rest == halb) & ungerade) ? eins : null);
}

// Offsets in the grid's storage of the sources at (vx, vy), rounded and
// clamped to the field, into o[0] and o[1].
inline void wirbelQuellen(Paar vx, Paar vy, Paar maxX, Paar maxY, std::uint32_t* o) {
    const Paar null = {0.0, 0.0}, eins = {1.0, 1.0}, kante = {FeldKante, FeldKante};
    Paar sx = gerundet(vx), sy = gerundet(vy);
    sx = sx < null ? null : (sx > maxX ? maxX : sx);
    sy = sy < null ? null : (sy > maxY ? maxY : sy);
    const GanzPaar i = __builtin_convertvector((sx + eins) * kante + (sy + eins), GanzPaar);
    o[0] = std::uint32_t(i[0]);
    o[1] = std::uint32_t(i[1]);
}

// Cosine and sine of the turn at the distances (a, b), b = b0 .. b0 + n - 1.
// Outside the disc the turn is none at all, cosine 1 and sine 0, which maps
// every cell onto itself exactly as copying it would.
void wirbelDrehung(const Wirbel& w, int a, int b0, int n, double* co, double* si) {
    for (int j = 0; j < n; ++j) {
        const int b = b0 + j;
        const double d = std::sqrt(double(a) * a + double(b) * b);
        co[j] = 1.0;
        si[j] = 0.0;
        if (d <= w.r) {
            const double phi = w.k * ((w.r - d) * (w.r - d)) / w.r;
            co[j] = std::cos(phi);
            si[j] = std::sin(phi);
        }
    }
}

// The sources of the four targets (ix +- a, iy +- b) for b = b0 .. b0 + n - 1,
// into q[0..3][j], two at a time (n rounded up to even). With dx = +-a and
// dy = +-b the products c dx, s dy, s dx and c dy only change sign, which is
// exact, so cx + c dx - s dy and cy + s dx + c dy come out as computed cell
// by cell.
void wirbelSpalte(const Wirbel& w, int a, int b0, int n, const double* co, const double* si,
                  std::uint32_t* q) {
    const Paar cx = {double(w.ix), double(w.ix)}, cy = {double(w.iy), double(w.iy)};
    const Paar maxX = {double(w.maxX), double(w.maxX)}, maxY = {double(w.maxY), double(w.maxY)};
    const Paar da = {double(a), double(a)};
    for (int j = 0; j < n; j += 2) {
        Paar c, s;
        std::memcpy(&c, co + j, sizeof c);
        std::memcpy(&s, si + j, sizeof s);
        const Paar db = {double(b0 + j), double(b0 + j + 1)};
        const Paar ca = c * da, sa = s * da, cb = c * db, sb = s * db;
        const Paar px = cx + ca, mx = cx - ca, py = cy + sa, my = cy - sa;
        wirbelQuellen(px - sb, py + cb, maxX, maxY, q + j);
        wirbelQuellen(px + sb, py - cb, maxX, maxY, q + WirbelZellen + j);
        wirbelQuellen(mx - sb, my + cb, maxX, maxY, q + 2 * WirbelZellen + j);
        wirbelQuellen(mx + sb, my - cb, maxX, maxY, q + 3 * WirbelZellen + j);
    }
}

// The four quadrants of a tile a0..a1 x b0..b1 of distances copied as they are.
void wirbelKopie(const Wirbel& w, const TFeld& h, TFeld& z, int a0, int a1, int b0, int b1) {
    for (const int sa : {1, -1}) {
        const int x0 = std::max(0, std::min(w.ix + sa * a0, w.ix + sa * a1));
        const int x1 = std::min(w.maxX, std::max(w.ix + sa * a0, w.ix + sa * a1));
        for (const int sb : {1, -1}) {
            const int y0 = std::max(0, std::min(w.iy + sb * b0, w.iy + sb * b1));
            const int y1 = std::min(w.maxY, std::max(w.iy + sb * b0, w.iy + sb * b1));
            for (int x = x0; x <= x1 && y0 <= y1; ++x)
                std::copy(h.spalte(x) + y0, h.spalte(x) + y1 + 1, z.spalte(x) + y0);
        }
    }
}

// One tile a0..a1 x b0..b1 of distances: first every source offset, then the
// copies, so that the gather runs as a short loop of independent loads. A
// target outside the field is skipped; one on an axis (a or b 0) is written
// twice with the same value.
void wirbelKachel(const Wirbel& w, const TFeld& h, TFeld& z, int a0, int a1, int b0, int b1) {
    // The distance grows with a and b, so a tile whose nearest corner lies
    // outside the disc lies outside entirely: its cells are copied.
    if (!(std::sqrt(double(a0) * a0 + double(b0) * b0) <= w.r)) {
        wirbelKopie(w, h, z, a0, a1, b0, b1);
        return;
    }
    std::uint32_t q[4 * WirbelZellen];
    double co[WirbelKachel], si[WirbelKachel];
    const int n = b1 - b0 + 1;
    for (int a = a0; a <= a1; ++a) {
        wirbelDrehung(w, a, b0, n + n % 2, co, si);
        wirbelSpalte(w, a, b0, n, co, si, q + (a - a0) * WirbelKachel);
    }
    const double* quelle = h.daten();
    for (int viertel = 0; viertel < 4; ++viertel) {
        const int sa = viertel < 2 ? 1 : -1, sb = viertel % 2 == 0 ? 1 : -1;
        const int bEnde = std::min(b1, sb > 0 ? w.maxY - w.iy : w.iy);
        for (int a = a0; a <= a1; ++a) {
            const int x = w.ix + sa * a;
            if (x < 0 || x > w.maxX) continue;
            double* ziel = z.spalte(x) + w.iy;
            const std::uint32_t* o = q + viertel * WirbelZellen + (a - a0) * WirbelKachel - b0;
            for (int b = b0; b <= bEnde; ++b)
                ziel[sb * b] = quelle[o[b]];
        }
    }
}

}  // namespace

void TwirlAnwenden(Dokument& dok, const TwirlRec& rec) {
    const double r = rec.TwirlRadius, k = 2.0 * pi * rec.TwirlWinkel / (180.0 * r);
    const Wirbel w{rec.TwirlX, rec.TwirlY, dok.MaxX, dok.MaxY, r, k};
    // The distances (a, b) cover every active cell, so Zweitbild is written
    // everywhere and needs no clearing. The sources of a tile of targets lie
    // in a turned tile, so a tile's source lines stay cached while it reads
    // them; the tile columns alternate between the two threads.
    const int aMax = std::max(w.ix, w.maxX - w.ix), bMax = std::max(w.iy, w.maxY - w.iy);
    ZweiFaeden([&](int teil) {
        for (int a0 = teil * WirbelKachel; a0 <= aMax; a0 += 2 * WirbelKachel)
            for (int b0 = 0; b0 <= bMax; b0 += WirbelKachel)
                wirbelKachel(w, dok.Hoehenfeld, dok.Zweitbild, a0,
                             std::min(aMax, a0 + WirbelKachel - 1), b0,
                             std::min(bMax, b0 + WirbelKachel - 1));
    });
    ZweitbildUebernehmen(dok);
}

Status Twirl(Dokument& dok, const TwirlRec& eingabe) {
    const TwirlRec rec = TwirlMitte(dok, eingabe);
    if (rec.TwirlX < 0 || rec.TwirlX > dok.MaxX || rec.TwirlY < 0 || rec.TwirlY > dok.MaxY) {
        return Status::fehler("twirl centre (" + std::to_string(rec.TwirlX) + ", " +
                              std::to_string(rec.TwirlY) + ") lies outside the field (0.." +
                              std::to_string(dok.MaxX) + ", 0.." + std::to_string(dok.MaxY) + ")");
    }
    UndoSichern(dok);
    TwirlAnwenden(dok, rec);
    ScriptAnhaengen(dok, ScriptZeileAus("twirl", TwirlArgumente, rec));
    return {};
}

Status TwirlAusfuehren(Dokument& dok, const Werte& werte) {
    return Twirl(dok, recordAus<TwirlRec>(TwirlParameter, werte));
}

void TwirlNachspielen(Dokument& dok, ScriptArgumente& args) {
    TwirlAnwenden(dok, ausArgumenten<TwirlRec>(args, TwirlArgumente, dok));
}

const Parameter WellenParameter[4] = {
    Param<&WellenRec::WellenX>("WellenX", 3.0, 0.0, 31.0, Skala::Linear, 0.01, "Wellen X"),
    Param<&WellenRec::WellenY>("WellenY", 3.0, 0.0, 31.0, Skala::Linear, 0.01, "Wellen Y"),
    Param<&WellenRec::AmplitudeX>("AmplitudeX", 32.0, 0.0, 2049.0, Skala::Linear, 1, "Amplitude X"),
    Param<&WellenRec::AmplitudeY>("AmplitudeY", 32.0, 0.0, 2049.0, Skala::Linear, 1, "Amplitude Y"),
};

const ScriptArgument WellenArgumente[4] = {
    Arg<&WellenRec::WellenX>(3.0, 31.0, 0.0),
    Arg<&WellenRec::WellenY>(3.0, 31.0, 0.0),
    Arg<&WellenRec::AmplitudeX>(32.0, 2049.0, 0.0),
    Arg<&WellenRec::AmplitudeY>(32.0, 2049.0, 0.0),
};

namespace {

// Folds an index back into 0..m: twice a reflection at 0 and at m, then a
// clamp at 0.
int falten(int v, int m) {
    for (int i = 0; i < 2; ++i) {
        if (v < 0) v = -v;
        if (v > m) v = 2 * m - v;
    }
    return v < 0 ? 0 : v;
}

}  // namespace

void WellenAnwenden(Dokument& dok, const WellenRec& rec) {
    // Every active cell of Zweitbild is written below, so it needs no clearing.
    const int maxX = dok.MaxX, maxY = dok.MaxY;
    const double fx = 2.0 * pi * rec.WellenX / maxX;
    const double fy = 2.0 * pi * rec.WellenY / maxY;
    // The displacement along x depends on y only, that along y on x only.
    std::vector<int> versatzX(std::size_t(maxY) + 1), versatzY(std::size_t(maxX) + 1);
    for (int y = 0; y <= maxY; ++y)
        versatzX[std::size_t(y)] = int(roundHalfEven(rec.AmplitudeX * std::sin(y * fx)));
    for (int x = 0; x <= maxX; ++x)
        versatzY[std::size_t(x)] = int(roundHalfEven(rec.AmplitudeY * std::sin(x * fy)));
    // Folded indices looked up instead of computed: index v - lo of a table
    // holds falten(v) for every v the displacements can reach.
    auto faltTabelle = [](const std::vector<int>& versatz, int m, int& lo) {
        lo = std::min(0, *std::min_element(versatz.begin(), versatz.end()));
        const int hi = m + std::max(0, *std::max_element(versatz.begin(), versatz.end()));
        std::vector<int> t(std::size_t(hi - lo) + 1);
        for (int v = lo; v <= hi; ++v)
            t[std::size_t(v - lo)] = falten(v, m);
        return t;
    };
    int loX = 0, loY = 0;
    const std::vector<int> faltX = faltTabelle(versatzX, maxX, loX);
    const std::vector<int> faltY = faltTabelle(versatzY, maxY, loY);
    const double* h = dok.Hoehenfeld.daten();
    // Columns are independent: even ones on one thread, odd on the other.
    ZweiFaeden([&](int teil) {
        for (int x = teil; x <= maxX; x += 2) {
            double* z = dok.Zweitbild.spalte(x);
            const int* sy = faltY.data() + (versatzY[std::size_t(x)] - loY);  // sy[y]
            const int* sx = faltX.data() + (x - loX);                         // sx[versatz]
            for (int y = 0; y <= maxY; ++y)
                z[y] = h[TFeld::index(sx[versatzX[std::size_t(y)]], sy[y])];
        }
    });
    ZweitbildUebernehmen(dok);
}

Status WellenAusfuehren(Dokument& dok, const Werte& werte) {
    const WellenRec rec = recordAus<WellenRec>(WellenParameter, werte);
    UndoSichern(dok);
    WellenAnwenden(dok, rec);
    ScriptAnhaengen(dok, ScriptZeileAus("wave", WellenArgumente, rec));
    return {};
}

void WellenNachspielen(Dokument& dok, ScriptArgumente& args) {
    WellenAnwenden(dok, ausArgumenten<WellenRec>(args, WellenArgumente, dok));
}

}  // namespace gm
