#include "app/parameter_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/hauptbild.h"
#include "app/knoepfe.h"
#include "app/lauf_fehler.h"
#include "app/regler_widget.h"
#include "app/scroll_flaeche.h"
#include "core/zahlen.h"
#include "display/hauptbild.h"
#include "script/sitzung.h"

namespace gm {

namespace {
constexpr int kSchalterSpalten = 3;
// More sliders than this go into two columns.
constexpr int kReglerEineSpalte = 12;
}  // namespace

void VorschauGrauMalen(const Vorschaufeld& feld, QImage& bild) {
    for (int y = 0; y < VorschauKante; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < VorschauKante; ++x) {
            const int g = roundToInt(clamp01(feld.werte[x][y]) * 255);
            zeile[x] = qRgb(g, g, g);
        }
    }
}

VorschauMaler VorschauFarbigMaler(Sitzung& s) {
    return [&s](const Vorschaufeld& feld, QImage& bild) {
        PixelImage puffer;
        ZeichneVorschau(s.farben, s.dok, feld, false, 1.0, 0.0, puffer);
        bild = AlsQImage(puffer);
    };
}

ParameterDialog::ParameterDialog(const QString& titel, std::span<const Parameter> parameter,
                                 VorschauRechner rechner, VorschauMaler maler, QWidget* parent)
    : QDialog(parent),
      parameter_(parameter),
      rechner_(std::move(rechner)),
      maler_(std::move(maler)),
      vorschau_(VorschauKante, VorschauKante, QImage::Format_RGB32) {
    setWindowTitle(titel);
    setWindowFlag(Qt::Tool);
    grauFaerben(this);
    // Sliders one below the other; a run of switches in a compact grid.
    auto* links = new QVBoxLayout;
    QGridLayout* schalter = nullptr;
    int schalterZahl = 0;
    // Many sliders go into two columns, so the dialog stays low enough for a
    // laptop screen.
    const auto reglerZahl =
        std::count_if(parameter_.begin(), parameter_.end(),
                      [](const Parameter& p) { return p.typ != ParamTyp::Bool; });
    const int proSpalte = reglerZahl > kReglerEineSpalte ? int(reglerZahl + 1) / 2 : 0;
    QGridLayout* reglerGitter = nullptr;
    int reglerNr = 0;
    for (const Parameter& p : parameter_) {
        const QString text =
            QString::fromUtf8(p.titel.empty() ? p.name.data() : p.titel.data(),
                              qsizetype(p.titel.empty() ? p.name.size() : p.titel.size()));
        if (p.typ == ParamTyp::Bool) {
            auto* c = new QCheckBox(text, this);
            connect(c, &QCheckBox::clicked, this, &ParameterDialog::subjektPruefen);
            steuer_.push_back(c);
            if (!schalter) {
                schalter = new QGridLayout;
                links->addLayout(schalter);
                schalterZahl = 0;
            }
            schalter->addWidget(c, schalterZahl / kSchalterSpalten,
                                schalterZahl % kSchalterSpalten);
            ++schalterZahl;
            continue;
        }
        schalter = nullptr;
        auto* r = new ReglerWidget(this, 260, 46);
        connect(r, &ReglerWidget::geaendert, this, &ParameterDialog::pruefen);
        connect(r, &ReglerWidget::losgelassen, this, &ParameterDialog::subjektPruefen);
        steuer_.push_back(r);
        if (proSpalte == 0) {
            links->addWidget(r);
            continue;
        }
        if (!reglerGitter) {
            reglerGitter = new QGridLayout;
            links->addLayout(reglerGitter);
        }
        reglerGitter->addWidget(r, reglerNr % proSpalte, reglerNr / proSpalte);
        ++reglerNr;
    }
    zusatz_ = new QVBoxLayout;
    // With a preview the extra controls go below it, in a second column.
    auto* rechts = new QVBoxLayout;
    if (rechner_) {
        darstellung_ = new QLabel(this);
        darstellung_->setObjectName("Darstellung");
        darstellung_->setFixedSize(VorschauKante, VorschauKante);
        rechts->addWidget(darstellung_, 0, Qt::AlignTop);
        rechts->addLayout(zusatz_);
    } else {
        links->addLayout(zusatz_);
    }
    links->addStretch(1);
    rechts->addStretch(1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(scrollFlaeche(links, this), 1);
    oben->addLayout(rechts);
    auto knoepfe = dialogKnoepfe(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben, 1);
    spalte->addLayout(knoepfe.zeile);
}

bool ParameterDialog::bearbeiten(Werte& gespeichert) {
    beginnen(gespeichert);
    return exec() == QDialog::Accepted;
}

void ParameterDialog::beginnen(Werte& gespeichert) {
    gespeichert_ = &gespeichert;
    arbeit_ = gespeichert;
    arbeit_.resize(parameter_.size());
    for (std::size_t i = 0; i < parameter_.size(); ++i) {
        const Parameter& p = parameter_[i];
        if (p.typ == ParamTyp::Bool) {
            static_cast<QCheckBox*>(steuer_[i])->setChecked(arbeit_[i] != 0.0);
            continue;
        }
        ReglerVorgabe v;
        v.titel = std::string(p.titel.empty() ? p.name : p.titel);
        v.minimum = p.minimum;
        v.maximum = p.maximum;
        v.schritt = p.typ == ParamTyp::Ganz && p.schritt < 1 ? 1.0 : p.schritt;
        v.wert = arbeit_[i];
        v.logarithmisch = p.skala == Skala::Logarithmisch;
        static_cast<ReglerWidget*>(steuer_[i])->anlegen(v);
    }
    subjektPruefen();
}

void ParameterDialog::pruefen() {
    for (std::size_t i = 0; i < parameter_.size(); ++i) {
        if (parameter_[i].typ == ParamTyp::Bool) {
            arbeit_[i] = static_cast<QCheckBox*>(steuer_[i])->isChecked() ? 1.0 : 0.0;
        } else {
            arbeit_[i] = static_cast<ReglerWidget*>(steuer_[i])->wert();
        }
    }
}

void ParameterDialog::subjektPruefen() {
    pruefen();
    if (!rechner_) return;
    auto feld = std::make_unique<Vorschaufeld>();
    rechner_(arbeit_, *feld);
    maler_(*feld, vorschau_);
    darstellung_->setPixmap(QPixmap::fromImage(vorschau_));
    ++vorschauLaeufe_;
}

ReglerWidget* ParameterDialog::regler(std::string_view name) const {
    for (std::size_t i = 0; i < parameter_.size(); ++i) {
        if (parameter_[i].name == name && parameter_[i].typ != ParamTyp::Bool) {
            return static_cast<ReglerWidget*>(steuer_[i]);
        }
    }
    return nullptr;
}

QCheckBox* ParameterDialog::schalter(std::string_view name) const {
    for (std::size_t i = 0; i < parameter_.size(); ++i) {
        if (parameter_[i].name == name && parameter_[i].typ == ParamTyp::Bool) {
            return static_cast<QCheckBox*>(steuer_[i]);
        }
    }
    return nullptr;
}

void ParameterDialog::accept() {
    pruefen();
    if (gespeichert_) *gespeichert_ = arbeit_;
    QDialog::accept();
}

bool ParameterDialog::schliessenNach(const Status& lauf) {
    if (!lauf) {
        abgelehntSchliessen(*this, lauf.meldung());
        return false;
    }
    ParameterDialog::accept();
    return true;
}

bool ParameterDialog::schliessenNach(const std::optional<Status>& lauf) {
    return lauf && schliessenNach(*lauf);
}

void ParameterDialog::reject() {
    QDialog::reject();
}

}  // namespace gm
