#pragma once
// The message routine of the program: every message to the user comes from the coded catalogue
// (STERROR) or is made from a pending error, and is shown through the message-box seam.

#include <QString>
#include <cstdint>

#include "basis/VbFehler.h"

namespace rastfang {

/// Shows catalogue message `sCode` ("VLM" + five digits) with its placeholders filled from the
/// ";"-separated `sParameter`, or — with an empty code and a pending error — the error itself
/// ("VB" code, its description). A non-empty `sFunktionsort` ("cmdStart/frmRasterfang") is
/// shown under the text. Returns the answer (1 OK, 2 Cancel, 4 Retry, 6 Yes, 7 No; Abort comes
/// back as Cancel). A malformed "$" in the text raises error 9 to the caller.
int16_t giMeldung(const QString& sFunktionsort, const QString& sCode, const QString& sParameter,
                  const PendingError& fehler = {});

/// `sText` with "$1".."$9" replaced by the items of `sParameter`; "$$" gives "$". Empty text when
/// text and parameters do not fit together. A malformed "$" raises error 9.
QString gsStPlatzhalter_Ersetzen(const QString& sText, const QString& sParameter);

/// The common error report of the workbook classes: title "Fehler " + VB code, text = the
/// description, an empty line, "Funktion: " + procedure + error source ("/CXlsExtract").
/// While it waits for OK the pointer is the arrow, as over a system message box; the pointer
/// shown before (the hourglass of a run) comes back after it.
void gZeigeFehlerbericht(const PendingError& fehler, const QString& sProzedur,
                         const QString& sFehlerquelle);

}  // namespace rastfang
