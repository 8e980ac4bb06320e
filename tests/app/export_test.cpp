// The import and export commands through the real window, with the file
// dialogs answered by the test and the settings dialogs driven while they run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "app/austausch.h"
#include "app/bild_widget.h"
#include "app/dxf_dialog.h"
#include "app/hauptfenster.h"
#include "app/regler_widget.h"
#include "app/terragen_dialog.h"
#include "core/zufall.h"
#include "formats/bmp.h"
#include "formats/netz_auswahl.h"
#include "script/sitzung.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

std::string lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void schreiben(const fs::path& p, const std::string& daten) {
    std::ofstream(p, std::ios::binary) << daten;
}

int zeilenMit(const std::string& text, const std::string& anfang) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); i = text.find('\n', i) + 1) {
        if (text.compare(i, anfang.size(), anfang) == 0) ++n;
        if (text.find('\n', i) == std::string::npos) break;
    }
    return n;
}

std::string le16(int v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}
std::string le32(int v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

// A 24-bit bottom-up BMP, every pixel black but (wx, wy) white.
std::string bmpMitWeiss(int w, int h, int wx, int wy) {
    std::string d = "BM" + le32(0) + le32(0) + le32(54) + le32(40) + le32(w) + le32(h) + le16(1) +
                    le16(24) + std::string(24, '\0');
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x)
            d += (x == wx && y == wy) ? std::string(3, char(0xFF)) : std::string(3, '\0');
        d += std::string(w % 4, '\0');
    }
    return d;
}

class Austausch : public ::testing::Test {
  protected:
    void SetUp() override {
        s = std::make_unique<Sitzung>();
        f = std::make_unique<TLandGenerator>(*s);
        ordner = fs::temp_directory_path() / ("gm_export_" + std::to_string(::getpid()));
        fs::create_directories(ordner);
        Dialogdienste& d = f->dienste();
        d.oeffnen = [this](const DateiDialog& dd) {
            dialoge.push_back(dd);
            return antwort;
        };
        d.speichern = d.oeffnen;
        d.fehler = [this](const std::string& text) { fehler.push_back(text); };
        d.groesse = [this](Groesse) { return groesse; };
    }
    void TearDown() override { fs::remove_all(ordner); }

