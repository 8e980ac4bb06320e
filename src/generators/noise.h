#pragma once
// Gradient noise summed over up to eleven levels by one of eleven methods,
// shaped along both axes and combined by an operator (unit DefiniereNoise).
//
// The generator fills Zweitbild; the caller then runs ZweitbildVerknuepfen.
// The noise tables are plain data owned by the caller (NoiseZustand keeps the
// stored parameter set and the tables of a window session); a replayed
// "build_noise" line builds its own tables from the line's seed.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/script_argumente.h"

namespace gm {

constexpr int NoiseLevelMax = 11;
constexpr int NoiseTabellenGroesse = 4101;
constexpr int NoiseMethodenAnzahl = 11;

struct NoiseParamRec {
    bool Level[NoiseLevelMax];  // Level[0] is "L 01"
    double Offset;
    double FraktalDimension;
    double Anstieg1;
    double Anstieg2;
    int Reserviert;
    int Verknuepfung;  // 0..3
    int Methode;       // 0..10
    double Startwert;  // whole number
    bool Invertieren;
    int TypX;  // 1..4
    int TypY;  // 1..4
    double IterationenX;
    double IterationenY;
    double VerschiebungX;
    double VerschiebungY;
};

// The parameter description: one entry per field, the levels as Level1..Level11.
std::span<const Parameter> NoiseParameter();
NoiseParamRec NoiseStandard();

// A preset of the list "Torvik's Setup's".
struct NoiseSetupRec {
    std::string_view Name;
    int Methode;
    double Anstieg1;
    double Anstieg2;
    double FraktalDimension;
    double Offset;
};
extern const std::array<NoiseSetupRec, 11> NoiseSetups;
// Puts the preset's method and four values into the record.
void NoiseSetupAnwenden(const NoiseSetupRec& setup, NoiseParamRec& p);

// Items of the method list, the axis lists and the operator group, in order.
extern const std::array<std::string_view, NoiseMethodenAnzahl> NoiseMethodenNamen;
extern const std::array<std::string_view, 4> NoiseAchsenNamenX;
extern const std::array<std::string_view, 4> NoiseAchsenNamenY;
extern const std::array<std::string_view, 4> NoiseVerknuepfungNamen;

struct NoiseGradientRec {
    double gx;
    double gy;
};

struct NoiseTabellen {
    std::array<std::uint32_t, NoiseTabellenGroesse> Permutation;
    std::array<NoiseGradientRec, NoiseTabellenGroesse> Gradient;
    double Startwert;  // the seed the tables were built from
};

struct NoiseGewichtTabellen {
    double Frequenz[NoiseLevelMax + 1];
    double Amplitude[NoiseLevelMax + 1];
};

// Integer hash of the tables, a value in (0, 1].
double NoiseHash(std::int32_t a, std::int32_t b, double s);
void NoiseTabellenAufbau(NoiseTabellen& t, double seed);
NoiseGewichtTabellen NoiseGewichte(const NoiseParamRec& p);
// Gradient noise at a point; the lattice repeats every 256 units.
double Noise2D(const NoiseTabellen& t, double x, double y);
// The complete unnormalised value at a point (method, axis functions, operator).
double NoisePunkt(const NoiseParamRec& p, const NoiseTabellen& t, const NoiseGewichtTabellen& w,
                  double x, double y);

// Fills Zweitbild at the full size: zeroed, one NoisePunkt per active cell,
// stretched to 0..1 and inverted when asked.
void NoiseBerechnen(Dokument& dok, const NoiseParamRec& p, const NoiseTabellen& t);

struct VorschauSpanne {
    double minimum;
    double maximum;
};
// The 256 x 256 preview values (unstretched) and their range.
VorschauSpanne NoiseVorschau(const NoiseParamRec& p, const NoiseTabellen& t, Vorschaufeld& v);
// The 512 values of the diagonal profile.
constexpr int ProfilBreite = 512;
std::array<double, ProfilBreite> NoiseProfil(const NoiseParamRec& p, const NoiseTabellen& t);

// The stored set of a session and the tables every use shares.
struct NoiseZustand {
    NoiseParamRec gespeichert;
    NoiseTabellen tabellen;
};
// Program start: defaults and the tables of seed 15360.
void NoiseVorgaben(NoiseZustand& z);

// Number of usable levels (8..11) for the field size; also used by midpoint.
int NoiseLevelAnzahl(int maxX, int maxY);
// Whether the level box "L nn" (1..11) is enabled for the level count.
bool NoiseLevelWaehlbar(int level, int levelAnzahl);

// Seed field left (or Enter): a whole number 1..32000, else 15731.
double NoiseStartwertAusText(std::string_view text);
// "Neue Berechnung": a new seed from the shared random generator.
double NoiseNeuerStartwert(Dokument& dok);

// "Übernehmen" of the dialog: computes the field from the working set, stores
// it and records the line. Tables built from another seed than the working
// set's are rebuilt first (by the seed field rule), so the recorded line
// replays the applied field.
void NoiseUebernehmen(Dokument& dok, NoiseZustand& z, NoiseParamRec& arbeit);

// "build_noise(...)" with the sixteen arguments.
std::string NoiseScriptZeile(const NoiseParamRec& p);
void NoiseScriptSchreiben(Dokument& dok, const NoiseParamRec& p);
// Reads the sixteen arguments with their ranges and fallbacks; all levels on.
NoiseParamRec NoiseScriptLesen(ScriptArgumente& args, const Dokument& dok);
// How "build_noise" writes and reads its arguments.
std::span<const ScriptArgument> NoiseArgumente();
// Replay of "build_noise": tables from the line's seed, Zweitbild, combination.
void build_noiseNachspielen(Dokument& dok, ScriptArgumente& args);

// Command line: tables from p.Startwert, then NoiseBerechnen. The caller runs
// ZweitbildVerknuepfen.
void NoiseErzeugen(Dokument& dok, const NoiseParamRec& p);
// The catalogue's "noise" operation, values in NoiseParameter() order: what
// "Übernehmen" does (field, combination, script line while recording).
Status NoiseAusfuehren(Dokument& dok, const Werte& werte);

}  // namespace gm
