#pragma once
// Shared helpers of the tests: fixture paths, files, the independent reader of saved workbooks,
// a message-box recorder.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <ostream>
#include <utility>
#include <vector>

#include "basis/Plattform.h"
#include "basis/VbFehler.h"

/// Readable Qt texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << (l.isEmpty() ? "[]" : "[\"" + l.join(QStringLiteral("\", \"")).toStdString() + "\"]");
}

namespace rastfang::test {

/// Path of a committed fixture file under tests/data.
QString gsTestdatei(const QString& sName);

/// The stdout of python3 running source text `sSkript` with arguments; a failed run fails the test.
QString gsPython(const QString& sSkript, const QStringList& argumente = {});

/// The bytes of file `sPfad`; empty when it cannot be read.
QByteArray gInhalt(const QString& sPfad);

/// Writes `inhalt` to `sPfad`, creating its folder; fails the test when that is not possible.
void gSchreibe(const QString& sPfad, const QByteArray& inhalt);

/// Number and description of the error `f` raises; {0, ""} when it raises none.
template <typename F>
std::pair<int32_t, QString> gFehler(F&& f) {
    try {
        f();
    } catch (const VbFehler& e) {
        return {e.Number(), e.Description()};
    }
    return {0, QString()};
}

/// The number of the error `f` raises, 0 when it raises none; a raised error must describe itself.
template <typename F>
int32_t giFehler(F&& f) {
    const auto [iNummer, sText] = gFehler(std::forward<F>(f));
    EXPECT_TRUE(iNummer == 0 || !sText.isEmpty()) << iNummer;
    return iNummer;
}

/// Names of everything in folder `sOrdner`, hidden entries included, sorted.
QStringList gEintraegeIn(const QString& sOrdner);

/// A saved workbook (.xlsx or XML Spreadsheet 2003) as the independent reader
/// tests/common/mappe_als_json.py sees it; its docstring describes `json` and the cell texts.
class GeleseneMappe {
  public:
    /// Reads `sPfad`; when the reader cannot, the test fails and every sheet reads empty.
    explicit GeleseneMappe(const QString& sPfad);

    QStringList Blattnamen() const;
    QString Aktiv() const { return json[QStringLiteral("active")].toString(); }
    /// Sheet `iBlatt` (0-based): "name", "state", "protection", "widths", "values", "cells".
    QJsonObject Blatt(int iBlatt = 0) const;
    /// Cell `sAdresse` ("F3") as the reader's cell text; "None" without value and style.
    QString Zelle(const QString& sAdresse, int iBlatt = 0) const;
    /// Only the value of cell `sAdresse` ("'Müller'", "2.3", "None").
    QString Wert(const QString& sAdresse, int iBlatt = 0) const;

    QJsonObject json;
};

enum class Raster { Zellen, Werte };

/// Whether the cells from `sLinksOben` on read `zeilen`, row by row (GeleseneMappe::Zelle or
/// ::Wert texts); the failure names every cell that differs with what was expected and read.
::testing::AssertionResult gRasterGleich(const GeleseneMappe& mappe, const QString& sLinksOben,
                                         const std::vector<QStringList>& zeilen,
                                         Raster art = Raster::Zellen, int iBlatt = 0);

struct GezeigteMeldung {
    QString sText;
    int16_t iStil;
    QString sTitel;
    int16_t iZeiger;  ///< the mouse pointer while the box waited
};

/// A message box that records every call and answers from a script (default: OK for OK styles,
/// the first scripted answer otherwise; without script Yes/No answers No, Retry/Cancel Cancel).
class MeldungsRecorder : public MeldungsBox {
  public:
    int16_t Zeige(const QString& sText, int16_t iStil, const QString& sTitel) override;
    void Antworten(std::initializer_list<int16_t> antworten) {
        m_antworten.insert(m_antworten.end(), antworten);
    }
    std::vector<GezeigteMeldung> meldungen;

  private:
    std::deque<int16_t> m_antworten;
};

/// A mouse pointer that starts at `iStart` and records every value set after.
struct ProtokollZeiger : MerkenderMauszeiger {
    explicit ProtokollZeiger(int16_t iStart = STANDARD) { MerkenderMauszeiger::Setzen(iStart); }
    void Setzen(int16_t iZeiger) override {
        MerkenderMauszeiger::Setzen(iZeiger);
        werte.push_back(iZeiger);
    }
    std::vector<int16_t> werte;
};

/// A MeldungsRecorder in place of the message box while it lives.
class EingesetzterRecorder : public MeldungsRecorder {
    MeldungsBoxTausch m_tausch{*this};
};

}  // namespace rastfang::test