    void befehl(const char* name) {
        QAction* a = f->aktion(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
    void neu(int px, int py) {
        groesse = Groesse{px, py};
        befehl("FileNew1Execute");
    }
    // Runs `befehl` with `antwort` as the chosen file.
    void mitDatei(const char* name, const fs::path& p) {
        antwort = p.string();
        befehl(name);
    }
    // Acts on the modal dialog of type D once it runs.
    template <class D>
    void imDialog(std::function<void(D&)> tun) {
        QTimer::singleShot(0, f.get(), [this, tun] {
            D* d = f->findChild<D*>();
            ASSERT_NE(d, nullptr);
            ASSERT_TRUE(d->isVisible());
            tun(*d);
        });
    }
    // The field, its undo copy and the mask at a few places, to see that
    // nothing changed.
    std::vector<double> abdruck() {
        Dokument& d = s->dok;
        return {double(d.MaxX),     double(d.MaxY),   d.Hoehenfeld(0, 0),
                d.Hoehenfeld(1, 2), d.UndoBild(1, 2), double(d.Maske(3, 1))};
    }

    std::unique_ptr<Sitzung> s;
    std::unique_ptr<TLandGenerator> f;
    fs::path ordner;
    std::optional<std::string> antwort;
    std::optional<Groesse> groesse;
    std::vector<DateiDialog> dialoge;
    std::vector<std::string> fehler;
};

TEST(AustauschDialog, ProposesTheLastNameWithItsOwnExtensionOrTheFolder) {
    Fensterzustand z;
    z.Programmordner = "/prog";  // read-only on a normal install: never proposed
    z.Heimordner = "/heim";
    const DateiArt bmp{&Fensterzustand::bild, "Exportieren Bitmap", "B (*.bmp)", "bmp"};
    EXPECT_EQ(austauschDialog(z, bmp).vorschlag, "/heim");
    z.bild.ordner = "/bilder";
    EXPECT_EQ(austauschDialog(z, bmp).vorschlag, "/bilder");
    dateiUebernehmen(z.bild, "/fotos/berg.jpeg");
    const DateiDialog d = austauschDialog(z, bmp);
    EXPECT_EQ(d.vorschlag, "/fotos/berg.bmp");
    EXPECT_EQ(d.titel, "Exportieren Bitmap");
    EXPECT_EQ(d.endung, "bmp");
    EXPECT_EQ(z.bild.ordner, "/fotos");
}

TEST_F(Austausch, PictureExportsWriteTheirBytesAndShareNameAndFolder) {
    neu(5, 6);
    befehl("Graustufen1Click");
    Dokument& d = s->dok;
    d.Hoehenfeld(0, 0) = 1.0;
    d.Hoehenfeld(1, 0) = 0.5;
    d.Maske(0, 5) = 1;

    mitDatei("BMP1Click", ordner / "farbe.bmp");
    const std::string bmp = lesen(ordner / "farbe.bmp");
    ASSERT_EQ(bmp.size(), 54u + 6 * (15 + 1));  // rows padded by 5 mod 4 bytes
    RGBBild bild;
    ASSERT_TRUE(bmpDekodieren(bmp, 2049, bild));
    EXPECT_EQ(bild.breite, 5);
    EXPECT_EQ(bild.hoehe, 6);
    // Row y = 0 is stored last: white, then 0.5 * 255 = 127.5 rounded to 128.
    EXPECT_EQ(bmp.substr(54 + 5 * 16, 7), std::string("\xFF\xFF\xFF\x80\x80\x80\x00", 7));
    EXPECT_EQ(dialoge.back().titel, "Exportieren Bitmap");

    // The mask export proposes the colour picture's name and shares its folder.
    antwort = (ordner / "maske.bmp").string();
    befehl("ExportierenBMP1Click");
    EXPECT_EQ(dialoge.back().vorschlag, (ordner / "farbe.bmp").string());
    const std::string maske = lesen(ordner / "maske.bmp");
    ASSERT_EQ(maske.size(), 54u + 6 * 16);
    // The masked cell (0, 5) is the first pixel of the first stored row.
    EXPECT_EQ(maske.substr(54, 6), std::string("\0\0\0\xFF\xFF\xFF", 6));
    EXPECT_EQ(f->zustand().bild.name, (ordner / "maske.bmp").string());

    mitDatei("Targa16Bittga1Click", ordner / "hoehe.tga");
    const std::string tga = lesen(ordner / "hoehe.tga");
    ASSERT_EQ(tga.size(), 18u + 5 * 6 * 3);
    EXPECT_EQ(tga.substr(12, 6), std::string("\x05\x00\x06\x00\x18\x20", 6));
    // Top-left origin: 1.0 gives 0, 255, 255; 0.5 gives 32768 (half to even): 0, 0, 128.
    EXPECT_EQ(tga.substr(18, 6), std::string("\x00\xFF\xFF\x00\x00\x80", 6));
    EXPECT_EQ(dialoge.back().titel, "Exportieren Targa");
    mitDatei("Targatga1Click", ordner / "farbe.tga");
    EXPECT_EQ(lesen(ordner / "farbe.tga").substr(12, 6),
              std::string("\x05\x00\x06\x00\x18\x00", 6));

    mitDatei("Raw16Click", ordner / "hoehe.r16");
    const std::string raw = lesen(ordner / "hoehe.r16");
    ASSERT_EQ(raw.size(), 2u * 5 * 6);
    EXPECT_EQ(raw.substr(0, 4), std::string("\xFF\xFF\x00\x80", 4));
    EXPECT_TRUE(fehler.empty());
}

TEST_F(Austausch, PngExportThenImportRestoresTheField) {
    neu(6, 5);
    s->dok.Hoehenfeld(1, 2) = 0.25;
    s->dok.Hoehenfeld(5, 4) = 1.0;
    mitDatei("Png16Click", ordner / "feld.png");
    neu(9, 9);
    mitDatei("ImportierenPNGClick", ordner / "feld.png");
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    EXPECT_EQ(s->dok.punkteX(), 6);
    EXPECT_EQ(s->dok.punkteY(), 5);
    EXPECT_NEAR(s->dok.Hoehenfeld(1, 2), 0.25, 0.5 / 65535);
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(5, 4), 1.0);
    EXPECT_DOUBLE_EQ(s->dok.UndoBild(1, 2), s->dok.Hoehenfeld(1, 2));
    EXPECT_EQ(f->bild()->bild().size(), QSize(6, 5));
}

TEST_F(Austausch, PictureImportSetsSizeAndFieldAndRefusesBrokenFiles) {
    neu(7, 7);
    schreiben(ordner / "punkt.bmp", bmpMitWeiss(5, 6, 1, 2));
    mitDatei("ImportierenGrafikClick", ordner / "punkt.bmp");
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    EXPECT_EQ(dialoge.back().titel, "Importieren Grafik");
    EXPECT_EQ(s->dok.punkteX(), 5);
    EXPECT_EQ(s->dok.punkteY(), 6);
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(1, 2), 1.0);
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(2, 1), 0.0);
    EXPECT_DOUBLE_EQ(s->dok.UndoBild(1, 2), 1.0);
    // The BMP export now proposes the imported picture's name.
    antwort.reset();
    befehl("BMP1Click");
    EXPECT_EQ(dialoge.back().vorschlag, (ordner / "punkt.bmp").string());

    s->dok.Maske(3, 1) = 1;
    const auto vorher = abdruck();
    const std::string gut = bmpMitWeiss(5, 6, 0, 0);
    schreiben(ordner / "kurz.bmp", gut.substr(0, gut.size() - 7));
    mitDatei("ImportierenGrafikClick", ordner / "kurz.bmp");
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("kurz.bmp"), std::string::npos) << fehler[0];
    schreiben(ordner / "gross.bmp", bmpMitWeiss(2050, 5, 0, 0));
    mitDatei("ImportierenGrafikClick", ordner / "gross.bmp");
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[1].find("gross.bmp"), std::string::npos) << fehler[1];
    mitDatei("ImportierenGrafikClick", ordner / "fehlt.jpg");
    EXPECT_EQ(fehler.size(), 3u);
    EXPECT_EQ(abdruck(), vorher);
}

