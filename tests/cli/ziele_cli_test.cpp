// Targets and inputs of the command line that are not plain files: devices and
// named pipes made in the test's own folder, links, permission bits, messages
// that name the target, and a run ended by a signal.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/cli_lauf.h"

extern char** environ;

namespace gm {
namespace {

namespace fs = std::filesystem;
using ZieleCli = test::CliLauf;

mode_t art(const std::string& pfad) {
    struct stat info {};
    EXPECT_EQ(::lstat(pfad.c_str(), &info), 0) << pfad;
    return info.st_mode & S_IFMT;
}

bool temporaereDatei(const fs::path& ordner) {
    for (const auto& e : fs::recursive_directory_iterator(ordner)) {
        const std::string n = e.path().filename().string();
        if (n.find("gm-cli") != std::string::npos || n.find(".tmp") != std::string::npos)
            return true;
    }
    return false;
}

TEST_F(ZieleCli, SpecialTargetsAreWrittenDirectlyOrRefusedNeverReplaced) {
    const std::string geraet = datei("null");
    const bool alsRoot = ::mknod(geraet.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (alsRoot) {
        EXPECT_EQ(
            laufMitAusgabe({"--size", "9x9", "--save", geraet, "--export", "ter", geraet}).status,
            0);
        EXPECT_EQ(art(geraet), mode_t(S_IFCHR));
    }
    const std::string rohr = datei("rohr.ter");
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    const auto e = laufMitAusgabe({"--size", "9x9", "--export", "ter", rohr});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.fehler,
              "gravimonte-cli: cannot write " + rohr + ": no program reads from the pipe\n");
    EXPECT_EQ(art(rohr), mode_t(S_IFIFO));

    // A link is followed; the file it names keeps its permission bits.
    fs::create_directory(ordner.pfad() / "echt");
    nativSchreiben("echt/a.fla", 5, 5, std::vector<double>(25, 0.25));
    ASSERT_EQ(::chmod(datei("echt/a.fla").c_str(), 0600), 0);
    fs::create_symlink("echt/a.fla", ordner.pfad() / "link.fla");
    ASSERT_EQ(laufMitAusgabe({"--size", "6x5", "--save", datei("link.fla")}).status, 0);
    EXPECT_EQ(art(datei("link.fla")), mode_t(S_IFLNK));
    EXPECT_EQ(proben("echt/a.fla").size(), 30u);
    struct stat info {};
    ASSERT_EQ(::stat(datei("echt/a.fla").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_FALSE(temporaereDatei(ordner.pfad()));
}

TEST_F(ZieleCli, MessagesNameTheTargetAndTheReasonNotATemporaryName) {
    const std::string fehlt = datei("fehlt/a.ter");
    auto e = laufMitAusgabe({"--size", "9x9", "--export", "ter", fehlt});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.fehler, "gravimonte-cli: cannot write " + fehlt + ": the folder does not exist\n");
    // A writer's own refusal names the target the user gave.
    e = laufMitAusgabe({"--size", "9x7", "--export", "ter-wm", datei("a.ter")});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.fehler.find("gm-cli"), std::string::npos) << e.fehler;
    EXPECT_NE(e.fehler.find(datei("a.ter") + ": not written"), std::string::npos) << e.fehler;
    e = laufMitAusgabe({"--save", datei("a.fla"), "--set", "MarkeUnten.Wert=abc"});
    EXPECT_EQ(e.fehler,
              "gravimonte-cli: --set: MarkeUnten.Wert=abc: \"abc\" is not a number "
              "(MarkeUnten.Wert takes 0.000..1.000)\n");
    e = laufMitAusgabe({"--save", datei("a.fla"), "--set", "MarkeUnten.Wert=2"});
    EXPECT_EQ(e.fehler,
              "gravimonte-cli: --set: MarkeUnten.Wert=2: MarkeUnten.Wert must lie in "
              "0.000..1.000\n");
}

TEST_F(ZieleCli, PipesAndEndlessInputsAreRefusedWithoutWaiting) {
    const std::string rohr = datei("rohr.fla");
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    fs::create_symlink("rohr.fla", ordner.pfad() / "rohr.txt");
    fs::create_symlink("/dev/zero", ordner.pfad() / "null.fla");
    fs::create_symlink("/dev/zero", ordner.pfad() / "null.ter");
    // Each of these waited for ever, or read without limit, before the mend.
    for (const auto& [option, pfad, grund] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"--open", rohr, "it is a named pipe"},
             {"--add", rohr, "it is a named pipe"},
             {"--script", datei("rohr.txt"), "it is a named pipe"},
             {"--open", datei("null.fla"), "it is a device"},
             {"--open", datei("null.ter"), "it is a device"},
         }) {
        const auto e = laufMitAusgabe({"--size", "5x5", option, pfad});
        EXPECT_EQ(e.status, 2) << option << " " << pfad;
        EXPECT_EQ(e.fehler,
                  "gravimonte-cli: cannot read " + pfad + ": " + grund + ", not a file\n");
    }
}

TEST_F(ZieleCli, ASignalRemovesTheFilesOfTheRun) {
    // The run saves a.fla (held back under a temporary name until the run
    // ends), then writes a 513 x 513 Terragen file into a pipe that is opened
    // but never read: the write stops when the pipe is full, and the run waits
    // there with its temporary file in place.
    const std::string rohr = datei("rohr.ter");
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    const int leser = ::open(rohr.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    for (int signal : {SIGINT, SIGTERM}) {
        const std::vector<std::string> worte = {GM_CLI_PFAD,    "--size",   "513x513", "--save",
                                                datei("a.fla"), "--export", "ter",     rohr};
        std::vector<char*> argv;
        for (const auto& w : worte)
            argv.push_back(const_cast<char*>(w.c_str()));
        argv.push_back(nullptr);
        // The run starts with the default actions, whatever this process inherited.
        posix_spawnattr_t attr;
        ::posix_spawnattr_init(&attr);
        sigset_t standard;
        ::sigemptyset(&standard);
        ::sigaddset(&standard, SIGINT);
        ::sigaddset(&standard, SIGTERM);
        ::posix_spawnattr_setsigdefault(&attr, &standard);
        ::posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
        pid_t kind = 0;
        ASSERT_EQ(::posix_spawn(&kind, GM_CLI_PFAD, nullptr, &attr, argv.data(), environ), 0);
        ::posix_spawnattr_destroy(&attr);
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!temporaereDatei(ordner.pfad()) && std::chrono::steady_clock::now() < ende)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_TRUE(temporaereDatei(ordner.pfad()));
        // Give the run time to reach the full pipe; the file is there either way.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::kill(kind, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_FALSE(temporaereDatei(ordner.pfad()));
        EXPECT_FALSE(fs::exists(datei("a.fla")));
        char weg[1 << 16];
        while (::read(leser, weg, sizeof weg) > 0) {
        }
    }
    ::close(leser);
}

}  // namespace
}  // namespace gm
