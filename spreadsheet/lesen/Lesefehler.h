#pragma once
// Why a workbook file could not be read. The readers throw a Lesefehler; the opening code
// turns it into the application's error 1004 with a German description naming the file.

#include <QString>

#include "basis/VbFehler.h"

namespace rastfang::spreadsheet {

/// The reasons a file cannot be read, each with its own German wording.
enum class Lesegrund { NichtGefunden, Zugriff, Format, Verschluesselt, ZuGross };

/// Thrown inside the readers; carries only the reason, the file is added where it is caught.
struct Lesefehler {
    Lesegrund grund;
};

/// Throws Lesefehler{grund}.
[[noreturn]] void gLesefehler(Lesegrund grund);

/// The 1004 error for `sPfad` and `grund`, e.g. "Die Datei »/x/y.xlsx« wurde nicht gefunden."
VbFehler gDateifehler(const QString& sPfad, Lesegrund grund);

/// Runs `f`; a Lesefehler, std::bad_alloc or any other standard exception becomes the 1004
/// error naming `sPfad` (a VbFehler passes through unchanged).
template <typename F>
decltype(auto) gMitDateifehler(const QString& sPfad, F&& f);

/// Implementation detail of gMitDateifehler: maps the exception in flight.
[[noreturn]] void gWirfDateifehler(const QString& sPfad, std::exception_ptr p);

template <typename F>
decltype(auto) gMitDateifehler(const QString& sPfad, F&& f) {
    try {
        return f();
    } catch (...) {
        gWirfDateifehler(sPfad, std::current_exception());
    }
}

}  // namespace rastfang::spreadsheet