TEST_F(Austausch, FlatJpegImportGivesZerosAndExportsChangeNothing) {
    QImage jpeg(7, 5, QImage::Format_RGB32);
    jpeg.fill(QColor(90, 140, 200));
    ASSERT_TRUE(jpeg.save(QString::fromStdString((ordner / "flach.jpg").string()), "JPEG", 95));
    neu(9, 9);
    s->dok.Hoehenfeld(1, 2) = 0.7;
    mitDatei("ImportierenGrafikClick", ordner / "flach.jpg");
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    EXPECT_EQ(s->dok.punkteX(), 7);
    EXPECT_EQ(s->dok.punkteY(), 5);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(s->dok.Hoehenfeld(x, y), 0.0) << x << ", " << y;

    s->dok.Hoehenfeld(1, 2) = 0.3;
    s->dok.Maske(3, 1) = 1;
    const auto vorher = abdruck();
    const char* exporte[] = {"BMP1Click",  "Targatga1Click", "Targa16Bittga1Click",
                             "Png16Click", "Raw16Click",     "ExportierenBMP1Click",
                             "DXF1Click"};
    for (const char* e : exporte)
        mitDatei(e, ordner / (std::string(e) + ".out"));
    EXPECT_TRUE(fehler.empty());
    EXPECT_EQ(abdruck(), vorher);

    // A cancelled file dialog writes nothing and remembers nothing.
    const DateiWahl wahl = f->zustand().targa;
    antwort.reset();
    befehl("Targatga1Click");
    EXPECT_EQ(f->zustand().targa.name, wahl.name);
    EXPECT_EQ(fs::file_size(ordner / "Targatga1Click.out"), 18u + 7 * 5 * 3);
}

