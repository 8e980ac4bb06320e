#include "generators/krater.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/kombination.h"
#include "core/mathe.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"
#include "generators/krater_kern.h"

namespace gm {

namespace {

using R = KraterParamRec;

const Parameter kraterParameter[] = {
    Param<&R::Anzahl>("Anzahl", 800, 1, 8000, Skala::Logarithmisch, 1, "Anzahl"),
    Param<&R::Skalierung>("Skalierung", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Skalierung"),
    Param<&R::Grenze>("Grenze", 0.63, 0.01, 0.99, Skala::Linear, 0.01, "Grenze"),
    Param<&R::Dicke>("Dicke", 50.0, 0.0, 100.0, Skala::Linear, 0.01, "Dicke"),
};

// Round(Random * n) for a draw that left the generator at `seed`: the product
// seed * 2^-32 * n is exact in a double for n below 2^21, so its nearest whole
// number (an exact half to the even one) follows from the 64-bit product.
int gerundeterZug(std::uint32_t seed, int n) {
    const std::uint64_t q = std::uint64_t(seed) * std::uint64_t(n);
    std::uint64_t ganz = q >> 32;
    const std::uint64_t rest = q & 0xffffffffu;
    // Up when the rest is above a half, or a half with an odd whole part:
    // written without a branch, since the rest is as random as the draw.
    ganz += std::uint64_t(rest + (ganz & 1u) > 0x80000000u);
    return int(ganz);
}

// The centre search: pairs of draws until one lands on an untouched cell.
// Both draws of a pair are computed from the seed before them, so the
// dependent chain per pair is one step.
void mittelpunktSuchen(Dokument& dok, const KraterKarte& karte, int& cx, int& cy) {
    constexpr std::uint32_t a = 134775813u, a2 = a * a, c2 = a + 1u;
    std::uint32_t seed = dok.RandSeed;
    for (;;) {
        const std::uint32_t s1 = seed * a + 1u;
        seed = seed * a2 + c2;
        cx = gerundeterZug(s1, dok.MaxX);
        cy = gerundeterZug(seed, dok.MaxY);
        if (karte.unberuehrt(cx, cy)) break;
    }
    dok.RandSeed = seed;
}

}  // namespace

std::span<const Parameter> KraterParameter() {
    return kraterParameter;
}

KraterParamRec KraterStandard() {
    return recordVorgaben<KraterParamRec>(KraterParameter());
}

double KraterProfil(const KraterParamRec& p, double d) {
    return KraterProfil(KraterFormVon(p), d);
}

double KraterGewicht(const KraterParamRec& p, double d) {
    return KraterGewicht(KraterFormVon(p), d);
}

void KraterBerechnen(Dokument& dok, const KraterParamRec& p, Befehlssatz satz) {
    KraterKarte karte(dok);
    const KraterForm form = KraterFormVon(p);
    const double maxX = dok.MaxX;
    std::vector<double> puffer;
    for (int n = 0; n < p.Anzahl && karte.frei() > 0; ++n) {
        Krater k;
        mittelpunktSuchen(dok, karte, k.cx, k.cy);
        const double u = Random(dok) + 0.1;
        k.r = roundToInt(0.15 * (0.0001 / Pow(u, 4.0)) * maxX) + 3;
        k.tiefe = Pow(k.r / (0.15 * maxX + 3.0), 0.9) * p.Skalierung / 256.0 *
                  Pow(maxX / 256.0, 0.1) / 0.15 * 80.0;
        KraterScheibe(dok, karte, form, k, satz, puffer);
    }
    KraterResteLeeren(dok, karte, satz);
}

void KraterBerechnen(Dokument& dok, const KraterParamRec& p) {
    KraterBerechnen(dok, p, BesterBefehlssatz());
}

void KraterAnwenden(Dokument& dok, const KraterParamRec& p) {
    UndoSichern(dok);
    KraterBerechnen(dok, p);
    ZweitbildNormalisieren(dok, 1.0);
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        const double* h = dok.Hoehenfeld.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y)
            z[y] = (z[y] + 1.0) * h[y];
    }
    // Stretched again and written into the free cells only.
    ZweitbildUebernehmen(dok);
    ZweitbildEinrechnen(dok, dok.Verknuepfungsmodus);
}

Status KraterAusfuehren(Dokument& dok, const Werte& werte) {
    KraterAnwenden(dok, recordAus<KraterParamRec>(KraterParameter(), werte));
    return {};
}

std::vector<int> KraterProfilZeilen(const KraterParamRec& p, int breite, int hoehe) {
    // Values for columns 0..breite like the picture's source; the last lies
    // past the picture and is only part of the range.
    std::vector<double> v(std::size_t(breite) + 1);
    double minimum = 1000.0, maximum = -1000.0;
    for (int i = 0; i <= breite; ++i) {
        const double d = double(i + 1) / double(breite + 1);
        v[i] = 1.0 * KraterGewicht(p, d) + KraterProfil(p, d);
        if (v[i] < minimum) minimum = v[i];
        if (v[i] > maximum) maximum = v[i];
    }
    double skala = 1.0;
    if (maximum == minimum) {
        minimum = 0.0;
    } else {
        skala = 1.0 / (maximum - minimum);
    }
    std::vector<int> zeilen(static_cast<std::size_t>(breite));
    for (int i = 0; i < breite; ++i) {
        zeilen[i] = roundToInt(double(hoehe - 2) * clamp01((v[i] - minimum) * skala)) + 1;
    }
    return zeilen;
}

}  // namespace gm
