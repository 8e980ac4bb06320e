#include "formats/terragen.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/atomare_datei.h"
#include "core/script_liste.h"
#include "core/zahlen.h"
#include "formats/bytes.h"

namespace gm {

const Parameter TerragenParameter[7] = {
    Param<&TerragenRec::SkalierungX>("SkalierungX", 30, 1, 99999, Skala::Linear, 1, "Skalierung :"),
    Param<&TerragenRec::SkalierungY>("SkalierungY", 30, 1, 99999, Skala::Linear, 1, ""),
    Param<&TerragenRec::SkalierungZ>("SkalierungZ", 30, 1, 99999, Skala::Linear, 1, ""),
    Param<&TerragenRec::Radius>("Radius", 6400, 1, 99999, Skala::Linear, 1, "Radius :"),
    Param<&TerragenRec::Kugel>("Kugel", 0, 0, 1, Skala::Linear, 1, "Rendermodus (flach/sphärisch)"),
    Param<&TerragenRec::HoeheMin>("HoeheMin", 0, -16000, 16000, Skala::Linear, 1, "Höhe min :"),
    Param<&TerragenRec::HoeheMax>("HoeheMax", 1000, -16000, 16000, Skala::Linear, 1, "Höhe max :"),
};

namespace {

// A whole number within the int16 range of the file; NaN becomes 0.
int int16Begrenzt(double v) {
    if (std::isnan(v)) return 0;
    return int(std::clamp(v, -32768.0, 32767.0));
}

void chunk16(std::string& s, const char* name, int a, int b) {
    s += name;
    anhaengenI16(s, a);
    anhaengenI16(s, b);
}

// The elevation of z metres, before rounding.
double elevation(double z, double s, double basis, double skala) {
    return ((z / s) - basis) / skala * 65536.0;
}

void hoehenSchreiben(std::string& s, const Dokument& dok, const TerragenRec& rec) {
    const double spanne = rec.HoeheMax - rec.HoeheMin;
    for (int y = rec.PunkteY - 1; y >= 0; --y) {
        for (int x = 0; x < rec.PunkteX; ++x) {
            const double z = spanne * dok.Hoehenfeld(x, y) + rec.HoeheMin;
            const double e = elevation(z, rec.SkalierungX, rec.BasisHoehe, rec.HoehenSkala);
            anhaengenI16(s, int16Begrenzt(roundHalfEven(e)));
        }
    }
}

// Both ends of the height range become elevations inside the int16 field.
bool passt(const TerragenRec& rec, double basis, double skala) {
    for (double z : {rec.HoeheMin, rec.HoeheMax}) {
        const double e = roundHalfEven(elevation(z, rec.SkalierungX, basis, skala));
        if (!(e >= -32768.0 && e <= 32767.0)) return false;
    }
    return true;
}

// The rule's height scale clips ranges narrower than about 2 m per scale step
// (0..50 m gives a scale of 2, room for 0..33 m only): such a range gets the
// smallest scale of the same sign that holds both of its ends.
double passendeSkala(const TerragenRec& rec, double basis, double skala) {
    if (passt(rec, basis, skala)) return skala;
    double weiteste = 0.0;
    for (double z : {rec.HoeheMin, rec.HoeheMax})
        weiteste = std::max(weiteste, std::fabs(z / rec.SkalierungX - basis));
    const double noetig = std::ceil(weiteste * 65536.0 / 32767.0);
    return std::copysign(std::max(std::fabs(skala), noetig), skala);
}

}  // namespace

TerragenHoehen terragenHoehen(const TerragenRec& rec) {
    const double s = rec.SkalierungX;
    const double basis = std::trunc((rec.HoeheMax - (rec.HoeheMax - rec.HoeheMin) / 2) / s);
    double skala = std::trunc((rec.HoeheMax - rec.HoeheMin) / s) + 1;
    if (std::fmod(skala, 2.0) != 0.0) skala += 1;
    if (basis != 0.0) skala += 2;
    // A reversed range one step wide would give 0, a division by zero for
    // every elevation.
    if (skala == 0.0) skala = -2;
    // A span beyond the int16 field keeps the largest even scale.
    int hs = int16Begrenzt(passendeSkala(rec, basis, skala));
    if (hs == 32767) hs = 32766;
    return {int16Begrenzt(basis), hs};
}

std::string terragenKodieren(const Dokument& dok, TerragenRec& rec, bool kurz) {
    rec.PunkteX = dok.punkteX();
    rec.PunkteY = dok.punkteY();
    rec.Groesse = std::min(rec.PunkteX, rec.PunkteY) - 1;
    const TerragenHoehen h = terragenHoehen(rec);
    rec.BasisHoehe = h.BasisHoehe;
    rec.HoehenSkala = h.HoehenSkala;

    std::string s = "TERRAGENTERRAIN ";
    s.reserve(s.size() + 80 + std::size_t(rec.PunkteX) * std::size_t(rec.PunkteY) * 2);
    chunk16(s, "SIZE", rec.Groesse, 0);
    if (!kurz) {
        chunk16(s, "XPTS", rec.PunkteX, rec.PunkteX);
        chunk16(s, "YPTS", rec.PunkteY, rec.PunkteY);
    }
    s += "SCAL";
    anhaengenF32(s, rec.SkalierungX);
    anhaengenF32(s, rec.SkalierungY);
    anhaengenF32(s, rec.SkalierungZ);
    if (!kurz) {
        s += "CRAD";
        anhaengenF32(s, rec.Radius);
        s += "CRVM";
        anhaengenF32(s, rec.Kugel ? 1.0 : 0.0);
    }
    chunk16(s, "ALTW", rec.HoehenSkala, rec.BasisHoehe);
    hoehenSchreiben(s, dok, rec);
    s += "EOF ";
    return s;
}

void terragenSkalaAngleichen(TerragenRec& rec) {
    rec.SkalierungY = rec.SkalierungX;
    rec.SkalierungZ = rec.SkalierungX;
}

std::string scriptNameProblem(std::string_view name) {
    struct Regel {
        std::string_view teil;
        const char* grund;
    };
    static constexpr Regel regeln[] = {
        {",", "a comma, which separates script arguments"},
        {")", "\")\", which ends a script argument list"},
        {"//", "\"//\", which starts a script comment"},
        {"\t", "a tab, which splits a script argument"},
        {"\r", "a line break"},
        {"\n", "a line break"},
    };
    if (trimBlanks(name).empty()) return "the file name is empty";
    for (const auto& r : regeln) {
        if (name.find(r.teil) != std::string_view::npos) {
            return std::string("the file name contains ") + r.grund;
        }
    }
    if (trimBlanks(name).size() != name.size()) {
        return "the file name begins or ends with a blank, which a script line loses";
    }
    return {};
}

using Z = TerragenZeile;
const ScriptArgument TerragenArgumente[9] = {
    Arg<&Z::rec, &TerragenRec::SkalierungX>(30, 99999, 1),
    Arg<&Z::rec, &TerragenRec::SkalierungY>(30, 99999, 1),
    Arg<&Z::rec, &TerragenRec::SkalierungZ>(30, 99999, 1),
    Arg<&Z::rec, &TerragenRec::Radius>(6400, 99999, 1),
    Arg<&Z::rec, &TerragenRec::Kugel>(0, 1, 0),
    Arg<&Z::rec, &TerragenRec::HoeheMin>(0, 32000, -32000),
    Arg<&Z::rec, &TerragenRec::HoeheMax>(1000, 32000, -32000),
    Arg<&Z::kurz>(0, 1, 0),
    TextArg<&Z::pfad>(),
};

std::string terragenScriptZeile(const TerragenRec& rec, bool kurz, std::string_view pfad) {
    return ScriptZeileAus("save_terragen", TerragenArgumente,
                          TerragenZeile{rec, kurz, std::string(pfad)});
}

Status SchreibeTerragen(Dokument& dok, TerragenRec& rec, const std::string& pfad, bool kurz) {
    // The short variant has no point-count chunks: readers take SIZE + 1 points
    // on both axes, so a rectangular field would be read back wrongly.
    if (kurz && dok.MaxX != dok.MaxY) {
        return Status::fehler(pfad + ": not written, since the short Terragen variant holds only " +
                              "square fields (this one has " + std::to_string(dok.MaxX + 1) +
                              " x " + std::to_string(dok.MaxY + 1) +
                              " points); use the full variant.");
    }
    const bool aufnehmen = dok.ScriptAufnahme && dok.ScriptAnzahl < ScriptMaxZeilen;
    if (aufnehmen) {
        if (std::string problem = scriptNameProblem(pfad); !problem.empty()) {
            return Status::fehler(pfad + ": not written, since the script being recorded could " +
                                  "not replay it: " + problem + ". Choose another name.");
        }
    }
    if (Status s = dateiAtomarSchreiben(pfad, terragenKodieren(dok, rec, kurz)); !s) return s;
    ScriptAnhaengen(dok, terragenScriptZeile(rec, kurz, pfad));
    return {};
}

Status terragenNachspielen(Dokument& dok, TerragenRec& rec, ScriptArgumente& args,
                           const SchreibZiel& ziel) {
    const auto zeile = ausArgumenten(args, TerragenArgumente, dok, TerragenZeile{rec, false, {}});
    rec = zeile.rec;
    if (zeile.pfad.empty()) return Status::fehler("save_terragen: no file name");
    const bool aufnahme = dok.ScriptAufnahme;
    dok.ScriptAufnahme = false;
    Status s = SchreibeTerragen(dok, rec, ziel ? ziel(zeile.pfad) : zeile.pfad, zeile.kurz);
    dok.ScriptAufnahme = aufnahme;
    return s;
}

}  // namespace gm
