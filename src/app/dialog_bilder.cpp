#include "app/dialog_bilder.h"

#include <QCheckBox>
#include <QPainter>
#include <algorithm>

#include "app/hauptbild.h"
#include "app/parameter_dialog.h"
#include "app/regler_widget.h"
#include "core/zahlen.h"
#include "display/hauptbild.h"
#include "script/sitzung.h"

namespace gm {

namespace {
const QColor kGrau(112, 112, 112);
const QColor kSilber(192, 192, 192);
const QColor kKurvenGrund(96, 112, 112);
constexpr int kBasisAbstand = 10;  // base line above the bottom edge
}  // namespace

void VorschauMitSpanneMalen(Sitzung& s, const Vorschaufeld& feld, bool invertieren,
                            VorschauSpanne spanne, QImage& bild) {
    PixelImage puffer;
    ZeichneVorschau(s.farben, s.dok, feld, invertieren, spanne.maximum, spanne.minimum, puffer);
    bild = AlsQImage(puffer);
}

QImage ProfilMalen(const std::array<int, ProfilBreite>& zeilen, int hoehe) {
    QImage bild(ProfilBreite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::black);
    for (int i = 0; i < ProfilBreite; ++i) {
        if (zeilen[i] >= 0 && zeilen[i] < hoehe) bild.setPixel(i, zeilen[i], qRgb(255, 255, 255));
    }
    return bild;
}

QImage KurveMalen(const std::vector<double>& werte, int hoehe) {
    const int breite = int(werte.size());
    QImage bild(std::max(breite, 1), hoehe, QImage::Format_RGB32);
    bild.fill(kGrau);
    QPainter p(&bild);
    const int basis = hoehe - kBasisAbstand;
    p.fillRect(0, basis, breite, 3, Qt::white);
    p.setPen(kSilber);
    for (int x = 0; x < breite; ++x) {
        const int h = roundToInt(clamp01(werte[std::size_t(x)]) * double(basis - 1));
        if (h > 0) p.drawLine(x, basis - 1, x, basis - h);
    }
    return bild;
}

int WellenKurveZeile(double v, int hoehe) {
    return roundToInt((1.0 - clamp01(v)) * double(hoehe - 2));
}

QImage WellenKurveMalen(const FunktionenAchse& achse, int welche, int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(kKurvenGrund);
    for (int i = 0; i < breite; ++i)
        bild.setPixel(i, hoehe - 1, kSilber.rgb());
    int vorige = -1;
    for (int i = 0; i < breite; ++i) {
        const double u = breite > 1 ? double(i) / (breite - 1) : 0.0;
        const double t = (achse.Negativ ? 1.0 - u : u) * achse.Perioden;
        const int zeile = WellenKurveZeile(FunktionenKurve(achse, welche, t), hoehe);
        const int von = vorige < 0 ? zeile : vorige;
        for (int y = std::min(von, zeile); y <= std::max(von, zeile); ++y)
            bild.setPixel(i, y, qRgb(255, 255, 255));
        vorige = zeile;
    }
    return bild;
}

void kurvenVerbinden(ParameterDialog& d, const std::function<void()>& zeichnen) {
    // Connected after the frame's own handlers, so the working set is read
    // first.
    for (ReglerWidget* r : d.findChildren<ReglerWidget*>()) {
        QObject::connect(r, &ReglerWidget::geaendert, &d, zeichnen);
        QObject::connect(r, &ReglerWidget::losgelassen, &d, zeichnen);
    }
    for (QCheckBox* c : d.findChildren<QCheckBox*>())
        QObject::connect(c, &QCheckBox::clicked, &d, zeichnen);
}

QImage HistogrammMalen(const Histogramm& h, double helligkeit, double kontrast, int breite,
                       int hoehe, int markeBreite) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(kGrau);
    QPainter p(&bild);
    const double a = std::min(0.0, helligkeit);
    const double b = std::max(1.0, helligkeit + kontrast);
    const auto spalte = [&](double v) { return roundToInt((v - a) / (b - a) * (breite - 1)); };
    const int basis = hoehe - kBasisAbstand;
    const int balken = std::max(1, roundToInt(double(breite) / (33.0 * (b - a))) - 1);
    for (int i = 0; i < HistogrammBins && h.groesste > 0; ++i) {
        const int hb = roundToInt(0.8 * hoehe * h.anzahl[std::size_t(i)] / h.groesste);
        const int mitte = spalte(i / 32.0);
        p.fillRect(mitte - balken / 2, basis - hb, balken, hb, kSilber);
    }
    const int x0 = spalte(helligkeit);
    p.fillRect(x0, basis + 3, std::max(markeBreite, spalte(helligkeit + kontrast) - x0), 4,
               Qt::white);
    return bild;
}

}  // namespace gm
