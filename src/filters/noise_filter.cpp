#include "filters/noise_filter.h"

#include "core/puffer.h"
#include "core/zahlen.h"
#include "core/zufall.h"

namespace gm {

namespace {
double maxX(const Dokument& dok) {
    return dok.MaxX;
}
}  // namespace

const Parameter NoiseFilterParameter[1] = {
    Param<&NoiseFilterRec::Noiseweite>("Noiseweite", 3.0, 1.0, double(FeldMaxIndex - 1),
                                       Skala::Logarithmisch, 1, "Noiseweite"),
};

const ScriptArgument NoiseFilterArgumente[1] = {
    ArgBisMitVorgabe<&NoiseFilterRec::Noiseweite>(3.0, &maxX, 1.0, ArgForm::Dezimal),
};

int Spiegeln(int i, int max) {
    // Repeated reflection at 0 and max has period 2 max.
    const int periode = 2 * max;
    int r = i % periode;
    if (r < 0) r += periode;
    return r > max ? periode - r : r;
}

void NoiseFilterAnwenden(Dokument& dok, const NoiseFilterRec& rec) {
    ZweitbildLeeren(dok);
    const double w = rec.Noiseweite;
    for (int x = 0; x <= dok.MaxX; ++x) {
        double* z = dok.Zweitbild.spalte(x);
        for (int y = 0; y <= dok.MaxY; ++y) {
            const double r1 = Random(dok);
            const double r2 = Random(dok);
            const int sx = Spiegeln(x + roundToInt((r1 - 0.5) * w), dok.MaxX);
            const int sy = Spiegeln(y + roundToInt((r2 - 0.5) * w), dok.MaxY);
            z[y] = dok.Hoehenfeld(sx, sy);
        }
    }
    ZweitbildUebernehmen(dok);
}

}  // namespace gm
