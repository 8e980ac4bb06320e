#include "app/abspielen_dialog.h"

#include <QTextEdit>
#include <QVBoxLayout>

#include "app/knoepfe.h"
#include "script/abspielen.h"
#include "script/sitzung.h"

namespace gm {

TAbspielenScript::TAbspielenScript(Sitzung& s, QWidget* parent) : QDialog(parent), s_(s) {
    setWindowTitle(QStringLiteral("AbspielenScript"));
    setWindowFlag(Qt::Tool);
    resize(590, 401);
    grauFaerben(this);
    text_ = new QTextEdit(this);
    text_->setObjectName("RichEdit1");
    text_->setReadOnly(true);
    auto knoepfe = dialogKnoepfe(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(text_, 1);
    spalte->addLayout(knoepfe.zeile);
}

void TAbspielenScript::vorbereiten() {
    text_->clear();
    for (int i = 1; i <= s_.dok.ScriptAnzahl; ++i) {
        text_->append(QString::fromStdString(s_.dok.ScriptListe[i]));
    }
}

void TAbspielenScript::accept() {
    fehler_.clear();
    for (const ZeilenMeldung& m : ScriptAbspielen(s_)) {
        if (m.ergebnis.art != ZeilenErgebnis::Fehlgeschlagen) continue;
        fehler_ += "Script line " + std::to_string(m.zeile) + ": " + m.ergebnis.text() + "\n";
    }
    QDialog::accept();
}

}  // namespace gm
