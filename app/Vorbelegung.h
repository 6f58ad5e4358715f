#pragma once
// The remembered entries of the main window: read from section "Vorbel" of the settings store
// when the window loads, written back when it unloads, so that a user does not type the same
// paths and column letters again at every start.

#include "app/Eingaben.h"

namespace rastfang {

/// Fills `eingaben` from section "Vorbel": routes the section to the INI file (the first use of
/// the program-wide store, which creates it), then reads "BSDatei", "Extraktdatei", "StZeile",
/// "SpPos1".."SpPos6" and "Filterwert" in this order, a missing value giving the empty text.
/// The first failure skips the remaining reads and is reported once with the place
/// "Form_Load/frmRasterfang"; the fields not reached keep their value. Never throws.
void gVorbelegungLesen(Eingaben& eingaben);

/// Writes `eingaben` to section "Vorbel" under "BSDatei", "ExtraktDatei", "StZeile",
/// "SpPos1".."SpPos6" and "Filterwert", empty entries as empty values. Each write ignores its own
/// failure and no message appears: presets that cannot be saved are simply lost. Never throws.
void gVorbelegungSchreiben(const Eingaben& eingaben);

}  // namespace rastfang
