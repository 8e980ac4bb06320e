#include "generators/krater.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/kombination.h"
#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {

using R = KraterParamRec;

const Parameter kraterParameter[] = {
    Param<&R::Anzahl>("Anzahl", 800, 1, 8000, Skala::Logarithmisch, 1, "Anzahl"),
    Param<&R::Skalierung>("Skalierung", 1.0, 0.01, 100.0, Skala::Logarithmisch, 0.01, "Skalierung"),
    Param<&R::Grenze>("Grenze", 0.63, 0.01, 0.99, Skala::Linear, 0.01, "Grenze"),
    Param<&R::Dicke>("Dicke", 50.0, 0.0, 100.0, Skala::Linear, 0.01, "Dicke"),
};

// The bowl angle of 35.25 degrees.
constexpr double kWinkel = 0.6152285613280012;

// One pass over Zweitbild that keeps count of the cells still holding
// KeinWert, so the centre search knows when none is left.
class Kraterfeld {
  public:
    explicit Kraterfeld(Dokument& dok)
        : dok_(dok), frei_(std::int64_t(dok.MaxX + 1) * (dok.MaxY + 1)) {}

    std::int64_t frei() const { return frei_; }

    // KraterSetzen: blends v into the cell with weight w for its old value.
    void setzen(int cx, int cy, int dx, int dy, double w, double v) {
        const int x = cx + dx, y = cy + dy;
        if (x < 0 || x > dok_.MaxX || y < 0 || y > dok_.MaxY) return;
        double& z = dok_.Zweitbild(x, y);
        if (z == KeinWert) {
            z = 0.0;
            --frei_;
        }
        z = z * w + v;
        // A blend can land exactly on the marker; the search then sees the
        // cell as untouched, and so does the count.
        if (z == KeinWert) ++frei_;
    }

  private:
    Dokument& dok_;
    std::int64_t frei_;
};

}  // namespace

std::span<const Parameter> KraterParameter() {
    return kraterParameter;
}

KraterParamRec KraterStandard() {
    return recordVorgaben<KraterParamRec>(KraterParameter());
}

double KraterProfil(const KraterParamRec& p, double d) {
    const double s = std::sin(kWinkel), c = std::cos(kWinkel);
    const double r = std::sqrt(std::fabs(d));
    const double t = r - s;
    if (r > s) return -c * std::exp(-p.Dicke * (t * t));
    return -std::sqrt(1.0 - d);
}

double KraterGewicht(const KraterParamRec& p, double d) {
    const double a = std::sqrt(d) - p.Grenze;
    const double q = a * a;
    if (d <= p.Grenze * p.Grenze) return 0.01 * std::exp(-30.0 * q);
    return 1.0 - 0.99 * std::exp(-25.0 * q);
}

void KraterBerechnen(Dokument& dok, const KraterParamRec& p) {
    Kraterfeld feld(dok);
    const double maxX = dok.MaxX, maxY = dok.MaxY;
    for (int n = 0; n < p.Anzahl && feld.frei() > 0; ++n) {
        int cx, cy;
        do {
            cx = roundToInt(Random(dok) * maxX);
            cy = roundToInt(Random(dok) * maxY);
        } while (dok.Zweitbild(cx, cy) != KeinWert);
        const double u = Random(dok) + 0.1;
        const int r = roundToInt(0.15 * (0.0001 / std::pow(u, 4.0)) * maxX) + 3;
        const double tiefe = std::pow(r / (0.15 * maxX + 3.0), 0.9) * p.Skalierung / 256.0 *
                             std::pow(maxX / 256.0, 0.1) / 0.15 * 80.0;
        const double rr = double(r) * double(r);
        for (int i = r; i >= 1; --i) {
            for (int j = i; j >= 0; --j) {
                const double d = (double(i) * i + double(j) * j) / rr;
                if (d >= 1.0) continue;
                const double v = KraterProfil(p, d) * tiefe;
                const double w = KraterGewicht(p, d);
                feld.setzen(cx, cy, i, j, w, v);
                feld.setzen(cx, cy, -j, i, w, v);
                feld.setzen(cx, cy, -i, -j, w, v);
                feld.setzen(cx, cy, j, -i, w, v);
                if (j > 0 && j < i) {
                    feld.setzen(cx, cy, j, i, w, v);
                    feld.setzen(cx, cy, -i, j, w, v);
                    feld.setzen(cx, cy, -j, -i, w, v);
                    feld.setzen(cx, cy, i, -j, w, v);
                }
            }
        }
        feld.setzen(cx, cy, 0, 0, KraterGewicht(p, 0.0), KraterProfil(p, 0.0) * tiefe);
    }
}

void KraterAnwenden(Dokument& dok, const KraterParamRec& p) {
    UndoSichern(dok);
    ZweitbildLeeren(dok);
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
