#include "app/ansicht3d_fenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/bild3d_widget.h"
#include "app/hauptbild.h"
#include "app/knoepfe.h"
#include "app/regler_widget.h"
#include "core/zahlen.h"
#include "display/ansicht3d.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// The sliders in the order of the first five rows of AnsichtParameter().
const char* const kRegler[] = {"ImageXw", "ImageYw", "ImageZw", "ImageZoom", "ImageHw"};

constexpr double GradProPixel = 0.5;
constexpr double ZoomProStufe = 1.1;
constexpr qint64 LangsamesBild = 30;  // ms

// An angle moved by d degrees, wrapped into -180..180.
double drehen(double winkel, double d) {
    double w = std::fmod(winkel + d + 180.0, 360.0);
    if (w < 0) w += 360.0;
    return w - 180.0;
}

}  // namespace

struct TDarstellen3DLandschaft::Bilder {
    Landschaft3D landschaft;
    Ansicht3DPuffer puffer;
    PixelImage hintergrund, bild;
};

TDarstellen3DLandschaft::~TDarstellen3DLandschaft() = default;

TDarstellen3DLandschaft::TDarstellen3DLandschaft(Sitzung& s, QWidget* parent)
    : QDialog(parent), s_(s), b_(std::make_unique<Bilder>()) {
    setObjectName("Darstellen3DLandschaft");
    setWindowTitle(QStringLiteral("Darstellen3DLandschaft"));
    grauFaerben(this);
    bild_ = new Bild3DWidget(QSize(Ansicht3DKante, Ansicht3DKante), QSize(160, 160), this);
    bild_->setObjectName("Bild3D");
    auto* spalte = new QVBoxLayout;
    for (const char* name : kRegler) {
        auto* r = new ReglerWidget(this);
        r->setObjectName(name);
        connect(r, &ReglerWidget::geaendert, this, &TDarstellen3DLandschaft::reglerGelesen);
        connect(r, &ReglerWidget::losgelassen, this, [this] {
            reglerGelesen();
            zeichnen(false);
        });
        spalte->addWidget(r);
        regler_.push_back(r);
    }
    schattierung_ = new QCheckBox(QStringLiteral("Schattierung"), this);
    schattierung_->setObjectName("AuswahlSchattierung");
    connect(schattierung_, &QCheckBox::toggled, this, [this](bool an) {
        s_.ansicht.Schattierung = an;
        zeichnen(false);
    });
    spalte->addWidget(schattierung_);
    detail_ = new QComboBox(this);
    detail_->setObjectName("AuswahlDetail");
    for (int n : DetailStufen)
        detail_->addItem(QString::number(n), n);
    connect(detail_, &QComboBox::activated, this, [this](int i) {
        s_.ansicht.Detail = detail_->itemData(i).toInt();
        netzAufbauen();
        zeichnen(false);
    });
    auto* detailZeile = new QHBoxLayout;
    detailZeile->addWidget(new QLabel(QStringLiteral("Detail"), this));
    detailZeile->addWidget(detail_, 1);
    spalte->addLayout(detailZeile);
    spalte->addStretch(1);
    auto* beenden = new QPushButton(QStringLiteral("Beenden"), this);
    beenden->setObjectName("Beenden");
    connect(beenden, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addWidget(beenden);
    auto* zeile = new QHBoxLayout(this);
    zeile->addWidget(bild_, 1);
    zeile->addLayout(spalte);

    connect(bild_, &Bild3DWidget::gezogen, this, &TDarstellen3DLandschaft::gezogen);
    connect(bild_, &Bild3DWidget::losgelassen, this, [this] { zeichnen(false); });
    connect(bild_, &Bild3DWidget::gerollt, this, &TDarstellen3DLandschaft::gerollt);
    connect(bild_, &Bild3DWidget::groesseGeaendert, this, [this] {
        if (b_->landschaft.kante > 0) zeichnen(false);
    });
}

ReglerWidget* TDarstellen3DLandschaft::regler(const char* name) const {
    for (ReglerWidget* r : regler_)
        if (r->objectName() == QLatin1String(name)) return r;
    return nullptr;
}

void TDarstellen3DLandschaft::vorbereiten() {
    const std::span<const Parameter> p = AnsichtParameter();
    for (std::size_t i = 0; i < regler_.size(); ++i)
        regler_[i]->anlegen(reglerVorgabe(p[i], p[i].lesen(&s_.ansicht)));
    schattierung_->setChecked(s_.ansicht.Schattierung);
    const int stufe = detail_->findData(s_.ansicht.Detail);
    detail_->setCurrentIndex(stufe < 0 ? 0 : stufe);
    s_.ansicht.Detail = detail_->currentData().toInt();
    netzAufbauen();
    zeichnen(false);
}

void TDarstellen3DLandschaft::oeffnen() {
    vorbereiten();
    exec();
}

void TDarstellen3DLandschaft::netzAufbauen() {
    Landschaft3DAufbauen(s_.farben, s_.dok, s_.ansicht.Detail, b_->landschaft);
}

void TDarstellen3DLandschaft::reglerSetzen() {
    const std::span<const Parameter> p = AnsichtParameter();
    for (std::size_t i = 0; i < regler_.size(); ++i)
        regler_[i]->wertSetzen(p[i].lesen(&s_.ansicht));
}

void TDarstellen3DLandschaft::reglerGelesen() {
    const std::span<const Parameter> p = AnsichtParameter();
    for (std::size_t i = 0; i < regler_.size(); ++i)
        p[i].setzen(&s_.ansicht, regler_[i]->wert());
    zeichnen(true);
}

void TDarstellen3DLandschaft::gezogen(int dx, int dy) {
    s_.ansicht.WinkelZ = drehen(s_.ansicht.WinkelZ, dx * GradProPixel);
    s_.ansicht.WinkelX = drehen(s_.ansicht.WinkelX, dy * GradProPixel);
    reglerSetzen();
    zeichnen(true);
}

void TDarstellen3DLandschaft::gerollt(double stufen) {
    const double zoom = s_.ansicht.Zoom * std::pow(ZoomProStufe, stufen);
    s_.ansicht.Zoom = std::clamp(roundHalfEven(zoom * 100.0) / 100.0, 0.1, 10.0);
    reglerSetzen();
    zeichnen(false);
}

void TDarstellen3DLandschaft::zeichnen(bool ziehen) {
    const QSize g = bild_->size();
    Bilder& b = *b_;
    if (b.hintergrund.width != g.width() || b.hintergrund.height != g.height()) {
        b.hintergrund.resize(g.width(), g.height());
        Hintergrund3D(b.hintergrund);
    }
    nurKasten_ = ziehen && letzteDauer_ > LangsamesBild;
    if (nurKasten_) {
        KastenZeichnen(s_.ansicht, b.hintergrund, b.bild);
    } else {
        QElapsedTimer uhr;
        uhr.start();
        OberflaecheZeichnen(b.landschaft, s_.ansicht, b.hintergrund, b.puffer, b.bild);
        letzteDauer_ = uhr.elapsed();
    }
    bild_->bildSetzen(AlsQImage(b.bild));
}

}  // namespace gm
