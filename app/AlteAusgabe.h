#pragma once
// Removing an output file the user agreed to replace. It goes to the desktop trash where the
// trash can be established, so that a mistaken "Ja" loses nothing; otherwise it is deleted.

#include <QString>

namespace rastfang {

/// Whether the user's trash can take files: the data folder that holds it must exist (Qt would
/// otherwise drop the file into a "files" folder of the current directory).
bool gbPapierkorbVorhanden();

/// Moves the file `sPfad` to the trash when `gbPapierkorbVorhanden`, else (or when the move
/// fails) deletes it. Raises error 70 when access is denied, 75 for any other failure.
void gAlteAusgabeEntfernen(const QString& sPfad);

}  // namespace rastfang