TEST_F(Austausch, StmImportDropsTheLastRowAndColumnAndRefusesWidthTen) {
    auto stm = [](int w, int h) {
        std::string d = "STM" + std::to_string(10000 + w).substr(1) +
                        std::to_string(10000 + h).substr(1) + "      ";
        for (int i = 0; i < w * h; ++i)
            d += i == 1 ? std::string("\xFF\xFF", 2) : std::string(2, '\0');
        return d;
    };
    schreiben(ordner / "feld.stm", stm(12, 11));
    mitDatei("stm1Click", ordner / "feld.stm");
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    EXPECT_EQ(dialoge.back().titel, "Importieren Stm");
    EXPECT_EQ(s->dok.punkteX(), 11);
    EXPECT_EQ(s->dok.punkteY(), 10);
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(0, 1), 1.0);  // sample 1: first index 0, second 1
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(1, 0), 0.0);

    const auto vorher = abdruck();
    schreiben(ordner / "schmal.stm", stm(10, 11));
    mitDatei("stm1Click", ordner / "schmal.stm");
    std::string kurz = stm(12, 11);
    schreiben(ordner / "kurz.stm", kurz.substr(0, kurz.size() - 1));
    mitDatei("stm1Click", ordner / "kurz.stm");
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[0].find("schmal.stm"), std::string::npos) << fehler[0];
    EXPECT_NE(fehler[1].find("kurz.stm"), std::string::npos) << fehler[1];
    EXPECT_EQ(abdruck(), vorher);
    EXPECT_EQ(f->zustand().stm.name, (ordner / "kurz.stm").string());
}

TEST_F(Austausch, TerragenDialogClampsItsFieldsAndShowsTheExtent) {
    TEinstellenTerragen d(f.get());
    TerragenRec rec;
    d.beginnen(rec, 300, 200);
    EXPECT_EQ(d.raster()->text(), "300 x 200");
    EXPECT_EQ(d.ausdehnung()->text(), "9000 x 6000 m");
    EXPECT_EQ(d.feld(0)->text(), "30.00");
    EXPECT_EQ(d.feld(3)->text(), "1000.00");

    d.feld(0)->setText(" 2,5 ");
    d.feld(1)->setText("abc");
    d.feld(2)->setText("-20000");
    d.feld(3)->setText("123.7");
    d.felderLesen();
    EXPECT_EQ(d.feld(0)->text(), "2.50");
    EXPECT_EQ(d.feld(1)->text(), "1.00");  // 0 is below the minimum
    EXPECT_EQ(d.feld(2)->text(), "-16000.00");
    EXPECT_EQ(d.feld(3)->text(), "123.00");  // heights are cut to whole metres
    EXPECT_EQ(d.ausdehnung()->text(), "750 x 500 m");
    d.feld(0)->setText("120000");
    d.feld(3)->setText("16000.9");
    d.kugel()->setChecked(true);
    d.accept();
    const TerragenRec& a = d.arbeitsSatz();
    EXPECT_DOUBLE_EQ(a.SkalierungX, 99999);
    EXPECT_DOUBLE_EQ(a.SkalierungY, 99999);
    EXPECT_DOUBLE_EQ(a.SkalierungZ, 99999);
    EXPECT_DOUBLE_EQ(a.Radius, 1);
    EXPECT_DOUBLE_EQ(a.HoeheMin, -16000);
    EXPECT_DOUBLE_EQ(a.HoeheMax, 16000);
    EXPECT_TRUE(a.Kugel);
}

