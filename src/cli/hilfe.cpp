#include "cli/hilfe.h"

#include "editing/werkzeug.h"
#include "script/befehlstabelle.h"
#include "script/operationen.h"

namespace gm::cli {

namespace {

const char* const einleitung = R"(Usage: gravimonte-cli OPTION...

Runs the options left to right on one height field (513 x 513 points, all
zero, at start). Numbers use a point as decimal separator in every locale.

Options:
  --seed N             set the random seed (0..4294967295); without it the clock
                       seeds the generator
  --size WxH           start again from an all-zero field of W x H points (5..2049)
  --resize WxH         resample the field to W x H points (5..2049), taking the
                       undo copy first ("Bildgröße")
  --open FILE          open a height field file (types listed below)
  --add FILE           read a native .fla file of the current size and combine it
                       into the field ("Hinzu Öffnen")
  --line 'TEXT'        replay one script line (one undo copy before it)
  --script FILE        replay a script file; its first line must be
                       "Gravimonte-Script" (one undo copy before the script)
  --set KEY=VALUE      change an editing setting (keys below, case-insensitive)
  --undo               restore the undo copy
  --gen NAME [KEY=VALUE...]     run a generator and combine its result
  --filter NAME [KEY=VALUE...]  run a filter
  --mask OP            clear, all, invert, above (upper marker..1),
                       range (lower..upper marker), below (0..lower marker),
                       zero (cells at 0); new, plus or minus by Maskenmodus
  --save FILE          write the native .fla file
  --export FORMAT FILE write an export format (listed below)
  --info               print: points in x and y, minimum, maximum, mean
  --palette FILE       load both palettes and the render settings from a .fpl
                       palette file (all or nothing)
  --save-palette FILE  write the palettes and render settings as a .fpl file
  --stroke TOOL X,Y [X,Y...] [KEY=VALUE...]
                       apply a tool of the tool bar (names below, or its number)
                       at points in grid units (pointer position / zoom):
                       Platzierung 1 and 2 take pairs (press, release), 3, 4
                       and the pipette one point per application; Rechts=1
                       uses the right button for this stroke, other keys are
                       --set keys that stay set
  --coffee-template FILE  the template of later "--export coffee" (default: the
                       shipped VolumeMask.cof in the data folder)
  --help               print this text and do nothing else

Exit status: 0 on success; 2 on any error (unknown option, name or key, a
value that is not a number or out of range, a file that cannot be read or
written), with one line on standard error. Files named by --save and --export
are put in place only when every option has succeeded; an interrupted run
leaves nothing behind. A symbolic link is followed and the file it names
replaced, keeping its permissions; a device or named pipe is written directly.
Inputs must be regular files.

Example:
  gravimonte-cli --seed 7 --size 257x257 --set ModEinstellungen.Aktiv=1 \
      --line 'paintmode(1)' --save terrain.fla --info
)";

std::string parameterListe(std::span<const Parameter> parameter, const std::string& vorsatz) {
    std::string text;
    for (const auto& p : parameter)
        text += "    " + vorsatz + parameterHilfe(p) + "\n";
    return text;
}

std::string operationen(OperationsArt art, const char* titel) {
    std::string text = std::string("\n") + titel + ":\n";
    bool leer = true;
    for (const auto& o : Operationen()) {
        if (o.art != art) continue;
        leer = false;
        text += "  " + std::string(o.name) + "\n" + parameterListe(o.parameter, "");
    }
    return leer ? text + "  (none yet)\n" : text;
}

std::string einstellungen() {
    std::string text = "\nSettings for --set (KEY=VALUE; booleans as 0/1):\n";
    for (const auto& w : Einstellungswerte())
        text += "    " + parameterHilfe(w.parameter) + "\n";
    for (const auto& satz : Einstellungssaetze()) {
        text += parameterListe(satz.parameter, std::string(satz.name) + ".");
    }
    for (const auto& t : Texteinstellungen())
        text += "    " + std::string(t.name) + " (text)\n";
    return text;
}

std::string dateiformate() {
    std::string text = "\nFile types for --open:";
    for (const auto& i : Importe())
        text += " " + std::string(i.endung);
    text += "\nFormats for --export:";
    if (Exporte().empty()) text += " (none yet)";
    for (const auto& e : Exporte())
        text += " " + std::string(e.format);
    return text + "\n";
}

std::string skriptwoerter() {
    std::string text = "\nScript words for --line and --script (others are refused):";
    for (const Befehl& b : Befehlstabelle()) {
        if (OperationFuerWort(b.wort)) text += " " + std::string(b.wort);
    }
    for (const Erweiterungswort& e : Erweiterungswoerter())
        text += " " + std::string(e.wort);
    return text + "\n";
}

std::string werkzeuge() {
    std::string text = "\nTools for --stroke:";
    for (const WerkzeugInfo& w : Werkzeuge())
        text += " " + std::string(w.name);
    return text + "\n";
}

}  // namespace

std::string HilfeText() {
    return einleitung + operationen(OperationsArt::Generator, "Generators") +
           operationen(OperationsArt::Filter, "Filters") + einstellungen() + dateiformate() +
           skriptwoerter() + werkzeuge();
}

}  // namespace gm::cli
