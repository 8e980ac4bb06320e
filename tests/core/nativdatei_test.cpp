#include "core/nativdatei.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "core/puffer.h"
#include "support/feld_hilfen.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

class NativDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("gm_nativ_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }
    std::string pfad(const char* name) const { return (ordner_ / name).string(); }

    static void schreibeDoubles(const std::string& p, const std::vector<double>& werte) {
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(werte.data()), std::streamsize(werte.size() * 8));
    }
    fs::path ordner_;
};

TEST_F(NativDatei, SaveAndReopenIsBitExactIncludingValuesOutsideTheRange) {
    Dokument dok;
    NeueGroesse(dok, 256, 128, true);
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            dok.Hoehenfeld(x, y) = (x - y) * 0.0123456789;
    dok.Hoehenfeld(0, 0) = -5.5;
    dok.Hoehenfeld(256, 128) = std::numeric_limits<double>::denorm_min();
    ASSERT_TRUE(NativSchreiben(dok, pfad("a.fla")).ok());
    EXPECT_EQ(fs::file_size(pfad("a.fla")), 16u + 257u * 129u * 8u);

    Dokument neu;
    ASSERT_TRUE(NativLesen(neu, pfad("a.fla")).ok());
    EXPECT_EQ(neu.MaxX, 256);
    EXPECT_EQ(neu.MaxY, 128);
    for (int x = 0; x <= dok.MaxX; ++x)
        for (int y = 0; y <= dok.MaxY; ++y)
            ASSERT_EQ(std::memcmp(&neu.Hoehenfeld(x, y), &dok.Hoehenfeld(x, y), 8), 0);
}

// A file holding NaN or an infinity opened; the erosion then made the whole
// field NaN and the mesh exports wrote "nan". Such a file is refused, naming
// the first bad sample, and nothing changes.
TEST_F(NativDatei, NonFiniteSamplesAreRefusedNamingTheFirst) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto dok = std::make_unique<Dokument>();
    NeueGroesse(*dok, 5, 5, true);
    dok->Hoehenfeld(1, 1) = 0.75;
    for (const auto& [wert, text] : {std::pair{nan, "not a number"}, std::pair{inf, "infinite"},
                                     std::pair{-inf, "infinite"}}) {
        std::vector<double> werte(2 + 36, 0.5);
        werte[0] = 5;  // 6 x 6 points, the document's size
        werte[1] = 5;
        werte[2 + 3 * 6 + 2] = wert;  // x 3, y 2
        werte[2 + 4 * 6 + 1] = nan;
        schreibeDoubles(pfad("a.fla"), werte);
        EXPECT_EQ(NativLesen(*dok, pfad("a.fla")).meldung(),
                  pfad("a.fla") + ": the sample at x 3, y 2 is " + text +
                      "; a grid file holds finite heights only");
        EXPECT_EQ(dok->MaxX, 5);
        EXPECT_EQ(dok->Hoehenfeld(1, 1), 0.75);
        EXPECT_NE(NativInZweitbildLesen(*dok, pfad("a.fla")).meldung().find("x 3, y 2"),
                  std::string::npos);
        EXPECT_EQ(dok->Zweitbild(3, 2), 0.0);
    }
}

TEST_F(NativDatei, FileLayoutIsHeaderThenColumnsXOuter) {
    Dokument dok;
    test::setzeFeld(dok, dok.Hoehenfeld, {{0.0, 0.25}, {0.5, 0.75}});
    ASSERT_TRUE(NativSchreiben(dok, pfad("b.fla")).ok());
    std::ifstream f(pfad("b.fla"), std::ios::binary);
    std::vector<double> werte(6);
    f.read(reinterpret_cast<char*>(werte.data()), 48);
    EXPECT_EQ(werte, (std::vector<double>{1.0, 1.0, 0.0, 0.5, 0.25, 0.75}));
}

TEST_F(NativDatei, HeaderIsRoundedAndOutOfRangeSizesAreRefused) {
    std::vector<double> datei = {4.4, 511.6};
    datei.resize(2 + 5 * 513, 0.5);
    schreibeDoubles(pfad("c.fla"), datei);
    Dokument dok;
    ASSERT_TRUE(NativLesen(dok, pfad("c.fla")).ok());
    EXPECT_EQ(dok.MaxX, 4);
    EXPECT_EQ(dok.MaxY, 512);
    EXPECT_EQ(dok.Hoehenfeld(4, 512), 0.5);

    for (auto kopf : {std::vector<double>{0.0, 4.0}, std::vector<double>{4.0, 2050.0},
                      std::vector<double>{std::nan(""), 4.0}, std::vector<double>{4.0, -1e300}}) {
        kopf.resize(2 + 10000, 0.1);
        schreibeDoubles(pfad("d.fla"), kopf);
        Status s = NativLesen(dok, pfad("d.fla"));
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.meldung().find("d.fla"), std::string::npos);
        EXPECT_EQ(dok.MaxX, 4);
        EXPECT_EQ(dok.Hoehenfeld(4, 512), 0.5);
    }
    EXPECT_FALSE(NativLesen(dok, pfad("fehlt.fla")).ok());
}