TEST_F(Austausch, TerragenExportAfterTheDialogAndImportBack) {
    neu(6, 5);
    s->dok.Hoehenfeld(2, 3) = 1.0;
    s->dok.Hoehenfeld(4, 1) = 0.5;

    // Cancelled settings: no save dialog, nothing written, settings kept.
    imDialog<TEinstellenTerragen>([](TEinstellenTerragen& d) {
        d.feld(0)->setText("55");
        d.reject();
    });
    mitDatei("ExportierenTerragenClick", ordner / "nie.ter");
    EXPECT_TRUE(dialoge.empty());
    EXPECT_FALSE(fs::exists(ordner / "nie.ter"));
    EXPECT_DOUBLE_EQ(s->terragen.SkalierungX, 30);

    imDialog<TEinstellenTerragen>([](TEinstellenTerragen& d) {
        d.feld(2)->setText("-100");
        d.accept();
    });
    mitDatei("TerragenBetaWM1Click", ordner / "kurz.ter");
    ASSERT_EQ(dialoge.size(), 1u);
    EXPECT_EQ(dialoge[0].titel, "Exportieren Terragen");
    // The short variant cannot carry the 6 x 5 field's point counts: refused.
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("kurz.ter"), std::string::npos) << fehler[0];
    EXPECT_FALSE(fs::exists(ordner / "kurz.ter"));
    fehler.clear();
    const int altMaxY = s->dok.MaxY;
    s->dok.MaxY = s->dok.MaxX;
    imDialog<TEinstellenTerragen>([](TEinstellenTerragen& d) { d.accept(); });
    mitDatei("TerragenBetaWM1Click", ordner / "kurz.ter");
    s->dok.MaxY = altMaxY;
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    const std::string ter = lesen(ordner / "kurz.ter");
    // Short variant: header, SIZE, SCAL, ALTW with 6 x 6 elevations, EOF.
    ASSERT_EQ(ter.size(), 16u + 8 + 16 + 8 + 2 * 36 + 4);
    EXPECT_EQ(ter.substr(0, 20), "TERRAGENTERRAIN SIZE");
    EXPECT_EQ(ter.substr(24, 4), "SCAL");
    EXPECT_EQ(ter.substr(40, 4), "ALTW");
    EXPECT_EQ(ter.substr(ter.size() - 4), "EOF ");
    EXPECT_DOUBLE_EQ(s->terragen.HoeheMin, -100);

    // The full variant carries both point counts and reads back; while
    // recording, the export leaves its script line.
    s->dok.ScriptAufnahme = true;
    imDialog<TEinstellenTerragen>([](TEinstellenTerragen& d) {
        d.feld(0)->setText("12,5");
        d.accept();
    });
    mitDatei("ExportierenTerragenClick", ordner / "voll.ter");
    EXPECT_EQ(lesen(ordner / "voll.ter").substr(24, 4), "XPTS");
    ASSERT_EQ(s->dok.ScriptAnzahl, 1);
    EXPECT_EQ(s->dok.ScriptListe[1],
              "save_terragen(12.500, 12.500, 12.500, 6400.000, 0, -100.000, 1000.000, 0, " +
                  (ordner / "voll.ter").string() + ")");
    s->dok.ScriptAufnahme = false;
    neu(9, 9);
    mitDatei("ImportierenTerragenClick", ordner / "voll.ter");
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    EXPECT_EQ(dialoge.back().titel, "Importieren Terragen");
    EXPECT_EQ(dialoge.back().vorschlag, (ordner / "voll.ter").string());
    EXPECT_EQ(s->dok.punkteX(), 6);
    EXPECT_EQ(s->dok.punkteY(), 5);
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(2, 3), 1.0);
    EXPECT_NEAR(s->dok.Hoehenfeld(4, 1), 0.5, 1e-3);
    EXPECT_DOUBLE_EQ(s->dok.Hoehenfeld(0, 0), 0.0);

    const auto vorher = abdruck();
    const TerragenRec recVorher = s->terragen;
    schreiben(ordner / "kaputt.ter", ter.substr(0, 50));
    mitDatei("ImportierenTerragenClick", ordner / "kaputt.ter");
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("kaputt.ter"), std::string::npos) << fehler[0];
    EXPECT_EQ(abdruck(), vorher);
    EXPECT_EQ(s->terragen.HoehenSkala, recVorher.HoehenSkala);
}

