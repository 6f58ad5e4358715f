#pragma once
// Helpers of the reader tests: one delivered apprentice as a value, a recording status line
// and a reader configured for a fixture's columns.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>

#include "CXLSread.h"
#include "Statuszeile.h"

namespace rastfang::test {

/// Everything the extraction run reads after one ReadLine with result 0.
struct Azubi {
    QString sName, sVorname, sGebDatum, sBeruf;
    bool bGruppenwechsel = false;
    int16_t iFaecher = 0;
    QStringList faecher;  ///< sBSFaecher 1..iFaecher
    QStringList noten;    ///< sNoten 1..iFaecher
};

/// Calls ReadLine, expects 0 and collects what it delivered (reading bGruppenwechsel once).
inline Azubi gNaechster(CXLSread& leser) {
    Azubi a;
    EXPECT_EQ(leser.ReadLine(), 0);
    a.sName = leser.sName;
    a.sVorname = leser.sVorname;
    a.sGebDatum = leser.sGebDatum;
    a.sBeruf = leser.sBeruf;
    a.bGruppenwechsel = leser.bGruppenwechsel();
    a.iFaecher = leser.iBSFachMaxIndex();
    for (int16_t k = 1; k <= a.iFaecher; ++k) {
        a.faecher << leser.sBSFaecher(k);
        a.noten << leser.sNoten(k);
    }
    return a;
}

/// A status line that remembers every text it was given.
class StatusRecorder : public Statuszeile {
  public:
    void ZeigeText(const QString& sText) override { texte << sText; }
    QStringList texte;
};

/// A reader with its field columns set (0 = not used), started, before OpenFile.
inline std::unique_ptr<CXLSread> gLeser(int16_t name, int16_t vorname, int16_t gebDat,
                                        int16_t beruf, int16_t erstesErgebnis,
                                        int16_t datenfilter = 0) {
    auto leser = std::make_unique<CXLSread>();
    leser->iSpaltenPos(CXLSread::SPALTE_Name, name);
    leser->iSpaltenPos(CXLSread::SPALTE_Vorname, vorname);
    leser->iSpaltenPos(CXLSread::SPALTE_GebDat, gebDat);
    leser->iSpaltenPos(CXLSread::SPALTE_Beruf, beruf);
    leser->iSpaltenPos(CXLSread::SPALTE_ErstesErgebnis, erstesErgebnis);
    leser->iSpaltenPos(CXLSread::SPALTE_Datenfilter, datenfilter);
    EXPECT_TRUE(leser->Init());
    return leser;
}

}  // namespace rastfang::test
