#include "app/transform_dialoge.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/knoepfe.h"
#include "app/lauf_fehler.h"
#include "app/regler_widget.h"
#include "app/zahl_einlesen.h"
#include "core/zahlen.h"
#include "script/operationen.h"
#include "script/sitzung.h"

namespace gm {

namespace {

// The twirl sliders: the centre over the whole grid until the dialog opens
// and narrows it to the field.
const std::vector<Parameter>& twirlRegler() {
    static const std::vector<Parameter> t = [] {
        std::vector<Parameter> v(std::begin(TwirlParameter), std::end(TwirlParameter));
        v[0].minimum = v[1].minimum = 0.0;
        v[0].titel = "Mittelpunkt X";
        v[1].titel = "Mittelpunkt Y";
        return v;
    }();
    return t;
}

// The disc of the twirl at preview scale: 1 on its rim, 0 elsewhere.
VorschauRechner twirlKreis(Sitzung& s) {
    return [&s](const Werte& w, Vorschaufeld& v) {
        const double k = double(VorschauKante);
        const double cx = w[0] * k / std::max(1, s.dok.MaxX);
        const double cy = w[1] * k / std::max(1, s.dok.MaxY);
        const double r = w[3] * k / std::max(1, s.dok.MaxX);
        for (int x = 0; x < VorschauKante; ++x)
            for (int y = 0; y < VorschauKante; ++y) {
                const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
                v.werte[x][y] = std::abs(d - r) < 0.75 ? 1.0 : 0.0;
            }
    };
}

// The trace sliders: the tolerance slider spans 0.01..1 (the line reads up
// to 100); 0 would replay as the line's default.
const std::vector<Parameter>& traceRegler() {
    static const std::vector<Parameter> t = [] {
        std::vector<Parameter> v(TraceParameter, TraceParameter + 2);
        v[0].maximum = 1.0;
        return v;
    }();
    return t;
}

}  // namespace

TEingabeTwirl::TEingabeTwirl(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Twirl"), twirlRegler(), twirlKreis(s), VorschauFarbigMaler(s),
                      parent),
      s_(s) {
    setObjectName(QStringLiteral("TEingabeTwirl"));
}

void TEingabeTwirl::oeffnen() {
    gespeichert_.TwirlX = std::clamp(gespeichert_.TwirlX, 0, s_.dok.MaxX);
    gespeichert_.TwirlY = std::clamp(gespeichert_.TwirlY, 0, s_.dok.MaxY);
    satz_ = werteAus(twirlRegler(), gespeichert_);
    beginnen(satz_);
    const int grenze[2] = {s_.dok.MaxX, s_.dok.MaxY};
    for (int i = 0; i < 2; ++i) {
        const Parameter& p = twirlRegler()[std::size_t(i)];
        ReglerVorgabe v;
        v.titel = std::string(p.titel);
        v.minimum = 0.0;
        v.maximum = grenze[i];
        v.schritt = 1.0;
        v.wert = satz_[std::size_t(i)];
        regler(p.name)->anlegen(v);
    }
    subjektPruefen();
}

bool TEingabeTwirl::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeTwirl::accept() {
    pruefen();
    TwirlRec rec = recordAus<TwirlRec>(twirlRegler(), arbeitsSatz());
    rec.TwirlX = int(roundHalfEven(arbeitsSatz()[0]));
    rec.TwirlY = int(roundHalfEven(arbeitsSatz()[1]));
    if (schliessenNach(RecordAusfuehren(s_, "twirl", rec))) gespeichert_ = rec;
}

TEingabeTrace::TEingabeTrace(Sitzung& s, QWidget* parent)
    : ParameterDialog(QStringLiteral("Trace"), traceRegler(), {}, VorschauGrauMalen, parent),
      s_(s) {
    setObjectName(QStringLiteral("TEingabeTrace"));
    gitter_ = new QButtonGroup(this);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Gitter"), this));
    const char* texte[] = {"0", "h min", "h max", "1"};
    for (int i = 0; i < 4; ++i) {
        auto* k = new QRadioButton(QString::fromUtf8(texte[i]), this);
        gitter_->addButton(k, i);
        zeile->addWidget(k);
    }
    zusatzBereich()->addLayout(zeile);
}

QRadioButton* TEingabeTrace::gitter(int wert) const {
    return static_cast<QRadioButton*>(gitter_->button(wert));
}

bool TEingabeTrace::ausfuehren() {
    satz_ = werteAus(traceRegler(), gespeichert_);
    beginnen(satz_);
    gitter(std::clamp(gespeichert_.TraceWert, 0, 3))->setChecked(true);
    return exec() == QDialog::Accepted;
}

void TEingabeTrace::accept() {
    pruefen();
    TraceRec rec = recordAus<TraceRec>(traceRegler(), arbeitsSatz(), gespeichert_);
    rec.TraceDichte = int(roundHalfEven(arbeitsSatz()[1]));
    rec.TraceWert = std::max(0, gitter_->checkedId());
    if (schliessenNach(RecordAusfuehren(s_, "trace", rec))) gespeichert_ = rec;
}

TEingabeBildVerschieben::TEingabeBildVerschieben(Sitzung& s, QWidget* parent)
    : QDialog(parent), s_(s) {
    setObjectName(QStringLiteral("TEingabeBildVerschieben"));
    setWindowTitle(QStringLiteral("Bild verschieben"));
    setWindowFlag(Qt::Tool);
    grauFaerben(this);
    auto* spalte = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    edit0_ = new QLineEdit(this);
    edit0_->setObjectName(QStringLiteral("Edit0"));
    zeile->addWidget(new QLabel(QStringLiteral("Anzahl Pixel"), this));
    zeile->addWidget(edit0_);
    spalte->addLayout(zeile);
    connect(edit0_, &QLineEdit::editingFinished, this, [this] {
        const auto e = ZahlEinlesen(edit0_->text().toStdString(), true, 2049, 0);
        edit0_->setText(QString::number(int(e.wert)));
    });
    richtungen_ = new QButtonGroup(this);
    const char* texte[] = {"nach links", " nach oben", "nach rechts", "nach unten"};
    const char* namen[] = {"RBLinks", "RBOben", "RBRechts", "RBUnten"};
    for (int i = 0; i < 4; ++i) {
        auto* k = new QRadioButton(QString::fromUtf8(texte[i]), this);
        k->setObjectName(QString::fromUtf8(namen[i]));
        richtungen_->addButton(k, i + 1);
        spalte->addWidget(k);
    }
    nullen_ = new QCheckBox(QStringLiteral("auf 0 setzen"), this);
    nullen_->setObjectName(QStringLiteral("CheckBox1"));
    spalte->addWidget(nullen_);
    spalte->addLayout(dialogKnoepfe(this).zeile);
}

QRadioButton* TEingabeBildVerschieben::richtung(int r) const {
    return static_cast<QRadioButton*>(richtungen_->button(r));
}

void TEingabeBildVerschieben::oeffnen() {
    edit0_->setText(QString::number(gespeichert_.VerschiebenWeite));
    richtung(std::clamp(gespeichert_.VerschiebenRichtung, 1, 4))->setChecked(true);
    nullen_->setChecked(gespeichert_.VerschiebenNullen);
}

bool TEingabeBildVerschieben::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeBildVerschieben::accept() {
    const auto e = ZahlEinlesen(edit0_->text().toStdString(), true, 2049, 0);
    gespeichert_.VerschiebenWeite = int(e.wert);
    gespeichert_.VerschiebenRichtung = std::max(1, richtungen_->checkedId());
    gespeichert_.VerschiebenNullen = nullen_->isChecked();
    if (Status st = RecordAusfuehren(s_, "shift", gespeichert_); !st)
        return abgelehntSchliessen(*this, st.meldung());
    QDialog::accept();
}

namespace {
struct GroessenKnopf {
    const char* text;
    const char* name;
    int punkte;
};
constexpr GroessenKnopf kGroessen[] = {
    {"128 x 128", "RB0128", 128},    {"256 x 256", "RB0256", 256},
    {"512 x 512", "RB0512", 512},    {"1024 x 1024 ", "RB1024", 1024},
    {"2048 x 2048", "RB2048", 2048}, {"129 x 129", "RB0129", 129},
    {"257 x 257", "RB0257", 257},    {"513 x 513", "RB0513", 513},
    {"1025 x 1025", "RB1025", 1025}, {"2049 x 2049 (max)", "RB2049", 2049},
};
}  // namespace

TEingabeBildErweitern::TEingabeBildErweitern(Sitzung& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName(QStringLiteral("TEingabeBildErweitern"));
    setWindowTitle(QStringLiteral("Bild erweitern"));
    setWindowFlag(Qt::Tool);
    grauFaerben(this);
    auto* raster = new QGridLayout;
    edit0_ = new QLineEdit(this);
    edit1_ = new QLineEdit(this);
    edit0_->setObjectName(QStringLiteral("Edit0"));
    edit1_->setObjectName(QStringLiteral("Edit1"));
    raster->addWidget(new QLabel(QStringLiteral("Punkte in X"), this), 0, 0);
    raster->addWidget(edit0_, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Punkte in Y"), this), 1, 0);
    raster->addWidget(edit1_, 1, 1);
    auto* groessen = new QButtonGroup(this);
    for (int i = 0; i < int(std::size(kGroessen)); ++i) {
        auto* k = new QRadioButton(QString::fromUtf8(kGroessen[i].text), this);
        k->setObjectName(QString::fromUtf8(kGroessen[i].name));
        groessen->addButton(k);
        raster->addWidget(k, 2 + i % 5, i / 5);
        const int punkte = kGroessen[i].punkte;
        connect(k, &QRadioButton::clicked, this, [this, punkte] {
            edit0_->setText(QString::number(punkte));
            edit1_->setText(QString::number(punkte));
        });
    }
    for (QLineEdit* f : {edit0_, edit1_})
        connect(f, &QLineEdit::editingFinished, this, [this, f] { feldAuswerten(f); });
    anker_ = new QButtonGroup(this);
    auto* ankerRaster = new QGridLayout;
    const char* namen[] = {"RBLO", "RBMO", "RBRO", "RBLM", "RBMM", "RBRM", "RBLU", "RBMU", "RBRU"};
    for (int a = 1; a <= 9; ++a) {
        auto* k = new QRadioButton(this);
        k->setObjectName(QString::fromUtf8(namen[a - 1]));
        anker_->addButton(k, a);
        ankerRaster->addWidget(k, (a - 1) / 3, (a - 1) % 3);
    }
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addLayout(ankerRaster);
    spalte->addLayout(dialogKnoepfe(this).zeile);
}

QRadioButton* TEingabeBildErweitern::anker(int a) const {
    return static_cast<QRadioButton*>(anker_->button(a));
}

QRadioButton* TEingabeBildErweitern::groesse(const QString& text) const {
    for (auto* k : findChildren<QRadioButton*>())
        if (k->text() == text) return k;
    return nullptr;
}

// Whole numbers of 5..2049 points: fewer would leave a field that other
// operations divide by.
void TEingabeBildErweitern::feldAuswerten(QLineEdit* feld) {
    const auto e = ZahlEinlesen(feld->text().toStdString(), true, MaxPunkte, MinPunkte);
    feld->setText(QString::number(int(e.wert)));
}

void TEingabeBildErweitern::oeffnen() {
    edit0_->setText(QString::number(gespeichert_.NeuMaxX + 1));
    edit1_->setText(QString::number(gespeichert_.NeuMaxY + 1));
    anker(std::clamp(gespeichert_.Anker, 1, 9))->setChecked(true);
}

bool TEingabeBildErweitern::ausfuehren() {
    oeffnen();
    return exec() == QDialog::Accepted;
}

void TEingabeBildErweitern::accept() {
    feldAuswerten(edit0_);
    feldAuswerten(edit1_);
    gespeichert_.NeuMaxX = edit0_->text().toInt() - 1;
    gespeichert_.NeuMaxY = edit1_->text().toInt() - 1;
    gespeichert_.Anker = std::max(1, anker_->checkedId());
    if (Status st = RecordAusfuehren(s_, "enlarge", gespeichert_); !st)
        return abgelehntSchliessen(*this, st.meldung());
    QDialog::accept();
}

}  // namespace gm
