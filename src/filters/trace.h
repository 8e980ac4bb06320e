#pragma once
// Trace (DefiniereTrace): draws one-cell lines along the steps of the field,
// on the side of each step that does not lie at the reference height taken
// from the first step found.

#include "core/dokument.h"
#include "core/parameter.h"
#include "core/script_argumente.h"
#include "core/status.h"

namespace gm {

struct TraceRec {
    double TraceToleranz = 0.1;  // the step threshold is TraceToleranz / 30
    int TraceDichte = 1;         // iterations
    int TraceWert = 0;           // 0: 0.0, 1: MarkeUnten, 2: MarkeOben, 3: 1.0
    bool TraceReserve = false;   // carried in the script line only
};
extern const Parameter TraceParameter[4];
// The line "trace(TraceToleranz, TraceDichte, TraceWert, TraceReserve)".
extern const ScriptArgument TraceArgumente[4];

// The height trace cells get.
double TraceHoehe(const Dokument& dok, int traceWert);

// Zweitbild := Hoehenfeld with the trace cells set, then ZweitbildUebernehmen;
// no undo copy. Any TraceDichte of 2 or more gives the result of 2: the
// reference is found first, then every examined pair is visited once.
void TraceAnwenden(Dokument& dok, const TraceRec& rec);
// Undo copy, trace, script line.
Status TraceAusfuehren(Dokument& dok, const Werte& werte);
void TraceNachspielen(Dokument& dok, ScriptArgumente& args);

}  // namespace gm
