#include "generators/duenen.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/faeden.h"
#include "core/kombination.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

using R = DuenenParamRec;

const Parameter duenenParameter[] = {
    Param<&R::WellenH>("WellenH", 1.0, 0.1, 10.0, Skala::Linear, 0.01, "Wellen H"),
    Param<&R::WellenV>("WellenV", 1.0, 0.1, 10.0, Skala::Linear, 0.01, "Wellen V"),
    Param<&R::Iterationen>("Iterationen", 1, 1, 100, Skala::Logarithmisch, 1, "Iterationen"),
    Param<&R::BreiteH>("BreiteH", 1.0, 0.0, 1.0, Skala::Linear, 0.01, "Breite H"),
    Param<&R::BreiteV>("BreiteV", 1.0, 0.0, 1.0, Skala::Linear, 0.01, "Breite V"),
    Param<&R::GammaL1>("GammaL1", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Gamma  L1"),
    Param<&R::GammaL2>("GammaL2", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Gamma L2"),
    Param<&R::Mittelpunkt>("Mittelpunkt", 0.5, 0.0, 1.0, Skala::Linear, 0.01, "Mittelpunkt"),
    Param<&R::AbsolutH>("AbsolutH", 0, 0, 1, Skala::Linear, 1, "Absolut H"),
    Param<&R::AbsolutV>("AbsolutV", 0, 0, 1, Skala::Linear, 1, "Absolut V"),
    Param<&R::NegativH>("NegativH", 0, 0, 1, Skala::Linear, 1, "Negativ H"),
    Param<&R::NegativV>("NegativV", 0, 0, 1, Skala::Linear, 1, "Negativ V"),
    Param<&R::Invertieren>("Invertieren", 0, 0, 1, Skala::Linear, 1, "Invertieren"),
    Param<&R::NeueLandschaftH>("NeueLandschaftH", 0, 0, 1, Skala::Linear, 1, "Neue Landschaft H"),
    Param<&R::NeueLandschaftV>("NeueLandschaftV", 0, 0, 1, Skala::Linear, 1, "Neue Landschaft V"),
};

int iterationenVon(const DuenenParamRec& p) {
    return std::clamp(p.Iterationen, 1, DuenenTabellenAnzahl - 2);
}

// Ten octaves; the same weight scales the coordinate and the term.
double fbm(const DuenenTabelle& t, const double* w, bool absolut, bool negativ, double x) {
    double s = 0.0;
    for (int k = 1; k <= 10; ++k) {
        const double n = Noise1D(t, x * w[k]);
        const double term = absolut ? std::fabs(n * w[k]) : n * w[k];
        s = negativ ? s - term : s + term;
    }
    return s;
}

// One curve stretched to 0..1 and shaped for its family.
void kurveBauen(const DuenenParamRec& p, int s, const DuenenTabelle& t, const double* w,
                double* aus) {
    const bool absolut = s == 0 ? p.AbsolutH : p.AbsolutV;
    const bool negativ = s == 0 ? p.NegativH : p.NegativV;
    double minimum = 1000.0, maximum = -1000.0;
    for (int i = 0; i < DuenenPunkte; ++i) {
        aus[i] = fbm(t, w, absolut, negativ, double(i) / 2049.0);
        if (aus[i] < minimum) minimum = aus[i];
        if (aus[i] > maximum) maximum = aus[i];
    }
    double skala = 1.0;
    if (maximum == minimum) {
        minimum = 0.0;
    } else {
        skala = 1.0 / (maximum - minimum);
    }
    for (int i = 0; i < DuenenPunkte; ++i) {
        double c = (aus[i] - minimum) * skala;
        if (s == 0) {
            c = c * p.BreiteH;
            if (c < 0.0) c = 0.0;
        } else {
            c = c + p.BreiteV - 1.0;
            if (c < -1.0) c = -1.0;
        }
        aus[i] = c > 1.0 ? 1.0 : c;
    }
}

// A flank sample: f limited to 0..1, raised to gamma, times the crest height.
double flanke(double f, double gamma, double hoehe) {
    const double h = std::pow(clamp01(f), gamma) * hoehe;
    return h < 0.0 ? 0.0 : h;
}

}  // namespace

std::span<const Parameter> DuenenParameter() {
    return duenenParameter;
}

std::span<const Parameter> DuenenRegler() {
    return DuenenParameter().first(13);
}

DuenenParamRec DuenenStandard() {
    return recordVorgaben<DuenenParamRec>(DuenenParameter());
}

void DuenenTabellen(Dokument& dok, DuenenZustand& z, int s) {
    if (!z.tabellen) z.tabellen = std::make_unique<std::array<DuenenFamilie, 2>>();
    for (DuenenTabelle& t : (*z.tabellen)[s]) {
        for (int i = 0; i < DuenenPunkte; ++i) {
            t.Permutation[i] = i;
            t.Gradient[i] = (Random(dok) * 4098.0 - 2049.0) / 2049.0;
        }
        for (int i = DuenenPunkte - 1; i >= 0; --i) {
            const int j = roundToInt(Random(dok) * 2049.0);
            std::swap(t.Permutation[i], t.Permutation[j]);
        }
    }
}

const std::array<DuenenFamilie, 2>& DuenenBereit(Dokument& dok, DuenenZustand& z) {
    if (!z.tabellen) {
        DuenenTabellen(dok, z, 0);
        DuenenTabellen(dok, z, 1);
    }
    return *z.tabellen;
}

double Noise1D(const DuenenTabelle& t, double x) {
    const double tx = x + 4096.0;
    const double ganz = std::trunc(tx);
    const int b0 = int(ganz) & 255;
    const int b1 = (b0 + 1) & 255;
    const double r0 = tx - ganz;
    const double r1 = r0 - 1.0;
    const double sx = r0 * r0 * (3.0 - 2.0 * r0);
    const double u = r0 * t.Gradient[t.Permutation[b0]];
    const double v = r1 * t.Gradient[t.Permutation[b1]];
    return u + sx * (v - u);
}

DuenenKurven DuenenKurvenBauen(const DuenenParamRec& p, const std::array<DuenenFamilie, 2>& f) {
    DuenenKurven k;
    k.anzahl = iterationenVon(p) + 2;
    k.werte.resize(std::size_t(2) * k.anzahl * DuenenPunkte);
    double gewicht[2][11];
    for (int s = 0; s < 2; ++s) {
        const double l = s == 0 ? p.WellenH : p.WellenV;
        double g = 1.0;
        for (double& w : gewicht[s]) {
            w = std::pow(g, 0.25);
            g = g * l;
        }
    }
    // Every curve is independent: the tables split between two threads.
    ZweiFaeden([&](int teil) {
        for (int n = teil; n < 2 * k.anzahl; n += 2) {
            const int s = n / k.anzahl, t = n % k.anzahl;
            kurveBauen(p, s, f[s][t], gewicht[s], k.kurve(s, t));
        }
    });
    return k;
}

void DuenenZeile(const DuenenParamRec& p, const DuenenKurven& k, int col, int n, double* puffer) {
    std::fill(puffer, puffer + DuenenPunkte, 0.0);
    const int m = std::min(iterationenVon(p), k.anzahl - 2);
    const double dn = n;
    auto imBereich = [n](int y) { return y >= 0 && y <= n; };
    for (int t = 0; t <= m; ++t) {
        const double links = (t - 0.5 + (k.kurve(0, t)[col] - 0.5)) / m;
        const double rechts = (t + 0.5 + (k.kurve(0, t + 1)[col] - 0.5)) / m;
        const double kamm = links + (rechts - links) * p.Mittelpunkt;
        const double hoehe = k.kurve(1, t)[col];
        const int L = roundToInt(dn * links), Rr = roundToInt(dn * rechts);
        const int K = roundToInt(dn * kamm);
        if (imBereich(L)) puffer[L] = 0.0;
        for (int y = std::max(L + 1, 0); y <= std::min(K, n); ++y) {
            puffer[y] = flanke((y / dn - links) / (kamm - links), p.GammaL1, hoehe);
        }
        for (int y = std::max(K + 1, 0); y <= std::min(Rr - 1, n); ++y) {
            puffer[y] = flanke((rechts - y / dn) / (rechts - kamm), p.GammaL2, hoehe);
        }
        if (imBereich(Rr)) puffer[Rr] = 0.0;
    }
}

void DuenenBerechnen(Dokument& dok, const DuenenParamRec& p, const DuenenKurven& k) {
    ZweiFaeden([&](int teil) {
        std::vector<double> puffer(DuenenPunkte);
        for (int x = teil; x <= dok.MaxX; x += 2) {
            DuenenZeile(p, k, roundToInt(double(x) * 2049.0 / dok.MaxX), dok.MaxY, puffer.data());
            double* z = dok.Zweitbild.spalte(x);
            for (int y = 0; y <= dok.MaxY; ++y) {
                // Negated, a crest of exactly 1 would read as KeinWert.
                z[y] = p.Invertieren ? AlsWert(-puffer[y]) : puffer[y];
            }
        }
    });
}

VorschauSpanne DuenenVorschau(const DuenenParamRec& p, const DuenenKurven& k, Vorschaufeld& v) {
    VorschauSpanne s{1000.0, -1000.0};
    std::vector<double> puffer(DuenenPunkte);
    for (int i = 0; i < VorschauKante; ++i) {
        DuenenZeile(p, k, roundToInt(double(i) * 2049.0 / 255.0), 255, puffer.data());
        for (int j = 0; j < VorschauKante; ++j) {
            v.werte[i][j] = puffer[j];
            if (puffer[j] < s.minimum) s.minimum = puffer[j];
            if (puffer[j] > s.maximum) s.maximum = puffer[j];
        }
    }
    return s;
}

std::vector<std::pair<int, int>> DuenenFlanken(const DuenenParamRec& p, int breite, int hoehe) {
    std::vector<std::pair<int, int>> punkte;
    const int c = roundToInt(breite * p.Mittelpunkt);
    const double h = hoehe - 2;
    // Column breite lies past the picture: the flanks stop one before it.
    if (c > 0) {
        for (int i = 0; i <= std::min(c, breite - 1); ++i) {
            punkte.emplace_back(i,
                                roundToInt(h * std::pow(1.0 - double(i) / c, 1.0 / p.GammaL1)) + 1);
        }
    }
    if (breite - c > 0) {
        for (int i = c; i < breite; ++i) {
            const double f = double(i - c) / double(breite - c);
            punkte.emplace_back(i, roundToInt(h * std::pow(f, 1.0 / p.GammaL2)) + 1);
        }
    }
    return punkte;
}

void DuenenErzeugen(Dokument& dok, DuenenZustand& z, const DuenenParamRec& p) {
    DuenenBereit(dok, z);
    if (p.NeueLandschaftH) DuenenTabellen(dok, z, 0);
    if (p.NeueLandschaftV) DuenenTabellen(dok, z, 1);
    DuenenBerechnen(dok, p, DuenenKurvenBauen(p, *z.tabellen));
}

Status DuenenAusfuehren(Dokument& dok, DuenenZustand& z, const Werte& werte) {
    DuenenErzeugen(dok, z, recordAus<DuenenParamRec>(DuenenParameter(), werte));
    ZweitbildVerknuepfen(dok);
    return {};
}

}  // namespace gm
