#pragma once
// The extraction run: reader and writer started, every apprentice copied as one line under a
// header line per group, the output saved, and the summary shown.

#include "app/Eingaben.h"
#include "app/Pruefung.h"
#include "app/StartRueckmeldungen.h"
#include "reader/CXLSread.h"
#include "writer/CXLSwriteOLE.h"

namespace rastfang {

/// Runs the extraction with the reader the check prepared and a fresh writer, up to and
/// including the shown summary. Returns false when `Init` or `OpenFile` of reader or writer
/// failed (they have reported it themselves), true after the summary was shown. Raises every
/// other failure. Once the output is saved, an old output the check set aside is discarded.
/// Leaves pointer and status line for the caller's common ending.
bool gbExtraktionAusfuehren(const Eingaben& eingaben, const Pruefergebnis& pruefung,
                            CXLSread& oLeser, CXLSwriteOLE& oSchreiber,
                            const StartRueckmeldungen& rueck);

}  // namespace rastfang
