#include "core/nativdatei.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "core/atomare_datei.h"
#include "core/puffer.h"
#include "core/zahlen.h"

namespace gm {

static_assert(std::endian::native == std::endian::little,
              "the native file stores little-endian doubles as they are in memory");

namespace {

struct Kopf {
    int maxX, maxY;
};

double leseDouble(const std::string& daten, std::size_t satz) {
    double v;
    std::memcpy(&v, daten.data() + satz * 8, 8);
    return v;
}

// Converts a header record to an index; NaN and huge values fail the range check.
int kopfIndex(double v) {
    if (!(v > -1e9 && v < 1e9)) return -1;
    return roundToInt(v);
}

// NaN or an infinity would spread through every filter into every export.
Status endlichPruefen(const std::string& pfad, const std::string& daten, const Kopf& kopf) {
    const std::size_t n = std::size_t(kopf.maxX + 1) * std::size_t(kopf.maxY + 1);
    for (std::size_t i = 0; i < n; ++i) {
        const double v = leseDouble(daten, 2 + i);
        if (std::isfinite(v)) continue;
        const std::size_t spalten = std::size_t(kopf.maxY + 1);
        return Status::fehler(pfad + ": the sample at x " + std::to_string(i / spalten) + ", y " +
                              std::to_string(i % spalten) + " is " +
                              (std::isnan(v) ? "not a number" : "infinite") +
                              "; a grid file holds finite heights only");
    }
    return {};
}

Status pruefen(const std::string& pfad, const std::string& daten, Kopf& kopf) {
    if (daten.size() < 16) {
        return Status::fehler(pfad + ": not a grid file (it has " + std::to_string(daten.size()) +
                              " bytes, the header alone needs 16)");
    }
    kopf = {kopfIndex(leseDouble(daten, 0)), kopfIndex(leseDouble(daten, 1))};
    if (kopf.maxX < 1 || kopf.maxX > FeldMaxIndex || kopf.maxY < 1 || kopf.maxY > FeldMaxIndex) {
        return Status::fehler(pfad + ": the header gives a size outside 2..2050 points");
    }
    const std::size_t noetig = 16 + std::size_t(kopf.maxX + 1) * std::size_t(kopf.maxY + 1) * 8;
    if (daten.size() < noetig) {
        return Status::fehler(pfad + ": file ends after " + std::to_string(daten.size()) + " of " +
                              std::to_string(noetig) + " bytes");
    }
    return endlichPruefen(pfad, daten, kopf);
}

void samplesLesen(const std::string& daten, const Kopf& kopf, TFeld& ziel) {
    const std::size_t n = std::size_t(kopf.maxY + 1);
    const char* quelle = daten.data() + 16;
    for (int x = 0; x <= kopf.maxX; ++x) {
        std::memcpy(ziel.spalte(x), quelle + std::size_t(x) * n * 8, n * 8);
    }
}

}  // namespace

Status NativLesen(Dokument& dok, const std::string& pfad) {
    std::string daten;
    Kopf kopf{};
    if (Status s = dateiLesen(pfad, daten, NativMaxBytes); !s) return s;
    if (Status s = pruefen(pfad, daten, kopf); !s) return s;
    NeueGroesse(dok, kopf.maxX, kopf.maxY, true);
    samplesLesen(daten, kopf, dok.Hoehenfeld);
    return {};
}

Status NativInZweitbildLesen(Dokument& dok, const std::string& pfad) {
    std::string daten;
    Kopf kopf{};
    if (Status s = dateiLesen(pfad, daten, NativMaxBytes); !s) return s;
    if (Status s = pruefen(pfad, daten, kopf); !s) return s;
    if (kopf.maxX != dok.MaxX || kopf.maxY != dok.MaxY) {
        return Status::fehler(pfad + ": the file holds " + std::to_string(kopf.maxX + 1) + " x " +
                              std::to_string(kopf.maxY + 1) + " points, the field has " +
                              std::to_string(dok.MaxX + 1) + " x " + std::to_string(dok.MaxY + 1));
    }
    ZweitbildNullen(dok);
    samplesLesen(daten, kopf, dok.Zweitbild);
    return {};
}

Status NativSchreiben(const Dokument& dok, const std::string& pfad) {
    const std::size_t n = std::size_t(dok.MaxY + 1);
    std::string daten(16 + std::size_t(dok.MaxX + 1) * n * 8, '\0');
    const double kopf[2] = {double(dok.MaxX), double(dok.MaxY)};
    std::memcpy(daten.data(), kopf, 16);
    for (int x = 0; x <= dok.MaxX; ++x) {
        std::memcpy(daten.data() + 16 + std::size_t(x) * n * 8, dok.Hoehenfeld.spalte(x), n * 8);
    }
    return dateiAtomarSchreiben(pfad, daten);
}

}  // namespace gm
