// Writing and reading files whose target is not a plain file: devices and
// named pipes made in the test's own folder, symbolic links, kept permission
// bits, the size cap of every reader, and temporary files on an interrupt.

#include "core/atomare_datei.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/nativdatei.h"
#include "support/test_ordner.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

std::string inhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Names in `ordner`, so that a temporary file left behind shows.
std::vector<std::string> namen(const fs::path& ordner) {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(ordner))
        n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

mode_t art(const std::string& pfad) {
    struct stat info {};
    EXPECT_EQ(::lstat(pfad.c_str(), &info), 0) << pfad;
    return info.st_mode & S_IFMT;
}

TEST(AtomareDatei, DevicesAndPipesAreWrittenDirectlyNeverReplaced) {
    test::TestOrdner ordner;
    // A null device of the test's own; only root may make one.
    const std::string geraet = ordner.datei("null");
    std::vector<std::string> erwartet{"ordner", "rohr"};
    if (::mknod(geraet.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        erwartet.insert(erwartet.begin(), "null");
        ASSERT_TRUE(dateiAtomarSchreiben(geraet, "heights").ok());
        EXPECT_EQ(art(geraet), mode_t(S_IFCHR));
    }

    const std::string rohr = ordner.datei("rohr");
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    // Nobody reads: refused at once instead of waiting for a reader.
    const Status ohneLeser = dateiAtomarSchreiben(rohr, "x");
    EXPECT_EQ(ohneLeser.meldung(), "cannot write " + rohr + ": no program reads from the pipe");
    EXPECT_EQ(art(rohr), mode_t(S_IFIFO));

    const int leser = ::open(rohr.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    ASSERT_TRUE(dateiAtomarSchreiben(rohr, "through the pipe").ok());
    char puffer[64] = {};
    EXPECT_EQ(::read(leser, puffer, sizeof puffer), 16);
    EXPECT_STREQ(puffer, "through the pipe");
    ::close(leser);
    EXPECT_EQ(art(rohr), mode_t(S_IFIFO));

    fs::create_directory(ordner.pfad() / "ordner");
    EXPECT_EQ(dateiAtomarSchreiben(ordner.datei("ordner"), "x").meldung(),
              "cannot write " + ordner.datei("ordner") + ": it is a folder");
    const std::string fehlt = ordner.datei("fehlt/a.fla");
    EXPECT_EQ(dateiAtomarSchreiben(fehlt, "x").meldung(),
              "cannot write " + fehlt + ": the folder does not exist");
    // Nothing was left beside the targets.
    EXPECT_EQ(namen(ordner.pfad()), erwartet);
}

TEST(AtomareDatei, LinksAreFollowedAndPermissionsKept) {
    test::TestOrdner ordner;
    fs::create_directory(ordner.pfad() / "ziel");
    const std::string datei = ordner.datei("ziel/a.fla");
    { std::ofstream(datei) << "old"; }
    ASSERT_EQ(::chmod(datei.c_str(), 0640), 0);
    fs::create_symlink("ziel/a.fla", ordner.pfad() / "link.fla");
    fs::create_symlink("link.fla", ordner.pfad() / "link2.fla");

    AtomareDatei schreiben(ordner.datei("link2.fla"));
    schreiben.schreiben("new");
    // The temporary file lies beside the file the links name, not beside the link.
    EXPECT_EQ(namen(ordner.pfad()), (std::vector<std::string>{"link.fla", "link2.fla", "ziel"}));
    EXPECT_EQ(namen(ordner.pfad() / "ziel").size(), 2u);
    ASSERT_TRUE(schreiben.abschliessen().ok());

    EXPECT_EQ(art(ordner.datei("link2.fla")), mode_t(S_IFLNK));
    EXPECT_EQ(art(ordner.datei("link.fla")), mode_t(S_IFLNK));
    EXPECT_EQ(inhalt(datei), "new");
    EXPECT_EQ(namen(ordner.pfad() / "ziel"), std::vector<std::string>{"a.fla"});
    struct stat info {};
    ASSERT_EQ(::stat(datei.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A link to a file not made yet makes it where the link points.
    fs::create_symlink("ziel/neu.fla", ordner.pfad() / "neu.fla");
    ASSERT_TRUE(dateiAtomarSchreiben(ordner.datei("neu.fla"), "made").ok());
    EXPECT_EQ(inhalt(ordner.datei("ziel/neu.fla")), "made");
    EXPECT_EQ(art(ordner.datei("neu.fla")), mode_t(S_IFLNK));

    // A private file stays private.
    ASSERT_EQ(::chmod(datei.c_str(), 0600), 0);
    ASSERT_TRUE(dateiAtomarSchreiben(datei, "again").ok());
    ASSERT_EQ(::stat(datei.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST(DateiLesen, PipesDevicesAndOverlongFilesAreRefusedWithoutWaiting) {
    test::TestOrdner ordner;
    const std::string rohr = ordner.datei("rohr.fla");
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    std::string daten;
    // Before the mend this waited for ever for a writer.
    EXPECT_EQ(dateiLesen(rohr, daten).meldung(),
              "cannot read " + rohr + ": it is a named pipe, not a file");
    fs::create_symlink("/dev/zero", ordner.pfad() / "null.fla");
    auto dok = std::make_unique<Dokument>();
    EXPECT_EQ(NativLesen(*dok, ordner.datei("null.fla")).meldung(),
              "cannot read " + ordner.datei("null.fla") + ": it is a device, not a file");
    EXPECT_FALSE(dateiLesen(ordner.pfad().string(), daten).ok());

    const std::string datei = ordner.datei("a.txt");
    { std::ofstream(datei) << std::string(100, 'a'); }
    ASSERT_TRUE(dateiLesen(datei, daten, 100).ok());
    EXPECT_EQ(daten.size(), 100u);
    EXPECT_EQ(dateiLesen(datei, daten, 99).meldung(),
              "cannot read " + datei +
                  ": it has 100 bytes, more than the 99 a valid file of its kind can have");
    EXPECT_EQ(daten.size(), 100u);  // unchanged on failure

    // One byte past the largest grid file is refused before it is read.
    const std::string gross = ordner.datei("gross.fla");
    { std::ofstream(gross).close(); }
    ASSERT_EQ(::truncate(gross.c_str(), off_t(NativMaxBytes + 1)), 0);
    EXPECT_NE(NativLesen(*dok, gross).meldung().find("more than the 33620016"), std::string::npos);
}

TEST(AtomareDatei, AnInterruptRemovesTheTemporaryFile) {
    test::TestOrdner ordner;
    for (int signal : {SIGINT, SIGTERM}) {
        int bereit[2];
        ASSERT_EQ(::pipe(bereit), 0);
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            AtomareDatei datei(ordner.datei("a.ter"));
            datei.schreiben(std::string(1 << 20, 'x'));
            if (::write(bereit[1], "!", 1) != 1) ::_exit(3);
            for (;;)
                ::pause();
        }
        char c;
        ASSERT_EQ(::read(bereit[0], &c, 1), 1);
        ::close(bereit[0]);
        ::close(bereit[1]);
        EXPECT_EQ(namen(ordner.pfad()).size(), 1u);  // the temporary file
        ::kill(kind, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_TRUE(namen(ordner.pfad()).empty());
    }
}

}  // namespace
}  // namespace gm
