#pragma once
// The program speaks German and writes numbers with a decimal point, whatever the desktop's
// language is. Constructing the Qt application object switches the C library to the user's
// locale; under a German one every printf-based library (the .xlsx writer among them) would
// then write "1,5" into files that must say "1.5".

class QCoreApplication;

namespace rastfang {

/// Call right after the application object exists, in every program (window, command line,
/// tests, tools): pins LC_NUMERIC to "C", loads Qt's own German texts (file dialogs, context
/// menus, standard buttons) and makes German the default QLocale for dates and names shown by
/// Qt. Returns false when the German Qt translation is missing (the program still runs).
bool gbSprachumgebungEinrichten(QCoreApplication& app);

}  // namespace rastfang