TEST_F(Austausch, DxfDialogLabelsMatchTheCountingPass) {
    neu(40, 30);
    Dokument& d = s->dok;
    setzeSeed(d, 7);
    for (int x = 0; x <= d.MaxX; ++x)
        for (int y = 0; y <= d.MaxY; ++y)
            d.Hoehenfeld(x, y) = Random(d) * 0.2 + (x == 20 ? 0.7 : 0.0);
    TEingabeDXF& dlg = dxfDialog(*f);
    dlg.gespeichert().NetzPunkteX = 20;
    dlg.gespeichert().NetzPunkteY = 15;
    dlg.zaehlSeed = 99;
    d.RandSeed = 1234;
    dlg.beginnen();
    EXPECT_EQ(d.RandSeed, 1234u);  // the counting pass draws its own numbers

    auto erwartet = [&](const NetzRec& rec) {
        setzeSeed(d, 99);
        const NetzZaehlung z = PunkteZaehlen(d, rec);
        d.RandSeed = 1234;
        return z;
    };
    auto vergleichen = [&](const NetzZaehlung& z) {
        EXPECT_EQ(dlg.information("Berechnungspunkte1")->text(), QString::number(z.fest));
        EXPECT_EQ(dlg.information("Berechnungspunkte2")->text(), QString::number(z.zufall));
        EXPECT_EQ(dlg.information("Berechnungspunkte3")->text(), QString::number(z.maximal));
        EXPECT_EQ(dlg.information("MaxAbweichung")->text(),
                  QString::number(z.abweichung.Dmax, 'f', 8));
        EXPECT_EQ(dlg.information("MinAbweichung")->text(),
                  QString::number(z.abweichung.Dmin, 'f', 8));
    };
    const NetzZaehlung z1 = erwartet(dlg.arbeitsSatz());
    EXPECT_EQ(z1.maximal, 300);
    EXPECT_GT(z1.zufall, 4);
    vergleichen(z1);

    // A released slider recounts with the slider's value.
    ReglerWidget* zufall = dlg.regler("ImageReglerZ2");
    QKeyEvent rechts(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(zufall, &rechts);
    EXPECT_DOUBLE_EQ(dlg.arbeitsSatz().NetzZufall, 0.11);
    vergleichen(erwartet(dlg.arbeitsSatz()));

    dlg.optimierung()->setChecked(false);
    EXPECT_TRUE(zufall->isHidden());
    EXPECT_FALSE(dlg.regler("ImageReglerBPX")->isHidden());
    dlg.reject();
    EXPECT_DOUBLE_EQ(dlg.gespeichert().NetzZufall, 0.1);
    EXPECT_TRUE(dlg.gespeichert().Optimierung);
}

TEST_F(Austausch, FlatFieldKeepsTheCornersMarkedRedAndCounted) {
    neu(20, 20);  // all zero: no usable spread, the fallback selection runs
    TEingabeDXF& dlg = dxfDialog(*f);
    dlg.beginnen();
    dlg.feld(0)->setText("0,5");
    dlg.regler("ImageReglerBPX")->wertSetzen(10);
    dlg.regler("ImageReglerBPY")->wertSetzen(10);
    dlg.regler("ImageReglerZ2")->wertSetzen(0);
    dlg.informationBerechnen();
    EXPECT_EQ(dlg.information("Berechnungspunkte1")->text(), "4");
    EXPECT_EQ(dlg.information("Berechnungspunkte2")->text(), "4");
    EXPECT_EQ(dlg.information("Berechnungspunkte3")->text(), "100");
    EXPECT_EQ(dlg.information("MaxAbweichung")->text(), "0.00000000");
    EXPECT_EQ(dlg.information("MinAbweichung")->text(), "1.00000000");
    dlg.accept();
    EXPECT_DOUBLE_EQ(dlg.gespeichert().Laenge, 1.0);  // 0.5 clamped to the minimum
    EXPECT_EQ(dlg.gespeichert().NetzPunkteX, 10);

    auto roteStellen = [this] {
        std::vector<QPoint> rot;
        const QImage& b = f->bild()->bild();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if ((b.pixel(x, y) & 0xFFFFFF) == 0xFF0000) rot.push_back({x, y});
        return rot;
    };
    ASSERT_TRUE(roteStellen().empty());
    mitDatei("Wavefrontobj1Click", ordner / "netz.obj");
    ASSERT_TRUE(fehler.empty()) << fehler.front();
    EXPECT_EQ(dialoge.back().titel, "Exportieren Wavefront");
    const std::string obj = lesen(ordner / "netz.obj");
    EXPECT_EQ(zeilenMit(obj, "v "), 4);
    EXPECT_EQ(zeilenMit(obj, "f "), 2);
    EXPECT_EQ(f->statusText(1), "Anzahl Punkte: (4)");
    // Mesh sample i lies at i * 19 / 9 on the view: the corners on the field's corners.
    EXPECT_EQ(roteStellen(), (std::vector<QPoint>{{0, 0}, {19, 0}, {0, 19}, {19, 19}}));

    // The settings command marks again after a redraw of the view.
    f->statusSetzen(1, {});
    imDialog<TEingabeDXF>([](TEingabeDXF& d) { d.accept(); });
    befehl("DXF2Click");
    EXPECT_EQ(f->statusText(1), "Anzahl Punkte: (4)");
    EXPECT_EQ(roteStellen().size(), 4u);
}

TEST_F(Austausch, MeshFormatsAndTheRegularLimit) {
    neu(12, 12);
    NetzRec& rec = dxfDialog(*f).gespeichert();
    rec.NetzPunkteX = 10;
    rec.NetzPunkteY = 10;
    rec.Optimierung = false;
    mitDatei("DXF1Click", ordner / "netz.dxf");
    const std::string dxf = lesen(ordner / "netz.dxf");
    EXPECT_EQ(dxf.substr(0, 26), "0\r\nSECTION\r\n 2\r\nENTITIES\r\n");
    EXPECT_EQ(zeilenMit(dxf, "3DFACE"), 162);
    mitDatei("PovRayinc1Click", ordner / "netz.inc");
    EXPECT_EQ(lesen(ordner / "netz.inc").substr(0, 37),
              "  /* Object 'Gravimonte' */\r\nmesh {\r\n");
    EXPECT_EQ(dialoge.back().titel, "Exportieren PovRay");
    antwort = (ordner / "netz2.inc").string();
    befehl("PovRayinc2Click");
    EXPECT_EQ(dialoge.back().vorschlag, (ordner / "netz.inc").string());
    const std::string mesh2 = lesen(ordner / "netz2.inc");
    EXPECT_EQ(mesh2.substr(29, 9), "mesh2 {\r\n");
    EXPECT_NE(mesh2.find("   486,"), std::string::npos);  // 162 triangles, 486 points
    ASSERT_TRUE(fehler.empty()) << fehler.front();

    rec.NetzPunkteX = 1024;
    rec.NetzPunkteY = 540;
    mitDatei("DXF1Click", ordner / "zuviel.dxf");
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0], "Zuviel Punkte (551397 - max. 550000)");
    EXPECT_FALSE(fs::exists(ordner / "zuviel.dxf"));
}

TEST_F(Austausch, AFailedWriteIsReportedWithTheFileName) {
    neu(5, 5);
    const fs::path p = ordner / "fehlt" / "bild.bmp";
    mitDatei("BMP1Click", p);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find(p.string()), std::string::npos) << fehler[0];
    EXPECT_FALSE(fs::exists(p));
    mitDatei("Wavefrontobj1Click", ordner / "fehlt" / "netz.obj");
    EXPECT_EQ(fehler.size(), 2u);
}

}  // namespace
}  // namespace gm
