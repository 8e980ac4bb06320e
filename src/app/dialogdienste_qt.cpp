#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "app/abspielen_dialog.h"
#include "app/dialogdienste.h"
#include "app/eingabe_bild.h"
#include "app/render_dialog.h"

namespace gm {

namespace {

std::optional<std::string> dateiDialog(QWidget* eltern, const DateiDialog& d, bool speichern) {
    QFileDialog dlg(eltern, QString::fromStdString(d.titel), QString::fromStdString(d.vorschlag),
                    QString::fromStdString(d.filter));
    dlg.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The handlers ask the overwrite question themselves, with their own words.
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.setDefaultSuffix(QString::fromStdString(d.endung));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().first().toStdString();
}

}  // namespace

Dialogdienste qtDialogdienste(QWidget* eltern, Sitzung& s) {
    Dialogdienste d;
    d.oeffnen = [eltern](const DateiDialog& dd) { return dateiDialog(eltern, dd, false); };
    d.speichern = [eltern](const DateiDialog& dd) { return dateiDialog(eltern, dd, true); };
    d.frage = [eltern](const std::string& text) {
        const auto a = QMessageBox::question(
            eltern, QStringLiteral("Gravimonte"), QString::fromStdString(text),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
        return a == QMessageBox::Yes ? Antwort::Ja
                                     : (a == QMessageBox::No ? Antwort::Nein : Antwort::Abbrechen);
    };
    d.sichern = [eltern](const std::string& text) {
        const auto a = QMessageBox::warning(
            eltern, QStringLiteral("Gravimonte"), QString::fromStdString(text),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return a == QMessageBox::Save
                   ? Antwort::Ja
                   : (a == QMessageBox::Discard ? Antwort::Nein : Antwort::Abbrechen);
    };
    d.fehler = [eltern](const std::string& text) {
        QMessageBox::warning(eltern, QStringLiteral("Gravimonte"), QString::fromStdString(text));
    };
    auto* groesse = new TEingabeBild(eltern);
    d.groesse = [groesse](Groesse aktuell) -> std::optional<Groesse> {
        groesse->vorbereiten(aktuell);
        if (groesse->exec() != QDialog::Accepted) return std::nullopt;
        return groesse->ergebnis();
    };
    d.farbe = [eltern](unsigned rgb) -> std::optional<unsigned> {
        const QColor c = QColorDialog::getColor(QColor::fromRgb(rgb), eltern);
        if (!c.isValid()) return std::nullopt;
        return unsigned(c.rgb() & 0xFFFFFFu);
    };
    auto* abspielen = new TAbspielenScript(s, eltern);
    d.abspielen = [abspielen] {
        abspielen->vorbereiten();
        if (abspielen->exec() != QDialog::Accepted) return std::optional<std::string>();
        return std::optional<std::string>(abspielen->fehler());
    };
    auto* render = new TEingabeRenderEinstellungen(s, d.farbe, eltern);
    d.renderEinstellungen = [render] {
        render->vorbereiten();
        return render->exec() == QDialog::Accepted;
    };
    return d;
}

}  // namespace gm
