#pragma once
// The whole editing state of one run: the document and every settings record
// of the layers above it. The window and the command line each own one.
//
// Layers add their settings records here as members, one line per record.

#include "core/dokument.h"
#include "core/script_argumente.h"
#include "display/ansicht_rec.h"
#include "display/farbstand.h"
#include "editing/werkzeug.h"
#include "formats/coffee.h"
#include "formats/netz_einstellungen.h"
#include "formats/terragen.h"
#include "formats/verlauf.h"
#include "generators/duenen.h"
#include "generators/sporen.h"
#include "generators/zellen.h"

namespace gm {

struct Sitzung {
    Dokument dok;
    // The argument slots of the script line being replayed.
    ScriptArgumente Argumente;
    // Palettes, colour mode, render settings and the colour bar's editing state.
    ColourState farben;
    // Terragen export settings, also taken over from every Terragen import.
    TerragenRec terragen;
    // Mesh export settings.
    NetzRec netz;
    // View settings of the 3D preview, kept between its openings.
    AnsichtRec ansicht;
    // Shape sliders, click sizes, placement and mountain settings of the tool bar.
    WerkzeugEinstellungen werkzeug;
    // The spores generator's random tables, made on first use.
    std::unique_ptr<SporenTabellen> sporen;
    // Gradient picture and COFFEE export settings; coffee.Vorlage starts as
    // the shipped template, set by the front end that knows the data folder.
    VerlaufRec verlauf;
    CoffeeRec coffee;
    // Where a replayed line writes the file it names: the command line points
    // this at a temporary beside the target, put in place when the run succeeds.
    SchreibZiel schreibZiel;
    // Random tables of the dune and cell generators, made at their first use.
    DuenenZustand duenen;
    ZellenZustand zellen;
};

}  // namespace gm
