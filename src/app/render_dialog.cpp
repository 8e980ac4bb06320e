#include "app/render_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/knoepfe.h"
#include "app/regler_widget.h"
#include "core/zahlen.h"
#include "display/farbe.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// One slider: its value field and, for the "Grenze" sliders, its half width.
struct RenderRegler {
    const char* name;
    const char* titel;
    double RenderRec::*wert;
    double RenderRec::*breite;  // nullptr: no spread
    int gruppe;                 // 0 always shown, 1 snow, 2 rock
};
const RenderRegler kRegler[] = {
    {"ImageReglerSchneeX", "Grenze Schnee X", &RenderRec::SchneeHoehe,
     &RenderRec::SchneeHoeheBreite, 1},
    {"ImageReglerSchneeY", "Grenze Schnee NX", &RenderRec::SchneeMisch,
     &RenderRec::SchneeMischBreite, 1},
    {"ImageReglerFelsX", "Grenze Fels X", &RenderRec::FelsHoehe, &RenderRec::FelsHoeheBreite, 2},
    {"ImageReglerFelsY", "Grenze Fels NX", &RenderRec::FelsMisch, &RenderRec::FelsMischBreite, 2},
    {"ImageReglerHV", "Höhenverschiebung", &RenderRec::HoehenZufall, nullptr, 0},
    {"ImageReglerXA", "Abhängigkeit von  NX", &RenderRec::GelaendeGewicht, nullptr, 0},
    {"ImageReglerZU", "Zufall", &RenderRec::GelaendeSchwelle, nullptr, 0},
    {"ImageReglerXAS", "Abh. von Schnee", &RenderRec::SchneeGewicht, nullptr, 1},
    {"ImageReglerZUS", "Zufall Schnee", &RenderRec::SchneeSchwelle, nullptr, 1},
    {"ImageReglerXAF", "Abh. von Fels", &RenderRec::FelsGewicht, nullptr, 2},
    {"ImageReglerZUF", "Zufall Fels", &RenderRec::FelsSchwelle, nullptr, 2},
};

struct RenderFeld {
    const char* name;
    RenderColour RenderRec::*farbe;
    int gruppe;
};
const RenderFeld kFelder[4] = {
    {"ImageSF1", &RenderRec::SchneeFarbe1, 1},
    {"ImageSF2", &RenderRec::SchneeFarbe2, 1},
    {"ImageFF1", &RenderRec::FelsFarbe1, 2},
    {"ImageFF2", &RenderRec::FelsFarbe2, 2},
};

int byte(double v) {
    return roundToInt(clamp01(v) * 255);
}

QColor farbeVon(const RenderColour& c) {
    return QColor(byte(c.Rot), byte(c.Gruen), byte(c.Blau));
}

}  // namespace

TEingabeRenderEinstellungen::TEingabeRenderEinstellungen(Sitzung& s, FarbWahl farbe,
                                                         QWidget* parent)
    : QDialog(parent), s_(s), farbe_(std::move(farbe)), vorschau_(256, 256, QImage::Format_RGB32) {
    setWindowTitle(QStringLiteral("Eingabe Render-Einstellungen"));
    setWindowFlag(Qt::Tool);
    grauFaerben(this);
    auto* raster = new QGridLayout;
    schnee_ = new QCheckBox(QStringLiteral("Schnee"), this);
    fels_ = new QCheckBox(QStringLiteral("Fels"), this);
    schnee_->setObjectName("AuswahlSchnee");
    fels_->setObjectName("AuswahlFels");
    raster->addWidget(schnee_, 0, 0);
    raster->addWidget(fels_, 0, 1);
    for (int i = 0; i < int(std::size(kRegler)); ++i) {
        auto* r = new ReglerWidget(this, 230, 46);
        r->setObjectName(kRegler[i].name);
        raster->addWidget(r, 1 + i / 2, i % 2);
        connect(r, &ReglerWidget::geaendert, this, &TEingabeRenderEinstellungen::lesen);
        connect(r, &ReglerWidget::losgelassen, this, [this] {
            lesen();
            bilderZeichnen();
        });
        regler_.push_back(r);
    }
    auto* felderZeile = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        felder_[i] = new QLabel(this);
        felder_[i]->setObjectName(kFelder[i].name);
        felder_[i]->setFixedSize(40, 24);
        felder_[i]->setCursor(Qt::PointingHandCursor);
        felder_[i]->installEventFilter(this);
        felderZeile->addWidget(felder_[i]);
    }
    raster->addLayout(felderZeile, 7, 0, 1, 2);
    for (QCheckBox* c : {schnee_, fels_}) {
        connect(c, &QCheckBox::clicked, this, [this] {
            lesen();
            sichtbarkeit();
            bilderZeichnen();
        });
    }
    darstellung_ = new QLabel(this);
    darstellung_->setObjectName("Darstellung");
    darstellung_->setFixedSize(256, 256);
    auto* oben = new QHBoxLayout;
    oben->addLayout(raster);
    oben->addWidget(darstellung_, 0, Qt::AlignTop);
    auto knoepfe = dialogKnoepfe(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addLayout(knoepfe.zeile);
}

