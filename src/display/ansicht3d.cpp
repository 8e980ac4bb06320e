#include "display/ansicht3d.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>

namespace gm {

namespace {

double bogen(double grad) {
    return grad * std::numbers::pi / 180.0;
}

// Cut towards zero; positions far outside any picture are held at a bound
// where the drawing still clips them away.
int abschneiden(double v) {
    constexpr double Grenze = 1 << 28;
    return int(std::clamp(v, -Grenze, Grenze));
}

// The depth as a key whose unsigned order is the order of the numbers.
std::uint64_t tiefenSchluessel(double d) {
    if (d == 0.0) d = 0.0;  // -0 and +0 are the same depth
    const auto bits = std::bit_cast<std::uint64_t>(d);
    return (bits >> 63) != 0 ? ~bits : bits | (std::uint64_t(1) << 63);
}

// Stable radix sort by key, one byte per pass; passes in which every key
// has the same byte are skipped.
void radixSortieren(std::vector<Ansicht3DPuffer::Eintrag>& eintraege,
                    std::vector<Ansicht3DPuffer::Eintrag>& tausch) {
    std::array<std::array<std::uint32_t, 256>, 8> zaehler{};
    for (const auto& e : eintraege)
        for (int b = 0; b < 8; ++b)
            ++zaehler[std::size_t(b)][(e.schluessel >> (8 * b)) & 0xFF];
    const std::size_t n = eintraege.size();
    tausch.resize(n);
    for (int b = 0; b < 8; ++b) {
        auto& z = zaehler[std::size_t(b)];
        if (std::find(z.begin(), z.end(), n) != z.end()) continue;
        std::uint32_t summe = 0;
        for (auto& c : z)
            summe += std::exchange(c, summe);
        for (const auto& e : eintraege)
            tausch[z[(e.schluessel >> (8 * b)) & 0xFF]++] = e;
        eintraege.swap(tausch);
    }
}

// Lambert shading by a light from the upper left of the unturned picture and
// above: a quarter of the colour always, the rest by the cosine of the angle
// between the triangle's upward normal and the light.
void schattieren(const Landschaft3D& l, double hoehenFaktor, std::vector<Pixel>& aus) {
    constexpr double L = 0.408248290463863;  // 1 / sqrt(6)
    constexpr double Licht[3] = {-L, -L, 2 * L};
    const int n = l.kante;
    aus.resize(l.farben.size());
    for (std::size_t t = 0; t < l.farben.size(); ++t) {
        const DreieckEcken e = Ecken(n, int(t));
        auto punkt = [&](int v) {
            return std::array<double, 3>{l.lage[std::size_t(v / n)], l.lage[std::size_t(v % n)],
                                         l.z[std::size_t(v)] * hoehenFaktor};
        };
        const auto a = punkt(e.a), b = punkt(e.b), c = punkt(e.c);
        const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        double nx = u[1] * v[2] - u[2] * v[1], ny = u[2] * v[0] - u[0] * v[2],
               nz = u[0] * v[1] - u[1] * v[0];
        if (nz < 0) nx = -nx, ny = -ny, nz = -nz;
        const double laenge = std::sqrt(nx * nx + ny * ny + nz * nz);
        const double cosinus = (nx * Licht[0] + ny * Licht[1] + nz * Licht[2]) / laenge;
        const std::uint32_t f = std::uint32_t(64.0 + 192.0 * std::max(cosinus, 0.0));  // of 256
        const Pixel p = l.farben[t];
        auto kanal = [&](int s) { return ((((p >> s) & 0xFF) * f + 128) >> 8) << s; };
        aus[t] = kanal(16) | kanal(8) | kanal(0);
    }
}

}  // namespace

Projektion ProjektionFuer(const AnsichtRec& a, int breite, int hoehe) {
    const double y = bogen(a.WinkelY), x = bogen(a.WinkelX), z = bogen(a.WinkelZ);
    const double seite = std::min(breite, hoehe) / double(Ansicht3DKante);
    return {std::cos(y), std::sin(y),    std::cos(x),    std::sin(x),  std::cos(z),
            std::sin(z), a.HoehenFaktor, a.Zoom * seite, breite / 2.0, hoehe / 2.0};
}

Projiziert Projizieren(const Projektion& p, double x, double y, double z) {
    const double zs = (z - 0.5) * p.hoehenFaktor;
    const double x1 = x * p.cosY + y * p.sinY;
    const double y1 = y * p.cosY - x * p.sinY;
    const double z2 = zs * p.cosX + x1 * p.sinX;
    const double x2 = x1 * p.cosX - zs * p.sinX;
    const double y3 = y1 * p.cosZ + z2 * p.sinZ;
    const double z3 = z2 * p.cosZ - y1 * p.sinZ;
    return {{abschneiden(x2 * p.massstab + p.mitteX), abschneiden(y3 * p.massstab + p.mitteY)}, z3};
}

void Hintergrund3D(PixelImage& bild) {
    VerlaufFuellen(bild, bild.height, bild.height);
}

void DreieckeSortieren(std::span<const double> tiefe, int kante, Ansicht3DPuffer& puffer) {
    const std::size_t zellen = std::size_t(kante - 1);
    puffer.eintraege.resize(2 * zellen * zellen);
    std::size_t t = 0;
    for (std::size_t i = 0; i < zellen; ++i) {
        for (std::size_t j = 0; j < zellen; ++j) {
            // Both triangles of a cell start at its corner (i, j).
            const std::uint64_t k = tiefenSchluessel(tiefe[i * std::size_t(kante) + j]);
            puffer.eintraege[t] = {k, std::uint32_t(t)};
            puffer.eintraege[t + 1] = {k, std::uint32_t(t + 1)};
            t += 2;
        }
    }
    radixSortieren(puffer.eintraege, puffer.tausch);
    puffer.ordnung.resize(puffer.eintraege.size());
    for (std::size_t k = 0; k < puffer.eintraege.size(); ++k)
        puffer.ordnung[k] = puffer.eintraege[k].dreieck;
}

void OberflaecheZeichnen(const Landschaft3D& l, const AnsichtRec& a, const PixelImage& hintergrund,
                         Ansicht3DPuffer& puffer, PixelImage& bild) {
    bild = hintergrund;
    const Projektion p = ProjektionFuer(a, bild.width, bild.height);
    const int n = l.kante;
    puffer.punkte.resize(l.z.size());
    puffer.tiefe.resize(l.z.size());
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const std::size_t v = std::size_t(i) * std::size_t(n) + std::size_t(j);
            const Projiziert q =
                Projizieren(p, l.lage[std::size_t(i)], l.lage[std::size_t(j)], l.z[v]);
            puffer.punkte[v] = q.punkt;
            puffer.tiefe[v] = q.tiefe;
        }
    }
    DreieckeSortieren(puffer.tiefe, n, puffer);
    if (a.Schattierung) schattieren(l, a.HoehenFaktor, puffer.schattiert);
    const std::vector<Pixel>& farben = a.Schattierung ? puffer.schattiert : l.farben;
    for (std::uint32_t t : puffer.ordnung) {
        const DreieckEcken e = Ecken(n, int(t));
        DreieckFuellen(bild, puffer.punkte[std::size_t(e.a)], puffer.punkte[std::size_t(e.b)],
                       puffer.punkte[std::size_t(e.c)], farben[t]);
    }
}