// A header one point beyond the largest field, in a file holding every sample
// that header asks for: only the size limit can refuse it. The largest field
// itself is read.
TEST_F(NativDatei, SizeLimitRefusesAFileLongEnoughForItsHeader) {
    Dokument dok;
    test::setzeFeld(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}});
    for (auto [maxX, maxY] : {std::pair{4, 2050}, std::pair{2050, 4}}) {
        std::vector<double> datei = {double(maxX), double(maxY)};
        datei.resize(2 + std::size_t(maxX + 1) * std::size_t(maxY + 1), 0.5);
        schreibeDoubles(pfad("gross.fla"), datei);
        Status s = NativLesen(dok, pfad("gross.fla"));
        EXPECT_FALSE(s.ok()) << maxX << " x " << maxY;
        EXPECT_NE(s.meldung().find("size outside"), std::string::npos) << s.meldung();
        EXPECT_TRUE(test::feldGleich(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}}));
    }
    for (auto [maxX, maxY] : {std::pair{4, 2049}, std::pair{2049, 4}}) {
        std::vector<double> datei = {double(maxX), double(maxY)};
        datei.resize(2 + std::size_t(maxX + 1) * std::size_t(maxY + 1), 0.5);
        datei.back() = 0.25;
        schreibeDoubles(pfad("groesste.fla"), datei);
        ASSERT_TRUE(NativLesen(dok, pfad("groesste.fla")).ok()) << maxX << " x " << maxY;
        EXPECT_EQ(dok.MaxX, maxX);
        EXPECT_EQ(dok.MaxY, maxY);
        EXPECT_EQ(dok.Hoehenfeld(maxX, maxY), 0.25);
        EXPECT_EQ(dok.Hoehenfeld(0, 0), 0.5);
    }
}

TEST_F(NativDatei, TruncatedFileLeavesDocumentUndoAndMaskAsTheyWere) {
    Dokument quelle;
    NeueGroesse(quelle, 9, 6, true);
    quelle.Hoehenfeld(3, 3) = 0.75;
    ASSERT_TRUE(NativSchreiben(quelle, pfad("ganz.fla")).ok());
    std::ifstream f(pfad("ganz.fla"), std::ios::binary);
    std::string voll((std::istreambuf_iterator<char>(f)), {});

    Dokument dok;
    test::setzeFeld(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}});
    test::setzeFeld(dok, dok.UndoBild, {{0.5, 0.6}, {0.7, 0.8}});
    dok.Maske(1, 1) = 1;
    for (std::size_t laenge = 0; laenge < voll.size(); laenge += 7) {
        std::ofstream(pfad("kurz.fla"), std::ios::binary)
            .write(voll.data(), std::streamsize(laenge));
        Status s = NativLesen(dok, pfad("kurz.fla"));
        ASSERT_FALSE(s.ok()) << laenge;
        ASSERT_EQ(dok.MaxX, 1);
        ASSERT_TRUE(test::feldGleich(dok, dok.Hoehenfeld, {{0.1, 0.2}, {0.3, 0.4}}));
        ASSERT_TRUE(test::feldGleich(dok, dok.UndoBild, {{0.5, 0.6}, {0.7, 0.8}}));
        ASSERT_EQ(dok.Maske(1, 1), 1);
    }
    // Extra bytes after the samples are ignored.
    std::ofstream(pfad("lang.fla"), std::ios::binary) << voll << "xyz";
    ASSERT_TRUE(NativLesen(dok, pfad("lang.fla")).ok());
    EXPECT_EQ(dok.Hoehenfeld(3, 3), 0.75);
    EXPECT_EQ(dok.Maske(1, 1), 0);  // opening clears every grid
}

TEST_F(NativDatei, AddReadsOnlyFilesOfTheCurrentSizeIntoZweitbild) {
    Dokument klein;
    NeueGroesse(klein, 256, 256, true);
    klein.Hoehenfeld(1, 1) = 0.5;
    ASSERT_TRUE(NativSchreiben(klein, pfad("257.fla")).ok());

    Dokument dok;  // 513 x 513
    dok.Zweitbild(1, 1) = 0.9;
    EXPECT_FALSE(NativInZweitbildLesen(dok, pfad("257.fla")).ok());
    EXPECT_EQ(dok.Zweitbild(1, 1), 0.9);
    EXPECT_EQ(dok.MaxX, 512);

    ASSERT_TRUE(NativLesen(dok, pfad("257.fla")).ok());
    EXPECT_EQ(dok.MaxX, 256);
    dok.Zweitbild(2000, 2000) = 0.9;
    ASSERT_TRUE(NativInZweitbildLesen(dok, pfad("257.fla")).ok());
    EXPECT_EQ(dok.Zweitbild(1, 1), 0.5);
    EXPECT_EQ(dok.Zweitbild(2000, 2000), 0.0);  // the whole grid is zeroed first
}

// Saving under a file-size limit fails cleanly: the old file stays
// byte-identical and no temporary file is left behind.
TEST_F(NativDatei, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    const std::string ziel = pfad("alt.fla");
    std::ofstream(ziel, std::ios::binary) << "old contents";
    pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        Dokument dok;  // 513 x 513: about 2 MB, far above the limit
        Status s = NativSchreiben(dok, ziel);
        ::_exit(s.ok() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save under the limit reported success";
    std::ifstream f(ziel, std::ios::binary);
    std::string inhalt((std::istreambuf_iterator<char>(f)), {});
    EXPECT_EQ(inhalt, "old contents");
    int dateien = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(ordner_))
        ++dateien;
    EXPECT_EQ(dateien, 1);
}

}  // namespace
}  // namespace gm