void TEingabeRenderEinstellungen::vorbereiten() {
    const RenderRec& r = s_.farben.Render;
    kopie_ = r;
    schnee_->setChecked(r.Schnee);
    fels_->setChecked(r.Fels);
    for (int i = 0; i < int(std::size(kRegler)); ++i) {
        const RenderRegler& k = kRegler[i];
        ReglerVorgabe v{k.titel, 0, 1, 0.01, r.*k.wert};
        if (k.breite) {
            v.mitStreuung = true;
            v.streuung = r.*k.breite;
        }
        regler_[i]->anlegen(v);
    }
    sichtbarkeit();
    bilderZeichnen();
}

ReglerWidget* TEingabeRenderEinstellungen::regler(const char* name) const {
    for (int i = 0; i < int(std::size(kRegler)); ++i) {
        if (std::string_view(kRegler[i].name) == name) return regler_[i];
    }
    return nullptr;
}

QLabel* TEingabeRenderEinstellungen::feld(const char* name) const {
    for (int i = 0; i < 4; ++i) {
        if (std::string_view(kFelder[i].name) == name) return felder_[i];
    }
    return nullptr;
}

void TEingabeRenderEinstellungen::lesen() {
    RenderRec& r = s_.farben.Render;
    r.Schnee = schnee_->isChecked();
    r.Fels = fels_->isChecked();
    for (int i = 0; i < int(std::size(kRegler)); ++i) {
        r.*kRegler[i].wert = regler_[i]->wert();
        if (kRegler[i].breite) r.*kRegler[i].breite = regler_[i]->streuung();
    }
}

void TEingabeRenderEinstellungen::sichtbarkeit() {
    const bool an[3] = {true, schnee_->isChecked(), fels_->isChecked()};
    for (int i = 0; i < int(std::size(kRegler)); ++i)
        regler_[i]->setVisible(an[kRegler[i].gruppe]);
    for (int i = 0; i < 4; ++i)
        felder_[i]->setVisible(an[kFelder[i].gruppe]);
}

void TEingabeRenderEinstellungen::bilderZeichnen() {
    const RenderRec& r = s_.farben.Render;
    for (int i = 0; i < 4; ++i) {
        QPixmap p(felder_[i]->size());
        p.fill(farbeVon(r.*kFelder[i].farbe));
        felder_[i]->setPixmap(p);
    }
    const int w = vorschau_.width();
    const int h = vorschau_.height();
    // x and y run to w and h inclusive, as the colouring's draws are counted.
    for (int x = 0; x <= w; ++x) {
        for (int y = 0; y <= h; ++y) {
            const Pixel p = HoeheZuFarbe(s_.farben, s_.dok, double(x) / w, 1.0 - double(y) / h);
            if (x < w && y < h) vorschau_.setPixel(x, y, p);
        }
    }
    darstellung_->setPixmap(QPixmap::fromImage(vorschau_));
}

void TEingabeRenderEinstellungen::feldKlick(int i) {
    RenderColour& c = s_.farben.Render.*kFelder[i].farbe;
    const QColor alt = farbeVon(c);
    const auto neu = farbe_ ? farbe_(unsigned(alt.rgb() & 0xFFFFFFu)) : std::nullopt;
    if (!neu) return;
    c.Rot = ((*neu >> 16) & 0xFF) / 255.0;
    c.Gruen = ((*neu >> 8) & 0xFF) / 255.0;
    c.Blau = (*neu & 0xFF) / 255.0;
    bilderZeichnen();
}

bool TEingabeRenderEinstellungen::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 4; ++i) {
            if (o == felder_[i]) {
                feldKlick(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void TEingabeRenderEinstellungen::reject() {
    s_.farben.Render = kopie_;
    QDialog::reject();
}

}  // namespace gm
