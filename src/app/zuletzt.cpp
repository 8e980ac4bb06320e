#include "app/zuletzt.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "core/atomare_datei.h"

namespace gm {

namespace {

std::vector<std::string> lesen(const std::string& datei) {
    std::vector<std::string> liste;
    std::ifstream ein(datei);
    for (std::string zeile; std::getline(ein, zeile) && int(liste.size()) < ZuletztMax;) {
        if (!zeile.empty()) liste.push_back(zeile);
    }
    return liste;
}

// Keeping the list is a convenience: a failure to write it is not reported.
void schreiben(const Fensterzustand& z) {
    if (z.zuletztDatei.empty()) return;
    std::string text;
    for (const std::string& p : z.zuletzt)
        text += p + "\n";
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(z.zuletztDatei).parent_path(), ec);
    (void)dateiAtomarSchreiben(z.zuletztDatei, text);
}

void menueFuellen(TLandGenerator& f, QMenu* menue) {
    menue->clear();
    int nummer = 0;
    for (const std::string& pfad : f.zustand().zuletzt) {
        const QString voll = QString::fromStdString(pfad);
        QAction* a = menue->addAction(
            QStringLiteral("&%1 %2").arg(++nummer).arg(QFileInfo(voll).fileName()));
        a->setStatusTip(voll);
        a->setToolTip(voll);
        QObject::connect(a, &QAction::triggered, &f, [&f, pfad] { NativDateiOeffnen(f, pfad); });
    }
    menue->addSeparator();
    QAction* leeren = menue->addAction(QStringLiteral("Liste leeren"));
    leeren->setEnabled(nummer > 0);
    QObject::connect(leeren, &QAction::triggered, &f, [&f] {
        f.zustand().zuletzt.clear();
        schreiben(f.zustand());
    });
}

}  // namespace

void zuletztEinreihen(std::vector<std::string>& liste, const std::string& pfad) {
    std::erase(liste, pfad);
    liste.insert(liste.begin(), pfad);
    if (int(liste.size()) > ZuletztMax) liste.resize(ZuletztMax);
}

void zuletztEinrichten(TLandGenerator& f) {
    Fensterzustand& z = f.zustand();
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!ordner.isEmpty()) {
        z.zuletztDatei = QDir(ordner).filePath(QStringLiteral("zuletzt.txt")).toStdString();
        z.zuletzt = lesen(z.zuletztDatei);
    }
    if (!z.zuletzt.empty()) {
        z.nativ.ordner = std::filesystem::path(z.zuletzt.front()).parent_path().string();
    }
    QAction* beenden = f.aktion("FileExit1Execute");
    QMenu* datei = qobject_cast<QMenu*>(beenden->parent());
    auto* menue = new QMenu(QStringLiteral("Zuletzt geöffnet"), datei);
    menue->setObjectName("ZuletztMenue");
    datei->insertMenu(beenden, menue);
    datei->insertSeparator(beenden);
    QObject::connect(menue, &QMenu::aboutToShow, &f, [&f, menue] { menueFuellen(f, menue); });
}

void zuletztMerken(TLandGenerator& f, const std::string& pfad) {
    zuletztEinreihen(f.zustand().zuletzt, pfad);
    schreiben(f.zustand());
}

}  // namespace gm
