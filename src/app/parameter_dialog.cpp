#include "app/parameter_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>

#include "app/hauptbild.h"
#include "app/knoepfe.h"
#include "app/lauf_fehler.h"
#include "app/regler_widget.h"
#include "core/zahlen.h"
#include "display/hauptbild.h"
#include "script/sitzung.h"

namespace gm {

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
    auto* links = new QVBoxLayout;
    for (const Parameter& p : parameter_) {
        const QString text =
            QString::fromUtf8(p.titel.empty() ? p.name.data() : p.titel.data(),
                              qsizetype(p.titel.empty() ? p.name.size() : p.titel.size()));
        if (p.typ == ParamTyp::Bool) {
            auto* c = new QCheckBox(text, this);
            connect(c, &QCheckBox::clicked, this, &ParameterDialog::subjektPruefen);
            steuer_.push_back(c);
            links->addWidget(c);
            continue;
        }
        auto* r = new ReglerWidget(this, 260, 46);
        connect(r, &ReglerWidget::geaendert, this, &ParameterDialog::pruefen);
        connect(r, &ReglerWidget::losgelassen, this, &ParameterDialog::subjektPruefen);
        steuer_.push_back(r);
        links->addWidget(r);
    }
    zusatz_ = new QVBoxLayout;
    links->addLayout(zusatz_);
    links->addStretch(1);
    auto* oben = new QHBoxLayout;
    oben->addLayout(links);
    if (rechner_) {
        darstellung_ = new QLabel(this);
        darstellung_->setObjectName("Darstellung");
        darstellung_->setFixedSize(VorschauKante, VorschauKante);
        oben->addWidget(darstellung_, 0, Qt::AlignTop);
    }
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

void ParameterDialog::reject() {
    QDialog::reject();
}

}  // namespace gm
