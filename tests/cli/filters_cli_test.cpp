// The tone filters and rain erosion through the command line: a filter by
// name with its fields as keys gives the same field as its script line.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class FilterCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() / "gm_cli_filter";
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    int lauf(const std::string& argumente) {
        const std::string befehl =
            std::string(GM_CLI_PFAD) + " " + argumente + " >/dev/null 2>/dev/null";
        const int w = std::system(befehl.c_str());
        return WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    }
    std::string datei(const char* name) { return (ordner / name).string(); }

    // A native file: MaxX and MaxY as doubles, then the samples, x outer.
    void schreiben(const char* name, int punkteX, int punkteY, const std::vector<double>& werte) {
        std::vector<double> alles{double(punkteX - 1), double(punkteY - 1)};
        alles.insert(alles.end(), werte.begin(), werte.end());
        std::ofstream f(ordner / name, std::ios::binary);
        f.write(reinterpret_cast<const char*>(alles.data()), std::streamsize(alles.size() * 8));
    }
    std::vector<double> proben(const char* name) {
        std::ifstream f(ordner / name, std::ios::binary);
        const std::string s(std::istreambuf_iterator<char>(f), {});
        if (s.size() < 16) return {};
        std::vector<double> v((s.size() - 16) / 8);
        std::memcpy(v.data(), s.data() + 16, v.size() * 8);
        return v;
    }

    fs::path ordner;
};

TEST_F(FilterCli, GammaByNameMatchesItsLineAndTheCurve) {
    std::vector<double> werte;
    for (int i = 0; i < 25; ++i)
        werte.push_back(i / 24.0);
    schreiben("a.fla", 5, 5, werte);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --filter gamma Gamma=2 --save " + datei("b.fla")),
              0);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --line 'gamma(2.000, 0.500, 0.500, 0.500, 1)'" +
                   " --save " + datei("c.fla")),
              0);
    const std::vector<double> b = proben("b.fla");
    ASSERT_EQ(b.size(), 25u);
    for (int i = 0; i < 25; ++i)
        EXPECT_DOUBLE_EQ(b[i], (i / 24.0) * (i / 24.0)) << i;
    EXPECT_EQ(b, proben("c.fla"));
}

TEST_F(FilterCli, ErosionAndQuantisingByName) {
    std::vector<double> werte;
    for (int i = 0; i < 9 * 7; ++i)
        werte.push_back(((i * 37) % 23) / 23.0);
    schreiben("a.fla", 9, 7, werte);
    ASSERT_EQ(lauf("--open " + datei("a.fla") +
                   " --filter raining Zyklen=3 Regenmenge=0.2 --save " + datei("b.fla")),
              0);
    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --line 'raining(3, 0.200, 0.100, 0.030)'" +
                   " --save " + datei("c.fla")),
              0);
    EXPECT_EQ(proben("b.fla"), proben("c.fla"));
    EXPECT_NE(proben("b.fla"), werte);

    ASSERT_EQ(lauf("--open " + datei("a.fla") + " --filter digit AnzahlStufen=2 --save " +
                   datei("d.fla")),
              0);
    for (double v : proben("d.fla"))
        EXPECT_TRUE(v == 0.0 || v == 1.0) << v;

    schreiben("flach.fla", 5, 5, std::vector<double>(25, 0.5));
    EXPECT_NE(lauf("--open " + datei("flach.fla") + " --filter digit"), 0);
    EXPECT_EQ(lauf("--filter raining Zyklen=0"), 2);
    EXPECT_EQ(lauf("--filter gamma Gamma=200"), 2);
    EXPECT_EQ(lauf("--filter invert Gamma=2"), 2);
}

}  // namespace
