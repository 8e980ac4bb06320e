#include "app/uebersetzer.h"

#include <QStringList>

#include "app/deutsche_woerter.h"

namespace gm {

namespace {

Wortart artVon(int n) {
    if (n < 240) return Wortart::Menue;
    if (n >= 300 && n <= 305) return Wortart::Datei;
    return Wortart::Feld;
}

// The order in which the number ranges are searched for each kind of caption.
const Wortart kReihenfolge[3][3] = {
    {Wortart::Menue, Wortart::Feld, Wortart::Datei},
    {Wortart::Feld, Wortart::Menue, Wortart::Datei},
    {Wortart::Datei, Wortart::Feld, Wortart::Menue},
};

struct Muster {
    const char* quelle;  // the message as the program writes it, %1.. for any text
    int nummer;
};

// clang-format off
const Muster kMeldungen[] = {
    {"Datei %1 überschreiben ?", 600},
    {"cannot open %1: %2", 601},
    {"cannot read %1: %2", 602},
    {"cannot write %1: %2", 603},
    {"file ends after %1 of %2 bytes", 604},
    {"no COFFEE template chosen", 605},
    {"too large for a COFFEE template", 606},
    {"No such file or directory", 607},
    {"Permission denied", 608},
    {"Is a directory", 609},
    {"No space left on device", 610},
    {"the file is too large", 611},
    {"not a BMP or JPEG picture", 612},
    {"the palette file is empty", 613},
    {"not a palette file: it contains binary data", 614},
    {"the header gives a size outside 2..2050 points", 615},
    {"not a grid file (it has %1 bytes, the header alone needs 16)", 616},
    {"the file holds %1 x %2 points, the field has %3 x %4", 617},
    {"BMP picture", 618},
    {"JPEG picture", 619},
    {"PNG picture", 620},
    {"Terragen file", 621},
    {"STM file", 622},
};
// clang-format on

// Matches `text` against `muster` whole; each %k takes at least one
// character, as few as possible.
bool passt(QStringView muster, QStringView text, QStringList& teile) {
    if (muster.isEmpty()) return text.isEmpty();
    if (muster.size() >= 2 && muster[0] == u'%' && muster[1].isDigit()) {
        const int k = muster[1].digitValue();
        for (qsizetype n = 1; n <= text.size(); ++n) {
            if (passt(muster.mid(2), text.mid(n), teile)) {
                if (teile.size() <= k) teile.resize(k + 1);
                teile[k] = text.left(n).toString();
                return true;
            }
        }
        return false;
    }
    return !text.isEmpty() && text[0] == muster[0] && passt(muster.mid(1), text.mid(1), teile);
}

}  // namespace

Uebersetzer::Uebersetzer() {
    for (const Wort& w : DeutscheWoerter()) {
        const QString text = QString::fromUtf8(w.text);
        deutsch_.insert(w.nummer, text);
        QHash<QString, int>& h = nummern_[int(artVon(w.nummer))];
        if (!h.contains(text)) h.insert(text, w.nummer);
    }
}

QString Uebersetzer::wort(int n) const {
    const std::string& w = woerter.wort(n);
    return w.empty() ? deutsch_.value(n) : QString::fromStdString(w);
}

int Uebersetzer::nummer(const QString& deutsch, Wortart art) const {
    for (Wortart a : kReihenfolge[int(art)]) {
        if (const int n = nummern_[int(a)].value(deutsch)) return n;
    }
    return 0;
}

QString Uebersetzer::text(const QString& deutsch, Wortart art) const {
    if (const int n = deutsch.isEmpty() ? 0 : nummer(deutsch, art)) return wort(n);
    // Blanks around a caption are layout, not part of the word.
    const QString kern = deutsch.trimmed();
    const int n = kern.isEmpty() || kern == deutsch ? 0 : nummer(kern, art);
    if (!n) return deutsch;
    const qsizetype vorne = deutsch.indexOf(kern);
    return deutsch.left(vorne) + wort(n) + deutsch.mid(vorne + kern.size());
}

QString Uebersetzer::hinweis(const QString& deutsch) const {
    const qsizetype trenner = deutsch.indexOf(QStringLiteral(": "));
    if (trenner <= 0 || nummer(deutsch.trimmed(), Wortart::Feld))
        return text(deutsch, Wortart::Feld);
    return hinweis(deutsch.left(trenner)) + ": " + hinweis(deutsch.mid(trenner + 2));
}

QString Uebersetzer::dateiTitel(const QString& deutsch) const {
    QStringList woerter = deutsch.split(u' ');
    for (QString& w : woerter)
        w = text(w, Wortart::Datei);
    return woerter.join(u' ');
}

QString Uebersetzer::meldung(const QString& text) const {
    for (const Muster& m : kMeldungen) {
        QStringList teile;
        if (!passt(QString::fromUtf8(m.quelle), text, teile)) continue;
        QString aus = wort(m.nummer);
        for (qsizetype k = 1; k < teile.size(); ++k)
            aus.replace(QChar(u'%') + QString::number(k), meldung(teile[k]));
        return aus;
    }
    // "where: what" chains, such as a file name before the reason.
    const qsizetype trenner = text.indexOf(QStringLiteral(": "));
    if (trenner > 0) return meldung(text.left(trenner)) + ": " + meldung(text.mid(trenner + 2));
    return text;
}

}  // namespace gm