void KastenZeichnen(const AnsichtRec& a, const PixelImage& hintergrund, PixelImage& bild) {
    bild = hintergrund;
    const Projektion p = ProjektionFuer(a, bild.width, bild.height);
    constexpr double Ecke[4][2] = {{-200, -200}, {200, -200}, {200, 200}, {-200, 200}};
    // Heights whose (z - 0.5) * HoehenFaktor is -+HoehenFaktor / 2.
    for (double z : {0.0, 1.0}) {
        Bildpunkt q[4];
        for (int k = 0; k < 4; ++k)
            q[k] = Projizieren(p, Ecke[k][0], Ecke[k][1], z).punkt;
        for (int k = 0; k < 4; ++k)
            LinieZeichnen(bild, q[k], q[(k + 1) % 4], PixelAusBytes(0, 0, 0));
    }
}

void Ansicht3DZeichnen(const ColourState& farben, Dokument& dok, const AnsichtRec& a, int breite,
                       int hoehe, PixelImage& bild) {
    Landschaft3D l;
    Landschaft3DAufbauen(farben, dok, a.Detail, l);
    PixelImage hintergrund;
    hintergrund.resize(breite, hoehe);
    Hintergrund3D(hintergrund);
    Ansicht3DPuffer puffer;
    OberflaecheZeichnen(l, a, hintergrund, puffer, bild);
}

}  // namespace gm
