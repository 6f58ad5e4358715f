// CXLSread: the row walk. Heading rows (found by "Name" or given as the start row) open a
// group, rows with a name below them are apprentices, gaps of empty name cells are bridged up
// to 20 rows, and a grade is read from the cell's value and rounded to one decimal.
#include "reader/CXLSread.h"

#include "basis/Int16.h"
#include "basis/VbFehler.h"
#include "basis/VbText.h"
#include "reader/Notenrundung.h"

namespace rastfang {

namespace {
// Empty name cells searched below a gap before the worksheet counts as finished.
constexpr int MAX_LUECKE = 20;

bool istNamenskopf(const QString& sText) {
    return sText.toUpper() == QLatin1String("NAME");
}
}  // namespace

int16_t CXLSread::ReadLine() {
    for (;;) {
        giErhoehe(iAktZeile);

        if (!bKopfGelesen && m_iStartzeile > 0) {
            if (LeseFaecher()) continue;
            if (!NaechsteTabelle()) return -1;
            continue;
        }

        sName = ZellText(iAktZeile, m_iSpaltenPos[SPALTE_Name]);
        // Before the first heading a "Name" row starts the search for it; once a heading has
        // been read, such a row is an apprentice who happens to be called so.
        const bool bNamenskopf = istNamenskopf(sName);
        if ((bNamenskopf && !bKopfGelesen) || sName.isEmpty()) {
            if (bNamenskopf) giVermindere(iAktZeile);
            if (SucheKopfzeile()) continue;
            if (!NaechsteTabelle()) return -1;
            continue;
        }

        const int16_t iFilterSpalte = m_iSpaltenPos[SPALTE_Datenfilter];
        if (iFilterSpalte > 0 && Tabelle().Cells(iAktZeile, iFilterSpalte).Text() != m_sFilterWert)
            continue;

        sVorname = ZellText(iAktZeile, m_iSpaltenPos[SPALTE_Vorname]);
        sGebDatum = m_iSpaltenPos[SPALTE_GebDat] == 0
                        ? QString()
                        : ZellText(iAktZeile, m_iSpaltenPos[SPALTE_GebDat]);
        sBeruf = ZellText(iAktZeile, m_iSpaltenPos[SPALTE_Beruf]);

        const int16_t iErste = m_iSpaltenPos[SPALTE_ErstesErgebnis];
        for (int16_t k = 1; k <= m_iBSFachMaxIndex; ++k) {
            m_sNoten[static_cast<size_t>(k - 1)] =
                wf_Runden(ZellWert(iAktZeile, giAddiere(iErste, k - 1)));
        }

        giErhoehe(atTabellen.at(static_cast<size_t>(iAktTabelle - 1)).iAnzahl);
        return 0;
    }
}

bool CXLSread::LeseFaecher() {
    m_bGruppenwechsel = true;
    bKopfGelesen = true;
    m_iBSFachMaxIndex = 0;
    LeseUeberschriften();
    return m_iBSFachMaxIndex >= 1;
}

bool CXLSread::SucheKopfzeile() {
    for (int i = 0; i < MAX_LUECKE; ++i) {
        giErhoehe(iAktZeile);
        const QString t = ZellText(iAktZeile, m_iSpaltenPos[SPALTE_Name]);
        if (istNamenskopf(t)) {
            m_bGruppenwechsel = true;
            bKopfGelesen = true;
            m_iBSFachMaxIndex = 0;
            LeseUeberschriften();
            return true;
        }
        if (!t.isEmpty() && bKopfGelesen) {
            // The group goes on after the gap: let ReadLine take this row.
            giVermindere(iAktZeile);
            return true;
        }
    }
    return false;
}

void CXLSread::LeseUeberschriften() {
    const int16_t iErste = m_iSpaltenPos[SPALTE_ErstesErgebnis];
    const int16_t iLetzte = giAddiere(iErste, excel::MAX_FAECHER - 1);
    for (int32_t c = iErste; c <= iLetzte; ++c) {
        const QString t = ZellText(iAktZeile, static_cast<int16_t>(c));
        if (t.isEmpty()) break;
        giErhoehe(m_iBSFachMaxIndex);
        m_sBSFaecher[static_cast<size_t>(m_iBSFachMaxIndex - 1)] = t;
    }
}

QString CXLSread::wf_Runden(const QString& ps_Wert) {
    try {
        return gsNoteRunden(ps_Wert);
    } catch (...) {
        oExcel.ZeigeFehler(QStringLiteral("wf_Runden"));
        return ps_Wert;
    }
}

spreadsheet::Worksheet& CXLSread::Tabelle() const {
    if (!oTabelle) throw VbFehler(FEHLER_OBJEKT_NICHT_GESETZT);
    return *oTabelle;
}

QString CXLSread::ZellText(int16_t iZeile, int16_t iSpalte) const {
    return gsTrim(Tabelle().Cells(iZeile, iSpalte).Text());
}

QString CXLSread::ZellWert(int16_t iZeile, int16_t iSpalte) const {
    return gsTrim(Tabelle().Cells(iZeile, iSpalte).Value());
}

}  // namespace rastfang
